#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

// One message of a Qt Linguist file.
struct Message
{
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete", or empty when finished
};

// The messages of a .ts file, read with the file format's <byte value="xd"/> for characters
// XML cannot hold (the CR of a CR LF).
std::optional<std::vector<Message>> readTs(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QXmlStreamReader xml(&file);
    std::vector<Message> messages;
    QString context;
    Message message;
    QString *text = nullptr; // the element being read: source, translation or context name
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            if (xml.name() == QLatin1String("message")) {
                message = Message{context, {}, {}, {}};
            } else if (xml.name() == QLatin1String("name")) {
                context.clear();
                text = &context;
            } else if (xml.name() == QLatin1String("source")) {
                text = &message.source;
            } else if (xml.name() == QLatin1String("translation")) {
                message.type = xml.attributes().value(QLatin1String("type")).toString();
                text = &message.translation;
            } else if (xml.name() == QLatin1String("byte") && text) {
                const QString value = xml.attributes().value(QLatin1String("value")).toString();
                *text += QChar(value.mid(1).toUShort(nullptr, 16));
            }
            break;
        case QXmlStreamReader::Characters:
            if (text)
                *text += xml.text();
            break;
        case QXmlStreamReader::EndElement:
            if (xml.name() == QLatin1String("message"))
                messages.push_back(message);
            else if (xml.name() != QLatin1String("byte"))
                text = nullptr;
            break;
        default:
            break;
        }
    }
    if (xml.hasError())
        return std::nullopt;
    return messages;
}

// The placeholders of a text, each once: "%1", "%L2".
QSet<QString> placeholders(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral("%L?\\d+"));
    QSet<QString> found;
    for (const QRegularExpressionMatch &match : placeholder.globalMatch(text))
        found.insert(match.captured());
    return found;
}

QString tsPath(const char *language)
{
    return QStringLiteral(LUNARIA_SOURCE_DIR "/translations/lunaria_%1.ts").arg(QLatin1String(language));
}

QString describe(const Message &message)
{
    return message.context + QStringLiteral(": ") + message.source;
}

class TranslationFile : public ::testing::TestWithParam<const char *>
{
protected:
    std::vector<Message> messages;

    void SetUp() override
    {
        const std::optional<std::vector<Message>> read = readTs(tsPath(GetParam()));
        ASSERT_TRUE(read) << tsPath(GetParam()).toStdString();
        messages = *read;
        ASSERT_FALSE(messages.empty());
    }
};

TEST_P(TranslationFile, EveryMessageIsTranslated)
{
    for (const Message &message : messages) {
        SCOPED_TRACE(describe(message).toStdString());
        EXPECT_TRUE(message.type.isEmpty()) << "marked " << message.type.toStdString();
        EXPECT_FALSE(message.translation.trimmed().isEmpty());
    }
}

TEST_P(TranslationFile, KeepsThePlaceholdersAndTheDottedEndings)
{
    for (const Message &message : messages) {
        SCOPED_TRACE(describe(message).toStdString());
        EXPECT_EQ(placeholders(message.translation), placeholders(message.source)) << message.translation.toStdString();
        if (message.source.trimmed().endsWith(QLatin1String(" . . ."))) {
            EXPECT_TRUE(message.translation.trimmed().endsWith(QLatin1String(" . . ."))) << message.translation.toStdString();
        }
    }
}

// What lupdate finds in the sources now is what the file translates: a new text without a
// translation, or a translation of a text no longer used, fails here.
TEST_P(TranslationFile, HoldsExactlyTheTextsOfTheSources)
{
    const QString script = QStringLiteral(LUNARIA_SOURCE_DIR "/scripts/update-translations");
    if (!QFileInfo::exists(QStringLiteral("/usr/lib/qt6/bin/lupdate")) && qEnvironmentVariableIsEmpty("LUPDATE"))
        GTEST_SKIP() << "lupdate (qt6-l10n-tools) is not installed";
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const QString extracted = scratch.filePath(QStringLiteral("lunaria_%1.ts").arg(QLatin1String(GetParam())));
    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(script, {extracted});
    ASSERT_TRUE(lupdate.waitForFinished(120000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAll().toStdString();
    const std::optional<std::vector<Message>> found = readTs(extracted);
    ASSERT_TRUE(found);

    QSet<QString> inSources;
    for (const Message &message : *found)
        inSources.insert(describe(message));
    QSet<QString> inFile;
    for (const Message &message : messages)
        inFile.insert(describe(message));
    for (const QString &missing : inSources - inFile)
        ADD_FAILURE() << "not in " << GetParam() << ": " << missing.toStdString();
    for (const QString &unused : inFile - inSources)
        ADD_FAILURE() << "no longer in the sources: " << unused.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslationFile, ::testing::Values("de", "fr"),
                         [](const ::testing::TestParamInfo<const char *> &info) { return std::string(info.param); });

} // namespace
