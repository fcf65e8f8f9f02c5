#pragma once

#include "app/principale.h"
#include "ui/cellule.h"
#include "ui/etiquette_nombre.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
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

// The whole text of a label, also where it had to end it with "…".
inline QString texte(const QWidget &fenetre, const QString &nom)
{
    return vestrel::nombreDe(controle<QLabel>(fenetre, nom));
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

inline vestrel::Cellule *cellule(const vestrel::Principale &f, const QString &rangee, const QString &texte)
{
    for (vestrel::Cellule *c : f.findChildren<vestrel::Cellule *>())
        if (c->objectName().startsWith(rangee + '(') && c->text() == texte)
            return c;
    return nullptr;
}

// One user action, written "verb:argument": d (diameter text), al and ar
// (a class chosen in a list), tape (keys typed into the bore list), m
// (method option), tb (a toolbar letter), grade (a shaft grade), dia1, calcul.
inline void agir(vestrel::Principale &f, const QString &action)
{
    const QString verbe = action.section(':', 0, 0);
    const QString arg = action.section(':', 1);
    if (verbe == "d") {
        controle<QLineEdit>(f, "Diametre")->setText(arg);
    } else if (verbe == "al" || verbe == "ar") {
        choisir(f, verbe == "al" ? "Aj_Alesage" : "Aj_Arbre", arg);
    } else if (verbe == "tape") {
        auto *liste = controle<QComboBox>(f, "Aj_Alesage");
        liste->setFocus();
        QTest::keyClicks(liste, arg);
    } else if (verbe == "m") {
        controle<QRadioButton>(f, "Ch_opt(" + arg + ")")->setChecked(true);
    } else if (verbe == "tb") {
        const bool alesage = arg.at(0).isUpper();
        QTest::mousePress(cellule(f, alesage ? "Lbl_TB_Cl_Al" : "Lbl_TB_Cl_Ar", arg), Qt::LeftButton);
    } else if (verbe == "grade") {
        QTest::mousePress(cellule(f, "Lbl_TB_Ql_Ar", arg), Qt::LeftButton);
    } else if (verbe == "dia1") {
        controle<QLineEdit>(f, "Dia1")->setText(arg);
    } else if (verbe == "calcul") {
        QTest::mousePress(controle<QWidget>(f, "Calcul"), Qt::LeftButton);
    } else {
        QFAIL(qPrintable("unknown action " + action));
    }
}

