#include "demo/DemoOperators.h"

#include "db/Connection.h"
#include "db/DbError.h"
#include "platform/Passwords.h"

#include <vector>

namespace DemoOperators {

namespace {

QStringList codes(std::initializer_list<int> from)
{
    QStringList list;
    for (int code : from)
        list << QString::number(code);
    return list;
}

// Everything an archive clerk does, without the administration (1xx but 102)
// and the data maintenance (5xx) commands.
QStringList clerkRights()
{
    return codes({102, 201, 202, 203, 204, 205, 206, 207, 208, 209, 210, 301, 302, 303, 304, 305, 306,
                  401, 402, 403, 404, 405, 901, 902, 903, 904, 905, 906, 907});
}

const std::vector<DemoOperator>& operators()
{
    static const std::vector<DemoOperator> list = {
        {QStringLiteral("王芳"), QStringLiteral("wf2026"), QStringLiteral("财务部"), 1, QString(), clerkRights(), true,
         QStringLiteral("财务部档案员，只看本部门的档案")},
        {QStringLiteral("李娜"), QStringLiteral("ln2026"), QStringLiteral("办公室"), 2,
         QStringLiteral("'办公室','技术研发部'"), clerkRights(), false,
         QStringLiteral("办公室文秘，看办公室和技术研发部的档案")},
        {QStringLiteral("赵磊"), QStringLiteral("zl2026"), QStringLiteral("档案室"), 0, QString(),
         codes({102, 208, 401, 402, 403}), false, QStringLiteral("借阅登记员，只管借阅和统计")},
    };
    return list;
}

constexpr std::string_view kNamesWithAdmin[] = {"admin", "王芳", "李娜", "赵磊"};

QString rightName(Connection& connection, const QString& code)
{
    const QString name = connection.scalar(QStringLiteral("select F_name from Limits where F_code = :code"),
                                           {{QStringLiteral("code"), code}}).toString();
    if (name.isEmpty())
        throw DbError(QStringLiteral("Limits 中没有权限代码 ") + code);
    return name;
}

}

std::span<const DemoOperator> all()
{
    return operators();
}

std::span<const std::string_view> namesWithAdmin()
{
    return kNamesWithAdmin;
}

void write(Connection& connection)
{
    for (const DemoOperator& op : operators()) {
        connection.execute(QStringLiteral("insert into OperList(F_Name,F_PassWord,F_Mem,F_Flag,F_dept,F_deptFlag,"
                                          "F_deptQX,F_shFlag) values(:name,:password,:mem,:flag,:dept,:deptFlag,"
                                          ":deptQX,:shFlag)"),
                           {{QStringLiteral("name"), op.name},
                            {QStringLiteral("password"), SavePass(op.password)},
                            {QStringLiteral("mem"), op.description},
                            {QStringLiteral("flag"), false},
                            {QStringLiteral("dept"), op.department},
                            {QStringLiteral("deptFlag"), op.restrictionMode},
                            {QStringLiteral("deptQX"), op.departmentList},
                            {QStringLiteral("shFlag"), op.approvesArchives}});
        for (const QString& code : op.rightCodes) {
            connection.execute(QStringLiteral("insert into OperLimit(F_OperName,F_lmtName) values(:operName,:limitName)"),
                               {{QStringLiteral("operName"), op.name},
                                {QStringLiteral("limitName"), rightName(connection, code)}});
        }
    }
}

}
