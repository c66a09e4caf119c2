#include "MainFixture.h"

#include "admin/Rights.h"
#include "app/IniSettings.h"
#include "main/DetailArea.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

namespace {

// The captions of a menu's or toolbar's entries, "-" for a separator; hidden entries included.
QStringList captions(const QList<QAction*>& actions)
{
    QStringList texts;
    for (const QAction* action : actions)
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

// Counts how often each of the actions ran.
class TriggerCounter {
public:
    explicit TriggerCounter(const QList<QAction*>& actions)
    {
        for (QAction* action : actions)
            QObject::connect(action, &QAction::triggered, [this, action] { ++counts[action->objectName()]; });
    }
    QMap<QString, int> counts;
};

class ShellTest : public MainWindowTest {
protected:
    QString panel(int index) const { return child<QLabel>(qPrintable(QStringLiteral("StatusPanel%1").arg(index)))->text(); }
    QMenu* menu(const char* name) const { return child<QMenu>(name); }
    TriggerCounter countArchiveCommands() const
    {
        return TriggerCounter({action("Action201"), action("Action202"), action("Action203")});
    }
    void focus(QWidget* widget)
    {
        widget->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), widget);
    }
};

}

TEST_F(ShellTest, MenusHoldTheirEntriesInOrder)
{
    showWindow();
    struct Case {
        const char* name;
        const char* title;
        QStringList entries;
    };
    const Case cases[] = {
        {"MenuFile", "文件", {"公司信息", "更改密码", "用户权限", "-", "档案分类", "自定义设置", "选项...", "-", "重新登录", "退出系统"}},
        {"MenuEdit", "编辑", {"新增", "复制", "修改", "删除", "排序...", "导出", "-", "借阅记录", "档案附件", "-", "显示字段选择", "保存当前网格"}},
        {"MenuOutput", "输出", {"导出", "报表设计", "-", "当前档案详单", "当前档案借阅", "当前档案附件", "当前档案列表"}},
        {"MenuStats", "统计", {"统计", "业务提醒", "-", "档案借阅记录统计", "档案附件记录统计", "档案提醒统计列表"}},
        {"MenuData", "数据", {"导入档案资料", "-", "系统数据清理", "数据备份恢复", "压缩修复数据"}},
        {"MenuView", "视图", {"工具栏", "导航树", "状态栏"}},
        {"MenuTools", "工具", {"计算器", "笔记本", "开发框"}},
        {"MenuHelp", "帮助", {"帮助文件", "常见问题", "-", "自述文件", "最新功能", "-", "关于我们", "浏览作者的网站"}},
    };
    QStringList titles;
    for (const QAction* entry : window->menuBar()->actions())
        titles << entry->text();
    EXPECT_EQ(titles, QStringList({"文件", "编辑", "输出", "统计", "数据", "视图", "工具", "帮助"}));
    for (const Case& c : cases) {
        EXPECT_EQ(menu(c.name)->title(), QString::fromUtf8(c.title));
        EXPECT_EQ(captions(menu(c.name)->actions()), c.entries) << c.name;
    }
    for (const char* view : {"ViewToolbar", "ViewNavigation", "ViewStatusBar"})
        EXPECT_TRUE(action(view)->isChecked()) << view;
}

TEST_F(ShellTest, ToolbarAndListMenuHoldTheirEntriesInOrder)
{
    showWindow();
    EXPECT_EQ(captions(child<QToolBar>("tbMain")->actions()),
              QStringList({"重新登录", "-", "借阅记录", "档案附件", "-", "新增", "复制", "修改", "删除", "-", "审批", "业务提醒", "-", "关闭"}));
    EXPECT_FALSE(action("tbSH")->isVisible()) << "审批 waits for the approval flag";
    auto* grid = child<DataGrid>("gridArchives");
    const QMenu* listMenu = grid->findChild<QMenu*>();
    ASSERT_NE(listMenu, nullptr);
    EXPECT_EQ(captions(listMenu->actions()), QStringList({"新增", "复制", "修改", "删除", "-", "排序...", "导出", "显示字段选择",
                                                          "保存当前网格", "批量修改档案分类", "批量修改档案部门"}));
    EXPECT_EQ(captions(child<QToolBar>("tbDetail")->actions()),
              QStringList({"新增", "修改", "删除", "更名", "排序...", "导出", "批准"}));
}

