#include "admin/TDLGenterCaption.h"
#include "admin/TFrmTreeCodeMan.h"
#include "admin/TreeCodeService.h"
#include "db/CodeTree.h"
#include "db/DataModule.h"
#include "db/DataSet.h"
#include "support/Scripted.h"
#include "support/TempProgram.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <functional>
#include <optional>

namespace {

using Mode = TFrmTreeCodeMan::Mode;

const QString kConnectionFailed = QStringLiteral("数据连接失败，请与作者联系... ");
const QString kOperationFailed = QStringLiteral("操作失败，请检查数据连接... ");
const QString kRootNotChosen = QStringLiteral("不能选择根节点！");
const QString kLevelFull = QStringLiteral("这一级的分类编号已用到999，不能再增加分类！");

// Types text key by key, as an input method delivers it (any character).
void typeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Runs an action, after the event loop has taken over, each time a window of
// type W is shown: the way to answer a modal window that a click opens.
template <typename W>
class WhenShown : public QObject {
public:
    explicit WhenShown(std::function<void(W*)> action) : m_action(std::move(action)) { qApp->installEventFilter(this); }
    ~WhenShown() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            if (auto* window = qobject_cast<W*>(watched); window && window->isWindow()) {
                QPointer<W> target(window);
                QTimer::singleShot(0, window, [this, target] {
                    if (target)
                        m_action(target);
                });
            }
        }
        return false;
    }

private:
    std::function<void(W*)> m_action;
};

// Answers the name dialog from a script: a name is typed over the proposed
// one and confirmed with Enter; no answer (nullopt, or an empty script)
// presses 取消. A name the dialog refuses is cancelled after the refusal.
class NameScript {
public:
    std::deque<std::optional<QString>> answers;
    QStringList titles, labels, proposed;
    int refused = 0;

private:
    void answer(TDLGenterCaption* dialog)
    {
        auto* box = dialog->findChild<QLineEdit*>("edName");
        titles << dialog->windowTitle();
        labels << dialog->findChild<QLabel*>("lblTitle")->text();
        proposed << box->text();
        std::optional<QString> name;
        if (!answers.empty()) {
            name = answers.front();
            answers.pop_front();
        }
        if (name) {
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(box, Qt::Key_Delete);
            typeText(box, *name);
            QTest::keyClick(box, Qt::Key_Return);
            if (!dialog->isVisible())
                return;
            ++refused;
        }
        QTest::mouseClick(dialog->findChild<QPushButton*>("btnCancel"), Qt::LeftButton);
    }

    WhenShown<TDLGenterCaption> m_hook{[this](TDLGenterCaption* dialog) { answer(dialog); }};
};

// A temporary program folder with a fresh database, scripted seams and the
// data module, plus the rows the tests need.
class TreeCodeEnv {
public:
    TreeCodeEnv() { EXPECT_TRUE(data.connection().open(program.databaseFile())); }

    // A category whose path follows from its parent's (added before it).
    void addCategory(const QString& code, const QString& name)
    {
        const QString parentPath = code.size() > 3 ? categoryPath(code.left(code.size() - 3)) : QStringLiteral("\\\\");
        addCategory(code, name, TreeCodeService::childPath(parentPath, name));
    }
    void addCategory(const QString& code, const QString& name, const QString& path)
    {
        data.connection().execute("insert into t_treecode(F_code,F_name,F_likecode,F_flag) values(:code,:name,:path,'type')",
                                  {{"code", code}, {"name", name}, {"path", path}});
    }
    void addArchive(const QString& name, const QString& path)
    {
        data.connection().execute("insert into t_Files(F_name,F_DAtype) values(:name,:path)", {{"name", name}, {"path", path}});
    }
    void failOn(const QString& triggerTiming)
    {
        data.connection().execute("create trigger refuse " + triggerTiming + " on t_treecode begin select raise(abort, 'refused'); end");
    }

    QString categoryPath(const QString& code) { return value("select F_likecode from t_treecode where F_code = :v", code); }
    QString categoryName(const QString& code) { return value("select F_name from t_treecode where F_code = :v", code); }
    QString archivePath(const QString& name) { return value("select F_DAtype from t_Files where F_name = :v", name); }
    // Every category as "code name path" and every archive as "name path".
    QStringList categories() { return rows("select F_code || ' ' || F_name || ' ' || F_likecode from t_treecode order by F_code"); }
    QStringList archives() { return rows("select F_name || ' ' || F_DAtype from t_Files order by F_name"); }

