#pragma once

#include <QString>

// Sample files for the tests. tests/data holds the ones whose licences let them live in this
// repository (tests/data/pictures/README.md says which and why); the folder beside the
// project, ../shared/samples (or $LUNARIA_SHARED/samples), holds those and a few more.

// The folder of the samples kept with the tests (tests/data).
QString samplesDir();

// A sample's full path, e.g. samplePath("pictures/bmp/pillow-hopper.bmp"): the copy in
// tests/data when there is one, else the one in ../shared/samples when that exists, else the
// path it would have in tests/data (which does not exist; tests of missing files use that).
QString samplePath(const QString &relative);

// Whether samplePath(relative) names an existing file or folder.
bool haveSample(const QString &relative);

// GTEST_SKIP() unless the sample is present, naming it. Only the files that may not be copied
// into tests/data ever skip, and only where ../shared/samples is absent.
#define LUNARIA_REQUIRE_SAMPLE(relative)                                                              \
    do {                                                                                            \
        if (!haveSample(relative))                                                                  \
            GTEST_SKIP() << "needs a sample that only ../shared/samples holds (its licence keeps it " \
                            "out of tests/data), and that folder is not present\n"                   \
                         << "sample: " << qPrintable(QString(relative));                            \
    } while (false)

// The samples kept with the tests are always there; this stays for the tests that named the
// whole folder before some samples moved into the repository.
#define LUNARIA_REQUIRE_SAMPLES() LUNARIA_REQUIRE_SAMPLE(QStringLiteral("pictures"))
