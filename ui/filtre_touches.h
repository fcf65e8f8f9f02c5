#pragma once

#include "calcul/nombres.h"

#include <QObject>
#include <QValidator>

class QKeyEvent;
class QLineEdit;

namespace vestrel {

// Drops, as they are typed, the keys that cannot form the number of a text
// box: each box takes the characters of its own Filtre. Editing keys
// (arrows, Delete, Backspace) and shortcuts such as Ctrl+V pass. Enter is no
// business of the filter: the box's owner decides what it does.
class FiltreTouches : public QObject
{
    Q_OBJECT

public:
    FiltreTouches(Filtre filtre, QObject *parent = nullptr);

    // Installs a filter on `boite`, owned by it. A line edit also gets a
    // ValidateurNombre: an edit, typed or pasted, after which its text could
    // no longer form a number (a second separator, a "-" not first) is
    // refused whole.
    static FiltreTouches *installer(QObject *boite, Filtre filtre);

    // Whether the key must be dropped before it reaches a box of `filtre`.
    static bool refusee(Filtre filtre, const QKeyEvent *touche);

protected:
    bool eventFilter(QObject *objet, QEvent *event) override;

private:
    Filtre m_filtre;
};

// Accepts the texts of formeNombre, blanks around a pasted number removed,
// and refuses every other.
class ValidateurNombre : public QValidator
{
    Q_OBJECT

public:
    ValidateurNombre(Filtre filtre, QObject *parent = nullptr);
    State validate(QString &texte, int &position) const override;

private:
    Filtre m_filtre;
};

// A diameter box as the windows set them up: pasted text is not filtered by
// the keys, so a bounded length keeps any paste to a short text that reads
// as one finite number; composed characters would bypass the key filter.
void preparerSaisie(QLineEdit *boite);

} // namespace vestrel
