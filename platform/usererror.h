#pragma once

#include <QString>

#include <exception>

// A failure the user can cause (a bad file, a number out of range, no printer). It ends the
// running command; the main window's command wrapper shows `reason()` and restores the state.
class UserError : public std::exception
{
public:
    explicit UserError(QString reason) : m_reason(std::move(reason)), m_utf8(m_reason.toUtf8()) {}
    const QString &reason() const noexcept { return m_reason; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_reason;
    QByteArray m_utf8;
};
