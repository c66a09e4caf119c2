#include "db/TDLGeditCurList.h"

#include "platform/Messages.h"
#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A plain name (no folder part) of a file in the images folder.
bool isImageFileName(const QString& name)
{
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return false;
    return QFileInfo(QDir(ProgramFolder::file(QStringLiteral("images"))).filePath(name)).isFile();
}

}

TDLGeditCurList::TDLGeditCurList(QWidget* parent)
    : QDialog(parent), m_prompt(new QLabel(QStringLiteral("请输入要填写的字段值："), this)), m_text(new QLineEdit(this))
{
    setWindowTitle(QStringLiteral("批量修改当前列"));
    setFixedSize(340, 130);
    m_text->setObjectName(QStringLiteral("edtValue"));

    auto* ok = new QPushButton(QStringLiteral("确定"), this);
    auto* cancel = new QPushButton(QStringLiteral("取消"), this);
    ok->setAutoDefault(false);
    ok->setDefault(true);
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &TDLGeditCurList::accept);
    connect(cancel, &QPushButton::clicked, this, &TDLGeditCurList::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_prompt);
    layout->addWidget(m_text);
    layout->addStretch();
    layout->addLayout(buttons);
}

QString TDLGeditCurList::enterValue(const QString& initial)
{
    return ask(QStringLiteral("批量修改当前列"), initial);
}

QString TDLGeditCurList::enterName(const QString& initial)
{
    return ask(QStringLiteral("提示 "), initial);
}

void TDLGeditCurList::setPrompt(const QString& text)
{
    if (m_prompt->text() != text)
        m_prompt->setText(text);
}

QString TDLGeditCurList::ask(const QString& caption, const QString& initial)
{
    setWindowTitle(caption);
    m_text->setText(initial);
    m_text->setFocus();
    return exec() == QDialog::Accepted ? m_text->text() : QString();
}

void TDLGeditCurList::accept()
{
    const QString text = m_text->text();
    if (text.trimmed().isEmpty())
        return refuse(QStringLiteral("当前输入不能为空！"));
    if (isImageFileName(text))
        return refuse(QStringLiteral("当前文件名已经存在，请更换图片名！"));
    QDialog::accept();
}

void TDLGeditCurList::refuse(const QString& message)
{
    ShowMess(message, MessNotice);
    m_text->setFocus();
}
