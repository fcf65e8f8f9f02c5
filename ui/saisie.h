#pragma once

#include "tables/nombres.h"

class QKeyEvent;
class QLineEdit;

namespace vestrel {

// Whether a key typed into a number box is dropped: a character that cannot
// be part of a number of that kind (caractereAccepte). Editing keys (arrows,
// Delete, Backspace) carry no printable text and pass, and so do shortcuts
// such as Ctrl+V or Ctrl+A, which type nothing themselves. Enter is left to
// the caller.
bool toucheRefusee(const QKeyEvent *touche, Filtre filtre);

// A number box as the windows set them up: pasted text is not filtered by
// the keys, so a bounded length keeps any paste to a short text that reads
// as one finite number; composed characters would bypass the key filter.
void preparerSaisie(QLineEdit *boite);

} // namespace vestrel
