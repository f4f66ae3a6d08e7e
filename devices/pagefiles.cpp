#include "devices/pagefiles.h"

#include "devices/imagefiledevice.h"
#include "devices/pdfdevice.h"

#include <QFileInfo>

namespace {

struct PageFileType
{
    QLatin1StringView extension;   // lower case, no dot
    std::unique_ptr<OutputDevices> (*device)(const QString &path);
};

// Every file type a page can be written as: one line each.
const PageFileType PageFileTypes[] = {
    {QLatin1StringView("pdf"), [](const QString &path) -> std::unique_ptr<OutputDevices> { return std::make_unique<PdfFileDevice>(path); }},
    {QLatin1StringView("png"), [](const QString &path) -> std::unique_ptr<OutputDevices> { return std::make_unique<ImageFileDevice>(path); }},
};

const PageFileType *typeOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix();
    for (const PageFileType &type : PageFileTypes)
        if (suffix.compare(type.extension, Qt::CaseInsensitive) == 0)
            return &type;
    return nullptr;
}

} // namespace

QStringList pageFileExtensions()
{
    QStringList extensions;
    for (const PageFileType &type : PageFileTypes)
        extensions << type.extension;
    return extensions;
}

bool isPageFile(const QString &path)
{
    return typeOf(path) != nullptr;
}

std::unique_ptr<OutputDevices> pageFileDevice(const QString &path)
{
    const PageFileType *type = typeOf(path);
    return type ? type->device(path) : nullptr;
}
