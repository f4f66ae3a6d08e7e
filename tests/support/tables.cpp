#include "tests/support/tables.h"

#include "tests/support/testfiles.h"

#include <gtest/gtest.h>

bool isTableNote(const QString &line)
{
    return line.isEmpty() || line.startsWith(QLatin1Char('#'));
}

std::vector<TableSection> tableSections(const QString &relativePath)
{
    const QString path = QStringLiteral(LUNARIA_SOURCE_DIR "/tests/data/") + relativePath;
    std::vector<TableSection> sections;
    int number = 0;
    for (const QString &line : QString::fromUtf8(readTestFile(path)).split(QLatin1Char('\n'))) {
        ++number;
        if (line.startsWith(QLatin1String("=== ")))
            sections.push_back({line.mid(4), number, {}});
        else if (!sections.empty())
            sections.back().lines << line;
        else if (!isTableNote(line))
            ADD_FAILURE() << qPrintable(relativePath) << ", line " << number << ": a row before the first \"=== \" line";
    }
    if (sections.empty())
        ADD_FAILURE() << qPrintable(relativePath) << " holds no \"=== \" section";
    return sections;
}
