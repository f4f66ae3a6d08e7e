#pragma once

#include "devices/outputdevices.h"

// One output device, "PNG file": the page drawn on an image of the printable area at `dpi`,
// encoded as PNG when the page is sent and put at `path` on commit. Nothing is written
// before that, and a failed write leaves any earlier file in place.
class ImageFileDevice : public OutputDevices
{
public:
    explicit ImageFileDevice(QString path, double dpi = 150) : m_path(std::move(path)), m_dpi(dpi) {}

    QStringList deviceNames() override { return {currentName()}; }
    void setCurrent(int index) override;
    QString currentName() const override { return QStringLiteral("PNG file"); }
    std::unique_ptr<OutputJob> openJob() override;

private:
    QString m_path;
    double m_dpi;
};
