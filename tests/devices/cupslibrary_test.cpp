#include "devices/cupslibrary.h"

#include <gtest/gtest.h>

namespace {

TEST(CupsLibrary, TheSystemLibraryHasEveryFunctionTheProgramCalls)
{
    const CupsLibrary &library = cupsLibrary();
    EXPECT_TRUE(library.error.isEmpty()) << library.error.toStdString();
    EXPECT_NE(library.ippNewRequest, nullptr);
    EXPECT_NE(library.cupsDoFileRequest, nullptr);
    EXPECT_EQ(&cupsLibrary(), &library) << "opened once";
}

TEST(CupsLibrary, AMissingOrForeignLibraryIsNamedWithTheReason)
{
    const CupsLibrary missing = loadCupsLibrary(QStringLiteral("libcups-not-installed.so.2"));
    EXPECT_TRUE(missing.error.contains(QLatin1String("libcups-not-installed.so.2"))) << missing.error.toStdString();
    EXPECT_EQ(missing.cupsServer, nullptr);

    // A library that loads but is not libcups: every function it lacks is listed.
    const CupsLibrary foreign = loadCupsLibrary(QStringLiteral("libz.so.1"));
    EXPECT_TRUE(foreign.error.contains(QLatin1String("libz.so.1 lacks cupsAddOption,"))) << foreign.error.toStdString();
    EXPECT_TRUE(foreign.error.endsWith(QLatin1String("ippPort"))) << foreign.error.toStdString();
}

} // namespace
