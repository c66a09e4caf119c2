#include "main/MainFixture.h"

#include <QTimer>

namespace {

class WiringTest : public MainWindowTest {
protected:
    // The class of the modal window a command opens (cancelled at once), or empty.
    QString modalOpenedBy(const char* actionName)
    {
        QString opened;
        QTimer::singleShot(0, [&opened] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                opened = QString::fromLatin1(dialog->metaObject()->className());
                dialog->reject();
            }
        });
        action(actionName)->trigger();
        return opened;
    }
};

}

TEST_F(WiringTest, NewModifyAndCopyOpenTheArchiveEditor)
{
    addArchive({.code = "0001", .name = "甲"});
    showWindow();
    for (const char* command : {"Action201", "Action202", "Action207"})
        EXPECT_EQ(modalOpenedBy(command), QStringLiteral("TfrmDangAnEdit")) << command;
}

TEST_F(WiringTest, DeleteRemovesTheCurrentArchiveAfterYes)
{
    addArchive({.code = "0001", .name = "甲"});
    addArchive({.code = "0002", .name = "乙"});
    showWindow();
    window->archives().first();
    seams.messages.answers = {MessNo};
    action("Action203")->trigger();
    EXPECT_EQ(listedCodes(), QStringList({"0001", "0002"}));

    seams.messages.answers = {MessYes};
    action("Action203")->trigger();
    EXPECT_EQ(listedCodes(), QStringList({"0002"}));
    EXPECT_EQ(data.integerValue("select count(*) from t_Files"), 1);
    EXPECT_EQ(countLabel(), QStringLiteral("档案总数： 1 个"));
}
