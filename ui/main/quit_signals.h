#pragma once
// SIGTERM (what a logout sends) and SIGHUP close a window the normal way, with its closing
// question, instead of ending the program where it stands.

class QWidget;

namespace lumitrak {

// From now on either signal closes `window` from the event loop. Call once.
void closeOnQuitSignals(QWidget* window);

}  // namespace lumitrak
