// libFuzzer target: arbitrary bytes as a Windows Metafile. The loader must refuse or accept
// them within its budgets, and the player must replay whatever records it can find (even
// without an EOF) within its own, without reading outside the input. Both draw onto a page
// area of the size a calendar gives a picture: the 3900 x 3500-twip frame at 300 dpi
// (813 x 729 pixels), so that costly drawings cost here what they cost on a page.
// Run with -rss_limit_mb=512 and a -timeout (scripts/run-fuzzers does), and the record
// types of fuzz/fuzz_wmf.dict.

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

namespace {

constexpr int PageWidth = 3900 * 300 / 1440;   // 813 pixels
constexpr int PageHeight = 3500 * 300 / 1440;  // 729 pixels

QImage blankPage()
{
    QImage page(PageWidth, PageHeight, QImage::Format_RGB32);
    page.setDotsPerMeterX(11811); // 300 dpi
    page.setDotsPerMeterY(11811);
    page.fill(Qt::white);
    return page;
}

} // namespace

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
    QImage page = blankPage();

    if (const auto picture = MetafilePicture::fromData(bytes)) {
        const QSizeF fitted = QSizeF(picture->naturalSizeTwips()).scaled(QSizeF(page.size()), Qt::KeepAspectRatio);
        QPainter painter(&page);
        picture->draw(painter, QRectF(QPointF(0, 0), fitted));
    }

    QString error;
    if (const auto header = readWmfHeader(bytes, &error)) {
        bool complete = false;
        const QList<WmfRecord> records = splitWmfRecords(bytes, header->firstRecord, &complete);
        QPainter painter(&page);
        WmfPlayer(records, header->objectCount).play(painter, QRectF(page.rect()), QRectF(0, 0, 1000, 1000));
    }
    return 0;
}
