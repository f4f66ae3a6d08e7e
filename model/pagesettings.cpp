#include "model/pagesettings.h"

#include <iterator>

namespace {

struct PaperName
{
    Paper paper;
    const char *key;
};
constexpr PaperName PaperNames[] = {
    {Paper::AsPrinter, "printer"}, {Paper::Letter, "Letter"}, {Paper::Legal, "Legal"},
    {Paper::A4, "A4"},             {Paper::A3, "A3"},         {Paper::A5, "A5"},
};

struct PaletteName
{
    Palette palette;
    const char *key;
};
constexpr PaletteName PaletteNames[] = {
    {Palette::Classic, "classic"},
    {Palette::Safe, "safe"},
    {Palette::Patterns, "patterns"},
};

} // namespace

QString paperKey(Paper paper)
{
    for (const PaperName &name : PaperNames)
        if (name.paper == paper)
            return QLatin1String(name.key);
    return {};
}

std::optional<Paper> paperFromKey(QStringView key)
{
    for (const PaperName &name : PaperNames)
        if (key.compare(QLatin1String(name.key), Qt::CaseInsensitive) == 0)
            return name.paper;
    return std::nullopt;
}

QString paletteKey(Palette palette)
{
    for (const PaletteName &name : PaletteNames)
        if (name.palette == palette)
            return QLatin1String(name.key);
    return {};
}

std::optional<Palette> paletteFromKey(QStringView key)
{
    for (const PaletteName &name : PaletteNames)
        if (key.compare(QLatin1String(name.key), Qt::CaseInsensitive) == 0)
            return name.palette;
    return std::nullopt;
}
