#pragma once

#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/FileChooser.h"
#include "platform/Messages.h"

#include <QDateTime>
#include <QStringList>

#include <deque>
#include <memory>

struct RecordedMessage {
    QString text;
    int kind;
};

// Records every message; answers questions from a script (No when the script is empty).
class ScriptedMessages : public MessageResponder {
public:
    int show(const QString& text, int kind) override;

    std::vector<RecordedMessage> messages;
    std::deque<int> answers;

    QStringList texts() const;
    bool saw(const QString& text) const;
    void clear() { messages.clear(); }
};

// Answers file and folder choices from a script (cancel when empty) and records the requests.
class ScriptedFiles : public FileChooser {
public:
    QString openFile(const QString& title, const QString& filter, const QString& startFolder) override;
    QString saveFile(const QString& title, const QString& filter, const QString& startPath) override;
    QString pickFolder(const QString& title, const QString& startFolder) override;
    QString pickPicture(const QString& title, const QString& startFolder) override;

    struct Request {
        QString kind, title, filter, start;
    };
    std::vector<Request> requests;
    std::deque<QString> answers;

private:
    QString answer(const QString& kind, const QString& title, const QString& filter, const QString& start);
};

// Records what would be opened, started or ended.
class ScriptedDesktop : public Desktop {
public:
    bool openDocument(const QString& pathOrUrl) override;
    bool startProgram(const QString& program, const QStringList& arguments) override;
    QString findProgram(const QStringList& candidates) override;
    void endProgram(int exitCode) override;

    QStringList opened;
    QStringList started;
    QStringList programsOnPath; // names findProgram knows
    std::vector<int> endCodes;
};

// Installs the scripted seams for the lifetime of a test and restores the defaults after.
class ScriptedSeams {
public:
    explicit ScriptedSeams(const QDateTime& now = QDateTime(QDate(2026, 12, 11), QTime(10, 0)));
    ~ScriptedSeams();

    ScriptedMessages& messages;
    ScriptedFiles& files;
    ScriptedDesktop& desktop;
    FixedClock& clock;

private:
    ScriptedSeams(ScriptedMessages* m, ScriptedFiles* f, ScriptedDesktop* d, FixedClock* c);
};
