#pragma once
// What the program sets up once, before its first window opens.

#include "core/version.h"

class QApplication;

namespace lumitrak {

// The program's menu entry without its suffix ".desktop".
inline constexpr const char* kDesktopFileName = kAppId;

// Names the program after its menu entry, so that a Wayland compositor finds its icon, and loads
// Qt's own Japanese texts, whatever the locale, so that standard buttons ("キャンセル", "再試行")
// and the fields' context menus speak the window's language, and gives the program a font that
// shows Japanese. Without Qt's translations installed those texts stay English.
void setUpApplication(QApplication& application);

}  // namespace lumitrak
