#include "devices/cupslibrary.h"

#include <QCoreApplication>
#include <QLibrary>

namespace {
struct CupsLibraryWords
{
    Q_DECLARE_TR_FUNCTIONS(Devices)
};
} // namespace

CupsLibrary loadCupsLibrary(const QString &fileName)
{
    CupsLibrary library;
    // Never unloaded: a QLibrary that goes out of scope leaves the library loaded.
    QLibrary file(fileName);
    if (!file.load()) {
        library.error = CupsLibraryWords::tr("the print service library %1 could not be loaded (%2)").arg(fileName, file.errorString());
        return library;
    }
    QStringList missing;
#define LUNARIA_CUPS_RESOLVE(name)                                                                                     \
    library.name = reinterpret_cast<decltype(&::name)>(file.resolve(#name));                                           \
    if (!library.name)                                                                                                 \
        missing << QStringLiteral(#name);
    LUNARIA_CUPS_FUNCTIONS(LUNARIA_CUPS_RESOLVE)
#undef LUNARIA_CUPS_RESOLVE
    if (!missing.isEmpty())
        library.error = CupsLibraryWords::tr("the print service library %1 lacks %2").arg(fileName, missing.join(QLatin1String(", ")));
    return library;
}

const CupsLibrary &cupsLibrary()
{
    // The soname the program was built against: the one whose interface the header gives.
    static const CupsLibrary library = loadCupsLibrary(QStringLiteral("libcups.so.2"));
    return library;
}
