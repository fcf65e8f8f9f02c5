#include "ui/cellule.h"
#include "ui/generales.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QtTest>

#include <memory>

using namespace vestrel;

// The general tolerances window on its own, offscreen: the size typed, the
// kind and the class chosen with the keyboard and the mouse, the table of
// the four classes, the highlighted row and copying it.
class TestGenerales : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void ouverture();
    void valeurs_data();
    void valeurs();
    void genreAuClavier();
    void ligneSurlignee();
    void classeALaSouris();
    void copie_data();
    void copie();
    void copieDeLaSelection();
    void sansDimension();

private:
    template <class T>
    T *controle(const char *nom) const
    {
        T *w = m_fenetre->findChild<T *>(QLatin1String(nom));
        if (!w)
            qWarning("no control %s", nom);
        return w;
    }
    QTableWidget *table() const { return controle<QTableWidget>("Tg_Table"); }
    QString cellule(int ligne, int colonne) const { return table()->item(ligne, colonne)->text(); }
    void saisir(const QString &texte)
    {
        auto *boite = controle<QLineEdit>("Tg_Dimension");
        boite->selectAll();
        QTest::keyClick(boite, Qt::Key_Backspace);
        QTest::keyClicks(boite, texte);
    }
    // The rows shown bold and selected: the class in use, and only it.
    QList<int> lignesSurlignees() const
    {
        QList<int> r;
        for (int l = 0; l < table()->rowCount(); ++l) {
            bool gras = true;
            for (int c = 0; c < table()->columnCount(); ++c)
                gras = gras && table()->item(l, c)->font().bold();
            if (gras && table()->item(l, 0)->isSelected())
                r << l;
        }
        return r;
    }

    std::unique_ptr<Generales> m_fenetre;
};

void TestGenerales::init()
{
    QLocale::setDefault(QLocale::c());
    m_fenetre = std::make_unique<Generales>(nullptr, QStringLiteral("25"));
    m_fenetre->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_fenetre.get()));
}

void TestGenerales::cleanup()
{
    m_fenetre.reset();
    QLocale::setDefault(QLocale::c());
}

void TestGenerales::ouverture()
{
    QCOMPARE(m_fenetre->objectName(), QStringLiteral("Generales"));
    QCOMPARE(m_fenetre->windowTitle(), QString::fromUtf8("Tolérances générales (ISO 2768-1)"));
    QVERIFY(!m_fenetre->isModal());
    QCOMPARE(controle<QLineEdit>("Tg_Dimension")->text(), QStringLiteral("25"));
    const auto *genre = controle<QComboBox>("Tg_Genre");
    QCOMPARE(genre->count(), 3);
    QCOMPARE(genre->itemText(0), QString::fromUtf8("Dimension linéaire"));
    QCOMPARE(genre->itemText(1), QString::fromUtf8("Arrondi ou chanfrein"));
    QCOMPARE(genre->itemText(2), QString::fromUtf8("Angle (plus petit côté)"));
    QCOMPARE(genre->currentIndex(), 0);
    const auto *classe = controle<QComboBox>("Tg_Classe");
    const QStringList classes{QString::fromUtf8("f — fin"), QString::fromUtf8("m — moyen"),
                              QString::fromUtf8("c — grossier"), QString::fromUtf8("v — très grossier")};
    QCOMPARE(classe->count(), 4);
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(classe->itemText(i), classes[i]);
        QCOMPARE(cellule(i, 0), classes[i]);
    }
    QCOMPARE(classe->currentText(), classes[1]);
    QCOMPARE(cellule(1, 4), QStringLiteral("ISO 2768-m"));
    QCOMPARE(cellule(3, 4), QStringLiteral("ISO 2768-v"));
    QVERIFY(controle<QLabel>("Tg_Iso2768_2")->text().contains(QStringLiteral("ISO 2768-2")));
    QVERIFY(controle<QLabel>("Tg_Iso2768_2")->text().contains(QString::fromUtf8("annulée")));
    QVERIFY(controle<QLabel>("Tg_Message")->text().isEmpty());
}

