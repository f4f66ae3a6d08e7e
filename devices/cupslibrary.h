#pragma once

// libcups, opened the first time a printer is asked about rather than when the program
// starts: the library and the encryption and directory libraries it brings take longer to
// load than the rest of a page to a PDF file, which needs none of them.

#include <cups/cups.h>

#include <QString>

// The functions the print-server code uses, each under its own name.
#define LUNARIA_CUPS_FUNCTIONS(X)                                                                                      \
    X(cupsAddOption)                                                                                                   \
    X(cupsDoFileRequest)                                                                                               \
    X(cupsDoRequest)                                                                                                   \
    X(cupsEncodeOptions2)                                                                                              \
    X(cupsEncryption)                                                                                                  \
    X(cupsFreeOptions)                                                                                                 \
    X(cupsLastError)                                                                                                   \
    X(cupsLastErrorString)                                                                                             \
    X(cupsServer)                                                                                                      \
    X(cupsUser)                                                                                                        \
    X(httpAssembleURI)                                                                                                 \
    X(httpClose)                                                                                                       \
    X(httpConnect2)                                                                                                    \
    X(ippAddString)                                                                                                    \
    X(ippAddStrings)                                                                                                   \
    X(ippDelete)                                                                                                       \
    X(ippFindAttribute)                                                                                                \
    X(ippFirstAttribute)                                                                                               \
    X(ippGetBoolean)                                                                                                   \
    X(ippGetCount)                                                                                                     \
    X(ippGetGroupTag)                                                                                                  \
    X(ippGetInteger)                                                                                                   \
    X(ippGetName)                                                                                                      \
    X(ippGetRange)                                                                                                     \
    X(ippGetString)                                                                                                    \
    X(ippNewRequest)                                                                                                   \
    X(ippNextAttribute)                                                                                                \
    X(ippPort)

struct CupsLibrary
{
#define LUNARIA_CUPS_POINTER(name) decltype(&::name) name = nullptr;
    LUNARIA_CUPS_FUNCTIONS(LUNARIA_CUPS_POINTER)
#undef LUNARIA_CUPS_POINTER

    // Empty once every function above is there; else why the library could not be used.
    QString error;
};

// Opens `fileName` and looks up every function; the error names the file and the reason.
CupsLibrary loadCupsLibrary(const QString &fileName);

// The system's libcups, opened once on first use (from any thread) and kept to the end.
const CupsLibrary &cupsLibrary();
