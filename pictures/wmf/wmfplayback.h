#pragma once

#include "pictures/wmf/wmfbudget.h"
#include "pictures/wmf/wmfobjects.h"
#include "pictures/wmf/wmfrecords.h"
#include "pictures/wmf/wmftext.h"

#include <QPainterPath>
#include <QRegion>
#include <QTransform>

#include <optional>
#include <vector>

class QPainter;

// The device context of one replay: what GDI keeps between records and SaveDC saves.
struct WmfDcState
{
    QPointF windowOrg;
    QSizeF windowExt;
    QPointF viewportOrg;
    QSizeF viewportExt;
    int mapMode = 1;            // MM_TEXT
    WmfPen pen;
    WmfBrush brush;
    WmfFont font;
    QColor textColour = Qt::black;
    QColor backgroundColour = Qt::white;
    int backgroundMode = 2;     // OPAQUE
    int textAlign = 0;          // TA_TOP | TA_LEFT | TA_NOUPDATECP
    int polyFillMode = 1;       // ALTERNATE
    int rop2 = 13;              // R2_COPYPEN
    QPointF position;           // logical units
    std::optional<QRegion> clip; // target coordinates; none = unclipped
};

// One replay of a record list onto a painter (see WmfPlayer).
class WmfPlayback
{
public:
    // Nested SaveDC calls kept; deeper saves are ignored rather than allocated without end.
    static constexpr size_t MaxSavedStates = 1024;

    // Drawing replays paint and decode; measuring replays only count the work (and the
    // bounds of what would be drawn), decoding no bitmap and painting nothing.
    enum class Mode { Draw, Measure };

    WmfPlayback(QPainter &painter, const QRectF &target, const QRectF &frame, int objectCount, Mode mode,
                const WmfBudget &budget);
    ~WmfPlayback();
    // Replays the records, stopping at the first one that takes the work past the budget.
    void run(const QList<WmfRecord> &records);

    const WmfWork &work() const { return m_work; }
    // Measuring replays can also collect what a drawing replay would cover, in the painter's
    // coordinates (unclipped); that takes the fonts' metrics of every text.
    void trackBounds() { m_trackBounds = true; }
    // Starts from GDI's default window and viewport (origin 0, extent 1) instead of the
    // frame's, for a frame measured as the drawing's bounds. Call before run().
    void startAtDefaultWindow();
    QRectF bounds() const { return m_bounds; }

private:
    void dispatch(const WmfRecord &r);
    // Counts the work of one drawing operation whose shape covers `logicalBox`; true when it
    // is to be painted (a drawing replay within its budget).
    bool spend(const QRectF &logicalBox, qint64 points, qint64 scanRows);
    // `bounded`: the box is exact enough for the drawing's bounds.
    bool spendOnDevice(const QRectF &deviceBox, qint64 points, qint64 scanRows, bool bounded = true);
    bool spendOnBitmap(qint64 pixels, const QRectF &logicalDestination);
    bool withinBudget();
    qint64 fillRows(const QPainterPath &path) const;
    qint64 strokePixels(const QPolygonF &logicalPoints) const;
    qint64 strokePixels(const QPainterPath &path) const;
    qreal penWidthOnDevice() const;
    // spendOnDevice for the lines through `points` in the current pen; false also when the
    // mapping is unusable, so that nothing is drawn.
    bool spendOnStroke(const QPolygonF &points);
    void updateMapping();
    QRectF logicalRect(qreal left, qreal top, qreal right, qreal bottom) const;
    void applyClip();
    void setClip(std::optional<QRegion> clip);
    QRegion targetRegion(const QRectF &logical) const;

    // Shapes.
    QPen currentPen() const;
    QBrush currentBrush() const;
    bool preparePainter(bool stroke, bool fill);
    void drawPath(const QPainterPath &path, bool fill);
    void drawPolyline(const WmfRecord &r);
    void drawPolygon(const WmfRecord &r);
    void drawPolyPolygon(const WmfRecord &r);
    void drawArcFamily(const WmfRecord &r);
    void selectObject(int index);
    void selectClipRegion(int index);

    // Text.
    void textOut(const WmfRecord &r);
    void extTextOut(const WmfRecord &r);
    void drawText(QPointF logical, QByteArrayView bytes, const QList<int> &dx, int options, const QRectF &rect);
    bool drawPlacedGlyphs(const QFont &font, qreal pixelSize, const QList<WmfTextUnit> &units,
                          const QList<qreal> &advances, QPointF origin);

    // Bitmaps and pattern fills.
    void blit(const WmfRecord &r);
    void drawBitmap(const QImage &image, QRectF source, const QRectF &destination, quint32 rop);
    void fillPattern(const QRectF &destination, quint32 rop);

    QPainter &m_painter;
    Mode m_mode;
    WmfBudget m_budget;
    WmfWork m_work;
    bool m_stopped = false;
    QRectF m_deviceTarget;      // the target on the device: work outside it is clipped away
    QRectF m_bounds;
    bool m_trackBounds = false;
    QTransform m_base;          // the painter's transform when the replay began
    std::optional<QPainterPath> m_baseClip;
    QRectF m_target;
    QRectF m_frame;
    WmfDcState m_dc;
    std::vector<WmfDcState> m_saved;
    WmfObjectTable m_objects;
    QTransform m_mapping;       // logical units -> target coordinates
    bool m_mappingValid = true;
    bool m_rasterDevice = false;
    qreal m_devicePixelsPerReferencePixel = 1;
    qreal m_dpiY = 96;
};
