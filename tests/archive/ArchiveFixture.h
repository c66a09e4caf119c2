#pragma once

#include "admin/Session.h"
#include "archive/ArchiveRecord.h"
#include "archive/ClassificationPicker.h"
#include "db/DataModule.h"
#include "db/DataSet.h"
#include "db/Query.h"
#include "support/Scripted.h"
#include "support/TempProgram.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <deque>
#include <ostream>
#include <functional>
#include <memory>

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

// Answers classification picks from a script (the given text when empty) and records the texts it was given.
class ScriptedPicker : public ClassificationPicker {
public:
    QString pick(const QString& currentPath, QWidget*) override
    {
        given << currentPath;
        if (answers.empty())
            return currentPath;
        const QString answer = answers.front();
        answers.pop_front();
        return answer;
    }
    QStringList given;
    std::deque<QString> answers;
};

// One archive row for the fixture to insert; unnamed columns keep their defaults.
struct StoredArchive {
    QString code;
    QString name;
    qint64 mainID = 0;
    QString department;
    QString type;
};

// A temporary program folder with a fresh database, scripted seams and
// picker, the session of "admin" with the default custom item names, and the
// archive list as the main window holds it.
class ArchiveTest : public ::testing::Test {
protected:
    static inline const QString kListStatement = QStringLiteral("select * from t_Files where (1=1)  order by F_code");

    ArchiveTest() : picker(new ScriptedPicker), list(data.connection())
    {
        ClassificationPickerSeam::install(std::unique_ptr<ClassificationPicker>(picker));
        data.connection().open(program.databaseFile());
        Session session;
        session.operatorName = QStringLiteral("admin");
        for (int n = 1; n <= 11; ++n)
            session.systemValues[n - 1] = ArchiveFields::defaultCustomName(n);
        Session::current() = session;
    }
    ~ArchiveTest() override
    {
        Session::current() = Session{};
        ClassificationPickerSeam::install(nullptr);
    }

    qint64 insert(const StoredArchive& archive)
    {
        data.connection().execute(
            "insert into t_Files(F_code,F_name,F_mainID,F_GDdept,F_DAtype) values(:code,:name,:mainID,:dept,:type)",
            {{"code", archive.code}, {"name", archive.name}, {"mainID", archive.mainID}, {"dept", archive.department},
             {"type", archive.type}});
        return data.connection().scalar("select max(F_ID) from t_Files").toLongLong();
    }
    void openList() { list.open(kListStatement); }

    qint64 count(const QString& statement) { return data.connection().scalar(statement).toLongLong(); }
    qint64 archiveCount() { return count("select count(*) from t_Files"); }
    // One column of the archive with the given F_ID, as text.
    QString stored(qint64 id, const QString& column)
    {
        return data.connection().scalar("select " + column + " from t_Files where F_ID = :id", {{"id", id}}).toString();
    }
    // The first column of every row, in order.
    QStringList column(const QString& statement)
    {
        DataSet rows;
        data.connection().load(statement, rows);
        QStringList texts;
        for (int row = 0; row < rows.recordCount(); ++row)
            texts << rows.text(row, 0);
        return texts;
    }
    void addCode(const QString& type, const QString& name)
    {
        data.connection().execute("insert into t_code(F_name,F_type) values(:name,:type)", {{"name", name}, {"type", type}});
    }

    TempProgram program;
    ScriptedSeams seams;
    ScriptedPicker* picker;
    TdmData data;
    Query list;
};

// Runs an action on the next modal dialog of the given type once it is shown
// (the caller then starts whatever opens it with exec()).
template <typename Dialog>
void whenModal(std::function<void(Dialog&)> action, int triesLeft = 200)
{
    QTimer::singleShot(10, [action, triesLeft] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (dialog && dialog->isVisible()) {
            action(*dialog);
            return;
        }
        if (triesLeft > 0)
            whenModal<Dialog>(action, triesLeft - 1);
        else
            ADD_FAILURE() << "no modal dialog of the expected type appeared";
    });
}

// Types text into a control key by key, as the keyboard (or an input method, for Chinese) delivers it.
inline void typeText(QWidget* control, const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(control, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, control, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// Shows a window, makes it the active one and waits until it is.
inline void showActive(QWidget& window)
{
    window.show();
    QApplication::setActiveWindow(&window);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
}
