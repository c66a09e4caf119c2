#pragma once

#include "platform/Seam.h"

#include <QString>

class QWidget;

// Choosing a classification: given the current path text, returns the path
// (F_likecode) of the chosen class, or the given text when the operator
// cancels. The archive editor and the batch change dialog pick through it.
class ClassificationPicker {
public:
    virtual ~ClassificationPicker() = default;
    virtual QString pick(const QString& currentPath, QWidget* parent) = 0;
};

// The classification tree window (TFrmTreeCodeMan) in its picking mode.
class TreeClassificationPicker : public ClassificationPicker {
public:
    QString pick(const QString& currentPath, QWidget* parent) override;
};

using ClassificationPickerSeam = Seam<ClassificationPicker, TreeClassificationPicker>;

inline QString pickClassification(const QString& currentPath, QWidget* parent)
{
    return ClassificationPickerSeam::get().pick(currentPath, parent);
}
