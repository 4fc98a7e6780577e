#pragma once

#include <QString>
#include <stdexcept>

namespace vz {

/// The one exception type of the program: a failure with a Russian message for the user.
/// Handlers throw it; the error guard around every slot shows its text in the general error box.
class Error : public std::runtime_error
{
public:
    explicit Error(const QString &message)
        : std::runtime_error(message.toStdString())
        , m_message(message)
    {
    }
    const QString &message() const { return m_message; }

private:
    QString m_message;
};

/// A statement or operation the table engine rejected; the message is the engine's own.
class DbError : public Error
{
public:
    using Error::Error;
};

} // namespace vz
