#pragma once

#include <QRgb>
#include <QString>
#include <QtGlobal>

class Picture;

// Page coordinates are twips: this many to the inch.
inline constexpr double TwipsPerInch = 1440;

// How a shape's colour meets the page under it; the numbers are the ones the calendar's
// drawing has always used.
enum class RasterMode {
    CopyPen = 13,          // the pen's colour replaces the page
    MergePenNotPage = 14,  // pen OR NOT page: a light box keeps the black text under it legible
};

// What a filled box carries over its colour: hatch lines in a darker shade of it, which tell
// boxes apart where their colours do not (on a black-and-white printer).
enum class FillPattern {
    Solid,             // the colour alone
    Horizontal,
    Vertical,
    ForwardDiagonal,   // rising to the right
    BackwardDiagonal,  // falling to the right
    CrossDiagonal,     // both diagonals
};

// The drawing target of one printed page. Coordinates are twips from the printable-area
// origin, X to the right, Y downwards; font sizes are points; line widths device pixels.
class PageSurface
{
public:
    PageSurface() = default;
    virtual ~PageSurface() = default;
    Q_DISABLE_COPY_MOVE(PageSurface)

    // The number of copies the device prints of the page (>= 1).
    virtual void setCopies(int copies) = 0;
    virtual QString deviceName() const = 0;

    virtual double currentX() const = 0;
    virtual double currentY() const = 0;
    virtual void setCurrentX(double twips) = 0;
    virtual void setCurrentY(double twips) = 0;

    virtual void setFontName(const QString &family) = 0;
    virtual void setFontSize(double points) = 0;
    virtual double fontSize() const = 0;                    // the size in use
    virtual void setFontBold(bool bold) = 0;
    // The colour of the texts that follow; black until set.
    virtual void setTextColour(QRgb colour) = 0;
    virtual double textWidth(const QString &text) const = 0; // twips, current font

    // Prints `text` with its top-left corner at the cursor. With `endLine` the cursor goes to
    // X 0 and one line (of the current font) down; without, X moves to the end of the text.
    virtual void printText(const QString &text, bool endLine) = 0;

    virtual void setLineWidth(int pixels) = 0;
    // 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot.
    virtual void setLineStyle(int style) = 0;
    virtual void setRasterMode(RasterMode mode) = 0;
    // The hatching of the filled boxes that follow; Solid (none) until set.
    virtual void setFillPattern(FillPattern pattern) = 0;

    // A line from (x, y) to (x + dx, y + dy).
    virtual void line(double x, double y, double dx, double dy, QRgb colour) = 0;
    // A box from corner (x, y) to the opposite corner (x + dx, y + dy), outlined or filled
    // (outline and interior both in `colour`).
    virtual void box(double x, double y, double dx, double dy, QRgb colour, bool filled) = 0;
    // `picture` scaled into the rectangle at (x, y), `width` x `height`.
    virtual void drawPicture(const Picture &picture, double x, double y, double width, double height) = 0;

    // Sends the page. Throws UserError when the device refuses it.
    virtual void endDocument() = 0;
};
