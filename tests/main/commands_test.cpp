#include "archive/ArchiveFixture.h"

#include "archive/TfrmDangAnEdit.h"
#include "main/ArchiveCommands.h"
#include "main/TDlgSRcaption.h"
#include "platform/DataGrid.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

namespace {

const char* const kDetailTables[] = {"t_JYrec", "t_TPrec", "t_FJrec", "t_TXrec"};

class CommandsTest : public ArchiveTest {
protected:
    CommandsTest()
    {
        grid.setMultiSelect(true);
        grid.resize(900, 400);
    }

    ArchiveCommands commands()
    {
        return ArchiveCommands(data, {list, &grid, [this] { ++requeries; list.reopen(); },
                                      [this](const QString& text) { status = text; }},
                               nullptr);
    }
    void showList()
    {
        openList();
        grid.setDataSet(&list);
        showActive(grid);
    }
    // Selects list rows as the operator does: a click on the first, Ctrl+click on the others.
    void selectRows(std::initializer_list<int> rows)
    {
        Qt::KeyboardModifiers modifiers = Qt::NoModifier;
        for (const int row : rows) {
            const QRect cell = grid.visualRect(grid.model()->index(row, 0));
            QTest::mouseClick(grid.viewport(), Qt::LeftButton, modifiers, cell.center());
            modifiers = Qt::ControlModifier;
        }
        ASSERT_EQ(grid.selectedRows(), QVector<int>(rows));
    }
    void addDetails(qint64 mainID)
    {
        for (const char* table : kDetailTables)
            data.connection().execute(QStringLiteral("insert into %1(F_mainID) values(%2)").arg(table).arg(mainID));
    }
    // Detail rows of a group key in every detail table, e.g. "1,1,1,1".
    QString detailCounts(qint64 mainID)
    {
        QStringList counts;
        for (const char* table : kDetailTables)
            counts << QString::number(count(QStringLiteral("select count(*) from %1 where F_mainID = %2").arg(table).arg(mainID)));
        return counts.join(',');
    }
    QStringList storedColumn(const QString& column) { return this->column("select " + column + " from t_Files order by F_code"); }
    QStringList listedColumn(const QString& column)
    {
        QStringList texts;
        const int field = list.fieldIndex(column);
        for (int row = 0; row < list.recordCount(); ++row)
            texts << list.text(row, field);
        return texts;
    }

