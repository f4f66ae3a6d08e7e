#pragma once

#include <QString>
#include <QWidget>

class MessageService;
class OutputDevices;
class QLabel;
class QListWidget;
class QPushButton;

// The list entry of device `ordinal` (counting from 1): the number right-aligned in three
// characters, a blank, the device name. "  1 Office", " 12 PDF file".
QString printerEntry(int ordinal, const QString &deviceName);

// "Output Device Selection": lists the output devices, nothing preselected; "Select Device"
// makes the selected one current and closes the window, which then deletes itself. Modeless.
// A fresh window (and list) is made for every use.
class frmSelectPrt : public QWidget
{
    Q_OBJECT
public:
    frmSelectPrt(OutputDevices &devices, MessageService &messages, QWidget *parent = nullptr);

Q_SIGNALS:
    // A device was made current; the window is closing.
    void deviceSelected();

private Q_SLOTS:
    void cmdSelFont_Click();

private:
    void Form_Load();

    OutputDevices &m_devices;
    MessageService &m_messages;
    QLabel *lblProcess1 = nullptr;
    QListWidget *lstPrinterName = nullptr;
    QLabel *Label1 = nullptr;
    QPushButton *cmdSelFont = nullptr;
};
