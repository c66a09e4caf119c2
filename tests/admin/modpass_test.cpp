#include "AdminFixture.h"

#include "admin/TfrmModPass.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include <memory>

namespace {

class ModPassTest : public AdminTest {
protected:
    ModPassTest()
    {
        addOperator("clerk", "old");
        Session::current().operatorName = "clerk";
    }
    std::unique_ptr<TfrmModPass> openWindow()
    {
        auto window = std::make_unique<TfrmModPass>();
        window->show();
        return window;
    }
    void change(TfrmModPass& window, const QString& oldPassword, const QString& newPassword, const QString& repeated)
    {
        retype(window.oldPasswordBox(), oldPassword);
        retype(window.newPasswordBox(), newPassword);
        retype(window.repeatedBox(), repeated);
        QTest::mouseClick(window.okButton(), Qt::LeftButton);
    }
    bool passwordIs(const QString& plain) { return CheckPass(plain, storedPassword("clerk")); }
};

}

TEST_F(ModPassTest, WindowNamesTheOperatorAndMasksEveryBox)
{
    auto window = openWindow();
    EXPECT_EQ(window->windowTitle(), "更改密码");
    QStringList labels;
    for (QLabel* label : window->findChildren<QLabel*>())
        labels << label->text();
    for (const char* text : {"更改登录密码", "当前操作员：clerk ", "旧 密 码：", "新 密 码：", "再输一遍："})
        EXPECT_TRUE(labels.contains(text)) << text;
    for (QLineEdit* box : {window->oldPasswordBox(), window->newPasswordBox(), window->repeatedBox()}) {
        EXPECT_EQ(box->echoMode(), QLineEdit::Password);
        EXPECT_EQ(passwordCharacter(box), u'*');
    }
    EXPECT_EQ(window->okButton()->text(), "确定(&O)");
    EXPECT_EQ(window->cancelButton()->text(), "取消(&C)");
}

TEST_F(ModPassTest, EveryOkShowsItsVerdictClosesTheWindowAndStoresOnlyWhatWasTypedTwice)
{
    struct Case {
        const char* oldPassword;
        const char* newPassword;
        const char* repeated;
        const char* message;
        int kind;
        const char* passwordAfter;
    };
    const Case cases[] = {
        {"old", "new1", "new1", "更改口令成功！", MessNotice, "new1"},
        {"OLD", "new1", "new1", "旧口令输入错误，不能更改！", MessRefusal, "old"},
        {"old ", "new1", "new1", "旧口令输入错误，不能更改！", MessRefusal, "old"},
        {"old", "abc ", "abc", "新口令错误，不能更改！", MessNotice, "old"},
        {"old", "abc", "Abc", "新口令错误，不能更改！", MessNotice, "old"},
        {"old", "abc ", "abc ", "更改口令成功！", MessNotice, "abc "},
        {"old", "", "", "更改口令成功！", MessNotice, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1/%2/%3").arg(c.oldPassword, c.newPassword, c.repeated).toStdString());
        data.connection().execute("update OperList set F_PassWord = :stored where F_Name = 'clerk'", {{"stored", SavePass("old")}});
        seams.messages.clear();
        auto window = openWindow();
        change(*window, c.oldPassword, c.newPassword, c.repeated);

        ASSERT_EQ(seams.messages.messages.size(), 1u);
        EXPECT_EQ(seams.messages.messages[0].text, c.message);
        EXPECT_EQ(seams.messages.messages[0].kind, c.kind);
        EXPECT_FALSE(window->isVisible()) << "the window closes after every OK";
        EXPECT_TRUE(passwordIs(c.passwordAfter));
    }
}

TEST_F(ModPassTest, AMismatchEmptiesBothNewPasswordBoxes)
{
    auto window = openWindow();
    change(*window, "old", "abc ", "abc");
    EXPECT_EQ(window->oldPasswordBox()->text(), "old");
    EXPECT_EQ(window->newPasswordBox()->text(), "");
    EXPECT_EQ(window->repeatedBox()->text(), "");
}

TEST_F(ModPassTest, CancelAndAMissingOperatorChangeNothingAndSayNothing)
{
    auto window = openWindow();
    retype(window->oldPasswordBox(), "old");
    retype(window->newPasswordBox(), "x");
    retype(window->repeatedBox(), "x");
    QTest::mouseClick(window->cancelButton(), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(passwordIs("old"));

    Session::current().operatorName = "ghost";
    auto orphan = openWindow();
    change(*orphan, "old", "x", "x");
    EXPECT_FALSE(orphan->isVisible());
    EXPECT_TRUE(passwordIs("old"));
    EXPECT_TRUE(seams.messages.messages.empty());
}

TEST_F(ModPassTest, OnlyTheCurrentOperatorsRowChangesEvenWithAQuoteInTheName)
{
    addOperator("o'brien", "old");
    Session::current().operatorName = "o'brien";
    auto window = openWindow();
    change(*window, "old", "neu", "neu");
    EXPECT_EQ(seams.messages.texts(), QStringList{"更改口令成功！"});
    EXPECT_TRUE(CheckPass("neu", storedPassword("o'brien")));
    EXPECT_TRUE(passwordIs("old")) << "clerk keeps his password";
    EXPECT_TRUE(CheckPass("", storedPassword("admin")));
}

TEST_F(ModPassTest, EnterWalksThroughTheBoxesAndPressesOk)
{
    auto window = openWindow();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    ASSERT_TRUE(window->oldPasswordBox()->hasFocus());
    for (const char* text : {"old", "kbd", "kbd"}) {
        QTest::keyClicks(QApplication::focusWidget(), text);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    EXPECT_TRUE(window->okButton()->hasFocus());
    EXPECT_TRUE(window->isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(passwordIs("kbd"));
}
