#include "main/ArchiveCommands.h"

#include "archive/ArchiveBatchChange.h"
#include "archive/ArchiveDeletion.h"
#include "archive/TfrmDangAnEdit.h"
#include "db/DataModule.h"
#include "db/Query.h"
#include "main/TDlgSRcaption.h"
#include "platform/DataGrid.h"
#include "platform/Messages.h"

struct ArchiveCommands::BatchTexts {
    QString question;
    TDlgSRcaption::Kind kind;
    QString nothingSelected;
    ArchiveBatchChange::Column column;
};

ArchiveCommands::ArchiveCommands(TdmData& data, ArchiveListView view, QWidget* parent)
    : m_data(data), m_view(std::move(view)), m_parent(parent)
{
}

void ArchiveCommands::newArchive()
{
    edit(TfrmDangAnEdit::Add);
}

void ArchiveCommands::modifyArchive()
{
    if (m_view.list.isEmpty()) {
        ShowMess(QStringLiteral("此表为空，没有客户记录需要修改！"), MessFailure);
        return;
    }
    edit(TfrmDangAnEdit::Modify);
}

void ArchiveCommands::copyArchive()
{
    if (m_view.list.isEmpty()) {
        ShowMess(QStringLiteral("档案记录是空，不能复制！"), MessNotice);
        return;
    }
    edit(TfrmDangAnEdit::Copy);
}

void ArchiveCommands::edit(int mode)
{
    TfrmDangAnEdit editor(m_data, m_view.list, m_parent);
    editor.setStatusPanel(m_view.showStatus);
    editor.open(static_cast<TfrmDangAnEdit::Mode>(mode));
}

void ArchiveCommands::deleteArchive()
{
    Query& list = m_view.list;
    if (list.isEmpty())
        return;
    const QString question = QStringLiteral("删除当前档案资料，将删除当前档案所有的相关记录，\r真的要删除当前档案“")
        + list.fieldText(QStringLiteral("F_Name")) + QStringLiteral("”的相关资料吗？");
    if (ShowMess(question, MessQuestion) == MessNo)
        return;
    const qint64 groupKey = list.fieldValue(QStringLiteral("F_mainID")).toLongLong();
    const qint64 id = list.fieldValue(QStringLiteral("F_ID")).toLongLong();
    if (!ArchiveDeletion(m_data.connection()).remove(groupKey, id)) {
        ShowMess(QStringLiteral("操作失败，请检查连接..."), MessFailure);
        return;
    }
    m_view.requery();
}

void ArchiveCommands::changeClassification()
{
    changeInBatch({QStringLiteral("真的要改变当前所选档案的分类吗？"), TDlgSRcaption::Classification,
                   QStringLiteral("请选择需要更改档案分类的档案资料！"), ArchiveBatchChange::Column::Classification});
}

void ArchiveCommands::changeDepartment()
{
    changeInBatch({QStringLiteral("真的要改变当前所选档案的归档部门吗？"), TDlgSRcaption::Department,
                   QStringLiteral("请选择需要更改归档部门的档案资料！"), ArchiveBatchChange::Column::Department});
}

void ArchiveCommands::changeInBatch(const BatchTexts& texts)
{
    if (ShowMess(texts.question, MessQuestion) == MessNo)
        return;
    const QString value = TDlgSRcaption::ask(m_data, texts.kind, m_parent);
    if (value.isEmpty())
        return;
    const QVector<int> rows = m_view.grid ? m_view.grid->selectedRows() : QVector<int>();
    if (rows.isEmpty()) {
        ShowMess(texts.nothingSelected, MessNotice);
        return;
    }
    ArchiveBatchChange(m_data).apply(m_view.list, rows, texts.column, value);
}

std::optional<ApprovalOutcome> ArchiveCommands::approve()
{
    return ArchiveApproval(m_data).toggle(m_view.list);
}
