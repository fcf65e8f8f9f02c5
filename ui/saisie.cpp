#include "ui/saisie.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace vestrel {

bool toucheRefusee(const QKeyEvent *touche, Filtre filtre)
{
    const Qt::KeyboardModifiers mod = touche->modifiers();
    if ((mod & Qt::ControlModifier) && !(mod & Qt::AltModifier))
        return false;
    // Control characters are no text the box would take; every other one,
    // invisible ones included (a soft hyphen would split "53" into a 5 that
    // reads as 5), must be a character of a number.
    for (const char32_t c : touche->text().toUcs4()) {
        if (QChar::category(c) != QChar::Other_Control && !caractereAccepte(filtre, c))
            return true;
    }
    return false;
}

void preparerSaisie(QLineEdit *boite)
{
    boite->setMaxLength(24);
    boite->setAttribute(Qt::WA_InputMethodEnabled, false);
}

} // namespace vestrel
