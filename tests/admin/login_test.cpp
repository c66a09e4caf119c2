#include "AdminFixture.h"

#include "admin/Login.h"
#include "admin/TfrmOperLogin.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <memory>

namespace {

const QString kWrongPassword = QStringLiteral("用户名或密码不正确，请重新输入！");

class LoginTest : public AdminTest {
protected:
    std::unique_ptr<TfrmOperLogin> openLogin(LoginMode mode)
    {
        auto window = std::make_unique<TfrmOperLogin>(mode, host);
        window->show();
        return window;
    }
    void tryLogin(TfrmOperLogin& window, const QString& name, const QString& password)
    {
        retype(window.nameBox()->lineEdit(), name);
        retype(window.passwordBox(), password);
        QTest::mouseClick(window.okButton(), Qt::LeftButton);
    }
    static bool accepted(const TfrmOperLogin& window) { return !window.isVisible() && window.result() == QDialog::Accepted; }
    static bool rejected(const TfrmOperLogin& window) { return !window.isVisible() && window.result() == QDialog::Rejected; }

    void logInAsAdministrator()
    {
        startSession("admin", host);
        seams.messages.clear();
    }

    FakeHost host;
};

}

TEST_F(LoginTest, AdministratorLogsInWithTheEmptyPasswordByKeyboardAlone)
{
    host.showEverything(false);
    auto window = openLogin(LoginMode::FirstLogin);
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    ASSERT_TRUE(window->nameBox()->hasFocus()) << "no name proposed: the name box has the focus";

    QTest::keyClicks(window->nameBox()->lineEdit(), "admin");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(window->passwordBox()->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(window->okButton()->hasFocus()) << "Enter on the last field moves on to the OK button";
    ASSERT_TRUE(window->isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

    EXPECT_TRUE(accepted(*window));
    EXPECT_EQ(Session::current().operatorName, "admin");
    EXPECT_EQ(proposedName(), "admin");
    EXPECT_EQ(host.started, 1);
    EXPECT_TRUE(host.shown("Action32"));
    EXPECT_TRUE(logRows().empty()) << "a successful login writes no log entry";
    EXPECT_TRUE(seams.messages.messages.empty());
}

TEST_F(LoginTest, WindowListsTheOperatorsProposesTheLastNameAndMasksThePassword)
{
    addOperator("clerk", "pw");
    addOperator("   ", "pw");
    data.settings().writeString("Config", "CurOperName", "clerk");
    auto window = openLogin(LoginMode::FirstLogin);

    EXPECT_EQ(window->windowTitle(), "登录窗口");
    EXPECT_FALSE(window->windowFlags() & Qt::WindowCloseButtonHint);
    QStringList names;
    for (int i = 0; i < window->nameBox()->count(); ++i)
        names << window->nameBox()->itemText(i);
    EXPECT_EQ(names, (QStringList{"admin", "clerk"})) << "blank names are left out";
    EXPECT_TRUE(window->nameBox()->isEditable());
    EXPECT_EQ(window->nameBox()->currentText(), "clerk");
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_TRUE(window->passwordBox()->hasFocus()) << "a proposed name leaves only the password to type";
    EXPECT_EQ(window->passwordBox()->text(), "");
    EXPECT_EQ(window->passwordBox()->echoMode(), QLineEdit::Password);
    EXPECT_EQ(passwordCharacter(window->passwordBox()), u'*');
    EXPECT_EQ(window->okButton()->text(), "确定");
    EXPECT_EQ(window->cancelButton()->text(), "取消");
    QStringList labels;
    for (QLabel* label : window->findChildren<QLabel*>())
        labels << label->text();
    EXPECT_TRUE(labels.contains("请输入正确的操作员编号及密码，系统管理员编号“admin”，系统初始密码为空："));
    EXPECT_TRUE(labels.contains("姓  名："));
    EXPECT_TRUE(labels.contains("密  码："));
}

TEST_F(LoginTest, RefusedNamesShowTheirMessageAndNeverUseUpATry)
{
    addOperator("frozen", "pw", {"101"}, true);
    struct Case {
        const char* name;
        const char* password;
        const char* message;
    };
    const Case cases[] = {
        {"", "", "请选择用户！"},
        {"   ", "", "请选择用户！"},
        {"nobody", "", "此操作员并不存在，请重新选择操作员！"},
        {"x' or '1'='1", "", "此操作员并不存在，请重新选择操作员！"},
        {"admin' --", "wrong", "此操作员并不存在，请重新选择操作员！"},
        {"frozen", "pw", "此操作员已被禁用，不能登录！"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        seams.messages.clear();
        auto window = openLogin(LoginMode::FirstLogin);
        for (int attempt = 0; attempt < LoginAttempts::kTries + 1; ++attempt)
            tryLogin(*window, c.name, c.password);
        ASSERT_EQ(seams.messages.messages.size(), 5u);
        for (const RecordedMessage& message : seams.messages.messages) {
            EXPECT_EQ(message.text, c.message);
            EXPECT_EQ(message.kind, MessNotice);
        }
        EXPECT_TRUE(window->isVisible()) << "five refusals, and the window still waits";
        EXPECT_EQ(Session::current().operatorName, "");
        EXPECT_EQ(host.started, 0);
        EXPECT_TRUE(logRows().empty());

        tryLogin(*window, "admin", "");
        EXPECT_TRUE(accepted(*window));
        Session::current() = Session{};
        host.started = 0;
    }
}

TEST_F(LoginTest, FourthWrongPasswordEndsTheFirstLoginAndIsLoggedWithoutAnOperator)
{
    addOperator("clerk", "secret");
    auto window = openLogin(LoginMode::FirstLogin);
    tryLogin(*window, "clerk", "guess");
    for (int again = 2; again <= 3; ++again) {
        EXPECT_EQ(window->nameBox()->currentText(), "clerk");
        EXPECT_EQ(window->passwordBox()->text(), "guess") << "both boxes keep what was typed";
        QTest::mouseClick(window->okButton(), Qt::LeftButton);
    }
    ASSERT_EQ(seams.messages.texts(), QStringList(3, kWrongPassword));
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(logRows().empty());

    QTest::mouseClick(window->okButton(), Qt::LeftButton);
    ASSERT_EQ(seams.messages.messages.size(), 4u);
    EXPECT_EQ(seams.messages.messages.back().text, "非法操作员!");
    EXPECT_EQ(seams.messages.messages.back().kind, MessFailure);
    EXPECT_TRUE(rejected(*window));
    const auto rows = logRows();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].name, "");
    EXPECT_EQ(rows[0].operation, "登录失败！");
    EXPECT_EQ(rows[0].date, "2026-12-11");
    EXPECT_EQ(rows[0].time, "10:00:00");
    EXPECT_EQ(Session::current().operatorName, "");
    EXPECT_EQ(host.started, 0);
}

TEST_F(LoginTest, ChangeOfOperatorGivenUpAfterFourTriesKeepsThePreviousSession)
{
    logInAsAdministrator();
    addOperator("clerk", "secret", {"201"});
    auto window = openLogin(LoginMode::ChangeOfOperator);
    EXPECT_EQ(window->nameBox()->currentText(), "admin");
    for (const char* guess : {"a", "b", "c", "d"})
        tryLogin(*window, "clerk", guess);

    EXPECT_EQ(seams.messages.texts(), (QStringList{kWrongPassword, kWrongPassword, kWrongPassword, "更换操作员失败!"}));
    EXPECT_EQ(seams.messages.messages.back().kind, MessFailure);
    EXPECT_TRUE(rejected(*window));
    const auto rows = logRows();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].name, "admin");
    EXPECT_EQ(rows[0].operation, "更换操作员失败！");
    EXPECT_EQ(Session::current().operatorName, "admin");
    EXPECT_EQ(proposedName(), "admin");
    EXPECT_EQ(host.started, 1);
    EXPECT_TRUE(host.shown("Action32")) << "the administrator's commands stay";
}

