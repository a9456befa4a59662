#pragma once
// The three lamps of the main window and their pictures.
//
// The pictures are the bitmap files "led1on.bmp" … "led3off.bmp" beside the
// program. A picture is shown transparent: every pixel of the colour of its
// bottom-left pixel lets the window show through. A file that is missing or
// cannot be read is replaced by a lamp drawn here, so the lamps never stop the
// program.

#include <QColor>
#include <QPixmap>
#include <QString>

namespace analyzer {

enum class Lamp { Top, Middle, Bottom };

// "led1on.bmp" and so on: the top lamp is led1, the middle one led3, the bottom one led2.
QString lampFileName(Lamp lamp, bool on);

// The picture of a lamp, from its file or drawn when the file cannot be read.
QPixmap lampPicture(Lamp lamp, bool on);

// A 16 × 16 round lamp in the lamp's colour, bright when on, dark when off.
QPixmap drawnLamp(Lamp lamp, bool on);

}  // namespace analyzer
