#pragma once
// A polite request from outside to end the program (SIGTERM, as a logout sends it, and SIGHUP on
// POSIX) runs `handler` from the event loop instead of ending the program where it stands.
// quit_signals_posix.cpp and quit_signals_windows.cpp implement it; on Windows such a request
// arrives as a window message, which Qt turns into a close already.

#include <functional>

class QObject;

namespace lumitrak {

// From now on each request runs `handler` while `context` lives. Call once.
void onQuitRequest(QObject* context, std::function<void()> handler);

}  // namespace lumitrak