// The row of a class for a size typed and a kind, in the user's locale.
// Hand-checked in the three tables: 25 mm in m is ± 0.2; 3 mm belongs to
// 0.5-3 (c ± 0.2), 3,001 to 3-6 (c ± 0.3); a 3 mm chamfer in c is ± 0.4; an
// angle's shorter side of 60 mm gives f ± 0°20', of 5 mm v ± 3°00'.
void TestGenerales::valeurs_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("dimension");
    QTest::addColumn<int>("genre");
    QTest::addColumn<int>("ligne");
    QTest::addColumn<QString>("ecart");
    QTest::addColumn<QString>("mini");
    QTest::addColumn<QString>("maxi");
    QTest::addColumn<QString>("message");

    const QString tiret = QString::fromUtf8("—");
    const QString nonDefinie = QString::fromUtf8("non définie");
    QTest::newRow("25 m") << "C" << "25" << 0 << 1 << QString::fromUtf8("±0.2") << "24.8" << "25.2" << "";
    QTest::newRow("25,5 m fr") << "fr_FR" << "25,5" << 0 << 1 << QString::fromUtf8("±0,2") << "25,3" << "25,7" << "";
    QTest::newRow("3 c") << "C" << "3" << 0 << 2 << QString::fromUtf8("±0.2") << "2.8" << "3.2" << "non définie"; // v is not
    QTest::newRow("3.001 c fr") << "fr_FR" << "3,001" << 0 << 2 << QString::fromUtf8("±0,3") << "2,701" << "3,301"
                                << "";
    QTest::newRow("1500 m fr") << "fr_FR" << "1500" << 0 << 1 << QString::fromUtf8("±1,2") << "1498,8" << "1501,2"
                               << "";
    QTest::newRow("2 v") << "C" << "2" << 0 << 3 << nonDefinie << tiret << tiret << "non définie";
    QTest::newRow("2500 f") << "C" << "2500" << 0 << 0 << nonDefinie << tiret << tiret << "non définie";
    QTest::newRow("0,3 m fr") << "fr_FR" << "0,3" << 0 << 1 << nonDefinie << tiret << tiret << "0,5 mm";
    QTest::newRow("chanfrein 3 c") << "C" << "3" << 1 << 2 << QString::fromUtf8("±0.4") << "2.6" << "3.4" << "";
    QTest::newRow("chanfrein 0.4 f") << "C" << "0.4" << 1 << 0 << nonDefinie << tiret << tiret << "0.5 mm";
    QTest::newRow("angle 60 f") << "C" << "60" << 2 << 0 << QString::fromUtf8("±0°20'") << tiret << tiret << "";
    QTest::newRow("angle 5 v fr") << "fr_FR" << "5" << 2 << 3 << QString::fromUtf8("±3°00'") << tiret << tiret << "";
    QTest::newRow("angle 0,3 c") << "fr_FR" << "0,3" << 2 << 2 << QString::fromUtf8("±1°30'") << tiret << tiret << "";
}

void TestGenerales::valeurs()
{
    QFETCH(QString, locale);
    QFETCH(QString, dimension);
    QFETCH(int, genre);
    QFETCH(int, ligne);
    QFETCH(QString, ecart);
    QFETCH(QString, mini);
    QFETCH(QString, maxi);
    QFETCH(QString, message);

    QLocale::setDefault(QLocale(locale));
    controle<QComboBox>("Tg_Genre")->setCurrentIndex(genre);
    saisir(dimension);
    QCOMPARE(controle<QLineEdit>("Tg_Dimension")->text(), dimension);
    QCOMPARE(cellule(ligne, 1), ecart);
    QCOMPARE(cellule(ligne, 2), mini);
    QCOMPARE(cellule(ligne, 3), maxi);
    const QString dit = controle<QLabel>("Tg_Message")->text();
    if (message.isEmpty())
        QVERIFY2(dit.isEmpty(), qPrintable(dit));
    else
        QVERIFY2(dit.contains(message), qPrintable(dit));
}

