#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace vestrel {

// The program's own pictures, linked into the program as resources.

// Icon of the main window (32 × 32).
QIcon iconeProgramme();
// Check mark of the Selection menu (32 × 32).
QPixmap imageCoche();
// Picture of the about box (337 × 193), with the logo and the credits.
QPixmap imageApropos();
// Small decorative icon of the about box (32 × 32).
QPixmap imageDecor();
// Pointing hand shown over the about picture, hot spot on the fingertip.
QCursor curseurMain();

} // namespace vestrel
