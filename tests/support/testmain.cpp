#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <unistd.h>

namespace {

// A skipped test says why on a line of its own. When LUNARIA_TEST_LOG names a file, every
// test's outcome is appended there as "passed|failed|skipped<TAB>name<TAB>reason", so that
// ./test can count the cases of a whole run (also where one process runs many of them) and
// repeat the reasons for skips at its end.
class OutcomeLog : public testing::EmptyTestEventListener
{
public:
    explicit OutcomeLog(std::string log) : m_log(std::move(log)) {}

    void OnTestEnd(const testing::TestInfo &test) override
    {
        const testing::TestResult &result = *test.result();
        const std::string name = std::string(test.test_suite_name()) + "." + test.name();
        std::string outcome = result.Failed() ? "failed" : "passed";
        std::string reason;
        if (result.Skipped()) {
            outcome = "skipped";
            for (int i = 0; i < result.total_part_count(); ++i) {
                const testing::TestPartResult &part = result.GetTestPartResult(i);
                if (part.skipped()) {
                    reason = part.message();
                    break;
                }
            }
            // The first line is the reason; what follows (a file name, say) is detail.
            reason = reason.substr(0, reason.find('\n'));
            if (reason.empty())
                reason = "no reason given";
            std::fprintf(stderr, "[ skipped  ] %s: %s\n", name.c_str(), reason.c_str());
        }
        if (!m_log.empty())
            append(outcome + '\t' + name + '\t' + reason + '\n');
    }

    bool failed() const { return m_failed; }

private:
    // One write() per line on an O_APPEND file: lines of tests running in parallel do not
    // interleave.
    void append(const std::string &line)
    {
        const int fd = ::open(m_log.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
        int error = fd < 0 ? errno : 0;
        if (fd >= 0) {
            if (::write(fd, line.data(), line.size()) != ssize_t(line.size()))
                error = errno ? errno : EIO;
            if (::close(fd) != 0 && error == 0)
                error = errno;
        }
        if (error != 0) {
            std::fprintf(stderr, "cannot write the test log %s: %s\n", m_log.c_str(), std::strerror(error));
            m_failed = true;
        }
    }

    std::string m_log;
    bool m_failed = false;
};

} // namespace

// Every test executable starts Qt offscreen (also when ctest lists the tests at build time,
// where no display may exist) and in English, so month names and messages read back alike.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    auto *outcomes = new OutcomeLog(qEnvironmentVariable("LUNARIA_TEST_LOG").toStdString());
    ::testing::UnitTest::GetInstance()->listeners().Append(outcomes); // gtest owns it from here
    const int result = RUN_ALL_TESTS();
    return outcomes->failed() ? 1 : result;
}