TEST_F(LoginTest, ChangeOfOperatorReplacesTheSessionAndTheRights)
{
    logInAsAdministrator();
    addOperator("clerk", "secret", {"201"});
    auto window = openLogin(LoginMode::ChangeOfOperator);
    tryLogin(*window, "clerk", "a");
    tryLogin(*window, "clerk", "b");
    tryLogin(*window, "clerk", "c");
    tryLogin(*window, "clerk", "secret");

    EXPECT_TRUE(accepted(*window)) << "a right password on the fourth try still counts";
    EXPECT_EQ(Session::current().operatorName, "clerk");
    EXPECT_EQ(proposedName(), "clerk");
    EXPECT_EQ(host.started, 2);
    EXPECT_EQ(host.startedFor, "clerk");
    EXPECT_EQ(host.shownActions(), QStringList{"Action201"});
    EXPECT_TRUE(logRows().empty());
}

TEST_F(LoginTest, OnlyTheButtonsEndTheWindowAndCancelLeavesTheSessionAlone)
{
    for (LoginMode mode : {LoginMode::FirstLogin, LoginMode::ChangeOfOperator}) {
        SCOPED_TRACE(static_cast<int>(mode));
        Session::current() = Session{};
        if (mode == LoginMode::ChangeOfOperator)
            logInAsAdministrator();
        const QString before = Session::current().operatorName;
        const int startedBefore = host.started;

        auto window = openLogin(mode);
        EXPECT_FALSE(window->close()) << "the window system's close is ignored";
        QTest::keyClick(window.get(), Qt::Key_F4, Qt::AltModifier);
        EXPECT_TRUE(window->isVisible());
        retype(window->nameBox()->lineEdit(), "admin");
        QTest::mouseClick(window->cancelButton(), Qt::LeftButton);
        EXPECT_TRUE(rejected(*window));

        auto escaped = openLogin(mode);
        QTest::keyClick(escaped->passwordBox(), Qt::Key_Escape);
        EXPECT_TRUE(rejected(*escaped)) << "Esc presses Cancel";

        EXPECT_EQ(Session::current().operatorName, before);
        EXPECT_EQ(host.started, startedBefore);
    }
    EXPECT_TRUE(seams.messages.messages.empty());
    EXPECT_TRUE(logRows().empty());
}

