#include "ui/apropos.h"
#include "ui/twips.h"

#include <QDate>
#include <QLabel>
#include <QLocale>
#include <QPointer>
#include <QTime>
#include <QtTest>

using namespace vestrel;

// The about box, opened window-modal with open() so that the test keeps
// running while it is shown; the program opens it with exec().
class TestApropos : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void contenu_data();
    void contenu();
    void horlogeAvance();
    void fermeture_data();
    void fermeture();
    void formatHeure_data();
    void formatHeure();

private:
    BoiteApropos *ouvrir();

    QWidget *m_fenetre = nullptr;
};

void TestApropos::initTestCase()
{
    QLocale::setDefault(QLocale::c());
}

void TestApropos::cleanup()
{
    delete m_fenetre;
    m_fenetre = nullptr;
    QLocale::setDefault(QLocale::c());
}

BoiteApropos *TestApropos::ouvrir()
{
    m_fenetre = new QWidget;
    m_fenetre->resize(370, 377);
    m_fenetre->show();
    auto *boite = new BoiteApropos(m_fenetre);
    boite->setAttribute(Qt::WA_DeleteOnClose);
    boite->open();
    if (!QTest::qWaitForWindowExposed(boite))
        return nullptr;
    return boite;
}

void TestApropos::contenu_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("formatDate");
    QTest::addColumn<QString>("formatHeure");
    QTest::newRow("C") << QLocale::c() << "d MMM yyyy" << "HH:mm:ss";
    QTest::newRow("francais") << QLocale(QLocale::French, QLocale::France) << "dd/MM/yyyy"
                              << "HH:mm:ss";
}

void TestApropos::contenu()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, formatDate);
    QFETCH(QString, formatHeure);
    QLocale::setDefault(locale);

    const QDate avant = QDate::currentDate();
    BoiteApropos *boite = ouvrir();
    QVERIFY(boite);
    const QDate apres = QDate::currentDate();

    QCOMPARE(boite->objectName(), QStringLiteral("apropos"));
    QCOMPARE(boite->windowTitle(), QStringLiteral(" A propos"));
    QVERIFY(boite->isModal());
    QCOMPARE(boite->size(), tailleTwips(5028, 3372));
    QVERIFY(!boite->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!boite->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(boite->windowFlags().testFlag(Qt::WindowCloseButtonHint));

    // Today's date in the locale's short format, not the design text.
    const QString date = boite->findChild<QLabel *>(QStringLiteral("Lbl_Date"))->text();
    QVERIFY2(date == locale.toString(avant, formatDate) || date == locale.toString(apres, formatDate),
             qPrintable(date));
    // The time of the opening, with its seconds.
    const QString heure = boite->findChild<QLabel *>(QStringLiteral("Lbl_Heure"))->text();
    const QTime lue = locale.toTime(heure, formatHeure);
    QVERIFY2(lue.isValid(), qPrintable(heure));
    QVERIFY2(qAbs(lue.secsTo(QTime::currentTime())) <= 5, qPrintable(heure));
    QCOMPARE(boite->findChild<QLabel *>(QStringLiteral("Version"))->text(),
             QStringLiteral("1.1"));

    auto *image = boite->findChild<QLabel *>(QStringLiteral("Picture1"));
    QCOMPARE(image->pixmap().size(), QSize(337, 193));
    QCOMPARE(image->cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(image->cursor().pixmap().size(), QSize(32, 32));
    QCOMPARE(boite->findChild<QLabel *>(QStringLiteral("Image1"))->pixmap().size(),
             QSize(32, 32));
    boite->close();
}

void TestApropos::horlogeAvance()
{
    BoiteApropos *boite = ouvrir();
    QVERIFY(boite);
    auto *heure = boite->findChild<QLabel *>(QStringLiteral("Lbl_Heure"));
    auto *date = boite->findChild<QLabel *>(QStringLiteral("Lbl_Date"));
    const QString premiere = heure->text();
    const QString jour = date->text();
    QTRY_VERIFY_WITH_TIMEOUT(heure->text() != premiere, 2500);
    QVERIFY(QLocale().toTime(heure->text(), QStringLiteral("HH:mm:ss")).isValid());
    QCOMPARE(date->text(), jour);
    boite->close();
}

void TestApropos::fermeture_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("ferme");
    QTest::newRow("clic sur l'image") << "Picture1" << true;
    QTest::newRow("case de fermeture") << "croix" << true;
    QTest::newRow("Echap") << "echap" << true;
    QTest::newRow("Entree") << "entree" << true;
    QTest::newRow("Entree du pave") << "pave" << true;
    QTest::newRow("autre touche") << "espace" << false;
    QTest::newRow("clic sur l'icone") << "Image1" << false;
    QTest::newRow("clic sur la version") << "Version" << false;
    QTest::newRow("clic sur la date") << "Lbl_Date" << false;
    QTest::newRow("clic sur l'heure") << "Lbl_Heure" << false;
}

void TestApropos::fermeture()
{
    QFETCH(QString, action);
    QFETCH(bool, ferme);

    QPointer<BoiteApropos> boite = ouvrir();
    QVERIFY(boite);
    if (action == QLatin1String("croix")) {
        // What the window manager does for the close box.
        boite->close();
    } else if (action == QLatin1String("echap")) {
        QTest::keyClick(boite, Qt::Key_Escape);
    } else if (action == QLatin1String("entree")) {
        QTest::keyClick(boite, Qt::Key_Return);
    } else if (action == QLatin1String("pave")) {
        QTest::keyClick(boite, Qt::Key_Enter, Qt::KeypadModifier);
    } else if (action == QLatin1String("espace")) {
        QTest::keyClick(boite, Qt::Key_Space);
    } else {
        auto *cible = boite->findChild<QWidget *>(action);
        QVERIFY(cible);
        QTest::mouseClick(cible, Qt::LeftButton, {}, QPoint(4, 4));
    }

    if (ferme) {
        // Unloaded: the next opening builds a new box with a new time.
        QTRY_VERIFY_WITH_TIMEOUT(boite.isNull(), 1000);
    } else {
        QVERIFY(boite->isVisible());
        boite->close();
    }
}

void TestApropos::formatHeure_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("attendu");
    QTest::newRow("C") << QLocale::c() << "HH:mm:ss";
    QTest::newRow("francais") << QLocale(QLocale::French, QLocale::France) << "HH:mm:ss";
    QTest::newRow("americain") << QLocale(QLocale::English, QLocale::UnitedStates)
                               << "h:mm:ss AP";
    QTest::newRow("japonais") << QLocale(QLocale::Japanese, QLocale::Japan)
                              << QString::fromUtf8("H時mm分ss秒");
}

void TestApropos::formatHeure()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, attendu);
    QCOMPARE(BoiteApropos::formatHeure(locale), attendu);
}

QTEST_MAIN(TestApropos)
#include "test_apropos.moc"
