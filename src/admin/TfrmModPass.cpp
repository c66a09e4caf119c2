#include "admin/TfrmModPass.h"

#include "admin/Session.h"
#include "db/DataModule.h"
#include "db/Query.h"
#include "platform/Messages.h"
#include "platform/Passwords.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace PasswordChange {

Result apply(const QString& operatorName, const QString& oldPassword, const QString& newPassword, const QString& repeated)
{
    Query row(dmData->connection());
    if (!dmData->open(QStringLiteral("Select F_ID,F_PassWord From OperList Where (F_Name = :name)"), row,
                      {{QStringLiteral("name"), operatorName}})
        || row.recordCount() == 0)
        return Result::NoOperator;
    if (!CheckPass(oldPassword, row.text(0, 1)))
        return Result::WrongOldPassword;
    if (newPassword != repeated)
        return Result::Mismatch;
    const bool saved = dmData->execute(QStringLiteral("update OperList set F_PassWord = :password where F_ID = :id"),
                                       {{QStringLiteral("password"), SavePass(newPassword)}, {QStringLiteral("id"), row.intValue(0, 0)}});
    return saved ? Result::Changed : Result::NotSaved;
}

}

namespace {

QLineEdit* makePasswordBox(QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setEchoMode(QLineEdit::Password);
    box->setStyleSheet(QStringLiteral("lineedit-password-character: 42;")); // '*'
    return box;
}

QPushButton* makeButton(const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    // Enter is handled by the window itself: it moves on, or presses the focused button.
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setMinimumWidth(80);
    return button;
}

}

TfrmModPass::TfrmModPass(QWidget* parent)
    : QDialog(parent),
      m_old(makePasswordBox(this)),
      m_new(makePasswordBox(this)),
      m_repeated(makePasswordBox(this)),
      m_ok(makeButton(QStringLiteral("确定(&O)"), this)),
      m_cancel(makeButton(QStringLiteral("取消(&C)"), this))
{
    setWindowTitle(QStringLiteral("更改密码"));
    buildLayout();
    for (QObject* control : std::initializer_list<QObject*>{m_old, m_new, m_repeated, m_ok, m_cancel})
        control->installEventFilter(this);
    connect(m_ok, &QPushButton::clicked, this, &TfrmModPass::confirm);
    connect(m_cancel, &QPushButton::clicked, this, &TfrmModPass::reject);
    m_old->setFocus();
}

void TfrmModPass::buildLayout()
{
    auto* title = new QLabel(QStringLiteral("更改登录密码"), this);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPixelSize(18);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);

    auto* header = new QLabel(QStringLiteral("当前操作员：") + Session::current().operatorName + QLatin1Char(' '), this);
    header->setObjectName(QStringLiteral("lbOperator"));
    header->setContentsMargins(24, 0, 24, 0);

    auto* fields = new QFormLayout;
    fields->setContentsMargins(24, 4, 24, 4);
    fields->setVerticalSpacing(10);
    fields->addRow(QStringLiteral("旧 密 码："), m_old);
    fields->addRow(QStringLiteral("新 密 码："), m_new);
    fields->addRow(QStringLiteral("再输一遍："), m_repeated);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(header);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    setFixedSize(340, 240);
}

void TfrmModPass::confirm()
{
    switch (PasswordChange::apply(Session::current().operatorName, m_old->text(), m_new->text(), m_repeated->text())) {
    case PasswordChange::Result::WrongOldPassword:
        ShowMess(QStringLiteral("旧口令输入错误，不能更改！"), MessRefusal);
        break;
    case PasswordChange::Result::Mismatch:
        ShowMess(QStringLiteral("新口令错误，不能更改！"), MessNotice);
        m_new->clear();
        m_repeated->clear();
        break;
    case PasswordChange::Result::Changed:
        ShowMess(QStringLiteral("更改口令成功！"), MessNotice);
        break;
    case PasswordChange::Result::NoOperator:
    case PasswordChange::Result::NotSaved:
        break;
    }
    accept();
}

bool TfrmModPass::eventFilter(QObject* watched, QEvent* event)
{
    const bool enter = event->type() == QEvent::KeyPress
        && (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return || static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter);
    if (!enter)
        return QDialog::eventFilter(watched, event);
    if (auto* button = qobject_cast<QPushButton*>(watched))
        button->click();
    else
        focusNextChild();
    return true;
}