    DataGrid grid;
    int requeries = 0;
    QString status;
};

// ---------------------------------------------------------------- delete

TEST_F(CommandsTest, DeleteRemovesTheArchiveItsRecordsAndEveryArchiveSharingItsKey)
{
    insert({"A", "合同", 5});
    insert({"B", "合同附本", 5});
    insert({"C", "别的", 6});
    addDetails(5);
    addDetails(6);
    showList();
    seams.messages.answers = {MessYes};
    commands().deleteArchive();

    ASSERT_EQ(seams.messages.messages.size(), 1u);
    EXPECT_EQ(seams.messages.messages[0].text,
              QStringLiteral("删除当前档案资料，将删除当前档案所有的相关记录，\r真的要删除当前档案“合同”的相关资料吗？"));
    EXPECT_EQ(seams.messages.messages[0].kind, MessQuestion);
    EXPECT_EQ(storedColumn("F_code"), QStringList{"C"});
    EXPECT_EQ(detailCounts(5), QStringLiteral("0,0,0,0"));
    EXPECT_EQ(detailCounts(6), QStringLiteral("1,1,1,1"));
    EXPECT_EQ(requeries, 1);
    EXPECT_EQ(listedColumn("F_code"), QStringList{"C"});
}

TEST_F(CommandsTest, ADeleteFailingMidwayLeavesEverythingInPlace)
{
    insert({"A", "合同", 5});
    addDetails(5);
    data.connection().execute("create trigger keep before delete on t_Files begin select raise(abort, 'kept'); end");
    showList();
    seams.messages.answers = {MessYes};
    commands().deleteArchive();

    EXPECT_EQ(seams.messages.texts().last(), QStringLiteral("操作失败，请检查连接..."));
    EXPECT_EQ(seams.messages.messages.back().kind, MessFailure);
    EXPECT_EQ(archiveCount(), 1);
    EXPECT_EQ(detailCounts(5), QStringLiteral("1,1,1,1")) << "the detail deletions were rolled back";
    EXPECT_EQ(requeries, 0);
}

TEST_F(CommandsTest, DeletingAnArchiveWithoutKeyRemovesOnlyThatRow)
{
    insert({"A", "无键一", 0});
    insert({"B", "无键二", 0});
    addDetails(0);
    showList();
    seams.messages.answers = {MessYes};
    commands().deleteArchive();
    EXPECT_EQ(storedColumn("F_code"), QStringList{"B"});
    EXPECT_EQ(detailCounts(0), QStringLiteral("1,1,1,1"));
}

TEST_F(CommandsTest, AnsweringNoDeletesNothing)
{
    insert({"A", "合同", 5});
    addDetails(5);
    showList();
    seams.messages.answers = {MessNo};
    commands().deleteArchive();
    EXPECT_EQ(archiveCount(), 1);
    EXPECT_EQ(detailCounts(5), QStringLiteral("1,1,1,1"));
    EXPECT_EQ(requeries, 0);
}

struct EmptyListCase {
    const char* title;
    void (ArchiveCommands::*command)();
    QStringList messages;
    int kind;
};

class EmptyList : public CommandsTest, public ::testing::WithParamInterface<EmptyListCase> {};

TEST_P(EmptyList, CommandsOnAnEmptyListOpenNothing)
{
    showList();
    ArchiveCommands archive = commands();
    (archive.*GetParam().command)();
    EXPECT_EQ(seams.messages.texts(), GetParam().messages);
    if (!GetParam().messages.isEmpty())
        EXPECT_EQ(seams.messages.messages.front().kind, GetParam().kind);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, EmptyList,
    ::testing::Values(EmptyListCase{"Modify", &ArchiveCommands::modifyArchive, {"此表为空，没有客户记录需要修改！"}, MessFailure},
                      EmptyListCase{"Copy", &ArchiveCommands::copyArchive, {"档案记录是空，不能复制！"}, MessNotice},
                      EmptyListCase{"Delete", &ArchiveCommands::deleteArchive, {}, 0}),
    [](const auto& info) { return std::string(info.param.title); });

// ---------------------------------------------------------------- editing

TEST_F(CommandsTest, NewOpensTheEditorWhichSavesAndReportsTheCount)
{
    insert({"A", "已有", 1});
    showList();
    bool shown = false;
    whenModal<TfrmDangAnEdit>([&](TfrmDangAnEdit& editor) {
        shown = true;
        EXPECT_EQ(editor.windowTitle(), QStringLiteral("档案 - 新增"));
        editor.findChild<QLineEdit*>("edtCode")->setText("B");
        editor.findChild<QLineEdit*>("edtName")->setText("新档案");
        QTest::mouseClick(editor.findChild<QPushButton*>("btnOK"), Qt::LeftButton);
    });
    commands().newArchive();
    EXPECT_TRUE(shown);
    EXPECT_EQ(storedColumn("F_mainID"), (QStringList{"1", "2"}));
    EXPECT_EQ(list.fieldText("F_code"), QStringLiteral("B"));
    EXPECT_EQ(status, QStringLiteral("档案总数：2"));
}

TEST_F(CommandsTest, ModifyOpensTheEditorOnTheCurrentArchive)
{
    insert({"A", "第一", 1});
    insert({"B", "第二", 2});
    showList();
    list.setCurrentRow(1);
    QString shownName;
    whenModal<TfrmDangAnEdit>([&](TfrmDangAnEdit& editor) {
        EXPECT_EQ(editor.windowTitle(), QStringLiteral("档案 - 修改"));
        shownName = editor.findChild<QLineEdit*>("edtName")->text();
        QTest::mouseClick(editor.findChild<QPushButton*>("btnCancel"), Qt::LeftButton);
    });
    commands().modifyArchive();
    EXPECT_EQ(shownName, QStringLiteral("第二"));
}

// ---------------------------------------------------------------- batch changes

TEST_F(CommandsTest, BatchClassificationChangesTheThreeSelectedArchives)
{
    for (const char* code : {"A", "B", "C", "D"})
        insert({code, QStringLiteral("档案") + code, 0, "", "\\\\旧"});
    showList();
    selectRows({0, 1, 3});
    seams.messages.answers = {MessYes};
    picker->answers = {"\\\\新类\\子类"};
    QString title;
    whenModal<TDlgSRcaption>([&](TDlgSRcaption& dialog) {
        title = dialog.windowTitle();
        QTest::mouseClick(dialog.findChild<QToolButton*>("btnDAtype"), Qt::LeftButton);
        QTest::mouseClick(dialog.findChild<QPushButton*>("btnOK"), Qt::LeftButton);
    });
    commands().changeClassification();

    EXPECT_EQ(seams.messages.texts(), QStringList{"真的要改变当前所选档案的分类吗？"});
    EXPECT_EQ(title, QStringLiteral("档案分类"));
    const QStringList expected{"\\\\新类\\子类", "\\\\新类\\子类", "\\\\旧", "\\\\新类\\子类"};
    EXPECT_EQ(storedColumn("F_DAtype"), expected);
    EXPECT_EQ(listedColumn("F_DAtype"), expected) << "the rows show the new value in place";
    EXPECT_EQ(requeries, 0) << "the list is not queried again";
    EXPECT_EQ(list.currentRow(), 3);
}

TEST_F(CommandsTest, BatchDepartmentOffersARestrictedOperatorOnlyHisOwn)
{
    Session::current().restrictionMode = 1;
    Session::current().department = QStringLiteral("财务部");
    addCode("gddept", "行政部");
    insert({"A", "甲", 1, "行政部"});
    insert({"B", "乙", 2, "行政部"});
    showList();
    selectRows({0, 1});
    seams.messages.answers = {MessYes};
    whenModal<TDlgSRcaption>([&](TDlgSRcaption& dialog) {
        auto* department = dialog.findChild<QComboBox*>("cbDept");
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("归档部门"));
        EXPECT_EQ(department->currentText(), QStringLiteral("财务部"));
        EXPECT_FALSE(department->isEnabled());
        EXPECT_EQ(department->count(), 0) << "no other department is offered";
        QTest::mouseClick(dialog.findChild<QPushButton*>("btnOK"), Qt::LeftButton);
    });
    commands().changeDepartment();
    EXPECT_EQ(seams.messages.texts(), QStringList{"真的要改变当前所选档案的归档部门吗？"});
    EXPECT_EQ(storedColumn("F_GDdept"), (QStringList{"财务部", "财务部"}));
}

