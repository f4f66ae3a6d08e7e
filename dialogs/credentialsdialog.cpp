#include "dialogs/credentialsdialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CredentialsDialog::CredentialsDialog(const QString &server, const QString &note, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CredentialsDialog"));
    setWindowTitle(tr("Log In"));
    setMinimumWidth(380);

    auto *question = new QLabel(tr("The server %1 asks for a user name and password.").arg(server), this);
    question->setTextFormat(Qt::PlainText);
    question->setObjectName(QStringLiteral("lblQuestion"));
    question->setWordWrap(true);
    auto *why = new QLabel(note, this);
    why->setTextFormat(Qt::PlainText);
    why->setObjectName(QStringLiteral("lblNote"));
    why->setWordWrap(true);
    why->setVisible(!note.isEmpty());
    txtUser = new QLineEdit(this);
    txtUser->setObjectName(QStringLiteral("txtUser"));
    txtUser->setAccessibleName(tr("User name"));
    txtPassword = new QLineEdit(this);
    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    txtPassword->setAccessibleName(tr("Password"));
    txtPassword->setEchoMode(QLineEdit::Password);
    chkRemember = new QCheckBox(tr("Remember in the secret store"), this);
    chkRemember->setObjectName(QStringLiteral("chkRemember"));
    chkRemember->setAccessibleName(chkRemember->text());
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton *ok = buttons->button(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setEnabled(false);
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));

    auto *form = new QFormLayout;
    form->addRow(tr("&User name:"), txtUser);
    form->addRow(tr("&Password:"), txtPassword);
    auto *column = new QVBoxLayout(this);
    column->addWidget(question);
    column->addWidget(why);
    column->addLayout(form);
    column->addWidget(chkRemember);
    column->addWidget(buttons);
    setTabOrder(txtUser, txtPassword);
    setTabOrder(txtPassword, chkRemember);
    setTabOrder(chkRemember, buttons);

    connect(txtUser, &QLineEdit::textChanged, ok, [ok](const QString &text) { ok->setEnabled(!text.trimmed().isEmpty()); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QString CredentialsDialog::user() const
{
    return txtUser->text().trimmed();
}

QString CredentialsDialog::password() const
{
    return txtPassword->text();
}

bool CredentialsDialog::remember() const
{
    return chkRemember->isChecked();
}
