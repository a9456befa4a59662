#pragma once
// What the frame's window code shares with the building of its controls
// (main_form_controls.cpp).

class QMenu;
class QToolButton;

// Gives a button of the menu row its drop-down menu (nullptr: none). A menu
// lent again and again is watched once.
void setRowMenu(QToolButton* button, QMenu* menu);