TEST_F(CommandsTest, AFailingBatchChangeLeavesTheListShowingOnlyStoredValues)
{
    insert({"A", "甲", 1, "行政部"});
    insert({"B", "乙", 2, "行政部"});
    const qint64 third = insert({"C", "丙", 3, "行政部"});
    data.connection().execute(QStringLiteral("create trigger keep before update of F_GDdept on t_Files when old.F_ID = %1 "
                                             "begin select raise(abort, 'kept'); end")
                                  .arg(third));
    showList();
    selectRows({0, 1, 2});
    seams.messages.answers = {MessYes};
    whenModal<TDlgSRcaption>([](TDlgSRcaption& dialog) {
        QTest::keyClicks(dialog.findChild<QComboBox*>("cbDept"), "IT");
        QTest::mouseClick(dialog.findChild<QPushButton*>("btnOK"), Qt::LeftButton);
    });
    commands().changeDepartment();

    EXPECT_EQ(seams.messages.texts().last(), QStringLiteral("操作失败，请检查连接..."));
    EXPECT_EQ(seams.messages.messages.back().kind, MessFailure);
    const QStringList unchanged{"行政部", "行政部", "行政部"};
    EXPECT_EQ(storedColumn("F_GDdept"), unchanged) << "the rows written before the failure were rolled back";
    EXPECT_EQ(listedColumn("F_GDdept"), unchanged);
}

