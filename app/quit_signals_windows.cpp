// Windows asks a program to end through its windows, not through signals: "taskkill" without /F,
// the taskbar's "Close window" and Alt+F4 send WM_CLOSE, which Qt delivers to the window as a
// close (with its closing question), and a logout or shutdown sends WM_QUERYENDSESSION and
// WM_ENDSESSION, which Qt turns into commitDataRequest (answered by the main window) and then
// aboutToQuit. So nothing arrives here that Qt does not already deliver, and there is nothing to
// install. A console's Ctrl+C never reaches a program without a console, as this one is.

#include "app/quit_signals.h"

namespace lumitrak {

void onQuitRequest(QObject*, std::function<void()>) {}

}  // namespace lumitrak
