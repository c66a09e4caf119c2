#pragma once

#include <QString>
#include <QTemporaryDir>

// A temporary program folder with data/Dossara.mdb made from the schema
// (copied from one template per test run, so the schema is run once).
// It is the program folder while the object lives.
class TempProgram {
public:
    explicit TempProgram(bool withDatabase = true);
    ~TempProgram();

    QString path() const { return m_dir.path(); }
    QString file(const QString& relative) const;
    QString databaseFile() const { return file(QStringLiteral("data/Dossara.mdb")); }

    // A copy of a fresh database at the given path.
    static void copyFreshDatabase(const QString& target);

private:
    QTemporaryDir m_dir;
};
