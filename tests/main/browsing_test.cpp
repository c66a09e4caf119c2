#include "MainFixture.h"

#include "admin/TfrmOperLogin.h"
#include "main/AdvancedQuery.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

namespace {

// Answers the advanced query from a script and counts the requests.
class ScriptedAdvancedQuery : public AdvancedQuery {
public:
    explicit ScriptedAdvancedQuery(QString answer) : m_answer(std::move(answer)) {}
    QString ask(QWidget*) override
    {
        ++asked;
        return m_answer;
    }
    int asked = 0;

private:
    QString m_answer;
};

class BrowsingTest : public MainWindowTest {
protected:
    void chooseSearchField(int index) { child<QComboBox>("cbSearchField")->setCurrentIndex(index); }
    void typeSearch(const QString& text) { typeInto(searchBox(), text); }

    QTreeWidgetItem* classNode(const QString& caption) const
    {
        const auto found = child<QTreeWidget>("tvClass")->findItems(caption, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.first();
    }
    void doubleClickClass(const QString& caption)
    {
        auto* tree = child<QTreeWidget>("tvClass");
        QTreeWidgetItem* node = classNode(caption);
        ASSERT_NE(node, nullptr) << qPrintable(caption);
        tree->scrollToItem(node);
        const QPoint at = tree->visualItemRect(node).center();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
    }
    void clickItem(const QString& text)
    {
        auto* items = child<QTreeWidget>("lvItems");
        const auto found = items->findItems(text, Qt::MatchExactly, 1);
        ASSERT_EQ(found.size(), 1) << qPrintable(text);
        QTest::mouseClick(items->viewport(), Qt::LeftButton, {}, items->visualItemRect(found.first()).center());
    }
    void addPlaceArchives()
    {
        addCode("cfaddress", "一号柜");
        addCode("cfaddress", "二号柜");
        addArchive({.code = "A1", .place = "一号柜"});
        addArchive({.code = "A2", .place = "二号柜"});
        addArchive({.code = "A3", .place = "一号柜"});
    }
};

}

TEST_F(BrowsingTest, StartStateListsEveryArchiveInCodeOrderWithTheBareStatement)
{
    addArchive({.code = "B-2"});
    addArchive({.code = "A-1"});
    addArchive({.code = "C-3"});
    showWindow();
    EXPECT_EQ(statement(), QStringLiteral("select * from t_Files where (1=1)  order by F_code"));
    EXPECT_EQ(listedCodes(), QStringList({"A-1", "B-2", "C-3"}));
    EXPECT_EQ(countLabel(), QStringLiteral("档案总数： 3 个"));
    EXPECT_EQ(child<QComboBox>("cbSearchField")->currentIndex(), -1);
    EXPECT_EQ(child<QComboBox>("cbItemType")->currentText(), QStringLiteral("存放地点"));
    EXPECT_TRUE(seams.messages.messages.empty()) << qPrintable(seams.messages.texts().join('|'));
}

TEST_F(BrowsingTest, RestrictionModesNarrowTheListToTheOperatorsDepartments)
{
    addArchive({.code = "1", .department = "档案室"});
    addArchive({.code = "2", .department = "财务部"});
    addArchive({.code = "3", .department = "人事部"});
    struct Case {
        int mode;
        QStringList codes;
    };
    for (const Case& c : {Case{0, {"1", "2", "3"}}, Case{1, {"1"}}, Case{2, {"1", "2"}}}) {
        Session::current().restrictionMode = c.mode;
        Session::current().department = "档案室";
        Session::current().departmentList = "'档案室','财务部'";
        showWindow();
        EXPECT_EQ(listedCodes(), c.codes) << "mode " << c.mode;
        EXPECT_EQ(countLabel(), QStringLiteral("档案总数： %1 个").arg(c.codes.size())) << "mode " << c.mode;
        window.reset();
    }
}

TEST_F(BrowsingTest, TypingInTheSearchBoxNarrowsTheListAtEveryChange)
{
    addArchive({.code = "1", .name = "采购合同"});
    addArchive({.code = "2", .name = "合同附件"});
    addArchive({.code = "3", .name = "会议纪要"});
    showWindow();
    chooseSearchField(1);
    typeSearch("合");
    EXPECT_EQ(listedCodes(), QStringList({"1", "2"}));
    EXPECT_EQ(countLabel(), QStringLiteral("档案总数： 2 个"));
    typeSearch("同附");
    EXPECT_EQ(listedCodes(), QStringList({"2"}));
    EXPECT_EQ(countLabel(), QStringLiteral("档案总数： 1 个"));
    searchBox()->clear();
    EXPECT_EQ(countLabel(), QStringLiteral("档案总数： 3 个"));
}

TEST_F(BrowsingTest, SearchValueIsTrimmedAndItsQuotesAndWildcardsAreLiteral)
{
    addArchive({.code = "O'Neil-1"});
    addArchive({.code = "50%-2"});
    addArchive({.code = "505-3"});
    showWindow();
    chooseSearchField(0);
    typeSearch(" O'N ");
    EXPECT_EQ(listedCodes(), QStringList({"O'Neil-1"}));
    searchBox()->clear();
    typeSearch("50%");
    EXPECT_EQ(listedCodes(), QStringList({"50%-2"}));
    EXPECT_TRUE(seams.messages.messages.empty()) << qPrintable(seams.messages.texts().join('|'));
}

TEST_F(BrowsingTest, AnotherSearchFieldEmptiesTheValueAndQueriesOnlyWhenThereWasOne)
{
    addArchive({.code = "1", .name = "甲", .memo = "乙"});
    addArchive({.code = "2", .name = "乙", .memo = "甲"});
    showWindow();
    chooseSearchField(1);
    EXPECT_EQ(statement(), QStringLiteral("select * from t_Files where (1=1)  order by F_code")) << "an empty box stays unqueried";
    typeSearch("甲");
    EXPECT_EQ(listedCodes(), QStringList({"1"}));
    chooseSearchField(2);
    EXPECT_TRUE(searchBox()->text().isEmpty());
    EXPECT_TRUE(statement().contains("and F_memo1 like '%%' escape '!' ")) << qPrintable(statement());
    EXPECT_EQ(listedCodes(), QStringList({"1", "2"}));
}

TEST_F(BrowsingTest, FindButtonAndIncludeFiledRunTheSameStatementAgain)
{
    addArchive({.code = "1"});
    showWindow();
    chooseSearchField(0);
    typeSearch("1");
    const QString before = statement();
    addArchive({.code = "12"});
    QTest::mouseClick(child<QCheckBox>("chkIncludeFiled"), Qt::LeftButton);
    EXPECT_EQ(statement(), before);
    EXPECT_EQ(listedCodes(), QStringList({"1", "12"}));
    addArchive({.code = "13"});
    QTest::mouseClick(child<QPushButton>("btnFind"), Qt::LeftButton);
    EXPECT_EQ(listedCodes(), QStringList({"1", "12", "13"}));
}

TEST_F(BrowsingTest, ClassDoubleClickListsTheClassAndItsSubclassesButNotASiblingWithALongerName)
{
    addClass("001", "文书", "\\\\文书");
    addClass("001001", "合同", "\\\\文书\\合同");
    addClass("002", "文书档", "\\\\文书档");
    addClass("003", "文_", "\\\\文_");
    addArchive({.code = "1", .classPath = "\\\\文书"});
    addArchive({.code = "2", .classPath = "\\\\文书\\合同"});
    addArchive({.code = "3", .classPath = "\\\\文书档"});
    showWindow();

    doubleClickClass("文书");
    EXPECT_EQ(listedCodes(), QStringList({"1", "2"}));
    doubleClickClass("文书档");
    EXPECT_EQ(listedCodes(), QStringList({"3"}));
    doubleClickClass("合同");
    EXPECT_EQ(listedCodes(), QStringList({"2"}));
    EXPECT_EQ(countLabel(), QStringLiteral("档案总数： 1 个"));
    doubleClickClass("文_");
    EXPECT_TRUE(listedCodes().isEmpty()) << "the wildcard in a class name is a plain character";
    doubleClickClass("档案分类");
    EXPECT_EQ(listedCodes(), QStringList({"1", "2", "3"}));
}

TEST_F(BrowsingTest, SelectingAClassWithoutDoubleClickWaitsForTheNextQuery)
{
    addClass("001", "文书", "\\\\文书");
    addArchive({.code = "1", .classPath = "\\\\文书"});
    addArchive({.code = "2", .classPath = "\\\\科技"});
    showWindow();
    auto* tree = child<QTreeWidget>("tvClass");
    tree->setCurrentItem(classNode("文书"));
    EXPECT_EQ(listedCodes(), QStringList({"1", "2"}));
    QTest::mouseClick(child<QPushButton>("btnFind"), Qt::LeftButton);
    EXPECT_EQ(listedCodes(), QStringList({"1"}));
}

TEST_F(BrowsingTest, ClassTreeShowsItsPicturesAndTheRootSelected)
{
    addClass("001", "文书", "\\\\文书");
    addClass("001001", "合同", "\\\\文书\\合同");
    addClass("002", "科技", "\\\\科技");
    showWindow();
    auto* tree = child<QTreeWidget>("tvClass");
    QTreeWidgetItem* root = tree->topLevelItem(0);
    EXPECT_EQ(tree->currentItem(), root);
    EXPECT_TRUE(root->isExpanded());
    EXPECT_FALSE(root->icon(0).isNull());
    const QImage firstLevelParent = classNode("文书")->icon(0).pixmap(16).toImage();
    const QImage leaf = classNode("科技")->icon(0).pixmap(16).toImage();
    EXPECT_EQ(classNode("合同")->icon(0).pixmap(16).toImage(), leaf) << "deeper classes share the leaf picture";
    EXPECT_NE(firstLevelParent, leaf);
    EXPECT_NE(classNode("科技")->icon(0).pixmap(16, QIcon::Selected).toImage(), leaf) << "a selected leaf shows its own picture";
}

TEST_F(BrowsingTest, ChoosingAnItemNarrowsTheListAndAllShowsEverything)
{
    addPlaceArchives();
    showWindow();
    auto* items = child<QTreeWidget>("lvItems");
    ASSERT_EQ(items->topLevelItemCount(), 3);
    EXPECT_EQ(items->topLevelItem(0)->text(0), QStringLiteral("0"));
    EXPECT_EQ(items->topLevelItem(0)->text(1), QStringLiteral("全部"));
    EXPECT_EQ(items->topLevelItem(2)->text(0), QStringLiteral("2"));
    EXPECT_EQ(items->headerItem()->text(1), QStringLiteral("存放地点"));
    clickItem("一号柜");
    EXPECT_EQ(listedCodes(), QStringList({"A1", "A3"}));
    EXPECT_EQ(countLabel(), QStringLiteral("档案总数： 2 个"));
    clickItem("全部");
    EXPECT_EQ(listedCodes(), QStringList({"A1", "A2", "A3"}));
}

TEST_F(BrowsingTest, AnotherItemTypeRefillsTheListAndDropsTheItemCondition)
{
    addPlaceArchives();
    addCode("gddept", "档案室");
    showWindow();
    clickItem("二号柜");
    EXPECT_EQ(listedCodes(), QStringList({"A2"}));
    child<QComboBox>("cbItemType")->setCurrentIndex(2);
    auto* items = child<QTreeWidget>("lvItems");
    EXPECT_EQ(items->headerItem()->text(1), QStringLiteral("归档部门"));
    ASSERT_EQ(items->topLevelItemCount(), 2);
    EXPECT_EQ(items->currentItem(), items->topLevelItem(0));
    EXPECT_EQ(listedCodes(), QStringList({"A1", "A2", "A3"}));
    addCode("gddept", "财务部");
    QTest::mouseClick(child<QPushButton>("btnRefreshItems"), Qt::LeftButton);
    EXPECT_EQ(items->topLevelItemCount(), 3);
}

TEST_F(BrowsingTest, AnItemOutsideTheOperatorsDepartmentGivesAnEmptyList)
{
    addCode("gddept", "档案室");
    addCode("gddept", "财务部");
    addArchive({.code = "1", .department = "档案室"});
    addArchive({.code = "2", .department = "财务部"});
    Session::current().restrictionMode = 1;
    Session::current().department = "档案室";
    showWindow();
    child<QComboBox>("cbItemType")->setCurrentIndex(2);
    clickItem("财务部");
    EXPECT_TRUE(listedCodes().isEmpty());
    EXPECT_EQ(countLabel(), QStringLiteral("档案总数： 0 个"));
}

TEST_F(BrowsingTest, AdvancedSearchShowsTheDialogsStatementUntilTheNextNormalQuery)
{
    addArchive({.code = "1", .name = "甲"});
    addArchive({.code = "2", .name = "乙"});
    auto* query = new ScriptedAdvancedQuery("select * from t_Files where F_name = '乙'");
    AdvancedQuerySeam::install(std::unique_ptr<AdvancedQuery>(query));
    showWindow();
    auto* toggle = child<QToolButton>("btnAdvanced");

    QTest::mouseClick(toggle, Qt::LeftButton);
    EXPECT_EQ(query->asked, 1);
    EXPECT_TRUE(toggle->isChecked());
    EXPECT_EQ(toggle->palette().color(QPalette::ButtonText), QColor(Qt::red));
    EXPECT_EQ(listedCodes(), QStringList({"2"}));
    EXPECT_EQ(countLabel(), QStringLiteral("档案总数： 1 个"));

    chooseSearchField(1);
    typeSearch("甲");
    EXPECT_FALSE(toggle->isChecked());
    EXPECT_EQ(toggle->palette().color(QPalette::ButtonText), QColor(Qt::black));
    EXPECT_EQ(listedCodes(), QStringList({"1"}));

    searchBox()->clear();
    QTest::mouseClick(toggle, Qt::LeftButton);
    ASSERT_TRUE(toggle->isChecked());
    QTest::mouseClick(toggle, Qt::LeftButton);
    EXPECT_EQ(query->asked, 2) << "releasing the toggle asks nothing";
    EXPECT_FALSE(toggle->isChecked());
    EXPECT_EQ(listedCodes(), QStringList({"1", "2"}));
    AdvancedQuerySeam::install(nullptr);
}

TEST_F(BrowsingTest, CancelledAdvancedSearchReleasesTheToggleAndKeepsTheList)
{
    addArchive({.code = "1"});
    auto* query = new ScriptedAdvancedQuery(QString());
    AdvancedQuerySeam::install(std::unique_ptr<AdvancedQuery>(query));
    showWindow();
    const QString before = statement();
    addArchive({.code = "2"});
    QTest::mouseClick(child<QToolButton>("btnAdvanced"), Qt::LeftButton);
    EXPECT_EQ(query->asked, 1);
    EXPECT_FALSE(child<QToolButton>("btnAdvanced")->isChecked());
    EXPECT_EQ(statement(), before);
    EXPECT_EQ(listedCodes(), QStringList({"1"}));
    AdvancedQuerySeam::install(nullptr);
}

TEST_F(BrowsingTest, ToolbarChangeOfOperatorQueriesTheListEvenWhenGivenUp)
{
    addArchive({.code = "1"});
    showWindow();
    addArchive({.code = "2"});
    QTimer::singleShot(0, [] {
        auto* login = qobject_cast<TfrmOperLogin*>(QApplication::activeModalWidget());
        ASSERT_NE(login, nullptr);
        login->cancelButton()->click();
    });
    action("tbRelogin")->trigger();
    EXPECT_EQ(Session::current().operatorName, QStringLiteral("admin"));
    EXPECT_EQ(listedCodes(), QStringList({"1", "2"}));
}