TEST_F(ShellTest, EveryCommandTheRightsGovernIsAnActionOfTheWindow)
{
    showWindow();
    QStringList names;
    for (const Rights::GovernedAction& entry : Rights::table())
        names << entry.actionName;
    names << "Action31" << "Action32" << "Action211" << "tbSH" << "tbPZ";
    for (const QString& name : names)
        EXPECT_NE(window->rightsRoot()->findChild<QAction*>(name), nullptr) << qPrintable(name);
    EXPECT_EQ(action("Action505")->associatedObjects().size(), 0) << "连接网络数据 sits on no menu or button";
}

TEST_F(ShellTest, ShowingSetsCaptionStatusPanelsAndTheOpeningPages)
{
    showWindow();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Veltra档案管理软件 v1.50(企业版) "));
    EXPECT_EQ(panel(0), QStringLiteral(" 当前用户"));
    EXPECT_EQ(panel(1), QStringLiteral(" admin"));
    EXPECT_EQ(panel(2), QStringLiteral(" 当前日期时间"));
    EXPECT_EQ(panel(3), QStringLiteral(" 2026-12-11 10:00:00"));
    EXPECT_TRUE(panel(4).startsWith(QStringLiteral("Veltra档案管理软件(企业版)")));
    EXPECT_EQ(child<QTabWidget>("pgNavigation")->currentIndex(), 1) << "the panel opens on the item list";
    EXPECT_EQ(child<QTabWidget>("pgDetail")->currentIndex(), 0);
    EXPECT_EQ(window->detailArea()->currentKind(), 1);
    EXPECT_EQ(window->size(), QSize(1024, 738));
}

TEST_F(ShellTest, SessionStartShowsTheNewOperatorAndTheClockFollowsEverySecond)
{
    showWindow();
    Session::current().operatorName = "王明";
    seams.clock.set(QDateTime(QDate(2027, 1, 2), QTime(8, 30, 5)));
    window->sessionStarted();
    EXPECT_EQ(panel(1), QStringLiteral(" 王明"));
    EXPECT_EQ(panel(3), QStringLiteral(" 2027-01-02 08:30:05"));
    seams.clock.set(QDateTime(QDate(2027, 1, 2), QTime(8, 30, 6)));
    QElapsedTimer waited;
    waited.start();
    while (panel(3) != QStringLiteral(" 2027-01-02 08:30:06") && waited.elapsed() < 3000)
        QTest::qWait(50);
    EXPECT_EQ(panel(3), QStringLiteral(" 2027-01-02 08:30:06"));
}

