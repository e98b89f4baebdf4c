#pragma once
// Where a window keeps the recovery copy of its comparison table: in the user's application
// data, one copy per working folder, so that an unwritable working folder still has one.

#include <QLockFile>
#include <memory>
#include <optional>
#include <string>

#include "storage/recovery_file.h"

namespace lumitrak {

class RecoveryCopy {
public:
    // Takes the working folder's copy; when another window of the same folder holds it, the
    // next free one, so two windows never write over each other's copy.
    RecoveryCopy();

    // The table the copy holds; none when there is no whole copy.
    std::optional<TypedTable> read() const;
    // Replaces the copy at once. A copy that cannot be written is no reason to disturb anyone.
    void write(const TypedTable& table) const;
    void remove() const;

private:
    std::unique_ptr<QLockFile> lock_;
    std::string path_;  // the system's bytes; empty when no copy can be kept
};

}  // namespace lumitrak
