#pragma once

#include "archive/ArchiveApproval.h"

#include <QString>

#include <functional>
#include <optional>

class DataGrid;
class Query;
class QWidget;
class TdmData;

// The main window's archive list as the archive commands use it.
struct ArchiveListView {
    Query& list;                                     // QryMain: its current row is the current archive
    DataGrid* grid = nullptr;                        // the list's grid: its selected rows are changed in a batch
    std::function<void()> requery;                   // queries the list again with the current search (after a delete)
    std::function<void(const QString&)> showStatus;  // the third status panel; the editor writes its count there
};

// The commands that act on archives as a whole. Wire them to the actions:
//   Action201 "新增"          -> newArchive()
//   Action202 "修改"          -> modifyArchive()   (also a double-click on the list, Ctrl+E)
//   Action207 "复制"          -> copyArchive()
//   Action203 "删除"          -> deleteArchive()   (also Ctrl+S, Delete)
//   Action210 "批量修改档案分类" -> changeClassification()
//   Action211 "批量修改档案部门" -> changeDepartment()
//   "审批" button (tbSH)       -> approve(); give the button the returned caption and picture
// New, modify and copy open the archive editor, which reopens and locates the
// list itself; the caller has nothing to do after any of them.
class ArchiveCommands {
public:
    ArchiveCommands(TdmData& data, ArchiveListView view, QWidget* parent);

    void newArchive();
    void modifyArchive();
    void copyArchive();
    void deleteArchive();
    void changeClassification();
    void changeDepartment();
    // Nothing (no value) with an empty list or when the row could not be written.
    std::optional<ApprovalOutcome> approve();

private:
    void edit(int mode);
    struct BatchTexts;
    void changeInBatch(const BatchTexts& texts);

    TdmData& m_data;
    ArchiveListView m_view;
    QWidget* m_parent;
};