    TempProgram program;
    ScriptedSeams seams;
    TdmData data;

private:
    QString value(const QString& statement, const QString& v)
    {
        DataSet result;
        data.connection().load(statement, result, {{"v", v}});
        return result.isEmpty() ? QStringLiteral("<none>") : result.text(0, 0);
    }
    QStringList rows(const QString& statement)
    {
        DataSet result;
        data.connection().load(statement, result);
        QStringList list;
        for (int row = 0; row < result.recordCount(); ++row)
            list << result.text(row, 0);
        return list;
    }
};

// The window, shown and active, with ways to reach its nodes and buttons.
class TreeWindow {
public:
    explicit TreeWindow(TdmData& data, Mode mode = Mode::Manage, const QString& givenPath = QString())
        : window(data, mode, givenPath)
    {
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QTreeWidget* tree() { return window.findChild<QTreeWidget*>("tvTree"); }
    QTreeWidgetItem* node(const QString& code)
    {
        for (QTreeWidgetItemIterator it(tree()); *it; ++it) {
            if (CodeTree::record(*it).code == code)
                return *it;
        }
        return nullptr;
    }
    QString text(const QString& code)
    {
        QTreeWidgetItem* item = node(code);
        return item ? item->text(0) : QStringLiteral("<no node>");
    }
    bool expanded(const QString& code)
    {
        QTreeWidgetItem* item = node(code);
        return item && item->isExpanded();
    }
    QString currentCode() { return CodeTree::record(tree()->currentItem()).code; }
    void select(const QString& code)
    {
        QTreeWidgetItem* item = node(code);
        ASSERT_NE(item, nullptr) << code.toStdString();
        tree()->scrollToItem(item);
        QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, tree()->visualItemRect(item).center());
        ASSERT_EQ(currentCode(), code);
    }
    void doubleClick(const QString& code)
    {
        select(code);
        QTest::mouseDClick(tree()->viewport(), Qt::LeftButton, {}, tree()->visualItemRect(node(code)).center());
    }
    void click(const char* button) { QTest::mouseClick(window.findChild<QPushButton*>(button), Qt::LeftButton); }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { QTest::keyClick(tree(), key, modifiers); }
    // The children of a node as "code name" in tree order.
    QStringList children(const QString& code)
    {
        QStringList list;
        QTreeWidgetItem* parent = node(code);
        for (int i = 0; parent && i < parent->childCount(); ++i)
            list << CodeTree::record(parent->child(i)).code + " " + parent->child(i)->text(0);
        return list;
    }
    bool accepted() const { return !window.isVisible() && window.result() == QDialog::Accepted; }
    bool rejected() const { return !window.isVisible() && window.result() == QDialog::Rejected; }

    TFrmTreeCodeMan window;
};

class TreeCodeTest : public ::testing::Test, public TreeCodeEnv {};

// The categories of the rename tests: A with C and D below, a sibling AB,
// and an archive at each path.
class TreeCodeRenameTest : public TreeCodeTest {
protected:
    TreeCodeRenameTest()
    {
        addCategory("001", "A");
        addCategory("001001", "C");
        addCategory("001001001", "D");
        addCategory("002", "AB");
        addCategory("002001", "X");
        for (const char* path : {"\\\\A", "\\\\A\\C", "\\\\A\\C\\D", "\\\\AB", "\\\\AB\\X"})
            addArchive(QString("at ") + path, path);
    }
};

// ---- paths ----