// The kind chosen from the keyboard changes the table at once.
void TestGenerales::genreAuClavier()
{
    auto *genre = controle<QComboBox>("Tg_Genre");
    genre->setFocus();
    QTest::keyClick(genre, Qt::Key_Down);
    QCOMPARE(genre->currentIndex(), 1);
    QCOMPARE(cellule(1, 1), QString::fromUtf8("±1")); // a 25 mm edge: over 6, f and m ± 1
    QTest::keyClick(genre, Qt::Key_Down);
    QCOMPARE(genre->currentIndex(), 2);
    QCOMPARE(cellule(1, 1), QString::fromUtf8("±0°30'")); // 10-50 mm
    QCOMPARE(cellule(1, 2), QString::fromUtf8("—"));
}

// m is highlighted at first; choosing another class from the keyboard moves
// the highlight to its row and only there.
void TestGenerales::ligneSurlignee()
{
    QCOMPARE(lignesSurlignees(), QList<int>{1});
    auto *classe = controle<QComboBox>("Tg_Classe");
    classe->setFocus();
    QTest::keyClick(classe, Qt::Key_Up);
    QCOMPARE(classe->currentIndex(), 0);
    QCOMPARE(lignesSurlignees(), QList<int>{0});
    QTest::keyClick(classe, Qt::Key_End);
    QCOMPARE(lignesSurlignees(), QList<int>{3});
    // A new size keeps the class and its highlight.
    saisir(QStringLiteral("120"));
    QCOMPARE(lignesSurlignees(), QList<int>{3});
    QCOMPARE(cellule(3, 1), QString::fromUtf8("±1.5"));
}

// A click on a row makes its class the one in use.
void TestGenerales::classeALaSouris()
{
    for (int ligne : {2, 0, 3}) {
        const QRect r = table()->visualItemRect(table()->item(ligne, 1));
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, r.center());
        QCOMPARE(controle<QComboBox>("Tg_Classe")->currentIndex(), ligne);
        QCOMPARE(lignesSurlignees(), QList<int>{ligne});
    }
}

// Copy puts the highlighted row on the clipboard, by the button or Ctrl+C.
void TestGenerales::copie_data()
{
    QTest::addColumn<bool>("clavier");
    QTest::newRow("Copier") << false;
    QTest::newRow("Ctrl+C") << true;
}

void TestGenerales::copie()
{
    QFETCH(bool, clavier);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    saisir(QStringLiteral("40"));
    auto *classe = controle<QComboBox>("Tg_Classe");
    classe->setFocus();
    QTest::keyClick(classe, Qt::Key_Down); // c
    QGuiApplication::clipboard()->clear();
    if (clavier)
        QTest::keyClick(controle<QLineEdit>("Tg_Dimension"), Qt::Key_C, Qt::ControlModifier);
    else
        QTest::mousePress(controle<Cellule>("Tg_Copier"), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QString::fromUtf8("c — grossier\t±0,8\t39,2\t40,8\tISO 2768-c"));
}

// With text selected in the size box, Ctrl+C copies that text, as anywhere.
void TestGenerales::copieDeLaSelection()
{
    auto *boite = controle<QLineEdit>("Tg_Dimension");
    boite->selectAll();
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(boite, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("25"));
}

// No size, no numbers: the rows are empty and there is nothing to copy.
void TestGenerales::sansDimension()
{
    saisir(QString());
    for (int l = 0; l < 4; ++l)
        QVERIFY(cellule(l, 1).isEmpty());
    QVERIFY(controle<QLabel>("Tg_Message")->text().contains(QString::fromUtf8("supérieure à 0")));
    QVERIFY(!controle<Cellule>("Tg_Copier")->isEnabled());
    QGuiApplication::clipboard()->setText(QStringLiteral("avant"));
    QTest::mousePress(controle<Cellule>("Tg_Copier"), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("avant"));
    saisir(QStringLiteral("0"));
    QVERIFY(cellule(1, 1).isEmpty());
}

QTEST_MAIN(TestGenerales)
#include "test_generales.moc"
