#pragma once

#include <QPalette>

class QWidget;

namespace vestrel {

// The colours of the program's own windows, whatever the desktop's theme:
// dark texts on the grey windows and on the white boxes and lists. Every
// role of every colour group is set, so nothing of a dark desktop palette
// shows through.
QPalette paletteProgramme();

// Gives a window (main window, drop-down, about box) the program's palette;
// its controls inherit it.
void appliquerPalette(QWidget *fenetre);

// Gives the drop-down lists of a window's combo boxes the program's palette:
// a list opens in a window of its own, which would otherwise take the
// desktop's menu colours.
void appliquerPaletteListes(QWidget *fenetre);

// Contrast ratio of two colours, from 1 (same luminance) to 21 (black on
// white), as accessibility guidelines measure it.
double contraste(const QColor &a, const QColor &b);

} // namespace vestrel
