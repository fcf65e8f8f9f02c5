#include "ui/liste_classes.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace vestrel {

ListeClasses::ListeClasses(QWidget *parent)
    : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
}

void ListeClasses::setFond(const QColor &couleur)
{
    for (QWidget *w : {static_cast<QWidget *>(this), static_cast<QWidget *>(lineEdit())}) {
        QPalette p = w->palette();
        p.setColor(QPalette::Base, couleur);
        w->setPalette(p);
    }
}

namespace {

bool toucheValidation(int touche)
{
    return touche == Qt::Key_Return || touche == Qt::Key_Enter || touche == Qt::Key_Escape;
}

} // namespace

void ListeClasses::keyPressEvent(QKeyEvent *event)
{
    if (toucheValidation(event->key())) {
        event->ignore();
        return;
    }
    m_enfoncees.insert(event->key());
    QComboBox::keyPressEvent(event);
}

void ListeClasses::keyReleaseEvent(QKeyEvent *event)
{
    QComboBox::keyReleaseEvent(event);
    // An auto-repeated key is pressed again before each release.
    if (!m_enfoncees.remove(event->key()) || toucheValidation(event->key()))
        return;
    emit toucheRelachee(event->key());
}

// A key pressed here and released elsewhere must not count at the next
// release of the same key.
void ListeClasses::focusOutEvent(QFocusEvent *event)
{
    m_enfoncees.clear();
    QComboBox::focusOutEvent(event);
}

} // namespace vestrel
