#include "app/frmlunariasplash.h"

#include "app/splashlogo.h"
#include "app/version.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QSysInfo>
#include <QTimer>

namespace {
QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, double points, bool italic)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(true);
    font.setItalic(italic);
    label->setFont(font);
    label->setAccessibleName(text);
    // Clicks on the labels reach the frame, which dismisses the splash.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}
}

frmLunariaSplash::frmLunariaSplash(int intervalMs, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmLunariaSplash"));
    setAccessibleName(QStringLiteral("Lunaria"));
    setFocusPolicy(Qt::StrongFocus);

    frmCalSplash = new QFrame(this);
    frmCalSplash->setObjectName(QStringLiteral("frmCalSplash"));
    frmCalSplash->setFrameShape(QFrame::Box);
    frmCalSplash->setLineWidth(2);
    frmCalSplash->installEventFilter(this);

    imgLogo = new QLabel(frmCalSplash);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setPixmap(drawLunariaLogo(QSize(180, 180)));
    imgLogo->setAccessibleName(tr("Lunaria logo"));
    imgLogo->setAttribute(Qt::WA_TransparentForMouseEvents);

    lblProductName = makeLabel(frmCalSplash, "lblProductName", QStringLiteral("Lunaria"), 36, true);
    lblCompanyProduct = makeLabel(frmCalSplash, "lblCompanyProduct", tr("Year calendars for the wall, from the Lunaria makers"), 14.25, false);
    lblVersion = makeLabel(frmCalSplash, "lblVersion", tr("Version %1").arg(QStringLiteral(LUNARIA_VERSION)), 12, false);
    lblPlatform = makeLabel(frmCalSplash, "lblPlatform", tr("for %1").arg(QSysInfo::prettyProductName()), 12, true);

    auto *grid = new QGridLayout(frmCalSplash);
    grid->setContentsMargins(24, 24, 24, 24);
    grid->setHorizontalSpacing(24);
    grid->addWidget(imgLogo, 0, 0, 4, 1);
    grid->addWidget(lblProductName, 0, 1);
    grid->addWidget(lblCompanyProduct, 1, 1);
    grid->addWidget(lblVersion, 2, 1);
    grid->addWidget(lblPlatform, 3, 1);

    auto *outer = new QGridLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frmCalSplash);

    tmrStart = new QTimer(this);
    tmrStart->setObjectName(QStringLiteral("tmrStart"));
    tmrStart->setInterval(intervalMs);
    tmrStart->setSingleShot(true);
    connect(tmrStart, &QTimer::timeout, this, &frmLunariaSplash::tmrStart_Timer);
    tmrStart->start();
}

void frmLunariaSplash::tmrStart_Timer()
{
    dismiss();
}

void frmLunariaSplash::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // A frameless window is not always given the focus by the window manager; without it a
    // key would not reach the splash, which a key is meant to dismiss.
    raise();
    activateWindow();
    setFocus(Qt::ActiveWindowFocusReason);
}

void frmLunariaSplash::keyPressEvent(QKeyEvent *event)
{
    Form_KeyPress();
    event->accept();
}

void frmLunariaSplash::closeEvent(QCloseEvent *event)
{
    // Closed by the window manager: the program goes on to its main window all the same.
    dismiss();
    event->accept();
}

bool frmLunariaSplash::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == frmCalSplash && event->type() == QEvent::MouseButtonRelease) {
        frmCalSplash_Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmLunariaSplash::frmCalSplash_Click()
{
    dismiss();
}

void frmLunariaSplash::Form_KeyPress()
{
    dismiss();
}

void frmLunariaSplash::dismiss()
{
    // A key and the timer can arrive together; only the first one counts.
    if (m_dismissed)
        return;
    m_dismissed = true;
    tmrStart->stop();
    hide();
    Q_EMIT dismissed();
    deleteLater();
}
