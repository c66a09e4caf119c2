#include "app/DatabaseOpener.h"
#include "app/IniSettings.h"
#include "app/TfrmSplash.h"
#include "db/DataModule.h"
#include "support/Scripted.h"
#include "support/TempProgram.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

TEST(Startup, OpensTheDatabaseBesideTheProgramWithoutAskingOrWritingSettings)
{
    TempProgram program;
    ScriptedSeams seams;
    TdmData data;
    TfrmSplash* splash = new TfrmSplash;
    EXPECT_TRUE(DatabaseOpener(data, splash).open());
    EXPECT_TRUE(data.connected());
    ASSERT_NE(splash, nullptr);
    EXPECT_EQ(splash->line(), QStringLiteral("连接成功，正在登录 ..."));
    EXPECT_TRUE(seams.files.requests.empty());
    EXPECT_FALSE(QFile::exists(program.file("config.ini")));
    delete splash;
}

TEST(Startup, RecoveryAsksForTheFolderUntilAnOpenSucceeds)
{
    TempProgram program(false);
    ScriptedSeams seams;
    // A file that is not a database, then a folder holding a real one (chosen by another file name).
    QDir().mkpath(program.file("bad"));
    QFile junk(program.file("bad/Dossara.mdb"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a database");
    junk.close();
    TempProgram::copyFreshDatabase(program.file("good/Dossara.mdb"));
    seams.files.answers = {program.file("bad/Dossara.mdb"), program.file("good/other.MDB")};

    TdmData data;
    TfrmSplash* splash = new TfrmSplash;
    EXPECT_TRUE(DatabaseOpener(data, splash).open());
    EXPECT_TRUE(data.connected());
    ASSERT_EQ(seams.files.requests.size(), 2u) << "asked after the missing file and after the file that is not a database";
    for (const auto& request : seams.files.requests) {
        EXPECT_EQ(request.title, QStringLiteral("连接网络数据库"));
        EXPECT_EQ(request.filter, QStringLiteral("Access数据库|*.MDB"));
        EXPECT_EQ(request.start, program.path());
    }
    EXPECT_TRUE(seams.messages.messages.empty()) << "recovery shows no error text";
    EXPECT_EQ(IniSettings(program.file("config.ini")).readString("config", "ds"),
              QDir(program.file("good")).absolutePath() + QDir::separator());
    EXPECT_EQ(data.connection().databaseFile(), program.file("good/Dossara.mdb"));
    delete splash;
}

TEST(Startup, CancellingTheRecoveryEndsWithoutAConnection)
{
    TempProgram program(false);
    ScriptedSeams seams;
    TdmData data;
    TfrmSplash* splash = new TfrmSplash;
    EXPECT_FALSE(DatabaseOpener(data, splash).open());
    EXPECT_FALSE(data.connected());
    EXPECT_EQ(splash, nullptr) << "the splash window is gone once the dialog was shown";
    EXPECT_FALSE(QFile::exists(program.file("data/Dossara.mdb"))) << "opening never creates a database";
}

TEST(Startup, NetworkDataCommandOnlyStoresTheChosenFolder)
{
    TempProgram program;
    ScriptedSeams seams;
    TdmData data;
    TfrmSplash* splash = nullptr;
    ASSERT_TRUE(DatabaseOpener(data, splash).open());
    seams.files.answers = {"/mnt/share/x.mdb"};
    chooseNetworkDataFolder(data);
    EXPECT_EQ(data.settings().readString("config", "ds"), QStringLiteral("/mnt/share/"));
    EXPECT_TRUE(data.connection().isOpen());
    EXPECT_EQ(data.connection().databaseFile(), program.databaseFile());
}
