#include "app/principale.h"
#include "ui/apropos.h"
#include "ui/palette.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QRadioButton>
#include <QStyle>
#include <QtTest>

#include "aide_menus.h"

using namespace vestrel;

namespace {

// A dark desktop theme as a user may have chosen one: light texts on dark
// windows and boxes.
QPalette paletteSombre()
{
    QPalette p;
    const QColor fenetre(53, 53, 53), base(35, 35, 35), texte(238, 238, 236);
    for (const QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const QColor t = g == QPalette::Disabled ? QColor(146, 149, 149) : texte;
        p.setColor(g, QPalette::Window, fenetre);
        p.setColor(g, QPalette::WindowText, t);
        p.setColor(g, QPalette::Base, base);
        p.setColor(g, QPalette::AlternateBase, fenetre);
        p.setColor(g, QPalette::Text, t);
        p.setColor(g, QPalette::Button, fenetre);
        p.setColor(g, QPalette::ButtonText, t);
        p.setColor(g, QPalette::Highlight, QColor(21, 83, 158));
        p.setColor(g, QPalette::HighlightedText, Qt::white);
        p.setColor(g, QPalette::ToolTipBase, fenetre);
        p.setColor(g, QPalette::ToolTipText, texte);
        p.setColor(g, QPalette::Light, QColor(70, 70, 70));
        p.setColor(g, QPalette::Dark, QColor(25, 25, 25));
        p.setColor(g, QPalette::Shadow, Qt::black);
    }
    return p;
}

// What a grab shows of a text: its background (the most frequent colour of
// the zone), the colour that stands out most from it, their contrast, and
// how many pixels reach the readable contrast.
struct Lecture {
    QColor fond;
    QColor texte;
    double rapport = 1;
    int lisibles = 0;
};

constexpr double Lisible = 4.5;

// The program's backgrounds: white, the window grey, the hover and the
// selection colours; a dark theme's are far from black text.
bool clair(const QColor &fond)
{
    return contraste(fond, Qt::black) >= 7;
}

Lecture lire(const QImage &image, const QRect &zone)
{
    QHash<QRgb, int> frequences;
    for (int y = zone.top(); y <= zone.bottom(); ++y)
        for (int x = zone.left(); x <= zone.right(); ++x)
            ++frequences[image.pixel(x, y) | 0xff000000u];
    Lecture l;
    int plus = 0;
    for (auto it = frequences.cbegin(); it != frequences.cend(); ++it) {
        if (it.value() > plus) {
            plus = it.value();
            l.fond = QColor::fromRgb(it.key());
        }
    }
    for (auto it = frequences.cbegin(); it != frequences.cend(); ++it) {
        const double r = contraste(l.fond, QColor::fromRgb(it.key()));
        if (r > l.rapport) {
            l.rapport = r;
            l.texte = QColor::fromRgb(it.key());
        }
        if (r >= Lisible)
            l.lisibles += it.value();
    }
    return l;
}

// The part of a control where its text is drawn: the label of an option
// button (not its round mark), the title of a frame, else the whole control.
QRect zoneTexte(QWidget *w)
{
    if (qobject_cast<QRadioButton *>(w)) {
        const int marque = w->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, w)
                           + w->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, w);
        return w->rect().adjusted(marque, 0, 0, 0);
    }
    if (qobject_cast<QGroupBox *>(w))
        return QRect(0, 0, w->width(), w->fontMetrics().height());
    return w->rect();
}

} // namespace

// The program's windows keep dark texts on light backgrounds when the
// desktop's theme is dark.
class TestTeintes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void textesLisibles_data();
    void textesLisibles();
    void listeDeroulee_data();
    void listeDeroulee();
    void boiteApropos_data();
    void boiteApropos();
    void contrasteMesure_data();
    void contrasteMesure();

private:
    Principale *m_fenetre = nullptr;
};

void TestTeintes::initTestCase()
{
    QLocale::setDefault(QLocale::c());
    // As a dark desktop theme does, before any window exists.
    QApplication::setPalette(paletteSombre());
    m_fenetre = new Principale;
    m_fenetre->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_fenetre));
}

void TestTeintes::cleanupTestCase()
{
    delete m_fenetre;
}

void TestTeintes::textesLisibles_data()
{
    QTest::addColumn<QString>("fenetre"); // empty: the main window
    QTest::addColumn<QString>("nom");
    QTest::addColumn<int>("methode");
    QTest::addColumn<double>("minimum");

    const auto ligne = [](const char *fenetre, const char *nom, int methode, double minimum) {
        QTest::addRow("%s", nom) << QString::fromLatin1(fenetre) << QString::fromLatin1(nom)
                                 << methode << minimum;
    };
    ligne("", "Label7", 0, Lisible);
    ligne("", "Res_Al_Max", 0, Lisible);
    ligne("", "Af_Ec_Sup_Al", 0, Lisible);
    ligne("", "J_Max", 0, Lisible);
    ligne("", "Frame2", 0, Lisible);
    ligne("", "Popup", 0, Lisible);
    ligne("", "Ch_opt(1)", 0, Lisible);
    ligne("", "Diametre", 0, Lisible);
    ligne("", "MNU(0)", 0, Lisible);
    ligne("", "MNU(1)", 0, Lisible);
    ligne("", "Aj_Ale", 1, Lisible);
    ligne("", "Lbl_TB_Cl_Al(0)", 1, Lisible);
    ligne("", "Lbl_TB_Cl_Al(7)", 1, Lisible);  // H, selected
    ligne("", "Lbl_TB_Ql_Ar(2)", 1, Lisible);  // 7, selected
    ligne("", "Lbl_TB_Ql_Al(0)", 1, Lisible);  // 6, enabled
    ligne("", "Lbl_TB_Ql_Al(12)", 1, 3.0);     // 18, disabled at 2 mm: grey
    ligne("", "Toolbars", 1, Lisible);
    ligne("", "Calcul", 2, Lisible);
    ligne("", "Label14", 2, Lisible);
    ligne("", "Dia1", 2, Lisible);
    ligne("Mnu_File", "Mnu_File_1(0)", 0, Lisible);
    ligne("Mnu_Select", "Mnu_Select_1(0)", 0, Lisible);
    ligne("Mnu_Select", "Mnu_Select_1(2)", 0, Lisible);
    ligne("Mnu_Apropos", "Mnu_apropos_1(0)", 0, Lisible);
}

