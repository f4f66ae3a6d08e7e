#pragma once

#include <QWidget>

class QFrame;
class QLabel;
class QTimer;

// The borderless start-up window. It goes at the first of: its timer (3000 ms), a key, a
// click; `dismissed` is emitted exactly once, after which the window unloads itself.
class frmLunariaSplash : public QWidget
{
    Q_OBJECT
public:
    explicit frmLunariaSplash(int intervalMs = 3000, QWidget *parent = nullptr);

    bool isDismissed() const { return m_dismissed; }

Q_SIGNALS:
    void dismissed();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private Q_SLOTS:
    void tmrStart_Timer();

private:
    void frmCalSplash_Click();
    void Form_KeyPress();
    void dismiss();

    QFrame *frmCalSplash = nullptr;
    QTimer *tmrStart = nullptr;
    QLabel *imgLogo = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *lblPlatform = nullptr;
    QLabel *lblProductName = nullptr;
    QLabel *lblCompanyProduct = nullptr;
    bool m_dismissed = false;
};
