#include "db/Connection.h"
#include "db/DataSet.h"
#include "demo/DemoCommandLine.h"
#include "demo/DemoDatabase.h"
#include "demo/DemoOperators.h"
#include "demo/DemoText.h"
#include "platform/Passwords.h"
#include "support/Scripted.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <map>
#include <memory>

namespace {

const QDate kToday(2026, 12, 11);
const QString kNoDate = QStringLiteral("1900-08-14");

DemoOptions smallOptions(uint64_t seed = 7)
{
    DemoOptions options;
    options.archives = 300;
    options.seed = seed;
    options.archivesWithMedia = 60;
    return options;
}

// Makes a demo database in its own folder, with the clock standing on kToday.
class DemoFile {
public:
    explicit DemoFile(const DemoOptions& options)
    {
        ScriptedSeams seams(QDateTime(kToday, QTime(10, 0)));
        QString reason;
        created = DemoDatabase::create(path(), options, &reason);
        EXPECT_TRUE(created) << reason.toStdString();
    }
    QString path() const { return QDir(m_dir.path()).filePath(QStringLiteral("Dossara.mdb")); }
    bool created = false;

private:
    QTemporaryDir m_dir;
};

// A digest of every value of every table, in row order, leaving out the
// salted password hashes.
QByteArray digestOf(const QString& file)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(file.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    std::vector<std::string> tables;
    sqlite3_stmt* list = nullptr;
    sqlite3_prepare_v2(db, "select name from sqlite_master where type = 'table' order by name", -1, &list, nullptr);
    while (sqlite3_step(list) == SQLITE_ROW)
        tables.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(list, 0)));
    sqlite3_finalize(list);
    for (const std::string& table : tables) {
        hash.addData(QByteArray::fromStdString(table));
        sqlite3_stmt* rows = nullptr;
        sqlite3_prepare_v2(db, ("select * from " + table + " order by rowid").c_str(), -1, &rows, nullptr);
        while (sqlite3_step(rows) == SQLITE_ROW) {
            for (int c = 0; c < sqlite3_column_count(rows); ++c) {
                if (table == "OperList" && QByteArray(sqlite3_column_name(rows, c)) == "F_PassWord")
                    continue;
                const char type = static_cast<char>('0' + sqlite3_column_type(rows, c));
                hash.addData(QByteArrayView(&type, 1));
                const void* blob = sqlite3_column_blob(rows, c);
                hash.addData(QByteArrayView(static_cast<const char*>(blob), sqlite3_column_bytes(rows, c)));
                hash.addData(QByteArrayView("|", 1));
            }
        }
        sqlite3_finalize(rows);
    }
    sqlite3_close(db);
    return hash.result();
}

// One demo database shared by the tests that only read it.
class DemoContent : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_file = new DemoFile(smallOptions()); }
    static void TearDownTestSuite()
    {
        delete s_file;
        s_file = nullptr;
    }

    void SetUp() override
    {
        ASSERT_TRUE(s_file->created);
        QString reason;
        ASSERT_TRUE(m_connection.open(s_file->path(), &reason)) << reason.toStdString();
    }

    DataSet& rows(const QString& statement)
    {
        m_results.push_back(std::make_unique<DataSet>());
        m_connection.load(statement, *m_results.back());
        return *m_results.back();
    }

    QStringList column(const QString& statement)
    {
        const DataSet& set = rows(statement);
        QStringList values;
        for (int r = 0; r < set.recordCount(); ++r)
            values << set.text(r, 0);
        return values;
    }

    int count(const QString& statement) { return static_cast<int>(m_connection.scalar(statement).toLongLong()); }

    QString today(int days = 0) const { return kToday.addDays(days).toString(Qt::ISODate); }

    static DemoFile* s_file;
    Connection m_connection;
    std::vector<std::unique_ptr<DataSet>> m_results;
};

DemoFile* DemoContent::s_file = nullptr;

}

// ---------------------------------------------------------------- determinism

