#include "ui/filtre_touches.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

namespace vestrel {

FiltreTouches::FiltreTouches(Filtre filtre, QObject *parent)
    : QObject(parent), m_filtre(filtre)
{
}

FiltreTouches *FiltreTouches::installer(QObject *boite, Filtre filtre)
{
    auto *f = new FiltreTouches(filtre, boite);
    boite->installEventFilter(f);
    if (auto *ligne = qobject_cast<QLineEdit *>(boite))
        ligne->setValidator(new ValidateurNombre(filtre, ligne));
    return f;
}

ValidateurNombre::ValidateurNombre(Filtre filtre, QObject *parent)
    : QValidator(parent), m_filtre(filtre)
{
}

QValidator::State ValidateurNombre::validate(QString &texte, int &position) const
{
    const QString net = texte.trimmed();
    if (net.size() != texte.size()) {
        position = std::min(position, int(net.size()));
        texte = net;
    }
    // An empty box is acceptable too: Enter and the box's owner decide what
    // it means, not the filter.
    return formeNombre(m_filtre, texte.toStdString()) ? Acceptable : Invalid;
}

bool FiltreTouches::refusee(Filtre filtre, const QKeyEvent *touche)
{
    // Shortcuts type nothing themselves, whatever letter the platform
    // attaches to them: pasting must work in every box. Ctrl+Alt is AltGr on
    // some platforms, and types characters.
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

bool FiltreTouches::eventFilter(QObject *objet, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && refusee(m_filtre, static_cast<QKeyEvent *>(event)))
        return true;
    return QObject::eventFilter(objet, event);
}

void preparerSaisie(QLineEdit *boite)
{
    boite->setMaxLength(24);
    boite->setAttribute(Qt::WA_InputMethodEnabled, false);
}

} // namespace vestrel
