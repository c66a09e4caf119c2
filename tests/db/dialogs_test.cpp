#include "db/DataSet.h"
#include "db/GridLayout.h"
#include "db/TDLGeditCurList.h"
#include "db/TFrmDispFieldXZ.h"
#include "db/TfrmRowArrangeGl.h"
#include "platform/DataGrid.h"
#include "support/Scripted.h"
#include "support/TempProgram.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

GridColumn column(const QString& field, const QString& title)
{
    GridColumn c;
    c.fieldName = field;
    c.title = title;
    return c;
}

// Runs `drive` on the modal dialog of that class once it is up; a dialog of
// another class is closed so that the test cannot hang.
template <typename Dialog>
void whenShown(std::function<void(Dialog*)> drive)
{
    QTimer::singleShot(0, [drive] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* dialog = qobject_cast<Dialog*>(modal);
        if (!dialog) {
            ADD_FAILURE() << "the expected dialog is not shown";
            if (modal)
                modal->close();
            return;
        }
        drive(dialog);
    });
}

void press(QWidget* dialog, const QString& caption)
{
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        if (button->text() == caption)
            return QTest::mouseClick(button, Qt::LeftButton);
    }
    ADD_FAILURE() << "no button " << caption.toStdString();
}

// ---------------------------------------------------------------- sort dialog

// The operator's hands on the sort dialog's list.
class SortList {
public:
    explicit SortList(QDialog* dialog) : m_dialog(dialog), m_list(dialog->findChild<QTableWidget*>()) {}

    QDialog* dialog() const { return m_dialog; }
    QTableWidget* table() const { return m_list; }
    void press(const QString& caption) { ::press(m_dialog, caption); }