TEST(TreeCodePaths, ChildPathJoinsTheNameToItsParentAndFoldsTripleBackslashes)
{
    const struct {
        const char *parent, *name, *path;
    } cases[] = {
        {"\\\\", "A", "\\\\A"},
        {"\\\\A", "B", "\\\\A\\B"},
        {"\\\\A\\B", " C ", "\\\\A\\B\\ C "},
        {"\\\\", "\\A", "\\\\A"},          // two backslashes and "\A": three in a row become two
        {"\\\\A", "\\B", "\\\\A\\\\B"},    // "\\A" + "\" + "\B"
        {"\\\\A\\", "B", "\\\\A\\\\B"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TreeCodeService::childPath(c.parent, c.name), QString(c.path)) << c.parent << " + " << c.name;
}

TEST(TreeCodePaths, AMovedPathChangesOnlyTheCategoryAndWhatLiesBelowIt)
{
    const struct {
        const char *path, *moved;
    } cases[] = {
        {"\\\\A", "\\\\Z"},
        {"\\\\A\\C", "\\\\Z\\C"},
        {"\\\\A\\C\\D", "\\\\Z\\C\\D"},
        {"\\\\a\\c", "\\\\Z\\c"},  // the database compares without regard to case
        {"\\\\AB", "\\\\AB"},
        {"\\\\AB\\X", "\\\\AB\\X"},
        {"\\\\B\\A", "\\\\B\\A"},
        {"\\\\", "\\\\"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TreeCodeService::movedPath(c.path, "\\\\A", "\\\\Z"), QString(c.moved)) << c.path;
}

TEST(TreeCodePaths, PathsDifferingInCaseOrSurroundingBlanksAreTheSame)
{
    EXPECT_TRUE(TreeCodeService::samePath("\\\\A\\b", "\\\\a\\B"));
    EXPECT_TRUE(TreeCodeService::samePath("\\\\A  ", "\\\\A"));
    EXPECT_FALSE(TreeCodeService::samePath("\\\\ A", "\\\\A"));
    EXPECT_FALSE(TreeCodeService::samePath("\\\\A", "\\\\AB"));
}

// ---- name dialog ----

TEST_F(TreeCodeTest, NameDialogShowsItsTitleTwiceRefusesABlankNameAndReturnsTheNameAsTyped)
{
    TDLGenterCaption dialog("添加 001 A 子类", "旧名");
    dialog.show();
    auto* box = dialog.findChild<QLineEdit*>("edName");
    EXPECT_EQ(dialog.windowTitle(), "添加 001 A 子类");
    EXPECT_EQ(dialog.findChild<QLabel*>("lblTitle")->text(), "添加 001 A 子类");
    EXPECT_EQ(box->text(), "旧名");

    box->clear();
    typeText(box, "   ");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.focusWidget(), box);
    ASSERT_EQ(seams.messages.messages.size(), 1u);
    EXPECT_EQ(seams.messages.messages[0].text, "部门名称不能为空！");
    EXPECT_EQ(seams.messages.messages[0].kind, MessNotice);

    typeText(box, "档案'甲' ");
    QTest::mouseClick(dialog.findChild<QPushButton*>("btnOK"), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.name(), "   档案'甲' ");
}

TEST_F(TreeCodeTest, NameDialogGivesNothingWhenCancelled)
{
    WhenShown<TDLGenterCaption> answer([](TDLGenterCaption* dialog) {
        typeText(dialog->findChild<QLineEdit*>("edName"), "B");
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(TDLGenterCaption::enterCaption(nullptr, "修改类别 001 A 子类", "A"), QString());
}

// ---- adding ----

enum class Add { Sibling, Child };

TEST(TreeCodeAdd, ANewCategoryTakesTheNumberAboveTheHighestAmongItsSiblings)
{
    const struct Case {
        std::vector<std::pair<const char*, const char*>> rows;
        const char* selected;
        Add command;
        const char *title, *code, *path, *parent;
    } cases[] = {
        {{}, "000", Add::Child, "添加 000 档案分类 子类", "001", "\\\\N", "000"},
        {{{"001", "A"}}, "000", Add::Child, "添加 000 档案分类 子类", "002", "\\\\N", "000"},
        {{{"001", "A"}}, "001", Add::Sibling, "添加 001 A 同类", "002", "\\\\N", "000"},
        {{{"001", "A"}, {"002", "B"}}, "002", Add::Child, "添加 002 B 子类", "002001", "\\\\B\\N", "002"},
        {{{"002", "B"}, {"002001", "B1"}, {"002002", "B2"}, {"002003", "B3"}}, "002003", Add::Sibling, "添加 002003 B3 同类",
         "002004", "\\\\B\\N", "002"},
        // the last child has children of its own: still a code of the child level
        {{{"001", "A"}, {"001001", "A1"}, {"001002", "A2"}, {"001002001", "A21"}}, "001", Add::Child, "添加 001 A 子类", "001003",
         "\\\\A\\N", "001"},
        // the highest code at the level has descendants
        {{{"001", "A"}, {"001002", "A2"}, {"001003", "A3"}, {"001003001", "A31"}}, "001002", Add::Sibling, "添加 001002 A2 同类",
         "001004", "\\\\A\\N", "001"},
        // gaps are not refilled
        {{{"001", "A"}, {"001002", "A2"}}, "001", Add::Child, "添加 001 A 子类", "001003", "\\\\A\\N", "001"},
        {{{"001", "A"}, {"001001", "A1"}, {"001001001", "A11"}}, "001001001", Add::Sibling, "添加 001001001 A11 同类",
         "001001002", "\\\\A\\A1\\N", "001001"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        TreeCodeEnv env;
        for (const auto& [code, name] : c.rows)
            env.addCategory(code, name);
        NameScript names;
        names.answers = {QString("N")};
        TreeWindow w(env.data);
        w.select(c.selected);
        w.click(c.command == Add::Child ? "btnAddChild" : "btnAddSibling");

        EXPECT_EQ(names.titles, QStringList{c.title});
        EXPECT_EQ(names.labels, QStringList{c.title});
        EXPECT_EQ(env.categoryName(c.code), "N");
        EXPECT_EQ(env.categoryPath(c.code), c.path);
        const QStringList siblings = w.children(c.parent);
        EXPECT_EQ(siblings.value(siblings.size() - 1), QString(c.code) + " N");
        EXPECT_EQ(CodeTree::record(w.node(c.code)).path, c.path);
        EXPECT_EQ(CodeTree::record(w.node(c.code)).depth, static_cast<int>(strlen(c.code)));
        EXPECT_TRUE(w.window.treeChanged());
        EXPECT_TRUE(env.seams.messages.messages.empty()) << env.seams.messages.texts().join("|").toStdString();
    }
}

TEST(TreeCodeAdd, ALevelThatHoldsNumber999IsRefusedWithoutAskingForAName)
{
    const struct Case {
        std::vector<std::pair<const char*, const char*>> rows;
        const char* selected;
        Add command;
    } cases[] = {
        {{{"999", "Z"}}, "999", Add::Sibling},
        {{{"998", "Y"}, {"999", "Z"}}, "000", Add::Child},
        {{{"001", "A"}, {"001999", "Z"}}, "001", Add::Child},
        {{{"001", "A"}, {"001999", "Z"}, {"001999001", "Z1"}}, "001999", Add::Sibling},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.selected);
        TreeCodeEnv env;
        for (const auto& [code, name] : c.rows)
            env.addCategory(code, name);
        const QStringList before = env.categories();
        NameScript names;
        names.answers = {QString("N")};
        TreeWindow w(env.data);
        w.select(c.selected);
        w.click(c.command == Add::Child ? "btnAddChild" : "btnAddSibling");

        EXPECT_TRUE(names.titles.isEmpty());
        ASSERT_EQ(env.seams.messages.messages.size(), 1u);
        EXPECT_EQ(env.seams.messages.messages[0].text, kLevelFull);
        EXPECT_EQ(env.seams.messages.messages[0].kind, MessRefusal);
        EXPECT_EQ(env.categories(), before);
        EXPECT_FALSE(w.window.treeChanged());
    }
}

TEST_F(TreeCodeTest, TheRootGetsNoSibling)
{
    NameScript names;
    TreeWindow w(data);
    w.select("000");
    w.click("btnAddSibling");
    EXPECT_TRUE(names.titles.isEmpty());
    EXPECT_EQ(seams.messages.texts(), QStringList{"不能增加根节点的同类节点，该节点只能增加子节点！"});
    EXPECT_EQ(seams.messages.messages[0].kind, MessNotice);
    EXPECT_TRUE(categories().isEmpty());
}

TEST_F(TreeCodeTest, ACancelledOrRefusedNameAddsNothing)
{
    addCategory("001", "A");
    NameScript names;
    names.answers = {std::nullopt, QString("  ")};
    TreeWindow w(data);
    w.select("001");
    w.click("btnAddChild");
    w.click("btnAddSibling");
    EXPECT_EQ(names.titles.size(), 2);
    EXPECT_EQ(names.refused, 1);
    EXPECT_EQ(seams.messages.texts(), QStringList{"部门名称不能为空！"});
    EXPECT_EQ(categories(), QStringList{"001 A \\\\A"});
    EXPECT_EQ(w.children("000"), QStringList{"001 A"});
    EXPECT_TRUE(w.children("001").isEmpty());
    EXPECT_FALSE(w.window.treeChanged());
}

TEST_F(TreeCodeTest, NamesWithQuotesAndBlanksAreStoredAsTyped)
{
    const QString quoted = "O'Neil \"甲\" ' or '1'='1";
    const QString blanks = "  档案 '乙'  ";
    NameScript names;
    names.answers = {quoted, blanks};
    TreeWindow w(data);
    w.click("btnAddChild");
    w.select("001");
    w.click("btnAddChild");

    EXPECT_EQ(categoryName("001"), quoted);
    EXPECT_EQ(categoryPath("001"), "\\\\" + quoted);
    EXPECT_EQ(categoryName("001001"), blanks);
    EXPECT_EQ(categoryPath("001001"), "\\\\" + quoted + "\\" + blanks);
    EXPECT_EQ(w.text("001001"), blanks);
    EXPECT_TRUE(seams.messages.messages.empty()) << seams.messages.texts().join("|").toStdString();
}

TEST_F(TreeCodeTest, AFailingInsertReportsTheConnectionAndLeavesTheTree)
{
    addCategory("001", "A");
    failOn("before insert");
    NameScript names;
    names.answers = {QString("B")};
    TreeWindow w(data);
    w.select("001");
    w.click("btnAddSibling");
    ASSERT_EQ(seams.messages.messages.size(), 1u);
    EXPECT_EQ(seams.messages.messages[0].text, kConnectionFailed);
    EXPECT_EQ(seams.messages.messages[0].kind, MessFailure);
    EXPECT_EQ(w.children("000"), QStringList{"001 A"});
    EXPECT_FALSE(w.window.treeChanged());
}

// ---- renaming ----

TEST_F(TreeCodeRenameTest, RenamingAClassRewritesItsSubtreeAndArchivesButNotTheSiblingAB)
{
    NameScript names;
    names.answers = {QString("Z")};
    TreeWindow w(data);
    w.select("001");
    w.press(Qt::Key_S, Qt::ControlModifier);

    EXPECT_EQ(names.titles, QStringList{"修改类别 001 A 子类"});
    EXPECT_EQ(names.proposed, QStringList{"A"});
    EXPECT_EQ(categories(), (QStringList{"001 Z \\\\Z", "001001 C \\\\Z\\C", "001001001 D \\\\Z\\C\\D", "002 AB \\\\AB",
                                         "002001 X \\\\AB\\X"}));
    EXPECT_EQ(archives(), (QStringList{"at \\\\A \\\\Z", "at \\\\A\\C \\\\Z\\C", "at \\\\A\\C\\D \\\\Z\\C\\D", "at \\\\AB \\\\AB",
                                       "at \\\\AB\\X \\\\AB\\X"}));
    EXPECT_EQ(w.text("001"), "Z");
    EXPECT_TRUE(w.window.treeChanged());
    EXPECT_TRUE(seams.messages.messages.empty()) << seams.messages.texts().join("|").toStdString();

    // The nodes below carry the new path: a child added under C lands under Z.
    names.answers = {QString("E")};
    w.select("001001");
    w.click("btnAddChild");
    EXPECT_EQ(categoryPath("001001001"), "\\\\Z\\C\\D");
    EXPECT_EQ(categoryPath("001001002"), "\\\\Z\\C\\E");
}

TEST_F(TreeCodeRenameTest, RenamingADeeperClassKeepsItsParentsPath)
{
    NameScript names;
    names.answers = {QString("C'2")};
    TreeWindow w(data);
    w.select("001001");
    w.click("btnModify");
    EXPECT_EQ(names.titles, QStringList{"修改类别 001001 C 子类"});
    EXPECT_EQ(categoryPath("001"), "\\\\A");
    EXPECT_EQ(categoryPath("001001"), "\\\\A\\C'2");
    EXPECT_EQ(categoryName("001001"), "C'2");
    EXPECT_EQ(categoryPath("001001001"), "\\\\A\\C'2\\D");
    EXPECT_EQ(archivePath("at \\\\A"), "\\\\A");
    EXPECT_EQ(archivePath("at \\\\A\\C\\D"), "\\\\A\\C'2\\D");
}

TEST_F(TreeCodeRenameTest, AChangeOfLetterCaseOrTrailingBlanksAloneSavesNothing)
{
    const QStringList categoriesBefore = categories(), archivesBefore = archives();
    NameScript names;
    names.answers = {QString("a"), QString("A  "), std::nullopt};
    TreeWindow w(data);
    w.select("001");
    for (int i = 0; i < 3; ++i)
        w.click("btnModify");
    EXPECT_EQ(names.titles.size(), 3);
    EXPECT_EQ(categories(), categoriesBefore);
    EXPECT_EQ(archives(), archivesBefore);
    EXPECT_EQ(w.text("001"), "A");
    EXPECT_FALSE(w.window.treeChanged());
    EXPECT_TRUE(seams.messages.messages.empty());
}

TEST_F(TreeCodeRenameTest, TheRootIsNotRenamed)
{
    NameScript names;
    TreeWindow w(data);
    w.select("000");
    w.click("btnModify");
    EXPECT_TRUE(names.titles.isEmpty());
    EXPECT_TRUE(seams.messages.messages.empty());
}

TEST(TreeCodeRenameFailure, AStatementFailingMidwayLeavesEveryPathAsItWas)
{
    const QString longName = QString(40, QChar(u'长'));
    const struct Case {
        const char* what;
        std::function<void(TreeCodeEnv&)> arrange;
        QString message;
    } cases[] = {
        {"the final update", [](TreeCodeEnv& env) { env.failOn("before update of F_name"); }, kConnectionFailed},
        {"the category rewrite, after the archives were rewritten",
         [&](TreeCodeEnv& env) { env.addCategory("001001002", longName); }, kOperationFailed},
        {"the archive rewrite", [&](TreeCodeEnv& env) { env.addArchive("long", "\\\\A\\C\\" + longName); }, kOperationFailed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TreeCodeEnv env;
        env.addCategory("001", "A");
        env.addCategory("001001", "C");
        env.addCategory("002", "AB");
        env.addArchive("a", "\\\\A");
        env.addArchive("c", "\\\\A\\C");
        c.arrange(env);
        const QStringList categoriesBefore = env.categories(), archivesBefore = env.archives();
        NameScript names;
        names.answers = {QString("AAAAAA")};
        TreeWindow w(env.data);
        w.select("001");
        w.click("btnModify");

        EXPECT_EQ(env.seams.messages.texts(), QStringList{c.message});
        EXPECT_EQ(env.seams.messages.messages.at(0).kind, MessFailure);
        EXPECT_EQ(env.categories(), categoriesBefore);
        EXPECT_EQ(env.archives(), archivesBefore);
        EXPECT_EQ(w.text("001"), "A");
        EXPECT_EQ(CodeTree::record(w.node("001001")).path, "\\\\A\\C");
        EXPECT_FALSE(w.window.treeChanged());
        EXPECT_FALSE(env.data.connection().inTransaction());
    }
}

// ---- deleting ----

TEST_F(TreeCodeTest, DeletingAsksFirstThenRemovesTheWholeSubtreeAndLeavesArchives)
{
    addCategory("001", "A");
    addCategory("001001", "B");
    addCategory("001001001", "C");
    addCategory("001002", "B2");
    addCategory("002", "D");
    addCategory("002001", "D1");
    addArchive("b", "\\\\A\\B");
    TreeWindow w(data);

    w.select("001002");
    seams.messages.answers = {MessNo};
    w.press(Qt::Key_Delete);
    EXPECT_EQ(seams.messages.texts(), QStringList{"真的要删除当前节点 “001002B2” 吗？"});
    EXPECT_EQ(seams.messages.messages[0].kind, MessQuestion);
    EXPECT_NE(w.node("001002"), nullptr);
    EXPECT_FALSE(w.window.treeChanged());

    seams.messages.clear();
    w.select("001");
    seams.messages.answers = {MessYes};
    w.click("btnDelete");
    EXPECT_EQ(seams.messages.texts(), QStringList{"此节点包含有子节点，真的要删除所有的子节点吗？"});
    EXPECT_EQ(categories(), (QStringList{"002 D \\\\D", "002001 D1 \\\\D\\D1"}));
    EXPECT_EQ(w.node("001"), nullptr);
    EXPECT_EQ(w.node("001001001"), nullptr);
    EXPECT_EQ(archivePath("b"), "\\\\A\\B");
    EXPECT_TRUE(w.window.treeChanged());
}

TEST_F(TreeCodeTest, AfterDeletingTheHighestChildItsNumberIsGivenAgain)
{
    addCategory("001", "A");
    addCategory("001001", "A1");
    addCategory("001002", "A2");
    addCategory("001003", "A3");
    NameScript names;
    names.answers = {QString("new")};
    TreeWindow w(data);
    w.select("001003");
    seams.messages.answers = {MessYes};
    w.click("btnDelete");
    w.select("001");
    w.click("btnAddChild");
    EXPECT_EQ(categoryName("001003"), "new");
    EXPECT_EQ(w.children("001"), (QStringList{"001001 A1", "001002 A2", "001003 new"}));
}

TEST_F(TreeCodeTest, TheRootIsNeverDeleted)
{
    addCategory("001", "A");
    TreeWindow w(data);
    w.select("000");
    seams.messages.answers = {MessYes};
    w.press(Qt::Key_Delete);
    EXPECT_EQ(seams.messages.texts(), QStringList{"不能删除根节点！"});
    EXPECT_EQ(seams.messages.messages[0].kind, MessNotice);
    EXPECT_NE(w.node("000"), nullptr);
    EXPECT_EQ(categories().size(), 1);
}

TEST_F(TreeCodeTest, AFailingDeleteIsReportedAndTheNodeStillLeavesForAReload)
{
    addCategory("001", "A");
    failOn("before delete");
    TreeWindow w(data);
    w.select("001");
    seams.messages.answers = {MessYes};
    w.click("btnDelete");
    EXPECT_EQ(seams.messages.texts(), (QStringList{"真的要删除当前节点 “001A” 吗？", kOperationFailed}));
    EXPECT_EQ(w.node("001"), nullptr);
    EXPECT_EQ(categories().size(), 1);
    EXPECT_TRUE(w.window.treeChanged());
}

// ---- the window ----

TEST_F(TreeCodeTest, TheWindowOffersItsFourCommandsInTheTreesMenuAndNoInPlaceEditing)
{
    addCategory("001", "A");
    TreeWindow w(data);
    QStringList menu;
    for (QAction* action : w.tree()->actions())
        menu << action->text();
    EXPECT_EQ(menu, (QStringList{"添加同类(&A)", "添加子类(&C)", "修    改(&E)", "删除(包含子类)"}));
    EXPECT_EQ(w.window.windowTitle(), "档案分类");
    EXPECT_EQ(w.text("000"), "档案分类");
    EXPECT_TRUE(w.expanded("000"));
    EXPECT_FALSE(w.window.findChild<QWidget*>("pnlPick")->isVisible());
    ASSERT_NE(w.node("001"), nullptr);
    EXPECT_FALSE(w.node("001")->flags() & Qt::ItemIsEditable);
    EXPECT_EQ(w.tree()->dragDropMode(), QAbstractItemView::NoDragDrop);
}

TEST_F(TreeCodeTest, ManagingADoubleClickOnTheRootIsRefusedAndOnACategoryDoesNothing)
{
    addCategory("001", "A");
    TreeWindow w(data);
    w.doubleClick("000");
    EXPECT_EQ(seams.messages.texts(), QStringList{kRootNotChosen});
    w.doubleClick("001");
    w.press(Qt::Key_Return);
    EXPECT_EQ(seams.messages.texts().size(), 1);
    EXPECT_TRUE(w.window.isVisible());
}

TEST_F(TreeCodeTest, ManagingEndsAcceptedExactlyWhenTheTreeChanged)
{
    addCategory("001", "A");
    {
        TreeWindow w(data);
        w.press(Qt::Key_Escape);
        EXPECT_TRUE(w.rejected());
    }
    {
        NameScript names;
        names.answers = {QString("B")};
        TreeWindow w(data);
        w.select("001");
        w.click("btnAddSibling");
        w.press(Qt::Key_Escape);
        EXPECT_TRUE(w.accepted());
    }
    {
        TreeWindow w(data);
        w.select("002");
        seams.messages.answers = {MessYes};
        w.press(Qt::Key_Delete);
        w.window.close();
        EXPECT_TRUE(w.accepted());
    }
}

TEST_F(TreeCodeTest, ManageReportsWhetherTheVisitChangedTheTree)
{
    addCategory("001", "A");
    {
        WhenShown<TFrmTreeCodeMan> visit([](TFrmTreeCodeMan* window) { window->close(); });
        EXPECT_FALSE(TFrmTreeCodeMan::manage(nullptr));
    }
    NameScript names;
    names.answers = {QString("B")};
    WhenShown<TFrmTreeCodeMan> visit([](TFrmTreeCodeMan* window) {
        QTest::mouseClick(window->findChild<QPushButton*>("btnAddChild"), Qt::LeftButton);
        QTest::keyClick(window->findChild<QTreeWidget*>("tvTree"), Qt::Key_Escape);
    });
    EXPECT_TRUE(TFrmTreeCodeMan::manage(nullptr));
    EXPECT_EQ(categoryPath("002"), "\\\\B");
}

// ---- picking ----

class TreeCodePickTest : public TreeCodeTest {
protected:
    TreeCodePickTest()
    {
        addCategory("001", "A");
        addCategory("001001", "C");
        addCategory("001001001", "D");
        addCategory("002", "B");
        addCategory("002001", "E");
    }
};

TEST_F(TreeCodePickTest, TheGivenPathIsSelectedAndExpandedAndOkReturnsIt)
{
    TreeWindow w(data, Mode::Pick, "\\\\A\\C");
    EXPECT_TRUE(w.window.findChild<QWidget*>("pnlPick")->isVisible());
    EXPECT_EQ(w.currentCode(), "001001");
    EXPECT_TRUE(w.expanded("001001"));
    w.click("btnOK");
    EXPECT_TRUE(w.accepted());
    EXPECT_EQ(w.window.pickedPath(), "\\\\A\\C");
}

TEST_F(TreeCodePickTest, ADoubleClickOrEnterChoosesTheNode)
{
    {
        TreeWindow w(data, Mode::Pick, "\\\\A");
        w.doubleClick("001001001");
        EXPECT_TRUE(w.accepted());
        EXPECT_EQ(w.window.pickedPath(), "\\\\A\\C\\D");
    }
    {
        TreeWindow w(data, Mode::Pick, "\\\\A");
        w.select("002001");
        w.press(Qt::Key_Return);
        EXPECT_TRUE(w.accepted());
        EXPECT_EQ(w.window.pickedPath(), "\\\\B\\E");
    }
    EXPECT_TRUE(seams.messages.messages.empty());
}

TEST_F(TreeCodePickTest, TheRootCannotBeChosen)
{
    TreeWindow w(data, Mode::Pick, "\\\\nowhere");
    EXPECT_EQ(w.currentCode(), "000");
    w.click("btnOK");
    w.press(Qt::Key_Return);
    w.doubleClick("000");
    EXPECT_EQ(seams.messages.texts(), (QStringList{kRootNotChosen, kRootNotChosen, kRootNotChosen}));
    EXPECT_TRUE(w.window.isVisible());
}

TEST_F(TreeCodePickTest, CancelReturnsTheGivenTextUnlessTheTreeChanged)
{
    {
        TreeWindow w(data, Mode::Pick, "\\\\typed by hand");
        w.select("002");
        w.click("btnCancel");
        EXPECT_TRUE(w.rejected());
        EXPECT_EQ(w.window.pickedPath(), "\\\\typed by hand");
    }
    NameScript names;
    names.answers = {QString("F")};
    TreeWindow w(data, Mode::Pick, "\\\\B");
    w.click("btnAddChild");
    w.select("002002");
    w.click("btnCancel");
    EXPECT_TRUE(w.accepted());
    EXPECT_EQ(w.window.pickedPath(), "\\\\B\\F");
}

TEST_F(TreeCodePickTest, PickReturnsTheChosenPathOrTheGivenText)
{
    {
        WhenShown<TFrmTreeCodeMan> choose([](TFrmTreeCodeMan* window) {
            auto* tree = window->findChild<QTreeWidget*>("tvTree");
            EXPECT_EQ(CodeTree::record(tree->currentItem()).code, "002");
            QTest::keyClick(tree, Qt::Key_Down);
            QTest::keyClick(tree, Qt::Key_Return);
        });
        EXPECT_EQ(TFrmTreeCodeMan::pick(nullptr, "\\\\B"), "\\\\B\\E");
    }
    WhenShown<TFrmTreeCodeMan> cancel([](TFrmTreeCodeMan* window) { QTest::keyClick(window, Qt::Key_Escape); });
    EXPECT_EQ(TFrmTreeCodeMan::pick(nullptr, "\\\\A\\C"), "\\\\A\\C");
}

}
