// dossara-sql --data FOLDER [--today yyyy-MM-dd] [STATEMENT ...]
// Runs statements, written as the windows write them, on FOLDER/Dossara.mdb
// through the program's own connection and translator.
#include "db/Connection.h"
#include "db/DataSet.h"
#include "db/DbError.h"
#include "platform/Clock.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

#include <cstdio>
#include <optional>

namespace {

constexpr int kFailed = 1;
constexpr int kUsageError = 2;

const char* const kUsage =
    "usage: dossara-sql --data FOLDER [--today yyyy-MM-dd] [STATEMENT ...]\n"
    "Runs each STATEMENT, or each non-empty line of standard input when none is\n"
    "given, on FOLDER/Dossara.mdb, written in the dialect of the program's windows.\n"
    "--today sets the date that date() gives (default: the system's date).\n"
    "A result prints a line of column names and a line per row, tab-separated;\n"
    "NULL prints as \\N, a blob as its size in bytes, and a backslash, tab or line\n"
    "break inside a value as \\\\, \\t, \\n or \\r. Other statements print the number\n"
    "of rows they changed. A failing statement prints \"error: \" and the engine's\n"
    "message on standard error; the remaining statements still run, and the exit\n"
    "status is then 1.\n";

struct Options {
    QString folder;
    QDate today;
    QStringList statements;
    bool help = false;
};

// The options, or nothing (with the problem) when the arguments make no sense.
std::optional<Options> parseArguments(const QStringList& arguments, QString* problem)
{
    Options options;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (optionsEnded || !argument.startsWith(QLatin1String("--"))) {
            options.statements << argument;
        } else if (argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (argument == QLatin1String("--help")) {
            options.help = true;
        } else if ((argument == QLatin1String("--data") || argument == QLatin1String("--today")) && i + 1 < arguments.size()) {
            const QString& value = arguments[++i];
            if (argument == QLatin1String("--data")) {
                options.folder = value;
                continue;
            }
            options.today = QDate::fromString(value, QStringLiteral("yyyy-MM-dd"));
            if (!options.today.isValid()) {
                *problem = QStringLiteral("not a date (yyyy-MM-dd): ") + value;
                return std::nullopt;
            }
        } else {
            *problem = QStringLiteral("unknown option or missing value: ") + argument;
            return std::nullopt;
        }
    }
    if (options.folder.isEmpty() && !options.help) {
        *problem = QStringLiteral("--data FOLDER is required");
        return std::nullopt;
    }
    return options;
}

QString escaped(const QString& value)
{
    QString text;
    text.reserve(value.size());
    for (const QChar c : value) {
        switch (c.unicode()) {
        case u'\\': text += QLatin1String("\\\\"); break;
        case u'\t': text += QLatin1String("\\t"); break;
        case u'\n': text += QLatin1String("\\n"); break;
        case u'\r': text += QLatin1String("\\r"); break;
        default: text += c; break;
        }
    }
    return text;
}

QString cellText(const DataSet& rows, int row, int column)
{
    if (rows.isNull(row, column))
        return QStringLiteral("\\N");
    switch (rows.field(column).type) {
    case FieldType::Blob:
        return QString::number(rows.bytes(row, column).size());
    case FieldType::Bool:
        return QString::number(rows.intValue(row, column));
    default:
        return escaped(rows.text(row, column));
    }
}

void printRows(const DataSet& rows, QTextStream& out)
{
    QStringList names;
    for (const Field& field : rows.fields())
        names << escaped(field.name);
    out << names.join(QLatin1Char('\t')) << '\n';
    for (int row = 0; row < rows.recordCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < rows.fieldCount(); ++column)
            cells << cellText(rows, row, column);
        out << cells.join(QLatin1Char('\t')) << '\n';
    }
}

// Runs one statement and prints its outcome; false when it failed.
bool runStatement(Connection& connection, const QString& statement, QTextStream& out, QTextStream& err)
{
    DataSet rows;
    int changed = 0;
    try {
        if (connection.run(statement, rows, &changed))
            printRows(rows, out);
        else
            out << changed << '\n';
        out.flush();
        return true;
    } catch (const DbError& error) {
        out.flush();
        err << "error: " << error.message() << '\n';
        err.flush();
        return false;
    }
}

QStringList standardInputStatements()
{
    QTextStream in(stdin);
    in.setEncoding(QStringConverter::Utf8);
    QStringList statements;
    QString line;
    while (in.readLineInto(&line)) {
        if (!line.trimmed().isEmpty())
            statements << line;
    }
    return statements;
}

}

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);

    QString problem;
    const std::optional<Options> options = parseArguments(app.arguments().mid(1), &problem);
    if (!options) {
        err << "dossara-sql: " << problem << '\n' << kUsage;
        return kUsageError;
    }
    if (options->help) {
        out << kUsage;
        return 0;
    }
    if (options->today.isValid())
        ClockSeam::install(std::make_unique<FixedClock>(QDateTime(options->today, QTime::currentTime())));

    Connection connection;
    QString reason;
    if (!connection.open(QDir(options->folder).filePath(QStringLiteral("Dossara.mdb")), &reason)) {
        err << "dossara-sql: " << reason << '\n';
        return kFailed;
    }
    const QStringList statements = options->statements.isEmpty() ? standardInputStatements() : options->statements;
    bool allRan = true;
    for (const QString& statement : statements)
        allRan = runStatement(connection, statement, out, err) && allRan;
    return allRan ? 0 : kFailed;
}
