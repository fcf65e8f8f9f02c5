// The key filter on a bare text box, for each kind of box.
#include "ui/filtre_touches.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

using vestrel::Filtre;
using vestrel::FiltreTouches;

Q_DECLARE_METATYPE(Filtre)

class TestFiltreTouches : public QObject
{
    Q_OBJECT

private slots:
    void touches_data();
    void touches();
    void editionEtRaccourcis();
    void entreeLaisseeAuProprietaire();
};

void TestFiltreTouches::touches_data()
{
    QTest::addColumn<Filtre>("filtre");
    QTest::addColumn<QString>("tape");
    QTest::addColumn<QString>("garde");

    for (const Filtre f : {Filtre::Diametre, Filtre::Taille, Filtre::Ecart}) {
        const QByteArray n = f == Filtre::Diametre ? "diametre" : f == Filtre::Taille ? "taille" : "ecart";
        QTest::newRow(n + " chiffres et point") << f << "12.5" << "12.5";
        QTest::newRow(n + " lettres") << f << "1a2e3" << "123";
        // A French user types a decimal comma; it is kept as typed.
        QTest::newRow(n + " virgule") << f << "2,5" << "2,5";
        QTest::newRow(n + " virgule pleine chasse") << f << QString("2\uFF0C5") << "25";
        QTest::newRow(n + " blanc") << f << "2 5" << "25";
        // An invisible character would split the number where it stands.
        QTest::newRow(n + " trait d'union conditionnel") << f << QString("5\u00AD3") << "53";
        QTest::newRow(n + " chiffres d'une autre écriture") << f << QString("4\u0665") << "4";
        QTest::newRow(n + " plus") << f << "+7" << "7";
    }
    QTest::newRow("diametre moins") << Filtre::Diametre << "-3" << "3";
    QTest::newRow("taille moins") << Filtre::Taille << "-3" << "3";
    QTest::newRow("ecart moins") << Filtre::Ecart << "-0.03" << "-0.03";
}

void TestFiltreTouches::touches()
{
    QFETCH(Filtre, filtre);
    QFETCH(QString, tape);
    QFETCH(QString, garde);

    QLineEdit boite;
    FiltreTouches::installer(&boite, filtre);
    // Each character as the key event that types it (some have no key).
    for (const QChar c : tape) {
        QKeyEvent appui(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(&boite, &appui);
    }
    QCOMPARE(boite.text(), garde);
}

void TestFiltreTouches::editionEtRaccourcis()
{
    QLineEdit boite;
    FiltreTouches::installer(&boite, Filtre::Diametre);
    QTest::keyClicks(&boite, "254");
    QTest::keyClick(&boite, Qt::Key_Backspace);
    QCOMPARE(boite.text(), QString("25"));
    QTest::keyClick(&boite, Qt::Key_Left);
    QTest::keyClick(&boite, Qt::Key_Delete);
    QCOMPARE(boite.text(), QString("2"));

    // Ctrl+A selects all: shortcuts pass whatever letter they carry.
    QTest::keyClicks(&boite, "0");
    QTest::keyClick(&boite, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(boite.selectedText(), QString("20"));

    // Ctrl+Alt is AltGr on some keyboards: what it types is filtered.
    boite.clear();
    QKeyEvent altGr(QEvent::KeyPress, Qt::Key_E, Qt::ControlModifier | Qt::AltModifier, QStringLiteral("€"));
    QVERIFY(FiltreTouches::refusee(Filtre::Diametre, &altGr));
    QCoreApplication::sendEvent(&boite, &altGr);
    QVERIFY(boite.text().isEmpty());
}

void TestFiltreTouches::entreeLaisseeAuProprietaire()
{
    QLineEdit boite;
    FiltreTouches::installer(&boite, Filtre::Ecart);
    QSignalSpy entree(&boite, &QLineEdit::returnPressed);
    QTest::keyClick(&boite, Qt::Key_Return);
    QCOMPARE(entree.count(), 1);
}

QTEST_MAIN(TestFiltreTouches)
#include "test_filtre_touches.moc"
