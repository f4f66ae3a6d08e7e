#include "dialogs/subscribedialog.h"

#include "calendar/ical/icsreader.h"
#include "platform/messages.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The captions of the fields, which name them in a message.
constexpr char AddressField[] = QT_TRANSLATE_NOOP("SubscribeDialog", "Address");
constexpr char LabelField[] = QT_TRANSLATE_NOOP("SubscribeDialog", "Label");

FieldError fieldError(const char *field, const QString &reason)
{
    //: A field of the Subscribe to Calendar dialog, then why its value is refused.
    return {QLatin1String(field), SubscribeDialog::tr("%1: %2").arg(SubscribeDialog::tr(field), reason)};
}

bool isCalDavAddress(const QString &address)
{
    return address.startsWith(QLatin1String("caldav+"), Qt::CaseInsensitive);
}

} // namespace

std::optional<FieldError> subscriptionFieldError(const QString &address, const QString &label)
{
    const QString written = address.trimmed();
    if (written.isEmpty())
        return fieldError(AddressField, SubscribeDialog::tr("type the calendar's address (https://, webcal://, caldav+https://)."));
    // The address is one word of a control-file line.
    if (std::any_of(written.begin(), written.end(), [](QChar c) { return c.isSpace(); }))
        return fieldError(AddressField, SubscribeDialog::tr("an address holds no blanks; write a blank as %20."));
    if (!isCalendarAddress(written))
        return fieldError(AddressField, SubscribeDialog::tr("\"%1\" is not a calendar address: it begins with https://, "
                                                            "webcal://, http://, caldav+https:// or caldav+http://.")
                                            .arg(written));
    const QString legend = label.trimmed();
    if (legend.contains(QLatin1Char('\n')) || legend.contains(QLatin1Char('\r')))
        return fieldError(LabelField, SubscribeDialog::tr("the label must be one line."));
    if (legend.size() > MaxLabelLength)
        return fieldError(LabelField, SubscribeDialog::tr("the label has %1 characters; at most %2 fit the legend.")
                                          .arg(legend.size())
                                          .arg(MaxLabelLength));
    return std::nullopt;
}

QString labelFromAddress(const QString &address)
{
    const QUrl url(address.trimmed());
    QString last = url.path().section(QLatin1Char('/'), -1, -1, QString::SectionSkipEmpty);
    if (last.endsWith(QLatin1String(".ics"), Qt::CaseInsensitive))
        last.chop(4);
    return last.isEmpty() ? url.host() : last;
}

SubscribeDialog::SubscribeDialog(MessageService &messages, Probe probe, Discover discover, QWidget *parent)
    : QDialog(parent), m_messages(messages), m_probe(std::move(probe)), m_discover(std::move(discover))
{
    setObjectName(QStringLiteral("SubscribeDialog"));
    setWindowTitle(tr("Subscribe to Calendar"));

    txtAddress = new QLineEdit(this);
    txtAddress->setObjectName(QStringLiteral("txtAddress"));
    txtAddress->setAccessibleName(tr(AddressField));
    txtAddress->setPlaceholderText(QStringLiteral("https://example.org/calendar.ics"));
    txtAddress->setMinimumWidth(420);
    txtLabel = new QLineEdit(this);
    txtLabel->setObjectName(QStringLiteral("txtLabel"));
    txtLabel->setAccessibleName(tr(LabelField));
    txtLabel->setPlaceholderText(tr("the calendar's own name"));
    lstCalendars = new QListWidget(this);
    lstCalendars->setObjectName(QStringLiteral("lstCalendars"));
    lstCalendars->setAccessibleName(tr("Calendars on the server"));
    lblCalendars = new QLabel(tr("&Calendars on the server:"), this);
    lblCalendars->setBuddy(lstCalendars);
    lblCalendars->setVisible(false);
    lstCalendars->setVisible(false);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));

    auto *form = new QFormLayout;
    form->addRow(tr("&Address:"), txtAddress);
    form->addRow(tr("&Label:"), txtLabel);
    auto *column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addWidget(lblCalendars);
    column->addWidget(lstCalendars);
    column->addWidget(buttons);

    setTabOrder(txtAddress, txtLabel);
    setTabOrder(txtLabel, lstCalendars);
    setTabOrder(lstCalendars, buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &SubscribeDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // A calendar picked from the server's list is the address to subscribe to.
    connect(lstCalendars, &QListWidget::currentRowChanged, this, [this](int row) {
        if (QListWidgetItem *item = lstCalendars->item(row))
            txtAddress->setText(item->data(Qt::UserRole).toString());
    });
}

void SubscribeDialog::accept()
{
    const QString address = txtAddress->text().trimmed();
    if (const std::optional<FieldError> error = subscriptionFieldError(address, txtLabel->text()))
        return refuse(error->field == QLatin1String(LabelField) ? txtLabel : txtAddress, error->message);

    const SubscribeProbe found = m_probe ? m_probe(address) : SubscribeProbe{};
    if (found.ok) {
        m_rule = MarkRule{};
        m_rule.kind = RuleKind::ICalendar;
        m_rule.source = address;
        const QString typed = txtLabel->text().trimmed();
        m_rule.label = !typed.isEmpty() ? typed : !found.name.isEmpty() ? found.name.left(MaxLabelLength) : labelFromAddress(address);
        QDialog::accept();
        return;
    }
    if (isCalDavAddress(address) && m_discover) {
        const SubscribeOffers offers = m_discover(address);
        if (!offers.calendars.isEmpty()) {
            offer(offers.calendars);
            return refuse(txtAddress, tr("%1\nChoose one of the calendars the server offers and press OK.").arg(found.problem));
        }
        if (!offers.problem.isEmpty())
            return refuse(txtAddress, fieldError(AddressField, found.problem + QLatin1Char('\n') + offers.problem).message);
    }
    refuse(txtAddress, fieldError(AddressField, found.problem).message);
}

void SubscribeDialog::refuse(QLineEdit *field, const QString &message)
{
    m_messages.show(message, windowTitle(), MessageService::Icon::Warning);
    field->setFocus();
    field->selectAll();
}

void SubscribeDialog::offer(const QList<SubscribeOffer> &calendars)
{
    const QSignalBlocker quiet(lstCalendars);
    lstCalendars->clear();
    for (const SubscribeOffer &calendar : calendars) {
        auto *item = new QListWidgetItem(QStringLiteral("%1 (%2)").arg(calendar.name, calendar.address), lstCalendars);
        item->setData(Qt::UserRole, calendar.address);
    }
    lblCalendars->setVisible(true);
    lstCalendars->setVisible(true);
}
