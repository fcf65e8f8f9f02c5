#pragma once

#include "app/principale.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QStringList>
#include <QTest>
#include <QTimer>

template <class T = QWidget>
T *controle(const QWidget &fenetre, const QString &nom)
{
    T *w = fenetre.findChild<T *>(nom);
    if (!w)
        qWarning("no control %s", qPrintable(nom));
    return w;
}

inline QString texte(const QWidget &fenetre, const QString &nom)
{
    return controle<QLabel>(fenetre, nom)->text();
}

inline QColor couleurTexte(const QWidget &fenetre, const QString &nom)
{
    return controle<QLabel>(fenetre, nom)->palette().color(QPalette::WindowText);
}

// Chooses a class in a list as a user does, by its text.
inline void choisir(const QWidget &fenetre, const QString &liste, const QString &classe)
{
    auto *l = controle<QComboBox>(fenetre, liste);
    const int position = l->findText(classe, Qt::MatchExactly | Qt::MatchCaseSensitive);
    QVERIFY2(position >= 0, qPrintable(classe));
    l->setCurrentIndex(position);
}

// Closes every warning box as soon as it shows and keeps what it said, so
// that a modal box can never block a test run.
class Avertissements : public QObject
{
public:
    struct Boite {
        QString titre;
        QString texte;
        QMessageBox::Icon icone;
        int boutons;
    };
    QList<Boite> vues;

    Avertissements()
    {
        m_minuterie.setInterval(5);
        QObject::connect(&m_minuterie, &QTimer::timeout, this, [this] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                auto *boite = qobject_cast<QMessageBox *>(w);
                if (!boite || !boite->isVisible())
                    continue;
                vues.append({boite->windowTitle(), boite->text(), boite->icon(),
                             int(boite->buttons().size())});
                boite->done(QMessageBox::Ok);
            }
        });
        m_minuterie.start();
    }

private:
    QTimer m_minuterie;
};
