#include "archive/DepartmentChoice.h"

#include "admin/Session.h"
#include "db/DataModule.h"
#include "db/SqlText.h"

#include <QComboBox>

namespace {

void fixToOwnDepartment(QComboBox* box, const QString& department)
{
    box->setEditText(department);
    box->setEnabled(false);
    const QColor aqua(0, 255, 255);
    QPalette palette = box->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, aqua);
        palette.setColor(group, QPalette::Button, aqua);
        palette.setColor(group, QPalette::Text, Qt::black);
        palette.setColor(group, QPalette::ButtonText, Qt::black);
    }
    box->setPalette(palette);
    box->setFocusPolicy(Qt::NoFocus);
}

}

void prepareDepartmentChoice(TdmData& data, QComboBox* box)
{
    const Session& session = Session::current();
    switch (session.restrictionMode) {
    case 1:
        fixToOwnDepartment(box, session.department);
        break;
    case 2:
        data.fillList(QStringLiteral("select distinct F_name from t_code where (F_name <> '') and (F_type = 'gddept')and (F_name in (")
                          + SqlText::quotedList(session.departmentList) + QStringLiteral(")) "),
                      box);
        break;
    default:
        data.fillList(QStringLiteral("select distinct F_name from t_code where (F_name <> '') and F_type = 'gddept' "), box);
        break;
    }
}
