#pragma once

// Helpers of the window tests, shared by tests/app and tests/ui.

#include <QApplication>
#include <QObject>
#include <QTimer>

// Runs `action` on the modal window as soon as it shows (polled, so that a
// busy machine cannot make it miss the window and block the test).
template <class T>
void quandModal(QObject *contexte, T action)
{
    auto *minuterie = new QTimer(contexte);
    minuterie->setInterval(20);
    QObject::connect(minuterie, &QTimer::timeout, contexte, [minuterie, action] {
        if (!QApplication::activeModalWidget())
            return;
        minuterie->stop();
        minuterie->deleteLater();
        action();
    });
    minuterie->start();
}