TEST(DemoDatabase, SameSeedAndDayGiveTheSameRowsAnotherSeedOthers)
{
    const DemoFile first(smallOptions(7));
    const DemoFile again(smallOptions(7));
    const DemoFile other(smallOptions(8));
    ASSERT_TRUE(first.created && again.created && other.created);
    EXPECT_EQ(digestOf(first.path()), digestOf(again.path()));
    EXPECT_NE(digestOf(first.path()), digestOf(other.path()));
}

TEST(DemoDatabase, RefusesToOverwriteAnExistingFile)
{
    QTemporaryDir dir;
    const QString file = QDir(dir.path()).filePath(QStringLiteral("Dossara.mdb"));
    {
        QFile existing(file);
        ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
        existing.write("someone's data");
    }
    ScriptedSeams seams;
    QString reason;
    EXPECT_FALSE(DemoDatabase::create(file, smallOptions(), &reason));
    EXPECT_FALSE(reason.isEmpty());
    QFile kept(file);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("someone's data"));
}

TEST(DemoDatabase, ATooLargeCountLeavesNoFile)
{
    QTemporaryDir dir;
    const QString file = QDir(dir.path()).filePath(QStringLiteral("Dossara.mdb"));
    DemoOptions options;
    options.archives = DemoDatabase::kMaxArchives + 1;
    QString reason;
    EXPECT_FALSE(DemoDatabase::create(file, options, &reason));
    EXPECT_FALSE(QFile::exists(file));
}

// ---------------------------------------------------------------- tree and lists

TEST_F(DemoContent, TreeHasThreeLevelsWithPathsAsTheTreeWindowWritesThem)
{
    const DataSet& tree = rows(QStringLiteral("select F_code,F_name,F_likecode,F_flag from t_treecode order by F_code"));
    ASSERT_GE(tree.recordCount(), 25);
    ASSERT_LE(tree.recordCount(), 40);
    std::map<QString, QString> pathOf;
    std::map<QString, int> childrenOf;
    QSet<int> levels;
    for (int r = 0; r < tree.recordCount(); ++r) {
        const QString code = tree.text(r, 0), name = tree.text(r, 1), path = tree.text(r, 2);
        EXPECT_EQ(tree.text(r, 3), QStringLiteral("type"));
        ASSERT_EQ(code.size() % 3, 0) << code.toStdString();
        levels.insert(static_cast<int>(code.size() / 3));
        const QString parent = code.left(code.size() - 3);
        // Codes are numbered like the tree window's next code: 001, 002, ... per parent.
        EXPECT_EQ(code.right(3).toInt(), ++childrenOf[parent]) << code.toStdString();
        if (parent.isEmpty()) {
            EXPECT_EQ(path, QStringLiteral("\\\\") + name);
        } else {
            ASSERT_TRUE(pathOf.count(parent)) << "no parent for " << code.toStdString();
            EXPECT_EQ(path, pathOf[parent] + QLatin1Char('\\') + name);
        }
        pathOf[code] = path;
    }
    EXPECT_EQ(levels, QSet<int>({1, 2, 3}));
    EXPECT_EQ(pathOf[QStringLiteral("001001001")], QStringLiteral("\\\\文书档案\\行政类\\发文"));
}

TEST_F(DemoContent, EveryCodedListIsFilled)
{
    for (const char* type : {"gddept", "empname", "bmjibie", "cfaddress", "awoketime", "txcaption"}) {
        const QStringList entries = column(
            QStringLiteral("select F_name from t_code where F_type = '%1' order by F_ID").arg(QLatin1String(type)));
        EXPECT_GE(entries.size(), 5) << type;
        for (const QString& entry : entries)
            EXPECT_FALSE(entry.trimmed().isEmpty()) << type;
    }
    EXPECT_EQ(column(QStringLiteral("select F_name from t_code where F_type = 'bmjibie' order by F_ID")),
              QStringList({"绝密", "机密", "秘密", "内部", "公开"}));
}

