#include "admin/TDLGenterCaption.h"
#include "platform/DialogButtons.h"

#include "platform/Messages.h"
#include "platform/WindowPlacement.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TDLGenterCaption::TDLGenterCaption(const QString& title, const QString& name, QWidget* parent)
    : QDialog(parent), m_name(new QLineEdit(name, this))
{
    setWindowTitle(title);
    m_name->setObjectName(QStringLiteral("edName"));
    m_name->selectAll();

    const DialogButtons buttons = makeDialogButtons(this);
    connect(buttons.ok, &QPushButton::clicked, this, &TDLGenterCaption::confirm);
    connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* label = new QLabel(title, this);
    label->setObjectName(QStringLiteral("lblTitle"));
    label->setBuddy(m_name);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_name);
    layout->addLayout(buttons.row);
    setMinimumWidth(340);
}

QString TDLGenterCaption::name() const
{
    return m_name->text();
}

void TDLGenterCaption::confirm()
{
    if (m_name->text().trimmed().isEmpty()) {
        ShowMess(QStringLiteral("部门名称不能为空！"), MessNotice);
        m_name->setFocus();
        return;
    }
    accept();
}

QString TDLGenterCaption::enterCaption(QWidget* parent, const QString& title, const QString& name)
{
    TDLGenterCaption dialog(title, name, parent);
    DispFormPos(&dialog, 1);
    return dialog.exec() == QDialog::Accepted ? dialog.name() : QString();
}
