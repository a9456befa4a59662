#pragma once
// Where the frame's dialogs appear.

class QWidget;

// Centres `window` on `over`, or on the screen of `window` when `over` is
// nullptr or not shown, and keeps it above `over` for the window manager.
// Called when the window is about to be shown.
void centreWindow(QWidget* window, QWidget* over);

// The top of the chain of windows that owns `widget` (nullptr for none).
QWidget* mainWindowOf(QWidget* widget);

// The program's main window: its first top-level QMainWindow, nullptr when it has none.
QWidget* programMainWindow();
