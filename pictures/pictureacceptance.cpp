#include "pictures/pictureacceptance.h"

#include "platform/messages.h"
#include "render/picture.h"
#include "pictures/pictureloader.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <array>

namespace {

// Why a picture is not taken, in the user's language.
struct AcceptanceWords
{
    Q_DECLARE_TR_FUNCTIONS(Pictures)
};

} // namespace

PictureReport AcceptPicture(CalendarState &state, MessageService &messages)
{
    const QString &name = state.strSelectedFile;
    state.binFileOK = false;
    if (name.size() < 2)
        return {};

    // Deliberately case-sensitive and on the last three characters only: "x.JPG", "x.jpeg"
    // and "x.jpg " are all refused.
    static const std::array<QString, 4> accepted = {
        QStringLiteral("gif"), QStringLiteral("bmp"), QStringLiteral("wmf"), QStringLiteral("jpg")};
    const QString extension = name.right(3);
    for (const QString &candidate : accepted) {
        if (extension == candidate) {
            state.binFileOK = true;
            break;
        }
    }

    if (!state.binFileOK) {
        messages.show(AcceptanceWords::tr("Select a .gif, .bmp, .wmf OR .jpg file.\nTry again . . ."), applicationTitle());
        return {};
    }

    // An unreadable picture leaves the state alone: the picture loaded before stays.
    PictureReport report;
    QString problem;
    std::shared_ptr<const Picture> picture = loadPicture(name, &problem, &report.warnings);
    if (!picture) {
        report.problem = problem;
        return report;
    }
    state.picTemp = std::move(picture);
    state.picturePath = QFileInfo(name).absoluteFilePath();
    state.binSelPic = true;
    return report;
}
