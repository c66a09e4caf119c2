#pragma once

#include "admin/Session.h"
#include "db/DataModule.h"
#include "db/DataSet.h"
#include "main/TFrmMain.h"
#include "platform/DataGrid.h"
#include "support/Scripted.h"
#include "support/TempProgram.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QDialog>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

// Readable failure output for texts and lists of texts.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& texts, std::ostream* out)
{
    *out << '[' << texts.join(QStringLiteral(", ")).toStdString() << ']';
}

// One archive row; fields left empty keep the column defaults' meaning.
struct ArchiveRow {
    QString code;
    QString name;
    QString classPath;
    QString memo;
    QString place;
    QString department;
    QString filedBy;
    QString level;
};

// A temporary program folder with a fresh database, scripted seams and the
// data module, the session of "admin", and the real main window on it.
class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest()
    {
        Session::current() = Session{};
        Session::current().operatorName = QStringLiteral("admin");
        data.connection().open(program.databaseFile());
    }
    ~MainWindowTest() override
    {
        window.reset();
        Session::current() = Session{};
    }

    void addArchive(const ArchiveRow& row)
    {
        data.connection().execute(
            "insert into t_Files(F_code,F_name,F_DAtype,F_memo1,F_CFaddress,F_GDdept,F_GDemp,F_BMjibie,F_mainID) "
            "values(:code,:name,:type,:memo,:place,:dept,:emp,:level,:mainID)",
            {{"code", row.code}, {"name", row.name}, {"type", row.classPath}, {"memo", row.memo}, {"place", row.place},
             {"dept", row.department}, {"emp", row.filedBy}, {"level", row.level}, {"mainID", ++m_mainID}});
    }
    void addCode(const QString& type, const QString& name)
    {
        data.connection().execute("insert into t_code(F_name,F_type) values(:name,:type)", {{"name", name}, {"type", type}});
    }
    void addClass(const QString& code, const QString& name, const QString& path)
    {
        data.connection().execute("insert into t_treecode(F_code,F_name,F_likecode,F_flag) values(:code,:name,:path,'type')",
                                  {{"code", code}, {"name", name}, {"path", path}});
    }

    // Creates the window as the program start does, starts the session and shows it.
    TFrmMain& showWindow()
    {
        window = std::make_unique<TFrmMain>(data);
        window->sessionStarted();
        window->show();
        QApplication::setActiveWindow(window.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return *window;
    }

    template <typename T>
    T* child(const char* name) const
    {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // Types text key by key, as a keyboard (or an input method's commit) would.
    static void typeInto(QWidget* widget, const QString& text)
    {
        for (const QChar c : text) {
            if (c.unicode() < 0x80)
                QTest::keyClick(widget, c.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }

    // From now on every modal dialog that opens (an editor opened by a
    // command) is cancelled at once, so a test can trigger commands freely.
    void cancelModalDialogs()
    {
        QObject::connect(&m_modalCloser, &QTimer::timeout, [] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                dialog->reject();
        });
        m_modalCloser.start(10);
    }

    QAction* action(const char* name) const { return child<QAction>(name); }
    QLineEdit* searchBox() const { return child<QLineEdit>("edtSearchValue"); }
    QString countLabel() const { return child<QLabel>("lblArchiveCount")->text(); }
    QString statement() const { return window->archives().statement(); }

    // The codes of the listed archives, in list order.
    QStringList listedCodes() const
    {
        const DataSet& rows = window->archives();
        QStringList codes;
        const int column = rows.fieldIndex(QStringLiteral("F_code"));
        for (int row = 0; row < rows.recordCount(); ++row)
            codes << rows.text(row, column);
        return codes;
    }

    TempProgram program;
    ScriptedSeams seams;
    TdmData data;
    std::unique_ptr<TFrmMain> window;

private:
    qint64 m_mainID = 0;
    QTimer m_modalCloser;
};