    void doubleClick(const QString& title, int times = 1)
    {
        for (int i = 0; i < times; ++i) {
            const QPoint at = centreOf(title);
            QTest::mouseClick(m_list->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(m_list->viewport(), Qt::LeftButton, {}, at);
        }
    }
    // Double-clicks on the direction itself rather than on the title.
    void doubleClickDirection(const QString& title, int times)
    {
        const QPoint at = m_list->visualItemRect(m_list->item(rowOf(title), 1)).center();
        for (int i = 0; i < times; ++i) {
            QTest::mouseClick(m_list->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(m_list->viewport(), Qt::LeftButton, {}, at);
        }
        QTest::qWait(QApplication::doubleClickInterval() + 50);
    }
    void select(const QString& title) { QTest::mouseClick(m_list->viewport(), Qt::LeftButton, {}, centreOf(title)); }
    // Picks the next entry of the direction's drop-down.
    void pickNextDirection(const QString& title)
    {
        select(title);
        m_list->setCurrentCell(rowOf(title), 1);
        QTest::keyClick(m_list, Qt::Key_F2);
        auto* box = m_list->findChild<QComboBox*>();
        ASSERT_NE(box, nullptr) << "the drop-down opens";
        QTest::keyClick(box, Qt::Key_Down);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the closed drop-down
    }
    QStringList rows() const
    {
        QStringList texts;
        for (int r = 0; r < m_list->rowCount(); ++r)
            texts << m_list->item(r, 0)->text() + QLatin1Char('=') + m_list->item(r, 1)->text();
        return texts;
    }

private:
    int rowOf(const QString& title) const
    {
        for (int r = 0; r < m_list->rowCount(); ++r) {
            if (m_list->item(r, 0)->text() == title)
                return r;
        }
        ADD_FAILURE() << "no row " << title.toStdString();
        return 0;
    }
    QPoint centreOf(const QString& title) const { return m_list->visualItemRect(m_list->item(rowOf(title), 0)).center(); }

    QDialog* m_dialog;
    QTableWidget* m_list;
};

struct SortCase {
    const char* what;
    std::function<void(SortList&)> steps;
    const char* keys;
};

struct SortDialogTest : ::testing::Test {
    DataSet rows;
    DataGrid grid;

    void SetUp() override
    {
        rows.beginLoad({{"F_code", FieldType::Text, 50}, {"F_name", FieldType::Text, 50}, {"F_GDdate", FieldType::Text, 50}});
        for (const char* row : {"2|b|x", "1|b|y", "3|a|z"}) {
            const QList<QByteArray> values = QByteArray(row).split('|');
            for (int c = 0; c < 3; ++c)
                rows.addBytes(c, values[c].constData(), static_cast<size_t>(values[c].size()));
        }
        rows.endLoad();
        grid.setColumns({column("F_code", "档案编号"), column("F_name", "档案名称"), column("F_GDdate", "归档日期"), column("F_memo1", "备注")});
        grid.setDataSet(&rows);
    }

    // Opens the dialog over the grid, runs the steps and presses the button.
    QString sortWith(const std::function<void(SortList&)>& steps, const QString& button = QStringLiteral("确定"))
    {
        whenShown<TfrmRowArrangeGl>([steps, button](TfrmRowArrangeGl* dialog) {
            SortList list(dialog);
            steps(list);
            press(dialog, button);
        });
        return GridLayout::sortDialog(&grid);
    }
    QString codes()
    {
        QString text;
        for (int r = 0; r < rows.recordCount(); ++r)
            text += rows.text(r, 0);
        return text;
    }
};

}

TEST_F(SortDialogTest, KeysFollowTheDirectionsInRowOrder)
{
    const SortCase cases[] = {
        {"ascending code, then descending name",
         [](SortList& list) {
             list.doubleClick("档案编号");
             list.doubleClick("档案名称", 2);
         },
         "f_code ASC,f_name DESC,"},
        {"the name moved above the code",
         [](SortList& list) {
             list.doubleClick("档案编号");
             list.doubleClick("档案名称", 2);
             list.select("档案名称");
             list.press("上移");
         },
         "f_name DESC,f_code ASC,"},
        {"a third double-click empties the direction",
         [](SortList& list) {
             list.doubleClick("归档日期", 3);
             list.doubleClick("档案编号");
         },
         "f_code ASC,"},
        {"moving to both ends, and nothing beyond them",
         [](SortList& list) {
             list.doubleClick("备注", 2);
             list.select("备注");
             list.press("下移");
             for (int i = 0; i < 4; ++i)
                 list.press("上移");
             list.select("档案编号");
             for (int i = 0; i < 4; ++i)
                 list.press("下移");
             list.doubleClick("归档日期");
             list.doubleClick("档案编号");
         },
         "f_memo1 DESC,f_gddate ASC,f_code ASC,"},
        {"the drop-down offers the directions",
         [](SortList& list) {
             list.pickNextDirection("归档日期");
             list.pickNextDirection("归档日期");
         },
         "f_gddate DESC,"},
        {"double-clicks on the direction cell",
         [](SortList& list) { list.doubleClickDirection("档案名称", 2); },
         "f_name DESC,"},
        {"no directions, no keys", [](SortList&) {}, ""},
    };
    for (const SortCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(sortWith(c.steps), QString::fromUtf8(c.keys));
    }
}

TEST_F(SortDialogTest, MovingARowTakesItsDirectionAlong)
{
    QStringList shown;
    sortWith([&shown](SortList& list) {
        list.doubleClick("档案名称", 2);
        list.select("档案名称");
        list.press("上移");
        shown = list.rows();
    });
    EXPECT_EQ(shown, QStringList({"档案名称=降序", "档案编号=", "归档日期=", "备注="}));
}

TEST_F(SortDialogTest, CancelGivesNoKeysAndSoTheStatementOrderReturns)
{
    GridLayout::titleClick(&grid, 0);
    ASSERT_EQ(codes(), "123");
    const QString keys = sortWith([](SortList& list) { list.doubleClick("档案名称"); }, QStringLiteral("取消"));
    EXPECT_EQ(keys, QString());
    GridLayout::applySortKeys(&grid, keys);
    EXPECT_EQ(codes(), "213");

    GridLayout::applySortKeys(&grid, "f_name DESC,f_code ASC,");
    EXPECT_EQ(codes(), "123");
}

TEST_F(SortDialogTest, ASharedTitleFindsTheFieldOfTheFirstColumn)
{
    grid.setColumns({column("F_code", "编号"), column("F_name", "名称"), column("F_name2", "名称")});
    const QString keys = sortWith([](SortList& list) {
        QTableWidget* table = list.table();
        for (int row : {1, 2}) {
            const QPoint at = table->visualItemRect(table->item(row, 0)).center();
            QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
        }
        EXPECT_EQ(list.rows(), QStringList({"编号=", "名称=升序", "名称=升序"}));
    });
    EXPECT_EQ(keys, "f_name ASC,f_name ASC,");
}

TEST_F(SortDialogTest, ShowsItsCaptionSizeAndHint)
{
    sortWith([](SortList& list) {
        QWidget* dialog = list.dialog();
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("排序对话框"));
        EXPECT_EQ(dialog->size(), QSize(504, 463));
        QStringList labels;
        for (QLabel* label : dialog->findChildren<QLabel*>())
            labels << label->text();
        EXPECT_TRUE(labels.contains(QStringLiteral("提示：双击空白处切换排序方式（升降无），单击上下移动键调整优先顺序")));
        EXPECT_EQ(list.rows(), QStringList({"档案编号=", "档案名称=", "归档日期=", "备注="}));
    });
}

