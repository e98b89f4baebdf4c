#pragma once
// What the program takes from the system to speak Japanese on a desktop of any language:
// japanese_desktop_posix.cpp and japanese_desktop_windows.cpp implement it.

class QString;

namespace lumitrak {

// The file of Qt's own Japanese texts for the standard buttons and the context menus: on POSIX in
// Qt's translations folder (Debian's qt6-translations-l10n), on Windows the copy built into the
// program.
QString qtJapaneseTextsFile();

// Makes the program's font one that shows Japanese, in the desktop's size. On POSIX the desktop's
// font stays: fontconfig picks a Japanese face for Japanese text. On Windows the desktop's font is
// a Latin one on a system of another language, and its fallback may be a Chinese face.
void useJapaneseFont();

}  // namespace lumitrak
