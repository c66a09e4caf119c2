#pragma once

#include "demo/DemoDatabase.h"

#include <QDate>
#include <QString>
#include <QStringList>

// What "dossara-demo FOLDER [--archives N] [--seed S] [--today yyyy-MM-dd]" asks for.
struct DemoCommand {
    QString folder;
    DemoOptions options;
    QDate today; // invalid: the clock's today
};

namespace DemoCommandLine {

QString usage();
// Reads the arguments after the program name; false with the reason on error.
bool parse(const QStringList& arguments, DemoCommand& command, QString* error);

}
