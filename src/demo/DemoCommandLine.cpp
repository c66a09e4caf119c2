#include "demo/DemoCommandLine.h"

namespace DemoCommandLine {

namespace {

bool readValue(const QStringList& arguments, int& at, QString& value, QString* error)
{
    if (at + 1 >= arguments.size()) {
        *error = arguments[at] + QStringLiteral(" needs a value");
        return false;
    }
    value = arguments[++at];
    return true;
}

bool readOption(const QStringList& arguments, int& at, DemoCommand& command, QString* error)
{
    const QString option = arguments[at];
    QString value;
    if (!readValue(arguments, at, value, error))
        return false;
    bool ok = false;
    if (option == QLatin1String("--archives")) {
        const int archives = value.toInt(&ok);
        if (!ok || archives < 0 || archives > DemoDatabase::kMaxArchives) {
            *error = QStringLiteral("--archives must be a whole number from 0 to %1").arg(DemoDatabase::kMaxArchives);
            return false;
        }
        command.options.archives = archives;
    } else if (option == QLatin1String("--seed")) {
        command.options.seed = value.toULongLong(&ok);
        if (!ok) {
            *error = QStringLiteral("--seed must be a whole number of at least 0");
            return false;
        }
    } else if (option == QLatin1String("--today")) {
        command.today = QDate::fromString(value, QStringLiteral("yyyy-MM-dd"));
        if (!command.today.isValid()) {
            *error = QStringLiteral("--today must be a date yyyy-MM-dd");
            return false;
        }
    } else {
        *error = QStringLiteral("unknown option ") + option;
        return false;
    }
    return true;
}

}

QString usage()
{
    return QStringLiteral("usage: dossara-demo FOLDER [--archives N] [--seed S] [--today yyyy-MM-dd]\n"
                          "  creates FOLDER/Dossara.mdb filled with demo data (default 2000 archives, seed 1)");
}

bool parse(const QStringList& arguments, DemoCommand& command, QString* error)
{
    command = DemoCommand{};
    for (int at = 0; at < arguments.size(); ++at) {
        const QString& argument = arguments[at];
        if (argument.startsWith(QLatin1String("--"))) {
            if (!readOption(arguments, at, command, error))
                return false;
        } else if (command.folder.isEmpty()) {
            command.folder = argument;
        } else {
            *error = QStringLiteral("only one folder may be given");
            return false;
        }
    }
    if (command.folder.isEmpty()) {
        *error = QStringLiteral("the folder is missing");
        return false;
    }
    return true;
}

}
