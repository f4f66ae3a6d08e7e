#include "app/previewpane.h"

#include "model/calendarstate.h"
#include "page/composepage.h"
#include "platform/usererror.h"
#include "print/preview.h"
#include "print/printjob.h"

#include <QMouseEvent>
#include <QPixmap>
#include <QStyle>
#include <QTimer>

#include <algorithm>
#include <exception>

namespace {
constexpr int RedrawDelay = 150;   // milliseconds after the last change: one draw per burst of typing
constexpr int Margin = 16;         // pixels of grey round the sheet
constexpr int SmallestRoom = 50;   // pixels; less is a pane being laid out, not one to draw in
}

PreviewPane::PreviewPane(const CalendarState &state, QWidget *parent) : QLabel(parent), m_state(state)
{
    setObjectName(QStringLiteral("picPreview"));
    setAccessibleName(tr("Page preview"));
    setAlignment(Qt::AlignCenter);
    setMinimumSize(340, 440);
    // The page image must not decide the label's size: a window made smaller would cut it off.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    setStyleSheet(QStringLiteral("QLabel#picPreview { background: #8a8f99; }"));
    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
    m_timer->setInterval(RedrawDelay);
    connect(m_timer, &QTimer::timeout, this, &PreviewPane::drawNow);
}

void PreviewPane::schedule()
{
    m_timer->start();
}

void PreviewPane::drawNow()
{
    m_timer->stop();
    const QSize room = contentsRect().size() - QSize(Margin, Margin);
    if (room.width() < SmallestRoom || room.height() < SmallestRoom)
        return;
    // Called from the timer: whatever goes wrong is shown in the pane, since an exception
    // leaving a slot would take the program down.
    try {
        // Drawn at the resolution the label shows it at, so the preview stays sharp.
        const QSizeF page = previewPaperInches(m_state);
        const double dpi = std::min(room.width() / page.width(), room.height() / page.height());
        m_dpi = dpi * devicePixelRatioF();
        m_image = renderPreview(pageAsPrinted(m_state), m_dpi);
        QPixmap pixmap = QPixmap::fromImage(m_image);
        pixmap.setDevicePixelRatio(devicePixelRatioF());
        setPixmap(pixmap);
        setToolTip(tr("Click a day to mark it"));
    } catch (const UserError &error) {
        showProblem(error.reason());
    } catch (const std::exception &error) {
        showProblem(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        showProblem(tr("an unexpected error"));
    }
}

void PreviewPane::showProblem(const QString &reason)
{
    m_image = QImage();
    setPixmap(QPixmap());
    setToolTip(QString());
    setText(tr("The page cannot be drawn:\n%1").arg(reason));
}

std::optional<QDate> PreviewPane::dayAt(QPoint position) const
{
    if (m_image.isNull() || m_dpi <= 0)
        return std::nullopt;
    // The label centres the image, shown at its device pixel ratio; the image is the sheet.
    const qreal ratio = devicePixelRatioF();
    const QSize shown = (QSizeF(m_image.size()) / ratio).toSize();
    const QRect placed = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, shown, contentsRect());
    const QPointF pixel = QPointF(position - placed.topLeft()) * ratio;
    return dayAtPagePoint(m_state, previewPixelToPageTwips(m_state, m_dpi, pixel));
}

void PreviewPane::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    // The page is drawn again for the room it is given.
    schedule();
}

void PreviewPane::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    if (const std::optional<QDate> day = dayAt(event->position().toPoint()))
        Q_EMIT dayClicked(*day);
}
