#pragma once
// Reading the file an observer drops onto the import area.

#include <QList>
#include <QUrl>
#include <string>

namespace lumitrak {

struct DroppedFileText {
    bool loaded = false;       // false: nothing was read; `errorMessage` says why
    std::string text;          // the file's lines joined into one line, each after a blank
    std::string errorMessage;  // for a message box titled with the application's title
};

// Takes the first URL of a drop (a local file), reads it as the data files are read (a pipe or a
// device is refused without waiting), and decodes and joins its lines as the import does.
DroppedFileText readDroppedFile(const QList<QUrl>& urls);

}  // namespace lumitrak
