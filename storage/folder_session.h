#pragma once
// What one window does with its working folder's files from opening to closing: it reads the
// settings file and the comparison-data file, offers the tables that windows which ended without
// closing left in their recovery copies, keeps its own recovery copy up to date while the table
// is edited, and at closing saves, asking where the observer has a choice. Every question goes
// through the message boxes; the window itself only shows them.

#include <string>

#include "core/message_boxes.h"
#include "core/sheet.h"
#include "platform/file_system.h"
#include "storage/recovery_copies.h"

namespace lumitrak {

class FolderSession {
public:
    // The data files are the plain names in the working folder; the recovery copies live in
    // `recoveryFolder`, keyed by `workingFolder`.
    FolderSession(MessageBoxes& boxes, const FolderPath& recoveryFolder,
                  const FolderPath& workingFolder);

    // Opening: the saved program and table into `sheet` (its table cleared first, the variable
    // star's value emptied), a file that exists but cannot be read told; then each copy left
    // for this folder is offered.
    void open(PhotometrySheet& sheet);

    // The table or the program was edited. True when the recovery copy held everything until
    // now: its writing is then due within a second, and further edits do not put it off.
    bool edited();
    // Writes the recovery copy when an edit is not in it yet.
    void updateCopy(const PhotometrySheet& sheet);

    // Closing: the copy brought up to date, the settings saved, the question asked, the table
    // saved on OK. What was not saved stays in the recovery copy. Runs once, until an edit
    // makes it due again (a logout may close before the window does).
    void close(const PhotometrySheet& sheet);
    bool closed() const { return closed_; }

private:
    void tell(std::string_view text);
    void tellCopyOff(std::string_view reason);
    FileRead readReportingFailure(std::string_view fileName);
    void offerLeftCopies(PhotometrySheet& sheet);
    // Saves with Retry and Cancel; false when the observer gave up.
    bool saveOrAskToRetry(std::string_view fileName, std::string_view bytes);
    // The table after OK; false when it was not saved.
    bool saveComparisonData(const PhotometrySheet& sheet);
    bool askYesNo(const std::string& text, bool yesByDefault);
    std::string_view tableNote() const;

    MessageBoxes& boxes_;
    RecoveryCopies copies_;
    FileRead tableAsRead_;  // "compdata.txt" as this window read it, or last saved it
    bool copyBehind_ = false;
    bool copyOffTold_ = false;
    bool closed_ = false;
};

}  // namespace lumitrak
