#include <sys/stat.h>

#include "tests/support/fifo.h"

namespace lumitrak {

bool fileSystemHasFifos() { return true; }

bool makeFifo(const std::string& path) { return ::mkfifo(path.c_str(), 0600) == 0; }

}  // namespace lumitrak