TEST_F(ShellTest, ArchiveKeysRunTheirCommandsForAnOperatorWhoHoldsThem)
{
    addArchive({.code = "1"});
    showWindow();
    cancelModalDialogs();
    TriggerCounter counter = countArchiveCommands();
    focus(child<DataGrid>("gridArchives"));
    QWidget* grid = QApplication::focusWidget();
    QTest::keyClick(grid, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(grid, Qt::Key_E, Qt::ControlModifier);
    QTest::keyClick(grid, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(grid, Qt::Key_Delete);
    EXPECT_EQ(counter.counts, (QMap<QString, int>{{"Action201", 1}, {"Action202", 1}, {"Action203", 2}}));
}

TEST_F(ShellTest, DeleteInTheSearchBoxDeletesACharacterAndNothingElse)
{
    addArchive({.code = "1"});
    showWindow();
    TriggerCounter counter = countArchiveCommands();
    focus(searchBox());
    typeInto(searchBox(), "AB");
    QTest::keyClick(searchBox(), Qt::Key_Home);
    QTest::keyClick(searchBox(), Qt::Key_Delete);
    EXPECT_EQ(searchBox()->text(), QStringLiteral("B"));
    EXPECT_TRUE(counter.counts.isEmpty());
    EXPECT_TRUE(seams.messages.messages.empty());
}

TEST_F(ShellTest, AnOperatorWithoutGrantsHasNoArchiveCommandsOnAnyKey)
{
    data.connection().execute("insert into OperList(F_Name) values('clerk')");
    Session::current().operatorName = "clerk";
    showWindow();
    Rights::apply(window->rightsRoot());
    TriggerCounter counter = countArchiveCommands();
    focus(child<DataGrid>("gridArchives"));
    QWidget* grid = QApplication::focusWidget();
    for (const Qt::Key key : {Qt::Key_A, Qt::Key_E, Qt::Key_S})
        QTest::keyClick(grid, key, Qt::ControlModifier);
    QTest::keyClick(grid, Qt::Key_Delete);
    QTest::mouseDClick(child<DataGrid>("gridArchives")->viewport(), Qt::LeftButton);
    EXPECT_TRUE(counter.counts.isEmpty());
    EXPECT_FALSE(menu("MenuFile")->menuAction()->isVisible());
    EXPECT_TRUE(action("tbRelogin")->isVisible());
    EXPECT_TRUE(action("tbClose")->isVisible());
}

TEST_F(ShellTest, DoubleClickOnTheListRunsModify)
{
    addArchive({.code = "1"});
    showWindow();
    cancelModalDialogs();
    TriggerCounter counter = countArchiveCommands();
    auto* grid = child<DataGrid>("gridArchives");
    Q_EMIT grid->rowDoubleClicked(0);
    EXPECT_EQ(counter.counts, (QMap<QString, int>{{"Action202", 1}}));
}

TEST_F(ShellTest, QuitQuestionNoKeepsTheWindowAndAsksNoBackup)
{
    data.settings().writeInteger("config", "ibak", 1);
    showWindow();
    seams.messages.answers = {MessNo};
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(seams.messages.texts(), QStringList({"真的要退出“Veltra档案管理软件 ”软件吗？"}));
    EXPECT_TRUE(window->archives().isActive()) << "the list stays open";

    seams.messages.clear();
    seams.messages.answers = {MessNo};
    focus(searchBox());
    QTest::keyClick(searchBox(), Qt::Key_Escape);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(seams.messages.texts(), QStringList({"真的要退出“Veltra档案管理软件 ”软件吗？"}));
}

TEST_F(ShellTest, QuitQuestionYesClosesAndOffersTheBackupTheSettingAsks)
{
    data.settings().writeInteger("config", "ibak", 1);
    showWindow();
    seams.messages.answers = {MessYes, MessNo};
    action("tbClose")->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(seams.messages.texts(),
              QStringList({"真的要退出“Veltra档案管理软件 ”软件吗？", "软件关闭，要备份当前数据吗？"}));
    EXPECT_FALSE(window->archives().isActive());
}

TEST_F(ShellTest, CalculatorAndEditorAreTheDesktopsOwnOrAClearMessage)
{
    showWindow();
    struct Case {
        const char* action;
        QStringList onPath;
        QString started;
        QString message;
    };
    const Case cases[] = {
        {"ToolCalculator", {"xcalc", "kcalc"}, "/usr/bin/kcalc", {}},
        {"ToolCalculator", {}, {}, "计算器"},
        {"ToolNotepad", {"leafpad", "mousepad"}, "/usr/bin/mousepad", {}},
        {"ToolNotepad", {"calc.exe"}, {}, "文本编辑器"},
    };
    for (const Case& c : cases) {
        seams.desktop.programsOnPath = c.onPath;
        seams.desktop.started.clear();
        seams.messages.clear();
        action(c.action)->trigger();
        if (c.started.isEmpty()) {
            EXPECT_TRUE(seams.desktop.started.isEmpty()) << c.action;
            ASSERT_EQ(seams.messages.messages.size(), 1u) << c.action;
            EXPECT_TRUE(seams.messages.messages[0].text.contains(c.message)) << qPrintable(seams.messages.messages[0].text);
        } else {
            EXPECT_EQ(seams.desktop.started, QStringList({c.started})) << c.action;
            EXPECT_TRUE(seams.messages.messages.empty()) << c.action;
        }
    }
}

TEST_F(ShellTest, HelpAndTextFilesComeFromTheProgramFolderWhateverTheWorkingFolder)
{
    for (const char* name : {"readme.txt", "whatisnew.txt"}) {
        QFile file(program.file(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const QString workingFolder = QDir::currentPath();
    QDir::setCurrent(QDir::tempPath());
    showWindow();
    action("HelpReadme")->trigger();
    action("HelpWhatsNew")->trigger();
    EXPECT_EQ(seams.desktop.opened, QStringList({program.file("readme.txt"), program.file("whatisnew.txt")}));
    action("HelpFile")->trigger();
    EXPECT_EQ(seams.desktop.opened.size(), 2) << "a missing help file is not handed on";
    ASSERT_EQ(seams.messages.messages.size(), 1u);
    EXPECT_TRUE(seams.messages.messages[0].text.contains(program.file("help.CHM")));
    action("HelpWebsite")->trigger();
    EXPECT_TRUE(seams.desktop.opened.last().startsWith("https://"));
    QDir::setCurrent(workingFolder);
}

TEST_F(ShellTest, ViewSwitchesHideAndShowTheirBarsAndTheNavigationKeepsItsWidth)
{
    showWindow();
    QWidget* navigation = child<QWidget>("pgNavigation");
    auto* splitter = child<QSplitter>("splNavigation");
    const int width = splitter->sizes().first();
    EXPECT_EQ(width, 204);

    QTest::mouseClick(child<QToolButton>("btnNavigation"), Qt::LeftButton);
    EXPECT_FALSE(navigation->isVisible());
    EXPECT_FALSE(action("ViewNavigation")->isChecked());
    action("ViewNavigation")->trigger();
    EXPECT_TRUE(navigation->isVisible());
    EXPECT_TRUE(action("ViewNavigation")->isChecked());
    EXPECT_EQ(splitter->sizes().first(), width);

    action("ViewToolbar")->trigger();
    EXPECT_FALSE(child<QToolBar>("tbMain")->isVisible());
    action("ViewStatusBar")->trigger();
    EXPECT_FALSE(window->statusBar()->isVisible());
    action("ViewStatusBar")->trigger();
    action("ViewToolbar")->trigger();
    EXPECT_TRUE(window->statusBar()->isVisible());
    EXPECT_TRUE(child<QToolBar>("tbMain")->isVisible());
}

TEST_F(ShellTest, DetailKindsFollowTheBorrowingAndAttachmentCommands)
{
    showWindow();
    auto kinds = [this] {
        QStringList entries;
        auto* list = child<QListWidget>("lvDetailKinds");
        for (int row = 0; row < list->count(); ++row)
            entries << list->item(row)->text();
        return entries;
    };
    EXPECT_EQ(kinds(), QStringList({"借阅记录", "档案扫描", "档案附件", "档案提醒"}));
    action("Action208")->setVisible(false);
    action("Action209")->setVisible(false);
    window->detailArea()->fillKinds();
    EXPECT_EQ(kinds(), QStringList({"档案扫描", "档案提醒"}));
    window->detailArea()->selectFirstKind();
    EXPECT_EQ(window->detailArea()->currentKind(), 2);
    EXPECT_EQ(child<QTabWidget>("pgDetail")->currentIndex(), 1);
}

TEST_F(ShellTest, ArchiveSummaryDescribesTheCurrentArchive)
{
    addArchive({.code = "WS-01", .name = "年度总结"});
    showWindow();
    QPlainTextEdit box;
    window->showArchiveSummary(&box);
    const QStringList lines = box.toPlainText().split('\n');
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines[1], QStringLiteral("  档案编号:WS-01"));
    EXPECT_EQ(lines[2], QStringLiteral("  档案名称:年度总结"));
}
