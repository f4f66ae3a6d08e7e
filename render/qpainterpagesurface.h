#pragma once

#include "render/pagesurface.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QHashFunctions>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QStaticText>
#include <QTextLayout>

#include <deque>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

class QPaintDevice;
class QPrinter;

// Where a page of `pageTwips` goes when fitted to the printable `area` (device units at
// `dpiX` x `dpiY`): scaled, proportions kept, and centred. `origin` is the page's top-left
// corner in device units; a twip is `scale` * dpi / 1440 device units.
struct FittedPage
{
    QPointF origin;
    double scale = 1;
};
FittedPage fitPageInArea(const QRectF &area, const QSizeF &pageTwips, double dpiX, double dpiY);


// The page surface over a real paint device: a printer, a PDF writer or an image. Twips are
// converted to device units by the device's own resolution, the painter is never scaled, so
// a 10 pt font is 10 pt on every device. Raster mode 14 is the device's own raster operation
// where it has one (images); elsewhere (PDF, printers) the surface fills the shape and
// redraws the text it drew under it, clipped to the shape, in the colour the operation gives.
// What a printer adds to a painted page: its printable area, the copy count it takes before
// the page begins, and a job it can abort or find failed. QPrinter stands behind it in a file of
// its own (qprinterpagesurface.cpp), so that surfaces for files and images need no print support.
class PrinterSide
{
public:
    PrinterSide() = default;
    virtual ~PrinterSide() = default;
    Q_DISABLE_COPY_MOVE(PrinterSide)
    virtual QRectF printableArea() const = 0;
    virtual void setCopyCount(int copies) = 0;
    virtual void abort() = 0;
    virtual bool failed() const = 0;
};

class QPainterPageSurface : public PageSurface
{
public:
    // Starts painting on `device` (an image, a PDF writer) at once. `deviceName` is what
    // deviceName() reports. Throws UserError when the device cannot be painted on.
    QPainterPageSurface(QPaintDevice &device, QString deviceName);
    // A printer surface. Painting starts with the first drawing operation (or begin()), so
    // that setCopies can still hand the copy count to the printer, which refuses it later.
    QPainterPageSurface(QPrinter &printer, QString deviceName);
    // Ends painting if the page was never sent; a printer job is aborted rather than printed.
    ~QPainterPageSurface() override;

    // Starts painting if it has not started. Throws UserError when the device refuses.
    void begin();
    // The copy count last set (1 until set).
    int copies() const { return m_copies; }

    // Twips to device units, one axis each, from the printable-area origin.
    double toDeviceX(double twips) const;
    double toDeviceY(double twips) const;

    // Where the printable area lies on the device, in device units, for a device standing for
    // a whole sheet (the preview image); by default it is the device's own printable area.
    // Call before fitPage and before anything is drawn.
    void setPrintableArea(const QRectF &deviceRect);
    // Maps a page composed on `pageTwips` (from its origin) onto the printable area scaled,
    // proportions kept, to fit it and centred on it. Font sizes scale alike while the page
    // keeps measuring in its own twips and points; line widths stay device pixels. Without
    // it, twips are the device's own at the printable area's origin. Call before the first
    // font is measured or anything is drawn.
    void fitPage(const QSizeF &pageTwips);

    void setCopies(int copies) override;
    QString deviceName() const override { return m_deviceName; }
    double currentX() const override { return m_x; }
    double currentY() const override { return m_y; }
    void setCurrentX(double twips) override { m_x = twips; }
    void setCurrentY(double twips) override { m_y = twips; }
    void setFontName(const QString &family) override;
    void setFontSize(double points) override;
    double fontSize() const override { return m_font.pointSizeF() / m_scale; }
    void setFontBold(bool bold) override;
    void setTextColour(QRgb colour) override;
    double textWidth(const QString &text) const override;
    void printText(const QString &text, bool endLine) override;
    void setLineWidth(int pixels) override;
    void setLineStyle(int style) override;
    void setRasterMode(RasterMode mode) override;
    void setFillPattern(FillPattern pattern) override { m_fillPattern = pattern; }
    void line(double x, double y, double dx, double dy, QRgb colour) override;
    void box(double x, double y, double dx, double dy, QRgb colour, bool filled) override;
    void drawPicture(const Picture &picture, double x, double y, double width, double height) override;
    void endDocument() override;

private:
    enum class State { NotStarted, Painting, Ended };

