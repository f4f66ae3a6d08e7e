#pragma once

#include "platform/printers.h"
#include "platform/qpainterpagesurface.h"

// An output job that hands every drawing operation to the QPainter surface of a concrete
// device; a device supplies the surface and what happens when the page is sent.
class ForwardingJob : public OutputJob
{
public:
    void setCopies(int copies) override { surface().setCopies(copies); }
    QString deviceName() const override { return surface().deviceName(); }
    double currentX() const override { return surface().currentX(); }
    double currentY() const override { return surface().currentY(); }
    void setCurrentX(double twips) override { surface().setCurrentX(twips); }
    void setCurrentY(double twips) override { surface().setCurrentY(twips); }
    void setFontName(const QString &family) override { surface().setFontName(family); }
    void setFontSize(double points) override { surface().setFontSize(points); }
    double fontSize() const override { return surface().fontSize(); }
    void setFontBold(bool bold) override { surface().setFontBold(bold); }
    double textWidth(const QString &text) const override { return surface().textWidth(text); }
    void printText(const QString &text, bool endLine) override { surface().printText(text, endLine); }
    void setLineWidth(int pixels) override { surface().setLineWidth(pixels); }
    void setLineStyle(int style) override { surface().setLineStyle(style); }
    void setRasterMode(int mode) override { surface().setRasterMode(mode); }
    void line(double x, double y, double dx, double dy, QRgb colour) override { surface().line(x, y, dx, dy, colour); }
    void box(double x, double y, double dx, double dy, QRgb colour, bool filled) override
    {
        surface().box(x, y, dx, dy, colour, filled);
    }
    void drawPicture(const Picture &picture, double x, double y, double width, double height) override
    {
        surface().drawPicture(picture, x, y, width, height);
    }
    void endDocument() override { surface().endDocument(); }

protected:
    virtual QPainterPageSurface &surface() const = 0;
};
