#pragma once

#include "control/ruleedit.h"
#include "model/markrule.h"

#include <QDialog>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

class MessageService;
class QLabel;
class QLineEdit;
class QListWidget;

// What the window found at an address when it fetched it for the dialog.
struct SubscribeProbe
{
    bool ok = false;  // the address gives a calendar
    QString name;     // the calendar's own name, empty when it has none
    QString problem;  // when !ok: the address and what went wrong
};

// A calendar a CalDAV server offers.
struct SubscribeOffer
{
    QString address;  // caldav+https://..., for the rule
    QString name;
};

struct SubscribeOffers
{
    QList<SubscribeOffer> calendars;
    QString problem;  // why none could be found, naming the address
};

// Why the fields cannot be subscribed to, naming the field; none when they can. Nothing is
// fetched here.
std::optional<FieldError> subscriptionFieldError(const QString &address, const QString &label);

// The legend's text for a calendar that gives none: the last part of the address's path
// without ".ics", else its server.
QString labelFromAddress(const QString &address);

// "Subscribe to Calendar": an address and a label. OK refuses fields that are no calendar
// address with a message naming the field, then fetches the address through `probe`: a
// calendar is accepted (its own name becomes the label when none was typed); a caldav+ address
// that is not a calendar collection lists the calendars `discover` finds on its server, to
// pick one and press OK again; any other failure is shown and the dialog stays open.
class SubscribeDialog : public QDialog
{
    Q_OBJECT
public:
    using Probe = std::function<SubscribeProbe(const QString &address)>;
    using Discover = std::function<SubscribeOffers(const QString &address)>;

    // `discover` may be empty: then no calendars are offered.
    SubscribeDialog(MessageService &messages, Probe probe, Discover discover, QWidget *parent = nullptr);

    // The ICS rule of the accepted fields.
    MarkRule rule() const { return m_rule; }

public Q_SLOTS:
    void accept() override;

private:
    void refuse(QLineEdit *field, const QString &message);
    void offer(const QList<SubscribeOffer> &calendars);

    MessageService &m_messages;
    Probe m_probe;
    Discover m_discover;
    QLineEdit *txtAddress = nullptr;
    QLineEdit *txtLabel = nullptr;
    QLabel *lblCalendars = nullptr;
    QListWidget *lstCalendars = nullptr;
    MarkRule m_rule;
};