TEST_F(DemoContent, ColumnsThatOfferACodedListHoldItsEntries)
{
    struct Case {
        const char* table;
        const char* column;
        const char* type;
    };
    const Case cases[] = {
        {"t_Files", "F_GDdept", "gddept"},     {"t_Files", "F_GDemp", "empname"},
        {"t_Files", "F_BMjibie", "bmjibie"},   {"t_Files", "F_CFaddress", "cfaddress"},
        {"t_JYrec", "F_JYdept", "gddept"},     {"t_JYrec", "F_JYemp", "empname"},
        {"t_TXrec", "F_awokeTime", "awoketime"}, {"t_TXrec", "F_caption", "txcaption"},
        {"t_FJrec", "F_empName", "empname"},
    };
    for (const Case& c : cases) {
        const QString statement = QStringLiteral("select count(*) from %1 where %2 not in "
                                                 "(select F_name from t_code where F_type = '%3')")
                                      .arg(QLatin1String(c.table), QLatin1String(c.column), QLatin1String(c.type));
        EXPECT_EQ(count(statement), 0) << c.table << "." << c.column;
        EXPECT_GT(count(QStringLiteral("select count(*) from %1").arg(QLatin1String(c.table))), 0) << c.table;
    }
}

// ---------------------------------------------------------------- archives

TEST_F(DemoContent, EveryArchiveIsFiledInALeafOfTheTree)
{
    EXPECT_EQ(count(QStringLiteral("select count(*) from t_Files")), smallOptions().archives);
    EXPECT_EQ(count(QStringLiteral("select count(*) from t_Files where F_DAtype not in "
                                   "(select F_likecode from t_treecode where F_flag = 'type')")), 0);
    // A leaf's path begins no other path.
    EXPECT_EQ(count(QStringLiteral("select count(*) from t_Files f where exists (select 1 from t_treecode t "
                                   "where t.F_likecode like f.F_DAtype || '\\%')")), 0);
    EXPECT_GE(count(QStringLiteral("select count(distinct F_DAtype) from t_Files")), 15);
}

TEST_F(DemoContent, CodesAreAutomaticCodesNumberedWithoutGapsPerPrefixAndYear)
{
    const QStringList codes = column(QStringLiteral("select F_code from t_Files order by F_ID"));
    const QRegularExpression form(QStringLiteral("^([A-Z]{2}\\d{2}-(\\d{4}))-(\\d{4})$"));
    std::map<QString, QList<int>> numbersOf;
    for (const QString& code : codes) {
        const QRegularExpressionMatch match = form.match(code);
        ASSERT_TRUE(match.hasMatch()) << code.toStdString();
        EXPECT_GE(match.captured(2).toInt(), kToday.year() - 18);
        EXPECT_LE(match.captured(2).toInt(), kToday.year());
        numbersOf[match.captured(1)] << match.captured(3).toInt();
    }
    for (const auto& [prefix, numbers] : numbersOf) {
        for (int i = 0; i < numbers.size(); ++i)
            EXPECT_EQ(numbers[i], i + 1) << prefix.toStdString();
    }
}

TEST_F(DemoContent, GroupKeysAreMostlyOwnAndAtMostSharedByTwo)
{
    EXPECT_EQ(count(QStringLiteral("select count(*) from t_Files where F_mainID is null or F_mainID < 1")), 0);
    EXPECT_EQ(count(QStringLiteral("select count(*) from (select F_mainID from t_Files group by F_mainID "
                                   "having count(*) > 2)")), 0);
    const int shared = count(QStringLiteral("select count(*) from (select F_mainID from t_Files group by F_mainID "
                                            "having count(*) = 2)"));
    EXPECT_GE(shared, 1);
    EXPECT_LE(shared, smallOptions().archives / 20);
    for (const char* table : {"t_JYrec", "t_TXrec", "t_TPrec", "t_FJrec"}) {
        EXPECT_EQ(count(QStringLiteral("select count(*) from %1 where F_mainID not in (select F_mainID from t_Files)")
                            .arg(QLatin1String(table))), 0) << table;
    }
}

