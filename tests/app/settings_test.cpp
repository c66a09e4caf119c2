#include "app/IniSettings.h"
#include "db/DataModule.h"
#include "support/TempProgram.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>

#include <gtest/gtest.h>

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}

TEST(IniSettings, MissingFileSectionOrKeyGivesTheDefaultAndWritesNothing)
{
    TempProgram program(false);
    const QString path = program.file("config.ini");
    IniSettings settings(path);
    EXPECT_EQ(settings.readString("config", "ds", "x"), QStringLiteral("x"));
    EXPECT_EQ(settings.readInteger("config", "ibak", 0), 0);
    EXPECT_FALSE(settings.readBool("sys", "bZDDAcode"));
    EXPECT_FALSE(QFile::exists(path));
}

TEST(IniSettings, SectionsAndKeysIgnoreCaseAndWritesGoToTheFileAtOnce)
{
    TempProgram program(false);
    const QString path = program.file("config.ini");
    writeFile(path, "[config]\r\nds=/data/\r\n[Config]\r\nCurOperName=张三\r\n[sys]\r\nbZDDAcode=1\r\n[set]\r\nawokeday=abc\r\n");
    IniSettings settings(path);
    EXPECT_EQ(settings.readString("CONFIG", "DS"), QStringLiteral("/data/"));
    EXPECT_EQ(settings.readString("config", "curopername"), QStringLiteral("张三"));
    EXPECT_TRUE(settings.readBool("SYS", "bzddacode"));
    EXPECT_EQ(settings.readInteger("set", "awokeday", 7), 7) << "a value that is not an integer reads as the default";

    ASSERT_TRUE(settings.writeInteger("Config", "IBAK", 2));
    ASSERT_TRUE(settings.writeString("config", "CurOperName", "李四"));
    ASSERT_TRUE(settings.writeBool("set", "awokeflag", true));
    IniSettings reread(path);
    EXPECT_EQ(reread.readInteger("config", "ibak"), 2);
    EXPECT_EQ(reread.readString("CONFIG", "curopername"), QStringLiteral("李四"));
    EXPECT_EQ(reread.readString("set", "awokeflag"), QStringLiteral("1"));
    EXPECT_EQ(readFile(path).count("[config]") + readFile(path).count("[Config]"), 2) << "no section is written twice";
}

TEST(IniSettings, ReadsAFileWrittenInGbkAndRewritesItInUtf8)
{
    TempProgram program(false);
    const QString path = program.file("config.ini");
    QStringEncoder gbk("GB18030");
    ASSERT_TRUE(gbk.isValid());
    writeFile(path, QByteArray(gbk.encode(QStringLiteral("[Config]\r\nCurOperName=管理员\r\n"))));
    IniSettings settings(path);
    EXPECT_EQ(settings.readString("config", "CurOperName"), QStringLiteral("管理员"));
    settings.writeInteger("config", "ibak", 1);
    EXPECT_TRUE(readFile(path).contains(QStringLiteral("管理员").toUtf8()));
}

TEST(DataFolder, BlankFolderMeansTheDataFolderBesideTheProgramAndOtherValuesAreUsedAsStored)
{
    TempProgram program(false);
    const QString beside = QDir::cleanPath(program.file("data")) + QDir::separator() + "Dossara.mdb";
    struct Case {
        QByteArray ds;
        QString expected;
    } cases[] = {
        {"", beside},
        {"   ", beside},
        {"/srv/archive/", "/srv/archive/Dossara.mdb"},
        {" /srv/archive/ ", " /srv/archive/ Dossara.mdb"},
        {"/srv/archive", "/srv/archiveDossara.mdb"},
    };
    for (const Case& c : cases) {
        writeFile(program.file("config.ini"), "[config]\nds=" + c.ds + "\n");
        TdmData data;
        EXPECT_EQ(data.databaseFile(), c.expected) << c.ds.constData();
    }
}
