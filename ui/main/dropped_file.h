#pragma once
// Reading the file an observer drops onto the import area.

#include <QList>
#include <QString>
#include <QUrl>

namespace lumitrak {

struct DroppedFileText {
    bool loaded = false;   // false: nothing was read; `errorMessage` says why
    QString text;          // the file's lines joined into one line, each after a blank
    QString errorMessage;  // for a message box titled with the application's title
};

// Takes the first URL of a drop (a local file), checks it, reads its bytes, decodes them as
// UTF-16 after a byte-order mark, as UTF-8 or, when they are not valid UTF-8, as CP932, and joins
// the lines.
DroppedFileText readDroppedFile(const QList<QUrl>& urls);

}  // namespace lumitrak