TEST_F(DemoContent, ArchiveValuesHaveTheirStoredForms)
{
    const DataSet& archives = rows(QStringLiteral(
        "select F_GDdate,F_DAnum,F_JCnum,F_editDate,F_DZpath,F_DZdx,F_RQ1,F_SZ2,F_name from t_Files"));
    const QRegularExpression size(QStringLiteral("^(\\d{1,3}(,\\d{3})* KB|\\d+\\.\\d\\d MB)$"));
    int undated = 0, lent = 0, withDocument = 0;
    for (int r = 0; r < archives.recordCount(); ++r) {
        const QString filed = archives.text(r, 0);
        if (filed == kNoDate) {
            ++undated;
        } else {
            EXPECT_TRUE(QDate::fromString(filed, Qt::ISODate).isValid()) << filed.toStdString();
            EXPECT_LE(filed, today());
        }
        const int copies = archives.text(r, 1).toInt(), out = archives.text(r, 2).toInt();
        EXPECT_GE(copies, 1);
        EXPECT_LE(out, copies);
        lent += out > 0;
        EXPECT_LE(archives.text(r, 3), today());
        if (!archives.text(r, 4).isEmpty()) {
            ++withDocument;
            EXPECT_TRUE(size.match(archives.text(r, 5)).hasMatch()) << archives.text(r, 5).toStdString();
        }
        EXPECT_TRUE(archives.text(r, 6) == kNoDate || QDate::fromString(archives.text(r, 6), Qt::ISODate).isValid());
        EXPECT_GE(archives.realValue(r, 7), 1);
        EXPECT_LE(archives.text(r, 8).size(), 50);
    }
    EXPECT_GT(undated, 0);
    EXPECT_LT(undated, archives.recordCount() / 5);
    EXPECT_GT(lent, 0);
    EXPECT_GT(withDocument, 0);
}

TEST_F(DemoContent, CustomItemsAreNamedAndSomeFilled)
{
    const QStringList names = column(QStringLiteral("select F_Value from KeyValue order by F_ID"));
    ASSERT_GE(names.size(), 11);
    EXPECT_EQ(names[0], QStringLiteral("项目编号"));
    EXPECT_EQ(names[4], QStringLiteral("字符项五"));
    EXPECT_GT(count(QStringLiteral("select count(*) from t_Files where F_ZF1 <> ''")), 0);
    EXPECT_GT(count(QStringLiteral("select count(*) from t_Files where F_SZ1 > 0")), 0);
    EXPECT_GT(count(QStringLiteral("select count(*) from t_Files where F_RQ1 <> '1900-08-14'")), 0);
    EXPECT_FALSE(m_connection.scalar(QStringLiteral("select F_Code from SysInfo")).toString().isEmpty());
}

// ---------------------------------------------------------------- borrowings and reminders

TEST_F(DemoContent, BorrowingsAreReturnedOutDueSoonOverdueAndWithoutDueDate)
{
    struct State {
        const char* what;
        QString condition;
    };
    const QString out = QStringLiteral("F_GHdate = '1900-08-14' and ");
    const State states[] = {
        {"returned", QStringLiteral("F_GHdate > '1901-08-14'")},
        {"due within a week", out + QStringLiteral("F_GHqiXian between '%1' and '%2'").arg(today(), today(7))},
        {"due later", out + QStringLiteral("F_GHqiXian > '%1'").arg(today(7))},
        {"overdue", out + QStringLiteral("F_GHqiXian > '1901-08-14' and F_GHqiXian < '%1'").arg(today())},
        {"out without due date", out + QStringLiteral("F_GHqiXian = '1900-08-14'")},
    };
    for (const State& state : states)
        EXPECT_GT(count(QStringLiteral("select count(*) from t_JYrec where ") + state.condition), 0) << state.what;

    EXPECT_EQ(count(QStringLiteral("select count(*) from t_JYrec where F_GHdate > '1901-08-14' and "
                                   "(F_GHdate < F_JYdate or F_GHdate > '%1')").arg(today())), 0);
    EXPECT_EQ(count(QStringLiteral("select count(*) from t_JYrec where F_JYdate > '%1'").arg(today())), 0);
    EXPECT_EQ(count(QStringLiteral("select count(*) from t_JYrec where (F_PZemp = '') <> (F_PZdate = '1900-08-14')")), 0);
}

