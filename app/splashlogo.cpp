#include "app/splashlogo.h"

#include <QPainter>
#include <QPainterPath>

QPixmap drawLunariaLogo(QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();

    // Night sky behind the page.
    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0, QColor(24, 36, 84));
    sky.setColorAt(1, QColor(70, 96, 160));
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRoundedRect(QRectF(0, 0, w, h), w * 0.08, w * 0.08);

    // Crescent moon, top right.
    const QRectF moon(w * 0.62, h * 0.06, w * 0.30, h * 0.30);
    QPainterPath crescent;
    crescent.addEllipse(moon);
    QPainterPath bite;
    bite.addEllipse(moon.translated(-moon.width() * 0.28, -moon.height() * 0.12));
    p.setBrush(QColor(255, 236, 170));
    p.drawPath(crescent.subtracted(bite));

    // The calendar page with its binding band and a grid of days, a few of them marked.
    const QRectF page(w * 0.12, h * 0.28, w * 0.62, h * 0.62);
    p.setBrush(Qt::white);
    p.drawRoundedRect(page, w * 0.03, w * 0.03);
    p.setBrush(QColor(178, 34, 52));
    p.drawRect(QRectF(page.left(), page.top(), page.width(), page.height() * 0.18));

    const QColor marks[] = {QColor(152, 251, 152), QColor(255, 228, 181), QColor(175, 238, 238)};
    const qreal cellW = page.width() / 7.0;
    const qreal cellH = page.height() * 0.78 / 5.0;
    for (int row = 0; row < 5; ++row) {
        for (int col = 0; col < 7; ++col) {
            const QRectF cell(page.left() + col * cellW + cellW * 0.18, page.top() + page.height() * 0.2 + row * cellH + cellH * 0.18,
                              cellW * 0.64, cellH * 0.64);
            const int n = row * 7 + col;
            p.setBrush(n % 9 == 4 ? marks[(n / 9) % 3] : QColor(200, 205, 215));
            p.drawRect(cell);
        }
    }
    return pixmap;
}
