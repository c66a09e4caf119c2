#include "admin/TfrmOperLogin.h"

#include "app/IniSettings.h"
#include "db/DataModule.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kBanner = QStringLiteral("请输入正确的操作员编号及密码，系统管理员编号“admin”，系统初始密码为空：");

bool isEnter(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
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

TfrmOperLogin::TfrmOperLogin(LoginMode mode, SessionHost& host, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_attempts(mode, host),
      m_name(new QComboBox(this)),
      m_password(new QLineEdit(this)),
      m_ok(makeButton(QStringLiteral("确定"), this)),
      m_cancel(makeButton(QStringLiteral("取消"), this))
{
    setWindowTitle(QStringLiteral("登录窗口"));
    m_name->setObjectName(QStringLiteral("cbName"));
    m_name->setEditable(true);
    m_name->setInsertPolicy(QComboBox::NoInsert);
    m_password->setObjectName(QStringLiteral("edPassword"));
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setStyleSheet(QStringLiteral("lineedit-password-character: 42;")); // '*'
    buildLayout();

    for (QObject* control : std::initializer_list<QObject*>{m_name, m_name->lineEdit(), m_password, m_ok, m_cancel})
        control->installEventFilter(this);
    connect(m_ok, &QPushButton::clicked, this, &TfrmOperLogin::confirm);
    connect(m_cancel, &QPushButton::clicked, this, &TfrmOperLogin::reject);

    fillNames();
    if (m_name->currentText().isEmpty())
        m_name->setFocus();
    else
        m_password->setFocus();
}

bool TfrmOperLogin::run(LoginMode mode, SessionHost& host, QWidget* parent)
{
    TfrmOperLogin window(mode, host, parent);
    return window.exec() == QDialog::Accepted;
}

void TfrmOperLogin::buildLayout()
{
    auto* banner = new QLabel(kBanner, this);
    banner->setWordWrap(true);
    banner->setFrameShape(QFrame::StyledPanel);
    banner->setMargin(8);
    banner->setStyleSheet(QStringLiteral("QLabel { background: #f4f7fb; color: #1f3f77; }"));

    auto* fields = new QFormLayout;
    fields->setContentsMargins(24, 4, 24, 4);
    fields->setVerticalSpacing(10);
    fields->addRow(QStringLiteral("姓  名："), m_name);
    fields->addRow(QStringLiteral("密  码："), m_password);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(banner);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    setFixedSize(380, 210);
}

void TfrmOperLogin::fillNames()
{
    dmData->fillList(QStringLiteral("select F_name from OperList where F_name <> '' "), m_name);
    m_name->setEditText(dmData->settings().readString(QStringLiteral("Config"), QStringLiteral("CurOperName")));
}

void TfrmOperLogin::confirm()
{
    switch (m_attempts.submit(m_name->currentText(), m_password->text())) {
    case LoginAttempts::Outcome::RetryName:
        m_name->setFocus();
        break;
    case LoginAttempts::Outcome::RetryPassword:
        m_password->setFocus();
        break;
    case LoginAttempts::Outcome::LoggedIn:
        accept();
        break;
    case LoginAttempts::Outcome::GivenUp:
        reject();
        break;
    }
}

void TfrmOperLogin::done(int result)
{
    m_finishing = true;
    QDialog::done(result);
}

void TfrmOperLogin::closeEvent(QCloseEvent* event)
{
    // Only the buttons end the window; the window system's close (Alt+F4) is ignored.
    if (m_finishing)
        event->accept();
    else
        event->ignore();
}

bool TfrmOperLogin::eventFilter(QObject* watched, QEvent* event)
{
    if (!isEnter(event))
        return QDialog::eventFilter(watched, event);
    if (auto* button = qobject_cast<QPushButton*>(watched))
        button->click();
    else
        focusNextChild();
    return true;
}