TEST_F(DemoContent, RemindersLieAroundToday)
{
    const QString from = today(-30), to = today(60);
    EXPECT_EQ(count(QStringLiteral("select count(*) from t_TXrec where F_awokeDate < '%1' or F_awokeDate > '%2'")
                        .arg(from, to)), 0);
    EXPECT_GT(count(QStringLiteral("select count(*) from t_TXrec where F_awokeDate = '%1'").arg(today())), 0);
    EXPECT_GT(count(QStringLiteral("select count(*) from t_TXrec where F_awokeDate > '%1' and F_awokeDate <= '%2'")
                        .arg(today(), today(7))), 0);
    EXPECT_GT(count(QStringLiteral("select count(*) from t_TXrec where F_awokeDate < '%1'").arg(today())), 0);
    const QRegularExpression moment(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d$"));
    for (const QString& entered : column(QStringLiteral("select F_editDate from t_TXrec")))
        EXPECT_TRUE(moment.match(entered).hasMatch()) << entered.toStdString();
}

// ---------------------------------------------------------------- images and attachments

TEST_F(DemoContent, ImagesDecodeAsTheirExtensionSays)
{
    const DataSet& images = rows(QStringLiteral("select F_FileExt,F_HTimage,F_FileName from t_TPrec"));
    ASSERT_GT(images.recordCount(), 0);
    QSet<QString> extensions;
    for (int r = 0; r < images.recordCount(); ++r) {
        const QString extension = images.text(r, 0);
        const QByteArray bytes = images.bytes(r, 1);
        extensions.insert(extension);
        const bool bitmap = extension == QLatin1String(".bmp");
        EXPECT_TRUE(bitmap ? bytes.startsWith("BM") : bytes.startsWith("\xFF\xD8")) << extension.toStdString();
        EXPECT_FALSE(QImage::fromData(bytes, bitmap ? "BMP" : "JPEG").isNull()) << extension.toStdString();
        EXPECT_FALSE(images.text(r, 2).contains(QLatin1Char('.')));
    }
    EXPECT_TRUE(extensions.contains(QStringLiteral(".jpg")));
    EXPECT_TRUE(extensions.contains(QStringLiteral(".bmp")));
}

TEST_F(DemoContent, AttachmentBytesAreFilesOfTheirType)
{
    const DataSet& files = rows(QStringLiteral(
        "select a.F_fileExt,a.F_fileOLE,a.F_fileName,f.F_code from t_FJrec a join t_Files f on f.F_mainID = a.F_mainID"));
    QSet<QString> extensions;
    for (int r = 0; r < files.recordCount(); ++r) {
        const QString extension = files.text(r, 0);
        const QByteArray bytes = files.bytes(r, 1);
        extensions.insert(extension);
        EXPECT_TRUE(files.text(r, 2).endsWith(extension));
        if (extension == QLatin1String(".txt")) {
            EXPECT_TRUE(QString::fromUtf8(bytes).contains(QStringLiteral("档案编号：") + files.text(r, 3)));
        } else if (extension == QLatin1String(".pdf")) {
            EXPECT_TRUE(bytes.startsWith("%PDF-"));
            EXPECT_TRUE(bytes.trimmed().endsWith("%%EOF"));
        } else if (extension == QLatin1String(".png")) {
            EXPECT_TRUE(bytes.startsWith("\x89PNG\r\n\x1A\n"));
            EXPECT_FALSE(QImage::fromData(bytes, "PNG").isNull());
        } else {
            ADD_FAILURE() << "unexpected attachment type " << extension.toStdString();
        }
    }
    EXPECT_EQ(extensions, QSet<QString>({".txt", ".pdf", ".png"}));
}

TEST_F(DemoContent, OnlyTheFirstArchivesHaveImagesAndAttachments)
{
    const int withMedia = smallOptions().archivesWithMedia;
    for (const char* table : {"t_TPrec", "t_FJrec"}) {
        EXPECT_EQ(count(QStringLiteral("select count(*) from %1 where F_mainID not in "
                                       "(select F_mainID from t_Files where F_ID <= %2)")
                            .arg(QLatin1String(table))
                            .arg(withMedia)), 0) << table;
    }
}

// ---------------------------------------------------------------- operators

TEST_F(DemoContent, OperatorsHaveTheirPasswordsRestrictionsAndRights)
{
    EXPECT_TRUE(CheckPass(QString(), m_connection.scalar(
        QStringLiteral("select F_PassWord from OperList where F_Name = 'admin'")).toString()));
    QSet<int> modes;
    const QStringList departments = column(QStringLiteral("select F_name from t_code where F_type = 'gddept'"));
    for (const DemoOperator& op : DemoOperators::all()) {
        const DataSet& row = rows(QStringLiteral("select F_PassWord,F_deptFlag,F_dept,F_deptQX from OperList "
                                                 "where F_Name = '%1'").arg(op.name));
        ASSERT_EQ(row.recordCount(), 1) << op.name.toStdString();
        EXPECT_TRUE(CheckPass(op.password, row.text(0, 0)));
        EXPECT_FALSE(CheckPass(op.password + QLatin1Char(' '), row.text(0, 0)));
        modes.insert(static_cast<int>(row.intValue(0, 1)));
        EXPECT_TRUE(departments.contains(row.text(0, 2)));
        if (row.intValue(0, 1) == 2) {
            const QStringList listed = row.text(0, 3).split(QLatin1Char(','));
            EXPECT_GE(listed.size(), 2);
            for (const QString& quoted : listed) {
                EXPECT_TRUE(quoted.startsWith(QLatin1Char('\'')) && quoted.endsWith(QLatin1Char('\'')));
                EXPECT_TRUE(departments.contains(quoted.mid(1, quoted.size() - 2))) << quoted.toStdString();
            }
        }
        QStringList granted = column(QStringLiteral("select l.F_code from OperLimit o join Limits l on "
                                                    "l.F_name = o.F_lmtName where o.F_OperName = '%1'").arg(op.name));
        granted.sort();
        QStringList expected = op.rightCodes;
        expected.sort();
        EXPECT_EQ(granted, expected) << op.name.toStdString();
    }
    EXPECT_EQ(modes, QSet<int>({0, 1, 2}));
    const auto fewest = std::min_element(DemoOperators::all().begin(), DemoOperators::all().end(),
                                         [](const DemoOperator& a, const DemoOperator& b) {
                                             return a.rightCodes.size() < b.rightCodes.size();
                                         });
    EXPECT_LE(fewest->rightCodes.size(), 6);
}

// ---------------------------------------------------------------- helpers

TEST(DemoText, SizeTextsFollowTheEditorsForm)
{
    const std::pair<int64_t, const char*> cases[] = {
        {5120, "5 KB"},          {10240, "10 KB"},          {1048576, "1,024 KB"},
        {1048577, "1.00 MB"},    {3145728, "3.00 MB"},      {15'000'000, "14.31 MB"},
    };
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(DemoText::sizeText(bytes), text) << bytes;
}

TEST(DemoCommandLine, ReadsTheFolderAndOptions)
{
    DemoCommand command;
    QString error;
    ASSERT_TRUE(DemoCommandLine::parse({"out"}, command, &error));
    EXPECT_EQ(command.folder, QStringLiteral("out"));
    EXPECT_EQ(command.options.archives, 2000);
    EXPECT_EQ(command.options.seed, 1u);
    EXPECT_FALSE(command.today.isValid());

    ASSERT_TRUE(DemoCommandLine::parse({"--seed", "42", "out", "--archives", "500000", "--today", "2026-01-31"},
                                       command, &error));
    EXPECT_EQ(command.folder, QStringLiteral("out"));
    EXPECT_EQ(command.options.archives, 500000);
    EXPECT_EQ(command.options.seed, 42u);
    EXPECT_EQ(command.today, QDate(2026, 1, 31));
}

TEST(DemoCommandLine, RefusesWhatItCannotRead)
{
    const QStringList cases[] = {
        {},
        {"out", "--archives"},
        {"out", "--archives", "many"},
        {"out", "--archives", "-1"},
        {"out", "--archives", "2000001"},
        {"out", "--seed", "-3"},
        {"out", "--today", "2026-13-01"},
        {"out", "--colour", "red"},
        {"one", "two"},
    };
    for (const QStringList& arguments : cases) {
        DemoCommand command;
        QString error;
        EXPECT_FALSE(DemoCommandLine::parse(arguments, command, &error)) << arguments.join(' ').toStdString();
        EXPECT_FALSE(error.isEmpty());
    }
}
