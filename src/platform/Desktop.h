#pragma once

#include "platform/Seam.h"

#include <QString>
#include <QStringList>

// Opening files and addresses with their associated programs, starting
// external programs, and ending the program.
class Desktop {
public:
    virtual ~Desktop() = default;
    virtual bool openDocument(const QString& pathOrUrl) = 0;
    virtual bool startProgram(const QString& program, const QStringList& arguments) = 0;
    // Finds the first of the given program names on the search path; empty when none.
    virtual QString findProgram(const QStringList& candidates) = 0;
    virtual void endProgram(int exitCode) = 0;
};

class SystemDesktop : public Desktop {
public:
    bool openDocument(const QString& pathOrUrl) override;
    bool startProgram(const QString& program, const QStringList& arguments) override;
    QString findProgram(const QStringList& candidates) override;
    void endProgram(int exitCode) override;
};

using DesktopSeam = Seam<Desktop, SystemDesktop>;
