#pragma once

#include <QString>

// The folder of the shared sample files (../shared/samples beside the project), or an empty
// string when it is absent; tests that need it skip then.
QString samplesDir();

// A sample's full path under samplesDir(), e.g. samplePath("pictures/bmp/pillow-hopper.bmp").
QString samplePath(const QString &relative);

// GTEST_SKIP() unless the samples are present. Use at the top of a test.
#define LUNARIA_REQUIRE_SAMPLES()                                  \
    do {                                                           \
        if (samplesDir().isEmpty())                                \
            GTEST_SKIP() << "../shared/samples is not present";    \
    } while (false)
