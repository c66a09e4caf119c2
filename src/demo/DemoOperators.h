#pragma once

#include <QString>
#include <QStringList>

#include <span>
#include <string_view>

class Connection;

// The operators of the demo besides admin, one for each kind of restriction,
// with passwords that the demo tool prints.
struct DemoOperator {
    QString name;
    QString password;
    QString department;     // F_dept
    int restrictionMode;    // F_deptFlag
    QString departmentList; // F_deptQX, quoted names joined by commas
    QStringList rightCodes; // granted by the Limits names of these codes
    bool approvesArchives;  // F_shFlag
    QString description;
};

namespace DemoOperators {

std::span<const DemoOperator> all();
// admin and the demo operators, as UTF-8, for the records they approved or entered.
std::span<const std::string_view> namesWithAdmin();
// Adds the operators and their rights; the passwords are stored with SavePass.
void write(Connection& connection);

}
