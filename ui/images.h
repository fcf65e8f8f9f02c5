#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace vestrel {

// The program's own pictures, linked into the program as resources. Each
// is given at a device pixel ratio (the screen's, from the widget that
// shows it): its size in logical pixels stays the same, its pixels are
// those of the screen.

// Icon of the main window (32 × 32).
QIcon iconeProgramme();
// Check mark of the Selection menu (32 × 32).
QPixmap imageCoche(qreal ratio = 1);
// Picture of the about box (337 × 193), with the logo and the credits.
QPixmap imageApropos(qreal ratio = 1);
// Small decorative icon of the about box (32 × 32).
QPixmap imageDecor(qreal ratio = 1);
// Pointing hand shown over the about picture, hot spot on the fingertip.
QCursor curseurMain();

} // namespace vestrel
