#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QLineEdit;

// "Log In": the user name and password a server asks for, the password masked, and whether to
// keep them in the desktop's secret store. OK stays disabled until a user name is typed.
class CredentialsDialog : public QDialog
{
    Q_OBJECT
public:
    // `server` as messages show it (host, ":port" with a port); `note` says why the dialog
    // comes again (the server refused what it was given), or is empty.
    CredentialsDialog(const QString &server, const QString &note, QWidget *parent = nullptr);

    QString user() const;
    QString password() const;
    bool remember() const;

private:
    QLineEdit *txtUser = nullptr;
    QLineEdit *txtPassword = nullptr;
    QCheckBox *chkRemember = nullptr;
};
