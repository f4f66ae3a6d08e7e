// libFuzzer target: arbitrary bytes as a Windows Metafile. The loader must refuse or accept
// them, and the player must replay whatever records it can find (even without an EOF) onto a
// small raster page, without reading outside the input.

#include "pictures/metafilepicture.h"
#include "pictures/wmf/wmfheader.h"
#include "pictures/wmf/wmfplayer.h"
#include "pictures/wmf/wmfrecords.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Text records need fonts, which need a GUI application.
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // A copy of exactly `size` bytes, so that any read past the input is caught by ASan.
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QImage page(64, 64, QImage::Format_RGB32);
    page.fill(Qt::white);

    if (const auto picture = MetafilePicture::fromData(bytes)) {
        QPainter painter(&page);
        picture->draw(painter, QRectF(2, 2, 60, 60));
    }

    QString error;
    if (const auto header = readWmfHeader(bytes, &error)) {
        bool complete = false;
        const QList<WmfRecord> records = splitWmfRecords(bytes, header->firstRecord, &complete);
        QPainter painter(&page);
        WmfPlayer(records, header->objectCount).play(painter, QRectF(0, 0, 64, 64), QRectF(0, 0, 1000, 1000));
    }
    return 0;
}
