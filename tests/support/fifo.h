#pragma once
// A FIFO that nothing ever writes to, for the tests of readers that must never wait on one.
// fifo_posix.cpp makes one; Windows has no FIFO in its file system, so fifo_windows.cpp has none
// to make.

#include <string>

namespace lumitrak {

// Whether the system's file system has FIFOs.
bool fileSystemHasFifos();

// Makes a FIFO at `path`, readable and writable by its owner; false when that failed.
bool makeFifo(const std::string& path);

}  // namespace lumitrak
