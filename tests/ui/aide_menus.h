#pragma once

#include <QApplication>
#include <QPoint>
#include <QString>
#include <QWidget>
#include <QWindow>
#include <QtTest>

// A drop-down menu, found among the top-level windows by its object name.
inline QWidget *menu(const char *nom)
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String(nom))
            return w;
    }
    return nullptr;
}

template<typename T = QWidget>
T *enfant(QWidget *parent, const QString &nom)
{
    return parent ? parent->findChild<T *>(nom) : nullptr;
}

// Moves the pointer over `w` through its own window: the offscreen platform
// gives a moved cursor to the first window under it, not the topmost one.
inline void survoler(QWidget *w, QPoint pos)
{
    QTest::mouseMove(w->window()->windowHandle(), w->mapTo(w->window(), pos));
}