    // A text shaped once in one font: its advance (device units) and, once printed, its
    // laid-out glyphs. The raster engine draws a QStaticText from its own glyph cache; other
    // engines (PDF, printers) would lay a QStaticText out again at every draw, so they get a
    // finished QTextLayout, laid out as QStaticText lays it out, and the box it covers around
    // its top-left corner for imitating raster operations.
    struct ShapedText
    {
        double advance = 0;
        bool prepared = false;
        QStaticText staticText;
        std::unique_ptr<QTextLayout> layout;
        QRectF bounds;      // device units from the text's top-left corner
    };
    // One font as set and as the device resolves it. Keeping the resolved font (and metrics
    // sharing it) lets every text in the font reuse the font engine Qt looked up once.
    struct TextHash
    {
        size_t operator()(const QString &text) const noexcept { return qHash(text); }
    };
    struct FontCache
    {
        FontCache(const QFont &font, const QPaintDevice &device);

        QFont font;
        QFont deviceFont;
        QFontMetricsF metrics;
        // Its nodes stay put as it grows: DrawnText points into it.
        std::unordered_map<QString, ShapedText, TextHash> texts;
    };

    // A text already on the page, kept where raster operations have to be imitated.
    struct DrawnText
    {
        const ShapedText *shaped;
        QPointF topLeft;    // device units
        QRectF bounds;      // device units
        QColor colour;
    };

    QPainterPageSurface(QPaintDevice &device, std::unique_ptr<PrinterSide> printer, QString deviceName);
    // m_font's cache, made the first time the font is used.
    FontCache &fontCache() const;
    ShapedText &shaped(const QString &text) const;
    // shaped(text), made ready to draw on this device.
    const ShapedText &drawable(const QString &text);
    // begin() unless the page has been sent already; false then.
    bool ensurePainting();
    QPen currentPen(const QColor &colour) const;
    const QFontMetricsF &metrics() const;
    // Sets the painter up for a line or box in `colour` under the current raster mode.
    void startShape(const QColor &colour, bool filled);
    // Undoes startShape; where merging is imitated, redraws the text under `covered`.
    void finishShape(const QPainterPath &covered, const QColor &colour);
    // The hatch lines of the fill pattern over `rect` (device units), in a shade of `colour`.
    void hatch(const QRectF &rect, const QColor &colour);
    // The printable area in device units: as set, or the printer's or device's own.
    QRectF printableArea() const;

    QPaintDevice &m_device;
    std::unique_ptr<PrinterSide> m_printer;
    QString m_deviceName;
    QPainter m_painter;
    State m_state = State::NotStarted;
    bool m_nativeRasterOps = false;
    QPointF m_origin;          // where twip (0, 0) lies, in device units
    std::optional<QRectF> m_area;   // the printable area as set by setPrintableArea
    bool m_placed = false;     // m_origin set by setPrintableArea or fitPage, not by begin()
    double m_scale = 1;        // page twips to device twips (fitPage)
    double m_dpiX = 96;
    double m_dpiY = 96;

    int m_copies = 1;
    double m_x = 0;
    double m_y = 0;
    QFont m_font;
    std::optional<QFont> m_painterFont;                // the font last given to the painter
    mutable std::deque<FontCache> m_fontCaches;         // a deque: entries never move
    mutable FontCache *m_fontCache = nullptr;           // m_font's, once looked up
    QColor m_textColour = Qt::black;
    int m_lineWidth = 1;
    int m_lineStyle = 0;
    RasterMode m_rasterMode = RasterMode::CopyPen;
    FillPattern m_fillPattern = FillPattern::Solid;
    std::vector<DrawnText> m_drawnTexts;
};
