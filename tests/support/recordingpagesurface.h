#pragma once

#include "render/pagesurface.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// A page surface that draws nothing and remembers every call, so tests can check geometry
// exactly. Its text metrics are a rule simple enough to work out by hand:
//   width of a text  = 10 twips per character per point of font size ("May" at 16 pt = 480)
//   line height      = 20 twips per point (a 10 pt line is 200 twips)
class RecordingPageSurface : public PageSurface
{
public:
    struct Op
    {
        QString kind;              // the operation: "text", "box", "line", "font", ...
        std::vector<double> args;  // its numbers, in call order
        QString text;              // its text, where it has one
        QRgb colour = 0;
        bool operator==(const Op &) const = default;
    };

    static double widthRule(const QString &text, double points) { return 10.0 * points * text.size(); }

    void setCopies(int copies) override;
    QString deviceName() const override { return m_deviceName; }
    double currentX() const override { return m_x; }
    double currentY() const override { return m_y; }
    void setCurrentX(double twips) override { m_x = twips; }
    void setCurrentY(double twips) override { m_y = twips; }
    void setFontName(const QString &family) override;
    void setFontSize(double points) override;
    double fontSize() const override { return m_size; }
    void setFontBold(bool bold) override;
    void setTextColour(QRgb colour) override { m_ops.push_back({QStringLiteral("textcolour"), {}, {}, colour}); }
    double textWidth(const QString &text) const override
    {
        return m_widthOverride ? m_widthOverride(text, m_size) : widthRule(text, m_size);
    }
    void printText(const QString &text, bool endLine) override;
    void setLineWidth(int pixels) override;
    void setLineStyle(int style) override;
    void setRasterMode(RasterMode mode) override;
    void setFillPattern(FillPattern pattern) override;
    void line(double x, double y, double dx, double dy, QRgb colour) override;
    void box(double x, double y, double dx, double dy, QRgb colour, bool filled) override;
    void drawPicture(const Picture &picture, double x, double y, double width, double height) override;
    void endDocument() override;

    void setDeviceName(const QString &name) { m_deviceName = name; }
    // Replaces the width rule (text, points) -> twips for one test; an empty function restores it.
    void setWidthRule(std::function<double(const QString &, double)> rule) { m_widthOverride = std::move(rule); }

    const std::vector<Op> &ops() const { return m_ops; }
    // The ops of one kind, in order.
    std::vector<Op> ops(const QString &kind) const;
    // Every printed text, in order.
    QStringList texts() const;
    // The first "text" op printing exactly `text`, or nullptr.
    const Op *findText(const QString &text) const;
    void clear() { m_ops.clear(); }

    // State as last set.
    QString fontName() const { return m_font; }
    bool bold() const { return m_bold; }
    int lineWidth() const { return m_lineWidth; }
    int lineStyle() const { return m_lineStyle; }
    int rasterMode() const { return int(m_rasterMode); }
    FillPattern fillPattern() const { return m_fillPattern; }
    int copies() const { return m_copies; }
    int documentsEnded() const { return m_ended; }

private:
    std::vector<Op> m_ops;
    QString m_deviceName = QStringLiteral("Recorder");
    double m_x = 0;
    double m_y = 0;
    QString m_font;
    double m_size = 10;
    bool m_bold = false;
    int m_lineWidth = 1;
    int m_lineStyle = 0;
    RasterMode m_rasterMode = RasterMode::CopyPen;
    FillPattern m_fillPattern = FillPattern::Solid;
    int m_copies = 1;
    int m_ended = 0;
    std::function<double(const QString &, double)> m_widthOverride;
};