TEST_F(LoginTest, PasswordMustBeTypedExactlyAndAWrongTryBeforeTheLastDoesNotEndIt)
{
    addOperator("clerk", "Pass ");
    auto window = openLogin(LoginMode::FirstLogin);
    for (const char* near : {"Pass", "pass ", " Pass "})
        tryLogin(*window, "clerk", near);
    EXPECT_EQ(seams.messages.texts(), QStringList(3, kWrongPassword));
    tryLogin(*window, "clerk", "Pass ");
    EXPECT_TRUE(accepted(*window));
    EXPECT_EQ(Session::current().operatorName, "clerk");
}

TEST_F(LoginTest, CapitalisedAdminWithATrailingBlankIsTheAdministrator)
{
    host.showEverything(false);
    auto window = openLogin(LoginMode::FirstLogin);
    tryLogin(*window, "Admin ", "");
    EXPECT_TRUE(accepted(*window));
    EXPECT_EQ(Session::current().operatorName, "Admin");
    EXPECT_EQ(proposedName(), "Admin");
    EXPECT_TRUE(host.shown("Action32"));
    EXPECT_TRUE(host.shown("Action907"));
    EXPECT_EQ(host.shownMenus(), FakeHost::kMenus);
}

TEST_F(LoginTest, AnOperatorWhoseNameHoldsAQuoteLogsInWithHisOwnRow)
{
    addOperator("o'brien", "pw", {"201"});
    data.connection().execute("update OperList set F_dept = '档案室', F_deptFlag = 1 where F_Name = :name", {{"name", "o'brien"}});
    auto window = openLogin(LoginMode::FirstLogin);
    tryLogin(*window, "o'brien", "pw");
    EXPECT_TRUE(accepted(*window));
    EXPECT_EQ(Session::current().operatorName, "o'brien");
    EXPECT_EQ(Session::current().department, "档案室");
    EXPECT_EQ(Session::current().restrictionMode, 1);
    EXPECT_EQ(host.shownActions(), QStringList{"Action201"});
    EXPECT_TRUE(seams.messages.messages.empty()) << "no statement failed";
}

