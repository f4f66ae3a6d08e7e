// `lunaria --list-regions` as a user runs it from a shell: the names follow the language of the
// user's environment, which a running program cannot change, so each case is its own process.

#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace {

// The lines `lunaria --list-regions` prints with LANG set to `lang` and no other locale variable.
QStringList listRegions(const QString &lang)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LC_NUMERIC", "LC_CTYPE", "LANGUAGE", "DISPLAY", "WAYLAND_DISPLAY"})
        env.remove(QLatin1String(variable));
    env.insert(QStringLiteral("LANG"), lang);
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(LUNARIA_BINARY_DIR "/app/lunaria"), {QStringLiteral("--list-regions")});
    EXPECT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    return QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

TEST(ListRegions, NamesEachRegionInTheLanguageOfTheEnvironment)
{
    const struct
    {
        const char *lang;
        const char *lines[3];
    } rows[] = {
        {"de_DE.UTF-8", {"DE\tDeutschland", "DE-BY\tBayern", "CH-GE\tGenf"}},
        {"fr_FR.UTF-8", {"DE\tAllemagne", "DE-BY\tBavière", "CH-GE\tGenève"}},
        {"en_GB.UTF-8", {"DE\tGermany", "DE-BY\tBavaria", "CH-GE\tGeneva"}},
        // No language at all reads English, not the country's own.
        {"C", {"DE\tGermany", "DE-BY\tBavaria", "JP\tJapan"}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.lang);
        const QStringList lines = listRegions(QLatin1String(row.lang));
        EXPECT_GE(lines.size(), 150);
        for (const char *line : row.lines)
            EXPECT_TRUE(lines.contains(QString::fromUtf8(line))) << line;
    }
}

} // namespace
