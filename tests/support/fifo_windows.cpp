#include "tests/support/fifo.h"

namespace lumitrak {

bool fileSystemHasFifos() { return false; }

bool makeFifo(const std::string&) { return false; }

}  // namespace lumitrak
