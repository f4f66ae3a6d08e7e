// Loading and drawing the largest metafile sample onto a 300 dpi page area. Target: median
// under 10 ms per load and draw.

#include "render/picture.h"
#include "pictures/pictureloader.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

// The largest of the samples kept with the tests and, where that folder is present, of those
// beside the project, so that the figure exists on every clone.
QString largestMetafile()
{
    QFileInfoList files;
    for (const char *folder : {LUNARIA_SOURCE_DIR "/tests/data/pictures/wmf", LUNARIA_SOURCE_DIR "/../shared/samples/pictures/wmf"})
        files << QDir(QString::fromUtf8(folder)).entryInfoList({QStringLiteral("*.wmf")}, QDir::Files);
    const auto largest = std::max_element(files.cbegin(), files.cend(),
                                          [](const QFileInfo &a, const QFileInfo &b) { return a.size() < b.size(); });
    return largest == files.cend() ? QString() : largest->absoluteFilePath();
}

// A page area `widthTwips` x `heightTwips` at 300 dpi, the picture fitted into it.
void loadAndDraw(benchmark::State &state, int widthTwips, int heightTwips)
{
    const QString path = largestMetafile();
    if (path.isEmpty()) {
        state.SkipWithError("no metafile sample is present");
        return;
    }
    QImage page(widthTwips * 300 / 1440, heightTwips * 300 / 1440, QImage::Format_RGB32);
    page.setDotsPerMeterX(11811);
    page.setDotsPerMeterY(11811);
    page.fill(Qt::white);
    for (auto _ : state) {
        const auto picture = loadPicture(path);
        if (!picture) {
            state.SkipWithError("the sample did not load");
            return;
        }
        const QSizeF fitted = QSizeF(picture->naturalSizeTwips()).scaled(page.size(), Qt::KeepAspectRatio);
        QPainter painter(&page);
        picture->draw(painter, QRectF(QPointF(0, 0), fitted));
        painter.end();
        benchmark::DoNotOptimize(page.constBits());
    }
    state.SetLabel(QFileInfo(path).fileName().toStdString());
}

// A whole letter-size page (8.5 x 11 in), the picture as large as it fits.
void LargestMetafileOnto300DpiPage(benchmark::State &state)
{
    loadAndDraw(state, 12240, 15840);
}

// The picture frame across the top of the page (11160 x 3000 twips), as a calendar prints it.
void LargestMetafileInto300DpiTopFrame(benchmark::State &state)
{
    loadAndDraw(state, 11160, 3000);
}

BENCHMARK(LargestMetafileOnto300DpiPage)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(LargestMetafileInto300DpiTopFrame)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

} // namespace
