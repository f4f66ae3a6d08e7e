#pragma once

#include "model/calendarstate.h"

#include <QString>
#include <QStringList>

#include <optional>

class MessageService;

// What became of a picture file whose name was accepted. The window says nothing of either
// (an unreadable picture is ignored quietly there, as it always was); the command line prints
// "picture not drawn: <problem>".
struct PictureReport
{
    // Why the file was not loaded (the picture loaded before stays), naming the file:
    // "/dev/zero is not a regular file.", "/x/a.jpg: The picture file is damaged ...".
    std::optional<QString> problem;
    // What the image decoders warned about in a picture that loaded all the same, each
    // naming the file.
    QStringList warnings;
};

// Checks state.strSelectedFile by its extension (lower-case gif, bmp, wmf or jpg) and loads
// it into picTemp. Sets binFileOK; sets binSelPic on a successful load. A refused name shows
// "Select a .gif, .bmp, .wmf OR .jpg file." / "Try again . . ." (and reports no problem: the
// user has been told); an unreadable file changes nothing in the state and is reported in
// the returned problem.
PictureReport AcceptPicture(CalendarState &state, MessageService &messages);
