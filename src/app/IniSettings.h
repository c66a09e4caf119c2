#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// config.ini: section lines "[name]" followed by "key=value" lines. Sections
// and keys are matched without regard to case; every write goes to the file
// at once; a missing file, section or key gives the default. Written in
// UTF-8; a file that is not valid UTF-8 is read as GBK (older installations).
class IniSettings {
public:
    explicit IniSettings(QString file);

    const QString& fileName() const { return m_file; }

    QString readString(const QString& section, const QString& key, const QString& defaultValue = QString()) const;
    int readInteger(const QString& section, const QString& key, int defaultValue = 0) const;
    bool readBool(const QString& section, const QString& key, bool defaultValue = false) const;

    // Each returns false when the file could not be written.
    bool writeString(const QString& section, const QString& key, const QString& value);
    bool writeInteger(const QString& section, const QString& key, int value);
    bool writeBool(const QString& section, const QString& key, bool value);

private:
    struct Line {
        QString text;
        QString section; // for key lines: the section they belong to
        QString key;     // empty for section lines, comments and blanks
        QString value;
    };
    void load();
    bool save() const;
    const Line* find(const QString& section, const QString& key) const;

    QString m_file;
    QVector<Line> m_lines;
};
