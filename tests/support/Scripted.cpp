#include "support/Scripted.h"

int ScriptedMessages::show(const QString& text, int kind)
{
    messages.push_back({text, kind});
    if (kind != MessQuestion)
        return 0;
    if (answers.empty())
        return MessNo;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
}

QStringList ScriptedMessages::texts() const
{
    QStringList list;
    for (const RecordedMessage& m : messages)
        list << m.text;
    return list;
}

bool ScriptedMessages::saw(const QString& text) const
{
    return texts().contains(text);
}

QString ScriptedFiles::answer(const QString& kind, const QString& title, const QString& filter, const QString& start)
{
    requests.push_back({kind, title, filter, start});
    if (answers.empty())
        return {};
    const QString result = answers.front();
    answers.pop_front();
    return result;
}

QString ScriptedFiles::openFile(const QString& title, const QString& filter, const QString& startFolder)
{
    return answer(QStringLiteral("open"), title, filter, startFolder);
}

QString ScriptedFiles::saveFile(const QString& title, const QString& filter, const QString& startPath)
{
    return answer(QStringLiteral("save"), title, filter, startPath);
}

QString ScriptedFiles::pickFolder(const QString& title, const QString& startFolder)
{
    return answer(QStringLiteral("folder"), title, QString(), startFolder);
}

QString ScriptedFiles::pickPicture(const QString& title, const QString& startFolder)
{
    return answer(QStringLiteral("picture"), title, QString(), startFolder);
}

bool ScriptedDesktop::openDocument(const QString& pathOrUrl)
{
    opened << pathOrUrl;
    return true;
}

bool ScriptedDesktop::startProgram(const QString& program, const QStringList& arguments)
{
    started << (QStringList{program} + arguments).join(QLatin1Char(' '));
    return true;
}

QString ScriptedDesktop::findProgram(const QStringList& candidates)
{
    for (const QString& name : candidates) {
        if (programsOnPath.contains(name))
            return QStringLiteral("/usr/bin/") + name;
    }
    return {};
}

void ScriptedDesktop::endProgram(int exitCode)
{
    endCodes.push_back(exitCode);
}

ScriptedSeams::ScriptedSeams(const QDateTime& now)
    : ScriptedSeams(new ScriptedMessages, new ScriptedFiles, new ScriptedDesktop, new FixedClock(now))
{
}

ScriptedSeams::ScriptedSeams(ScriptedMessages* m, ScriptedFiles* f, ScriptedDesktop* d, FixedClock* c)
    : messages(*m), files(*f), desktop(*d), clock(*c)
{
    MessageSeam::install(std::unique_ptr<MessageResponder>(m));
    FileChooserSeam::install(std::unique_ptr<FileChooser>(f));
    DesktopSeam::install(std::unique_ptr<Desktop>(d));
    ClockSeam::install(std::unique_ptr<Clock>(c));
}

ScriptedSeams::~ScriptedSeams()
{
    MessageSeam::install(nullptr);
    FileChooserSeam::install(nullptr);
    DesktopSeam::install(nullptr);
    ClockSeam::install(nullptr);
}