TEST_F(LoginTest, RunOpensTheWindowModallyAndTellsWhetherTheLoginSucceeded)
{
    const auto drive = [this](const char* password, bool cancel) {
        QTimer::singleShot(0, [=, this] {
            auto* window = qobject_cast<TfrmOperLogin*>(QApplication::activeModalWidget());
            ASSERT_NE(window, nullptr);
            if (cancel)
                QTest::mouseClick(window->cancelButton(), Qt::LeftButton);
            else
                tryLogin(*window, "admin", password);
        });
    };
    drive("", true);
    EXPECT_FALSE(TfrmOperLogin::run(LoginMode::FirstLogin, host));
    drive("", false);
    EXPECT_TRUE(TfrmOperLogin::run(LoginMode::FirstLogin, host));
    EXPECT_EQ(Session::current().operatorName, "admin");
}

// ---- the session a correct login establishes ----

class SessionSetupTest : public AdminTest {
protected:
    void replaceSystemValues(int rows)
    {
        data.connection().execute("delete from KeyValue");
        // Inserted backwards with gaps: only the F_ID order counts.
        for (int n = rows; n >= 1; --n)
            data.connection().execute("insert into KeyValue(F_ID,F_Value) values(:id,:value)",
                                      {{"id", n * 10}, {"value", QStringLiteral("v%1").arg(n)}});
    }

    FakeHost host;
};

TEST_F(SessionSetupTest, TakesCompanyDepartmentAndSwitchesThenTellsTheHost)
{
    data.connection().execute("update SysInfo set F_Code = '华东档案馆'");
    addOperator("clerk", "pw");
    data.connection().execute("update OperList set F_dept = 'A', F_deptQX = '''A'',''B''', F_deptFlag = 2 where F_Name = 'clerk'");
    data.settings().writeBool("sys", "bZDDAcode", true);
    Session::current().approvalFlag = true;

    startSession("clerk", host);
    const Session& session = Session::current();
    EXPECT_EQ(session.operatorName, "clerk");
    EXPECT_EQ(session.companyName, "华东档案馆");
    EXPECT_EQ(session.department, "A");
    EXPECT_EQ(session.departmentList, "'A','B'");
    EXPECT_EQ(session.restrictionMode, 2);
    EXPECT_TRUE(session.autoArchiveCode);
    EXPECT_FALSE(session.approvalFlag);
    EXPECT_EQ(session.systemValue(1), "字符项一");
    EXPECT_EQ(proposedName(), "clerk");
    EXPECT_EQ(host.started, 1);
    EXPECT_EQ(host.startedFor, "clerk") << "the host hears of the session once it is set up";
    EXPECT_FALSE(host.shown("tbSH"));
    EXPECT_FALSE(host.shown("tbPZ"));

    data.settings().writeBool("sys", "bZDDAcode", false);
    startSession("ghost", host);
    EXPECT_EQ(session.department, "") << "no operator row: no restriction";
    EXPECT_EQ(session.departmentList, "");
    EXPECT_EQ(session.restrictionMode, 0);
    EXPECT_FALSE(session.autoArchiveCode);
}

TEST_F(SessionSetupTest, SystemValuesComeByPositionAndMissingRowsKeepEarlierValues)
{
    struct Case {
        int rows;
        int readFromTable; // values 1..readFromTable come from the table
    };
    for (const Case c : {Case{7, 7}, Case{20, 15}, Case{0, 0}}) {
        SCOPED_TRACE(c.rows);
        for (int n = 1; n <= 15; ++n)
            Session::current().systemValues[n - 1] = QStringLiteral("old%1").arg(n);
        replaceSystemValues(c.rows);

        startSession("admin", host);
        QStringList expected;
        for (int n = 1; n <= 15; ++n)
            expected << (n <= c.readFromTable ? QStringLiteral("v%1") : QStringLiteral("old%1")).arg(n);
        EXPECT_EQ(Session::current().systemValues, expected);
    }
}
