#pragma once

#include <QString>
#include <QWidget>

class MessageService;
class OutputDevices;
class QLabel;
class QListWidget;
class QPushButton;

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

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private Q_SLOTS:
    void cmdSelFont_Click();

private:
    void Form_Load();
    // Says under the list whether the selected device is known to print black and white.
    void showColourHint();

    OutputDevices &m_devices;
    MessageService &m_messages;
    QLabel *lblProcess1 = nullptr;
    QListWidget *lstPrinterName = nullptr;
    QLabel *Label1 = nullptr;
    QPushButton *cmdSelFont = nullptr;
    QLabel *lblColourHint = nullptr;
};
