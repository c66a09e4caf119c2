#include "app/IniSettings.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

IniSettings::IniSettings(QString file) : m_file(std::move(file))
{
    load();
}

void IniSettings::load()
{
    m_lines.clear();
    QFile file(m_file);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) {
        QStringDecoder gbk("GB18030");
        if (gbk.isValid())
            text = gbk.decode(bytes);
    }
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    QString section;
    for (QString raw : text.split(QLatin1Char('\n'))) {
        if (raw.endsWith(QLatin1Char('\r')))
            raw.chop(1);
        Line line{raw, {}, {}, {}};
        const QString trimmed = raw.trimmed();
        if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']'))) {
            section = trimmed.mid(1, trimmed.size() - 2).trimmed();
        } else if (!trimmed.startsWith(QLatin1Char(';')) && trimmed.contains(QLatin1Char('='))) {
            const int eq = raw.indexOf(QLatin1Char('='));
            line.section = section;
            line.key = raw.left(eq).trimmed();
            line.value = raw.mid(eq + 1);
        }
        m_lines.push_back(line);
    }
    while (!m_lines.isEmpty() && m_lines.last().text.trimmed().isEmpty())
        m_lines.removeLast();
}

const IniSettings::Line* IniSettings::find(const QString& section, const QString& key) const
{
    for (const Line& line : m_lines) {
        if (!line.key.isEmpty() && line.key.compare(key, Qt::CaseInsensitive) == 0
            && line.section.compare(section, Qt::CaseInsensitive) == 0)
            return &line;
    }
    return nullptr;
}

QString IniSettings::readString(const QString& section, const QString& key, const QString& defaultValue) const
{
    const Line* line = find(section, key);
    return line ? line->value : defaultValue;
}

int IniSettings::readInteger(const QString& section, const QString& key, int defaultValue) const
{
    const Line* line = find(section, key);
    if (!line)
        return defaultValue;
    bool ok = false;
    const int value = line->value.trimmed().toInt(&ok, 10);
    return ok ? value : defaultValue;
}

bool IniSettings::readBool(const QString& section, const QString& key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool IniSettings::writeString(const QString& section, const QString& key, const QString& value)
{
    load(); // another part of the program may have written since
    for (Line& line : m_lines) {
        if (!line.key.isEmpty() && line.key.compare(key, Qt::CaseInsensitive) == 0
            && line.section.compare(section, Qt::CaseInsensitive) == 0) {
            line.value = value;
            line.text = line.key + QLatin1Char('=') + value;
            return save();
        }
    }
    // Insert after the last line of the section, or start the section.
    int insertAt = -1;
    QString current;
    bool sectionFound = false;
    for (int i = 0; i < m_lines.size(); ++i) {
        const QString trimmed = m_lines[i].text.trimmed();
        if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']'))) {
            current = trimmed.mid(1, trimmed.size() - 2).trimmed();
            if (current.compare(section, Qt::CaseInsensitive) == 0) {
                sectionFound = true;
                insertAt = i + 1;
            }
        } else if (current.compare(section, Qt::CaseInsensitive) == 0 && sectionFound && !trimmed.isEmpty()) {
            insertAt = i + 1;
        }
    }
    const Line added{key + QLatin1Char('=') + value, section, key, value};
    if (!sectionFound) {
        m_lines.push_back(Line{QLatin1Char('[') + section + QLatin1Char(']'), {}, {}, {}});
        m_lines.push_back(added);
    } else {
        m_lines.insert(insertAt, added);
    }
    return save();
}

bool IniSettings::writeInteger(const QString& section, const QString& key, int value)
{
    return writeString(section, key, QString::number(value));
}

bool IniSettings::writeBool(const QString& section, const QString& key, bool value)
{
    return writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool IniSettings::save() const
{
    QSaveFile file(m_file);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray bytes;
    for (const Line& line : m_lines)
        bytes += line.text.toUtf8() + "\r\n";
    file.write(bytes);
    return file.commit();
}
