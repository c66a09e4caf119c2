#include "admin/Login.h"

#include "admin/Rights.h"
#include "admin/Session.h"
#include "admin/SessionHost.h"
#include "app/IniSettings.h"
#include "db/DataModule.h"
#include "db/Query.h"
#include "platform/Messages.h"
#include "platform/Passwords.h"

namespace {

const QString kChooseUser = QStringLiteral("请选择用户！");
const QString kNoSuchOperator = QStringLiteral("此操作员并不存在，请重新选择操作员！");
const QString kOperatorDisabled = QStringLiteral("此操作员已被禁用，不能登录！");
const QString kWrongPassword = QStringLiteral("用户名或密码不正确，请重新输入！");
const QString kIllegalOperator = QStringLiteral("非法操作员!");
const QString kChangeFailed = QStringLiteral("更换操作员失败!");
const QString kLogLoginFailed = QStringLiteral("登录失败！");
const QString kLogChangeFailed = QStringLiteral("更换操作员失败！");

Params byName(const QString& name)
{
    return {{QStringLiteral("name"), name}};
}

void readDepartment(Session& session, const QString& name)
{
    Query row(dmData->connection());
    const bool found = dmData->open(QStringLiteral("select F_dept,F_deptQX,F_deptFlag from OperList where F_name = :name "), row, byName(name))
        && row.recordCount() > 0;
    session.department = found ? row.text(0, 0) : QString();
    session.departmentList = found ? row.text(0, 1) : QString();
    session.restrictionMode = found ? static_cast<int>(row.intValue(0, 2)) : 0;
}

// The n-th row in F_ID order is system value n; values without a row keep
// what they held, rows past the last value are not read.
void readSystemValues(Session& session)
{
    Query rows(dmData->connection());
    if (!dmData->open(QStringLiteral("select * from KeyValue order by F_ID"), rows))
        return;
    const int valueColumn = rows.fieldIndex(QStringLiteral("F_Value"));
    const int count = qMin(rows.recordCount(), static_cast<int>(session.systemValues.size()));
    for (int n = 0; n < count; ++n)
        session.systemValues[n] = rows.text(n, valueColumn);
}

}

Credentials checkCredentials(const QString& name, const QString& password)
{
    if (name.isEmpty())
        return Credentials::NoName;
    if (dmData->integerValue(QStringLiteral("select F_ID from OperList where F_name = :name "), byName(name)) <= 0)
        return Credentials::UnknownOperator;
    if (dmData->integerValue(QStringLiteral("select F_Flag from OperList where F_name = :name "), byName(name)) != 0)
        return Credentials::DisabledOperator;
    const QString stored = dmData->textValue(QStringLiteral("select f_PassWord from OperList Where F_Name = :name "), byName(name));
    return CheckPass(password, stored) ? Credentials::Correct : Credentials::WrongPassword;
}

void startSession(const QString& name, SessionHost& host)
{
    Session& session = Session::current();
    session.operatorName = name;
    dmData->settings().writeString(QStringLiteral("Config"), QStringLiteral("CurOperName"), name);
    session.companyName = dmData->textValue(QStringLiteral("select f_code from SysInfo"));
    readDepartment(session, name);
    readSystemValues(session);
    session.autoArchiveCode = dmData->settings().readBool(QStringLiteral("sys"), QStringLiteral("bZDDAcode"));
    session.approvalFlag = false;
    Rights::apply(host.rightsRoot());
    host.sessionStarted();
}

LoginAttempts::Outcome LoginAttempts::submit(const QString& typedName, const QString& password)
{
    const QString name = typedName.trimmed();
    switch (checkCredentials(name, password)) {
    case Credentials::NoName:
        ShowMess(kChooseUser, MessNotice);
        return Outcome::RetryName;
    case Credentials::UnknownOperator:
        ShowMess(kNoSuchOperator, MessNotice);
        return Outcome::RetryName;
    case Credentials::DisabledOperator:
        ShowMess(kOperatorDisabled, MessNotice);
        return Outcome::RetryName;
    case Credentials::WrongPassword:
        return refusePassword();
    case Credentials::Correct:
        break;
    }
    startSession(name, m_host);
    return Outcome::LoggedIn;
}

LoginAttempts::Outcome LoginAttempts::refusePassword()
{
    if (++m_failures < kTries) {
        ShowMess(kWrongPassword, MessNotice);
        return Outcome::RetryPassword;
    }
    const bool firstLogin = m_mode == LoginMode::FirstLogin;
    dmData->writeLog(firstLogin ? kLogLoginFailed : kLogChangeFailed);
    ShowMess(firstLogin ? kIllegalOperator : kChangeFailed, MessFailure);
    return Outcome::GivenUp;
}
