#pragma once

#include <QString>

class SessionHost;

enum class LoginMode { FirstLogin, ChangeOfOperator };

// What the operator list says about a typed name and password.
enum class Credentials { NoName, UnknownOperator, DisabledOperator, WrongPassword, Correct };

// The name is taken as given (the caller trims it); the password is compared
// exactly with the stored one.
Credentials checkCredentials(const QString& name, const QString& password);

// Establishes the session of the operator with the given (trimmed) name:
// operator and proposed name, company, department restriction, system
// values, automatic code switch, the rights on the host's commands; then
// tells the host.
void startSession(const QString& name, SessionHost& host);

// One opening of the login window: the tries, their messages and the log
// entry of the last failed one.
class LoginAttempts {
public:
    enum class Outcome {
        RetryName,     // no usable name: the name box takes the focus again
        RetryPassword, // wrong password, tries left: both boxes stay as typed
        LoggedIn,      // the session belongs to the new operator
        GivenUp,       // the last try failed; the session is unchanged
    };

    static constexpr int kTries = 4;

    LoginAttempts(LoginMode mode, SessionHost& host) : m_mode(mode), m_host(host) {}

    Outcome submit(const QString& typedName, const QString& password);
    int failures() const { return m_failures; }

private:
    Outcome refusePassword();

    LoginMode m_mode;
    SessionHost& m_host;
    int m_failures = 0;
};
