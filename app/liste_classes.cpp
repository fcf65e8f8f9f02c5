#include "app/liste_classes.h"

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

void ListeClasses::keyReleaseEvent(QKeyEvent *event)
{
    QComboBox::keyReleaseEvent(event);
    emit toucheRelachee(event->key());
}

} // namespace vestrel
