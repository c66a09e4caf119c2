#pragma once

#include <QString>

#include <stdexcept>

// A statement that failed: the engine's own message, and the statement as written.
class DbError : public std::runtime_error {
public:
    DbError(const QString& message, const QString& statement = {})
        : std::runtime_error(message.toStdString()), m_message(message), m_statement(statement) {}
    const QString& message() const { return m_message; }
    const QString& statement() const { return m_statement; }

private:
    QString m_message;
    QString m_statement;
};
