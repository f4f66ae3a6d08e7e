// `lunaria`: the command line that writes files, in a program that loads neither Qt's widgets
// nor its print support, so that it starts about as fast as any Qt program. The window and
// the printers are lunaria-window's: this program hands it every other command, unchanged.
#include "app/commandline.h"
#include "app/commandlinemain.h"
#include "devices/outputdevices.h"
#include "platform/usererror.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <memory>
#include <vector>

#include <unistd.h>

namespace {
// The commands that reach no printer never ask for the device list; a printer here would be
// a mistake in needsPrinters(), said as such rather than printed somewhere unasked.
class NoPrinters : public OutputDevices
{
public:
    QStringList deviceNames() override { return {PdfDeviceName}; }
    void setCurrent(int) override {}
    QString currentName() const override { return PdfDeviceName; }
    std::unique_ptr<OutputJob> openJob() override
    {
        throw UserError(QCoreApplication::translate("CommandLine", "this command needs a printer: run it with --to FILE"));
    }
};

// lunaria-window beside this program (a build folder), else in ../libexec, where `make
// install` puts it. Empty when neither is there.
std::filesystem::path windowProgram()
{
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return {};
    for (const std::filesystem::path &candidate :
         {self.parent_path() / "lunaria-window", self.parent_path().parent_path() / "libexec" / "lunaria-window"}) {
        if (std::filesystem::is_regular_file(candidate, error))
            return candidate;
    }
    return {};
}

// Runs lunaria-window with these arguments in place of this process; returns only on failure.
int handOver(char **argv)
{
    const std::filesystem::path window = windowProgram();
    if (window.empty()) {
        std::cerr << "lunaria: the program for the calendar window and the printers, lunaria-window, is not installed "
                     "beside this one or in ../libexec\n";
        return 1;
    }
    ::execv(window.c_str(), argv);
    std::cerr << "lunaria: " << window << " cannot be started: " << std::strerror(errno) << '\n';
    return 1;
}
} // namespace

int main(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (!wantsCommandLine(arguments) || needsPrinters(arguments))
        return handOver(argv);

    NoPrinters printers;
    return runCommandLineProgram(argc, argv, arguments, printers);
}
