#include "dialogs/frmselectprt.h"

#include "platform/messages.h"
#include "devices/devicelist.h"
#include "devices/outputdevices.h"
#include "platform/usererror.h"

#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The faces the window was drawn with are rarely installed; the hint picks a look-alike.
QFont faceOrLookAlike(const QString &family, double points, bool bold, QFont::StyleHint hint)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setStyleHint(hint);
    return font;
}

} // namespace

frmSelectPrt::frmSelectPrt(OutputDevices &devices, MessageService &messages, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_devices(devices)
    , m_messages(messages)
{
    setObjectName(QStringLiteral("frmSelectPrt"));
    setWindowTitle(tr("Output Device Selection"));
    setAttribute(Qt::WA_DeleteOnClose);

    lblProcess1 = new QLabel(tr("First Click on a Device from the list."), this);
    lblProcess1->setObjectName(QStringLiteral("lblProcess1"));
    lblProcess1->setFont(faceOrLookAlike(QStringLiteral("Albertus Medium"), 12, false, QFont::Serif));

    lstPrinterName = new QListWidget(this);
    lstPrinterName->setObjectName(QStringLiteral("lstPrinterName"));
    lstPrinterName->setSelectionMode(QAbstractItemView::SingleSelection);
    lstPrinterName->setAccessibleName(lblProcess1->text());
    lblProcess1->setBuddy(lstPrinterName);

    Label1 = new QLabel(tr("THEN"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(faceOrLookAlike(QStringLiteral("Albertus Medium"), 20.25, true, QFont::Serif));
    Label1->setAlignment(Qt::AlignCenter);

    cmdSelFont = new QPushButton(tr("Select Device"), this);
    cmdSelFont->setObjectName(QStringLiteral("cmdSelFont"));
    cmdSelFont->setFont(faceOrLookAlike(QStringLiteral("MS Sans Serif"), 9.75, true, QFont::SansSerif));
    cmdSelFont->setAccessibleName(cmdSelFont->text());
    cmdSelFont->setDefault(true);

    lblColourHint = new QLabel(this);
    lblColourHint->setObjectName(QStringLiteral("lblColourHint"));
    lblColourHint->setWordWrap(true);
    lblColourHint->hide();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblProcess1);
    layout->addWidget(lstPrinterName, 1);
    layout->addWidget(lblColourHint);
    layout->addWidget(Label1);
    layout->addWidget(cmdSelFont, 0, Qt::AlignHCenter);
    setTabOrder(lstPrinterName, cmdSelFont);
    resize(360, 300);

    connect(cmdSelFont, &QPushButton::clicked, this, &frmSelectPrt::cmdSelFont_Click);
    connect(lstPrinterName, &QListWidget::itemDoubleClicked, this, &frmSelectPrt::cmdSelFont_Click);
    connect(lstPrinterName, &QListWidget::itemSelectionChanged, this, &frmSelectPrt::showColourHint);
    lstPrinterName->installEventFilter(this);

    Form_Load();
}

bool frmSelectPrt::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lstPrinterName && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        // Return chooses, as a double click does; the list would otherwise keep the key.
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            cmdSelFont_Click();
            return true;
        }
        // Nothing is chosen at first; the first Down goes to the first device, not the second.
        if (key == Qt::Key_Down && lstPrinterName->currentRow() < 0 && lstPrinterName->count() > 0) {
            lstPrinterName->setCurrentRow(0);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmSelectPrt::Form_Load()
{
    for (const DeviceEntry &entry : deviceEntries(m_devices)) {
        auto *item = new QListWidgetItem(entry.text, lstPrinterName);
        item->setData(Qt::UserRole, entry.name);
    }
    lstPrinterName->setCurrentRow(-1);
    lstPrinterName->clearSelection();
}

void frmSelectPrt::showColourHint()
{
    const QList<QListWidgetItem *> selected = lstPrinterName->selectedItems();
    const bool blackAndWhite = !selected.isEmpty()
        && m_devices.colourSupport(lstPrinterName->row(selected.first())) == ColourSupport::BlackAndWhite;
    //: "Patterns" and "Colours" name a choice and a field of the main window's Page group.
    lblColourHint->setText(blackAndWhite ? tr("This printer prints in black and white only: the five colours of "
                                              "the marked days come out as greys. Choose \"Patterns\" under "
                                              "Colours to tell them apart.")
                                         : QString());
    lblColourHint->setVisible(blackAndWhite);
}

void frmSelectPrt::cmdSelFont_Click()
{
    const QList<QListWidgetItem *> selected = lstPrinterName->selectedItems();
    if (selected.isEmpty()) {
        m_messages.show(tr("Select a Printer from the list first . . ."), QString());
        return;
    }
    const int index = lstPrinterName->row(selected.first());
    const QString name = selected.first()->data(Qt::UserRole).toString();
    try {
        // The devices may have changed since the list was made: refuse a number that now
        // means another device or none.
        const QStringList now = m_devices.deviceNames();
        if (index < 0 || index >= now.size() || now.at(index) != name)
            //: "Select Printer" is the main window's button.
            throw UserError(tr("The list of devices has changed. Close this window and press "
                               "\"Select Printer\" again . . ."));
        m_devices.setCurrent(index);
    } catch (const UserError &error) {
        m_messages.show(error.reason(), QString(), MessageService::Icon::Warning);
        return;
    }
    Q_EMIT deviceSelected();
    hide();
    close();
}
