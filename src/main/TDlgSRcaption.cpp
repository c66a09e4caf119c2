#include "main/TDlgSRcaption.h"
#include "platform/DialogButtons.h"

#include "archive/ClassificationPicker.h"
#include "archive/DepartmentChoice.h"
#include "db/DataModule.h"
#include "db/Utilities.h"
#include "platform/Messages.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QWidget* valuePage(const QString& caption, QWidget* field, QWidget* extra, QWidget* parent)
{
    auto* page = new QWidget(parent);
    auto* row = new QHBoxLayout(page);
    row->setContentsMargins(16, 12, 16, 12);
    row->addWidget(new QLabel(caption, page));
    row->addWidget(field, 1);
    if (extra)
        row->addWidget(extra);
    return page;
}

}

TDlgSRcaption::TDlgSRcaption(TdmData& data, Kind kind, QWidget* parent) : QDialog(parent), m_data(data), m_kind(kind)
{
    setObjectName(QStringLiteral("DlgSRcaption"));
    setWindowTitle(kind == Department ? QStringLiteral("归档部门") : QStringLiteral("档案分类"));
    setFixedSize(384, 162);

    m_pages = new QTabWidget(this);
    m_pages->addTab(buildDepartmentPage(), QStringLiteral(" 部门名称 "));
    m_pages->addTab(buildClassificationPage(), QStringLiteral(" 档案分类 "));
    m_pages->setCurrentIndex(kind);
    m_pages->setTabVisible(kind == Department ? 1 : 0, false);

    const DialogButtons buttons = makeDialogButtons(this);
    connect(buttons.ok, &QPushButton::clicked, this, &TDlgSRcaption::confirm);
    connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(m_pages, 1);
    layout->addLayout(buttons.row);
}

QWidget* TDlgSRcaption::buildDepartmentPage()
{
    m_department = new QComboBox(this);
    m_department->setObjectName(QStringLiteral("cbDept"));
    m_department->setEditable(true);
    m_department->setInsertPolicy(QComboBox::NoInsert);
    m_department->setProperty("chineseInput", true);
    return valuePage(QStringLiteral("归档部门："), m_department, nullptr, this);
}

QWidget* TDlgSRcaption::buildClassificationPage()
{
    m_classification = new QLineEdit(this);
    m_classification->setObjectName(QStringLiteral("edtDAtype"));
    auto* pick = new QToolButton(this);
    pick->setObjectName(QStringLiteral("btnDAtype"));
    pick->setText(QStringLiteral("..."));
    pick->setToolTip(QStringLiteral("选择档案分类"));
    connect(pick, &QToolButton::clicked, this,
            [this] { m_classification->setText(pickClassification(m_classification->text(), this)); });
    return valuePage(QStringLiteral("档案分类："), m_classification, pick, this);
}

QString TDlgSRcaption::ask(TdmData& data, Kind kind, QWidget* parent)
{
    TDlgSRcaption dialog(data, kind, parent);
    dialog.exec();
    return dialog.value();
}

QString TDlgSRcaption::value() const
{
    if (result() != Accepted)
        return {};
    return (m_kind == Department ? m_department->currentText() : m_classification->text()).trimmed();
}

void TDlgSRcaption::showEvent(QShowEvent* event)
{
    prepareDepartmentChoice(m_data, m_department);
    // No input method has been chosen in this run (only the settings window chooses one).
    Utilities::applyInputMethod(this, QString());
    QDialog::showEvent(event);
}

void TDlgSRcaption::confirm()
{
    if (m_kind == Department && m_department->currentText().trimmed().isEmpty()) {
        ShowMess(QStringLiteral("部门不能为空！"), MessNotice);
        m_department->setFocus();
        return;
    }
    if (m_kind == Classification && m_classification->text().trimmed().isEmpty()) {
        ShowMess(QStringLiteral("档案分类不能为空！"), MessNotice);
        m_classification->setFocus();
        return;
    }
    accept();
}
