#pragma once

#include "pictures/wmf/wmfrecords.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QRect>
#include <QString>

#include <optional>
#include <vector>

// GDI pen, brush and font settings as a metafile states them, in logical units.
struct WmfPen
{
    int style = 0;          // PS_SOLID 0 .. PS_ALTERNATE 8, with end-cap and join flags
    int width = 0;          // logical units; 0 is one device pixel
    QColor colour = Qt::black;
};

struct WmfBrush
{
    enum Style { Solid = 0, Null = 1, Hatched = 2, Pattern = 3, DibPattern = 5 };
    int style = Solid;
    QColor colour = Qt::white;
    int hatch = 0;          // HS_HORIZONTAL 0 .. HS_DIAGCROSS 5
    QImage pattern;         // Pattern and DibPattern brushes
};

struct WmfFont
{
    QString face;
    int height = 0;         // logical units: < 0 character height, > 0 cell height, 0 default
    int width = 0;
    int escapement = 0;     // tenths of a degree, counter-clockwise
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charset = 0;
};

struct WmfObject
{
    enum class Kind { Empty, Pen, Brush, Font, Palette, Region };
    Kind kind = Kind::Empty;
    WmfPen pen;
    WmfBrush brush;
    WmfFont font;
    QList<QRect> region;    // logical rectangles; empty for the empty region
};

// A COLORREF: red, green, blue, flags.
QColor wmfColour(const WmfRecord &record, qsizetype word);

// The object a create record describes, or nullopt when the record is cut short.
std::optional<WmfObject> wmfPenFrom(const WmfRecord &record);
std::optional<WmfObject> wmfBrushFrom(const WmfRecord &record);
// Pattern brushes decode their bitmap only with `decode`; without, the brush keeps its style
// and a null pattern (for replays that only count the work).
std::optional<WmfObject> wmfDibPatternBrushFrom(const WmfRecord &record, bool decode);
std::optional<WmfObject> wmfPatternBrushFrom(const WmfRecord &record, bool decode);
// The pixels the pattern of a DibCreatePatternBrush or CreatePatternBrush record would
// decode to, read from its header alone; 0 when it cannot be read.
qint64 wmfPatternBrushPixels(const WmfRecord &record);
std::optional<WmfObject> wmfFontFrom(const WmfRecord &record);
WmfObject wmfRegionFrom(const WmfRecord &record);

// The object table: created objects take the lowest free slot, as GDI does.
class WmfObjectTable
{
public:
    // The table grows as objects are created, up to `slots` (a header may claim 65535).
    explicit WmfObjectTable(int slots) : m_slots(size_t(qBound(0, slots, 65535))) {}
    // False when every slot is taken (the object is then dropped).
    bool add(WmfObject object);
    // The object in `index`, or nullptr for an empty or out-of-range index.
    const WmfObject *at(int index) const;
    void remove(int index);

private:
    std::vector<WmfObject> m_objects;
    size_t m_slots = 0;
    size_t m_firstFree = 0;
};