// ---------------------------------------------------------------- column choice

namespace {

struct ColumnChoiceTest : ::testing::Test {
    DataGrid grid;

    void SetUp() override
    {
        grid.setColumns({column("F_code", "档案编号"), column("F_name", "档案名称"), column("F_memo1", "备注")});
        grid.setColumnVisible(1, false);
    }
    void toggle(QListWidget* list, int row)
    {
        list->setCurrentRow(row);
        QTest::keyClick(list, Qt::Key_Space);
    }
    QList<bool> visibility()
    {
        QList<bool> shown;
        for (int i = 0; i < grid.gridColumnCount(); ++i)
            shown << (grid.gridColumn(i).visible && !grid.isColumnHidden(i));
        return shown;
    }
};

}

TEST_F(ColumnChoiceTest, OkShowsExactlyTheCheckedColumns)
{
    whenShown<TFrmDispFieldXZ>([this](TFrmDispFieldXZ* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("字段列表"));
        EXPECT_EQ(dialog->size(), QSize(310, 410));
        auto* list = dialog->findChild<QListWidget*>();
        ASSERT_EQ(list->count(), 3);
        EXPECT_EQ(list->item(1)->text(), QStringLiteral("档案名称"));
        EXPECT_EQ(list->item(0)->checkState(), Qt::Checked);
        EXPECT_EQ(list->item(1)->checkState(), Qt::Unchecked);
        toggle(list, 1);
        toggle(list, 2);
        press(dialog, QStringLiteral("确定"));
    });
    GridLayout::chooseColumns(&grid);
    EXPECT_EQ(visibility(), QList<bool>({true, true, false}));
}

TEST_F(ColumnChoiceTest, CancelChangesNothing)
{
    whenShown<TFrmDispFieldXZ>([this](TFrmDispFieldXZ* dialog) {
        auto* list = dialog->findChild<QListWidget*>();
        toggle(list, 0);
        toggle(list, 1);
        press(dialog, QStringLiteral("取消"));
    });
    GridLayout::chooseColumns(&grid);
    EXPECT_EQ(visibility(), QList<bool>({true, false, true}));
}

// ---------------------------------------------------------------- value entry

namespace {

struct EntryCase {
    bool naming; // the image-name use, else filling a column
    const char* typed;
    const char* refusal; // empty when accepted
};

struct ValueEntryTest : ::testing::Test {
    TempProgram program{false};
    ScriptedSeams seams;

    void SetUp() override
    {
        QFile picture(program.file("images/page1.jpg"));
        ASSERT_TRUE(picture.open(QIODevice::WriteOnly));
    }

