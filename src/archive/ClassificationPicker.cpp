#include "archive/ClassificationPicker.h"

#include "admin/TFrmTreeCodeMan.h"

QString TreeClassificationPicker::pick(const QString& currentPath, QWidget* parent)
{
    return TFrmTreeCodeMan::pick(parent, currentPath);
}