TEST_F(CommandsTest, ABatchValueTooWideIsRefusedNamingTheField)
{
    insert({"A", "甲", 1, "行政部"});
    showList();
    seams.messages.answers = {MessYes};
    whenModal<TDlgSRcaption>([](TDlgSRcaption& dialog) {
        dialog.findChild<QComboBox*>("cbDept")->setEditText(QString(51, QLatin1Char('D')));
        QTest::mouseClick(dialog.findChild<QPushButton*>("btnOK"), Qt::LeftButton);
    });
    commands().changeDepartment();
    EXPECT_EQ(seams.messages.texts().last(), QStringLiteral("“归档部门”最多只能输入 50 个字符，请修改后再保存！"));
    EXPECT_EQ(storedColumn("F_GDdept"), QStringList{"行政部"});
}

TEST_F(CommandsTest, TheDialogRefusesAnEmptyValueAndCancelChangesNothing)
{
    insert({"A", "甲", 1, "行政部"});
    showList();
    seams.messages.answers = {MessYes};
    whenModal<TDlgSRcaption>([this](TDlgSRcaption& dialog) {
        dialog.findChild<QComboBox*>("cbDept")->setEditText("   ");
        QTest::mouseClick(dialog.findChild<QPushButton*>("btnOK"), Qt::LeftButton);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(seams.messages.texts().last(), QStringLiteral("部门不能为空！"));
        QTest::mouseClick(dialog.findChild<QPushButton*>("btnCancel"), Qt::LeftButton);
    });
    commands().changeDepartment();
    EXPECT_EQ(seams.messages.messages.size(), 2u);
    EXPECT_EQ(storedColumn("F_GDdept"), QStringList{"行政部"});
}

TEST_F(CommandsTest, ABatchChangeOnAnEmptyListAsksFirstThenReportsNoSelection)
{
    showList();
    seams.messages.answers = {MessYes};
    picker->answers = {"\\\\类"};
    whenModal<TDlgSRcaption>([](TDlgSRcaption& dialog) {
        QTest::mouseClick(dialog.findChild<QToolButton*>("btnDAtype"), Qt::LeftButton);
        QTest::mouseClick(dialog.findChild<QPushButton*>("btnOK"), Qt::LeftButton);
    });
    commands().changeClassification();
    EXPECT_EQ(seams.messages.texts(), (QStringList{"真的要改变当前所选档案的分类吗？", "请选择需要更改档案分类的档案资料！"}));
}

TEST_F(CommandsTest, AnsweringNoToTheBatchQuestionOpensNoDialog)
{
    insert({"A", "甲", 1, "行政部"});
    showList();
    seams.messages.answers = {MessNo};
    commands().changeDepartment();
    EXPECT_EQ(seams.messages.texts(), QStringList{"真的要改变当前所选档案的归档部门吗？"});
    EXPECT_EQ(storedColumn("F_GDdept"), QStringList{"行政部"});
}

// ---------------------------------------------------------------- approval

TEST_F(CommandsTest, ApproveAndWithdrawAlternate)
{
    Session::current().operatorName = QStringLiteral("王审批");
    const qint64 id = insert({"A", "甲", 1});
    showList();
    ArchiveCommands archive = commands();

    const auto approved = archive.approve();
    ASSERT_TRUE(approved);
    EXPECT_EQ(approved->caption, QStringLiteral("撤消"));
    EXPECT_EQ(approved->picture, 15);
    EXPECT_EQ(stored(id, "F_SHemp"), QStringLiteral("王审批"));

    const auto withdrawn = archive.approve();
    ASSERT_TRUE(withdrawn);
    EXPECT_EQ(withdrawn->caption, QStringLiteral("批准"));
    EXPECT_EQ(withdrawn->picture, 1);
    EXPECT_EQ(stored(id, "F_SHemp"), QString());
    EXPECT_TRUE(seams.messages.messages.empty());
}

TEST_F(CommandsTest, ApproveOnAnEmptyListDoesNothing)
{
    showList();
    EXPECT_FALSE(commands().approve());
}

}
