#pragma once

#include <QDate>
#include <QImage>
#include <QLabel>

#include <optional>

struct CalendarState;
class QTimer;

// The page as it will print, drawn for the room the pane has: again a moment after a change
// (schedule), so that typing draws once, or at once (drawNow). A page that cannot be drawn
// shows why instead. A click on a day says which day (dayClicked).
class PreviewPane : public QLabel
{
    Q_OBJECT
public:
    // Shows `state`, which must outlive the pane.
    explicit PreviewPane(const CalendarState &state, QWidget *parent = nullptr);

    // Draws the page again shortly; a burst of calls draws once.
    void schedule();
    // Draws the page now. Lets no exception out: a page that cannot be drawn shows why.
    void drawNow();
    // The page as last drawn, at the device pixels of the screen; null while it cannot be drawn.
    QImage image() const { return m_image; }
    // The day shown at `position` (in the pane's coordinates), if any.
    std::optional<QDate> dayAt(QPoint position) const;

Q_SIGNALS:
    void dayClicked(QDate day);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void showProblem(const QString &reason);

    const CalendarState &m_state;
    QTimer *m_timer = nullptr;
    QImage m_image;
    double m_dpi = 0;   // device pixels per inch of m_image
};
