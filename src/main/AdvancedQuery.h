#pragma once

#include "platform/Seam.h"

#include <QString>

class QWidget;

// The advanced archive query behind the main window's "高级查找..." toggle:
// asks for the conditions and returns a complete select statement on t_Files,
// or an empty text when the operator cancelled.
class AdvancedQuery {
public:
    virtual ~AdvancedQuery() = default;
    virtual QString ask(QWidget* parent) = 0;
};

// Until the query dialog is part of the program, every request counts as cancelled.
class NoAdvancedQuery : public AdvancedQuery {
public:
    QString ask(QWidget*) override { return {}; }
};

using AdvancedQuerySeam = Seam<AdvancedQuery, NoAdvancedQuery>;
