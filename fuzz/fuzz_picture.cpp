// libFuzzer target: arbitrary bytes as a picture file, through the loader's content sniffing
// and its header checks (bmp, gif, jpg; metafiles have fuzz_wmf), then Qt's decoders. What
// loads is drawn into the picture frame at 300 dpi (813 x 729 pixels). Seeded from the
// sample pictures (fuzz/fuzz_picture.seeds).

#include "pictures/pictureloader.h"
#include "render/picture.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QString error;
    QStringList warnings;
    const auto picture = pictureFromBytes(bytes, &error, &warnings);
    if (!picture)
        return 0;
    QImage page(813, 729, QImage::Format_RGB32);
    page.setDotsPerMeterX(11811);
    page.setDotsPerMeterY(11811);
    page.fill(Qt::white);
    const QSizeF fitted = QSizeF(picture->naturalSizeTwips()).scaled(QSizeF(page.size()), Qt::KeepAspectRatio);
    QPainter painter(&page);
    picture->draw(painter, QRectF(QPointF(0, 0), fitted));
    return 0;
}
