#pragma once

#include "admin/Rights.h"
#include "admin/Session.h"
#include "admin/SessionHost.h"
#include "app/IniSettings.h"
#include "db/DataModule.h"
#include "db/DataSet.h"
#include "platform/Passwords.h"
#include "support/Scripted.h"
#include "support/TempProgram.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QStringList>
#include <QStyle>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <initializer_list>

// Stands in for the main window: every governed action, the menus and the
// approval buttons by object name, and a count of started sessions.
class FakeHost : public SessionHost {
public:
    static inline const QStringList kMenus = {"MenuFile", "MenuEdit", "MenuOutput", "MenuStats", "MenuData"};

    FakeHost()
    {
        for (const Rights::GovernedAction& entry : Rights::table())
            m_actionNames << entry.actionName;
        m_actionNames << "Action31" << "Action32" << "Action211" << "tbSH" << "tbPZ";
        for (const QString& name : m_actionNames)
            (new QAction(name, &m_root))->setObjectName(name);
        for (const QString& name : kMenus)
            (new QMenu(name, &m_root))->setObjectName(name);
    }

    QWidget* rightsRoot() override { return &m_root; }
    void sessionStarted() override
    {
        ++started;
        startedFor = Session::current().operatorName;
    }

    QAction* action(const QString& name) const { return m_root.findChild<QAction*>(name); }
    bool shown(const QString& name) const { return action(name)->isVisible(); }
    bool menuShown(const QString& name) const { return m_root.findChild<QMenu*>(name)->menuAction()->isVisible(); }

    void showEverything(bool shown)
    {
        for (const QString& name : m_actionNames)
            action(name)->setVisible(shown);
        for (const QString& name : kMenus)
            m_root.findChild<QMenu*>(name)->menuAction()->setVisible(shown);
    }
    // The visible actions and buttons (menus excluded), sorted.
    QStringList shownActions() const
    {
        QStringList names;
        for (const QString& name : m_actionNames) {
            if (shown(name))
                names << name;
        }
        names.sort();
        return names;
    }
    QStringList shownMenus() const
    {
        QStringList names;
        for (const QString& menu : kMenus) {
            if (menuShown(menu))
                names << menu;
        }
        return names;
    }

    int started = 0;
    QString startedFor;

private:
    QWidget m_root;
    QStringList m_actionNames;
};

struct LogRow {
    QString name, operation, date, time;
};

// A temporary program folder with a fresh database, scripted seams, the data
// module on it and an empty session.
class AdminTest : public ::testing::Test {
protected:
    AdminTest()
    {
        Session::current() = Session{};
        data.connection().open(program.databaseFile());
    }
    ~AdminTest() override { Session::current() = Session{}; }

    void addOperator(const QString& name, const QString& password, std::initializer_list<const char*> rights = {},
                     bool disabled = false)
    {
        data.connection().execute("insert into OperList(F_Name,F_PassWord,F_Flag) values(:name,:password,:flag)",
                                  {{"name", name}, {"password", SavePass(password)}, {"flag", disabled ? 1 : 0}});
        for (const char* code : rights)
            grant(name, code);
    }
    void grant(const QString& name, const QString& code)
    {
        data.connection().execute("insert into OperLimit(F_OperName,F_lmtName) select :name, F_name from Limits where F_code = :code",
                                  {{"name", name}, {"code", code}});
    }
    QString storedPassword(const QString& name)
    {
        DataSet rows;
        data.connection().load("select F_PassWord from OperList where F_Name = :name", rows, {{"name", name}});
        return rows.isEmpty() ? QString() : rows.text(0, 0);
    }
    std::vector<LogRow> logRows()
    {
        DataSet rows;
        data.connection().load("select F_EmpName,F_OperType,F_OperDate,F_OperTime from LogRec", rows);
        std::vector<LogRow> result;
        for (int row = 0; row < rows.recordCount(); ++row)
            result.push_back({rows.text(row, 0), rows.text(row, 1), rows.text(row, 2), rows.text(row, 3)});
        return result;
    }

    QString proposedName() { return IniSettings(program.file("config.ini")).readString("Config", "CurOperName"); }

    static void retype(QLineEdit* box, const QString& text);
    static QChar passwordCharacter(QLineEdit* box)
    {
        return QChar(box->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, box));
    }

    TempProgram program;
    ScriptedSeams seams;
    TdmData data;
};

inline void AdminTest::retype(QLineEdit* box, const QString& text)
{
    box->clear();
    QTest::keyClicks(box, text);
}
