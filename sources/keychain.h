#pragma once

#include "sources/credentials.h"

#include <QString>

#include <optional>

// The window keeps a server's user name and password in the desktop's secret store (Qt
// Keychain: the Secret Service, KWallet), under the service "Lunaria" and the server's host
// (with ":port" when it has one), never in a control file or the settings.

struct KeychainRead
{
    std::optional<Credentials> credentials;  // none kept for the host, or none could be read
    QString problem;                         // why the store could not be read; empty when
                                             // it simply holds nothing for the host
};

// What the store holds for `server`. Blocks in an event loop of its own until the store answers.
KeychainRead readKeychainCredentials(const QUrl &server);
// Keeps `credentials` for `server`; the store's reason when it could not.
std::optional<QString> storeKeychainCredentials(const QUrl &server, const Credentials &credentials);
// Forgets what is kept for `server`; the store's reason when it could not.
std::optional<QString> forgetKeychainCredentials(const QUrl &server);

// The window's credentials: those kept in the secret store for the server that asks.
class KeychainCredentials : public CredentialSource
{
public:
    std::optional<Credentials> credentialsFor(const QUrl &asked, const QUrl &written) override;
};
