#pragma once

#include <QString>
#include <QStringList>

// The logged-in operator and what came with the login; replaced by each
// successful login and read by every window.
struct Session {
    QString operatorName;    // trimmed
    QString companyName;
    QString department;      // F_dept
    QString departmentList;  // F_deptQX, quoted names joined by commas
    int restrictionMode = 0; // F_deptFlag: 0 all, 1 own department, 2 listed departments
    QStringList systemValues = QStringList(15, QString()); // KeyValue rows 1..15
    bool autoArchiveCode = false;  // config.ini sys/bZDDAcode
    bool approvalFlag = false;

    bool isAdministrator() const { return operatorName.toLower() == QLatin1String("admin"); }
    // System value n, 1-based; empty outside 1..15.
    QString systemValue(int n) const { return n >= 1 && n <= systemValues.size() ? systemValues[n - 1] : QString(); }
    // "and (F_GDdept = '...') " or "and (F_GDdept in (...)) " by the restriction
    // mode, with the given column prefix ("c." where t_Files is joined as c).
    QString departmentFragment(const QString& prefix = QString()) const;

    static Session& current();
};
