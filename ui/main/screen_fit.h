#pragma once
// Keeps the main window on its screen.

class QScrollArea;
class QWidget;

namespace lumitrak {

// From now on `form`, title bar included, stays within the available area of its screen: where
// `client`, the layout `scroller` shows, does not fit, the window takes the room there is and
// the layout scrolls. The window is fitted again when it is framed, moved, resized or taken to
// another screen.
void keepOnScreen(QWidget* form, QWidget* client, QScrollArea* scroller);

}  // namespace lumitrak