    QString ask(bool naming, const QString& initial, const std::function<void(TDLGeditCurList*, QLineEdit*)>& drive)
    {
        whenShown<TDLGeditCurList>([drive](TDLGeditCurList* dialog) { drive(dialog, dialog->findChild<QLineEdit*>()); });
        TDLGeditCurList dialog;
        return naming ? dialog.enterName(initial) : dialog.enterValue(initial);
    }
    static void retype(QLineEdit* box, const QString& text)
    {
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }
};

}

TEST_F(ValueEntryTest, RefusesBlankTextAndNamesOfExistingImagesAndStaysOpen)
{
    const EntryCase cases[] = {
        {false, "   ", "当前输入不能为空！"},
        {true, "", "当前输入不能为空！"},
        {false, "page1.jpg", "当前文件名已经存在，请更换图片名！"},
        {true, "page1.jpg", "当前文件名已经存在，请更换图片名！"},
    };
    for (const EntryCase& c : cases) {
        SCOPED_TRACE(std::string(c.naming ? "name " : "value ") + "'" + c.typed + "'");
        seams.messages.clear();
        bool stayedOpen = false;
        bool focused = false;
        const QString result = ask(c.naming, QStringLiteral("初值"), [&](TDLGeditCurList* dialog, QLineEdit* box) {
            retype(box, QString::fromUtf8(c.typed));
            press(dialog, QStringLiteral("确定"));
            stayedOpen = dialog->isVisible();
            focused = dialog->focusWidget() == box;
            press(dialog, QStringLiteral("取消"));
        });
        ASSERT_EQ(seams.messages.messages.size(), 1u);
        EXPECT_EQ(seams.messages.messages[0].text, QString::fromUtf8(c.refusal));
        EXPECT_EQ(seams.messages.messages[0].kind, MessNotice);
        EXPECT_TRUE(stayedOpen);
        EXPECT_TRUE(focused) << "the box has the focus again";
        EXPECT_EQ(result, QString()) << "cancel gives empty text";
    }
}

TEST_F(ValueEntryTest, AcceptedTextComesBackAsTyped)
{
    const EntryCase cases[] = {
        {false, "  new value ", ""},
        {true, "page1.jpg ", ""},
        {true, "Page1.jpg", ""},
        {true, "page2", ""},
    };
    for (const EntryCase& c : cases) {
        SCOPED_TRACE(c.typed);
        const QString result = ask(c.naming, QString(), [&](TDLGeditCurList* dialog, QLineEdit* box) {
            retype(box, QString::fromUtf8(c.typed));
            press(dialog, QStringLiteral("确定"));
        });
        EXPECT_EQ(result, QString::fromUtf8(c.typed));
    }
    EXPECT_TRUE(seams.messages.messages.empty());
}

TEST_F(ValueEntryTest, EachUseHasItsCaptionAndStartsWithTheInitialText)
{
    QString caption;
    QString initial;
    const QString name = ask(true, QStringLiteral("第一页"), [&](TDLGeditCurList* dialog, QLineEdit* box) {
        caption = dialog->windowTitle();
        initial = box->text();
        press(dialog, QStringLiteral("确定"));
    });
    EXPECT_EQ(caption, QStringLiteral("提示 "));
    EXPECT_EQ(initial, QStringLiteral("第一页"));
    EXPECT_EQ(name, QStringLiteral("第一页"));

    QString prompt;
    whenShown<TDLGeditCurList>([&](TDLGeditCurList* dialog) {
        caption = dialog->windowTitle();
        prompt = dialog->findChild<QLabel*>()->text();
        press(dialog, QStringLiteral("取消"));
    });
    TDLGeditCurList dialog;
    dialog.setPrompt(QStringLiteral("请输入档案分类："));
    EXPECT_EQ(dialog.enterValue(QStringLiteral("甲")), QString());
    EXPECT_EQ(caption, QStringLiteral("批量修改当前列"));
    EXPECT_EQ(prompt, QStringLiteral("请输入档案分类："));
}