void TestTeintes::textesLisibles()
{
    QFETCH(QString, fenetre);
    QFETCH(QString, nom);
    QFETCH(int, methode);
    QFETCH(double, minimum);

    m_fenetre->Changer_Methode(vestrel::methodeIndex(methode));
    QWidget *racine = fenetre.isEmpty() ? m_fenetre : menu(fenetre.toLatin1().constData());
    QVERIFY(racine);
    QWidget *w = enfant(racine, nom);
    QVERIFY2(w, qPrintable(nom));
    if (auto *liste = qobject_cast<QComboBox *>(w))
        w = liste->lineEdit();

    const QImage image = w->grab().toImage();
    const Lecture l = lire(image, zoneTexte(w));
    const QString detail = QStringLiteral("%1 on %2: %3")
                               .arg(l.texte.name(), l.fond.name())
                               .arg(l.rapport, 0, 'f', 2);
    // The background is the program's own, never the desktop's dark one.
    QVERIFY2(clair(l.fond), qPrintable(detail));
    QVERIFY2(l.rapport >= minimum, qPrintable(detail));
    // A whole text, not a stray pixel.
    QVERIFY2(l.lisibles >= 4 || minimum < Lisible, qPrintable(detail));
}

void TestTeintes::listeDeroulee_data()
{
    QTest::addColumn<QString>("nom");
    QTest::newRow("Aj_Alesage") << QStringLiteral("Aj_Alesage");
    QTest::newRow("Aj_Arbre") << QStringLiteral("Aj_Arbre");
}

// The classes in the opened list, and in its text field.
void TestTeintes::listeDeroulee()
{
    QFETCH(QString, nom);
    m_fenetre->Changer_Methode(vestrel::Methode::Popup);
    auto *liste = enfant<QComboBox>(m_fenetre, nom);
    QVERIFY(liste);
    const Lecture champ = lire(liste->lineEdit()->grab().toImage(), liste->lineEdit()->rect());
    QCOMPARE(champ.fond, QColor(Qt::white));
    QVERIFY2(champ.rapport >= Lisible, qPrintable(champ.texte.name()));

    liste->showPopup();
    QAbstractItemView *vue = liste->view();
    QVERIFY(QTest::qWaitForWindowExposed(vue->window()));
    const QImage image = vue->viewport()->grab().toImage();
    liste->hidePopup();
    const Lecture l = lire(image, image.rect());
    const QString detail = QStringLiteral("%1 on %2").arg(l.texte.name(), l.fond.name());
    QVERIFY2(clair(l.fond), qPrintable(detail));
    QVERIFY2(l.rapport >= Lisible, qPrintable(detail));
    QVERIFY2(l.lisibles >= 20, qPrintable(detail));
}

void TestTeintes::boiteApropos_data()
{
    QTest::addColumn<QString>("nom");
    QTest::newRow("Version") << QStringLiteral("Version");
    QTest::newRow("Lbl_Date") << QStringLiteral("Lbl_Date");
    QTest::newRow("Lbl_Heure") << QStringLiteral("Lbl_Heure");
}

void TestTeintes::boiteApropos()
{
    QFETCH(QString, nom);
    BoiteApropos boite(m_fenetre);
    boite.show();
    QVERIFY(QTest::qWaitForWindowExposed(&boite));
    QWidget *w = enfant(&boite, nom);
    QVERIFY(w);
    const Lecture l = lire(w->grab().toImage(), w->rect());
    const QString detail = QStringLiteral("%1 on %2").arg(l.texte.name(), l.fond.name());
    QVERIFY2(clair(l.fond), qPrintable(detail));
    QVERIFY2(l.rapport >= Lisible, qPrintable(detail));
    QVERIFY2(l.lisibles >= 4, qPrintable(detail));
}

void TestTeintes::contrasteMesure_data()
{
    QTest::addColumn<QColor>("a");
    QTest::addColumn<QColor>("b");
    QTest::addColumn<double>("rapport");
    QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
    QTest::newRow("same colour") << QColor(224, 224, 224) << QColor(224, 224, 224) << 1.0;
    QTest::newRow("order does not matter") << QColor(Qt::white) << QColor(118, 118, 118) << 4.54;
    QTest::newRow("pure red on white") << QColor(Qt::red) << QColor(Qt::white) << 4.00;
}

// The measure the checks above rely on.
void TestTeintes::contrasteMesure()
{
    QFETCH(QColor, a);
    QFETCH(QColor, b);
    QFETCH(double, rapport);
    QVERIFY2(qAbs(contraste(a, b) - rapport) < 0.01, qPrintable(QString::number(contraste(a, b))));
}

QTEST_MAIN(TestTeintes)
#include "test_teintes.moc"
