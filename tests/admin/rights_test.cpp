#include "AdminFixture.h"

#include "admin/Rights.h"

namespace {

class RightsTest : public AdminTest {
protected:
    void applyAs(const QString& name)
    {
        Session::current().operatorName = name;
        Rights::apply(host.rightsRoot());
    }

    FakeHost host;
};

QStringList governedActionNames()
{
    QStringList names;
    for (const Rights::GovernedAction& entry : Rights::table())
        names << entry.actionName;
    return names;
}

}

TEST_F(RightsTest, EveryGovernedCodeHasItsRightInTheDatabaseInTableOrder)
{
    DataSet limits;
    data.connection().load("select F_code from Limits order by F_code", limits);
    QStringList stored;
    for (int row = 0; row < limits.recordCount(); ++row)
        stored << limits.text(row, 0);
    QStringList codes;
    for (const Rights::GovernedAction& entry : Rights::table()) {
        codes << entry.code;
        EXPECT_EQ(entry.actionName, "Action" + entry.code);
    }
    EXPECT_EQ(codes, stored);
    EXPECT_EQ(codes.size(), 39);
}

TEST_F(RightsTest, AdministratorSeesEveryCommandAndTheDeveloperBoxButNoApprovalButtons)
{
    host.showEverything(false);
    applyAs("ADMIN");
    QStringList expected = governedActionNames() << "Action31" << "Action32" << "Action211";
    expected.sort();
    EXPECT_EQ(host.shownActions(), expected);
    EXPECT_EQ(host.shownMenus(), FakeHost::kMenus);
    EXPECT_TRUE(seams.messages.messages.empty());
}

TEST_F(RightsTest, OperatorWithoutGrantsSeesNoGovernedCommandAndNoneOfTheFiveMenus)
{
    addOperator("clerk", "pw");
    host.showEverything(true);
    applyAs("clerk");
    EXPECT_EQ(host.shownActions(), QStringList());
    EXPECT_EQ(host.shownMenus(), QStringList());
    EXPECT_TRUE(seams.messages.messages.empty()) << "a missing grant is no failure";
}

// One grant each: which commands and menus appear, dependent entries included.
TEST_F(RightsTest, SingleGrantsShowTheirCommandTheirMenuAndTheEntriesThatFollowThem)
{
    struct Case {
        const char* code;
        QStringList actions;
        QStringList menus;
    };
    const Case cases[] = {
        {"101", {"Action101"}, {"MenuFile"}},
        {"902", {"Action210", "Action902"}, {}},                  // the batch entry follows the detail edit
        {"210", {"Action211"}, {"MenuEdit"}},                     // right 210 alone: the batch change of department
        {"301", {"Action301", "Action31"}, {"MenuOutput"}},       // the detail export follows the list export
        {"402", {"Action402"}, {"MenuStats"}},
        {"505", {"Action505"}, {"MenuData"}},
        {"907", {"Action907"}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        const QString name = QStringLiteral("op") + c.code;
        addOperator(name, "pw", {c.code});
        host.showEverything(true);
        applyAs(name);
        QStringList actions = c.actions;
        actions.sort();
        EXPECT_EQ(host.shownActions(), actions);
        EXPECT_EQ(host.shownMenus(), c.menus);
    }
}

TEST_F(RightsTest, ANameThatIsNoOperatorGainsNoRightEvenWhenItLooksLikeAStatement)
{
    addOperator("boss", "pw", {"101", "201", "210", "301", "902"});
    host.showEverything(true);
    applyAs("x' or '1'='1");
    EXPECT_EQ(host.shownActions(), QStringList());
    EXPECT_TRUE(seams.messages.messages.empty());
}

TEST_F(RightsTest, ANameWithAQuoteGetsExactlyItsOwnGrants)
{
    addOperator("o'brien", "pw", {"201", "204"});
    applyAs("o'brien");
    EXPECT_EQ(host.shownActions(), (QStringList{"Action201", "Action204"}));
    EXPECT_EQ(host.shownMenus(), QStringList{"MenuEdit"});
    EXPECT_TRUE(seams.messages.messages.empty());
}

TEST_F(RightsTest, DetailPaneEntriesAreSetAgainFromTheirArchiveListRights)
{
    addOperator("clerk", "pw", {"204", "301", "905"});
    Session::current().operatorName = "clerk";
    host.showEverything(false);
    host.action("Action901")->setVisible(true);
    host.action("Action905")->setVisible(true);
    Rights::applyToDetailPane(host.rightsRoot());
    EXPECT_EQ(host.shownActions(), (QStringList{"Action31", "Action901", "Action904"}))
        << "905 follows right 205, which clerk lacks, not right 905; 901 is left alone";

    Session::current().operatorName = "admin";
    host.showEverything(false);
    Rights::applyToDetailPane(host.rightsRoot());
    EXPECT_EQ(host.shownActions(), (QStringList{"Action31", "Action904", "Action905", "Action906"}));
}
