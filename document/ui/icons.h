#pragma once
// The pictures of the frame's tool bars and of the windows' own buttons,
// drawn by the program itself.

#include "document/core/direction.h"

#include <QIcon>

// A picture of the frame's first image list by its index (6 new, 7 open,
// 8 save, 11 help, 14 print, 15 tile horizontally, 16 tile vertically,
// 17 cascade, 19 grid size, 22 settings, 23 exit, 29 shape designer); an empty
// icon for any other index.
QIcon toolImage(int index);

// The program's own icon: a small puzzle grid.
QIcon programIcon();

// The picture of a button that marks where a word of `direction` ends: a
// double arrow between two bars.
QIcon wordEndsImage(Direction direction);
