#include "app/principale.h"
#include "ui/apropos.h"
#include "ui/cellule.h"
#include "ui/couleurs.h"
#include "ui/palette.h"

#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QScreen>
#include <QWindow>
#include <QtTest>

#include <cmath>

#include "aide_menus.h"

using namespace vestrel;

namespace {

enum Bord { Haut, Bas, Gauche, Droite };

// Whether the grab shows a whole line of `couleur` along one edge of the
// device rectangle `r`: some row (or column) next to the edge whose pixels
// all have that colour, from one corner to the other, corners left aside.
bool ligneEntiere(const QImage &image, const QRectF &r, Bord bord, const QColor &couleur)
{
    const int gauche = int(std::ceil(r.left())), droite = int(std::floor(r.right())) - 1;
    const int haut = int(std::ceil(r.top())), bas = int(std::floor(r.bottom())) - 1;
    const bool horizontal = bord == Haut || bord == Bas;
    const int bordure = bord == Haut ? haut : bord == Bas ? bas : bord == Gauche ? gauche : droite;
    for (int decalage = -1; decalage <= 1; ++decalage) {
        const int ligne = bordure + decalage;
        const int debut = (horizontal ? gauche : haut) + 2;
        const int fin = (horizontal ? droite : bas) - 2;
        bool entiere = fin > debut;
        for (int i = debut; entiere && i <= fin; ++i) {
            const QPoint p = horizontal ? QPoint(i, ligne) : QPoint(ligne, i);
            entiere = image.rect().contains(p) && image.pixelColor(p).rgb() == couleur.rgb();
        }
        if (entiere)
            return true;
    }
    return false;
}

} // namespace

// Frames and pictures at the scale factor of the run (QT_SCALE_FACTOR 1.5
// or 2): every frame keeps its four sides, every picture has the screen's
// pixels.
class TestEchelle : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cadres_data();
    void cadres();
    void images_data();
    void images();
    void iconeFenetre();

private:
    QImage ecran();

    Principale *m_fenetre = nullptr;
    qreal m_ratio = 1;
};

void TestEchelle::initTestCase()
{
    QLocale::setDefault(QLocale::c());
    m_ratio = qApp->devicePixelRatio();
    const qreal demande = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
    QCOMPARE(m_ratio, demande);
    m_fenetre = new Principale;
    m_fenetre->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_fenetre));
}

void TestEchelle::cleanupTestCase()
{
    delete m_fenetre;
}

// What the window shows, in device pixels.
QImage TestEchelle::ecran()
{
    return m_fenetre->grab().toImage();
}

void TestEchelle::cadres_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("survol"); // the control the pointer rests on
    QTest::addColumn<QString>("presse"); // the cell pressed first
    QTest::addColumn<QList<QColor>>("couleurs"); // top, bottom, left, right

    const QColor contour = couleurs::Contour;
    const QList<QColor> cadre{contour, contour, contour, contour};
    const QPalette p = paletteProgramme();
    const QList<QColor> enCreux{p.color(QPalette::Dark), p.color(QPalette::Light),
                                p.color(QPalette::Dark), p.color(QPalette::Light)};
    const QList<QColor> noir{Qt::black, Qt::black, Qt::black, Qt::black};

    QTest::newRow("hover frame") << "Cadre_Sel" << "Lbl_TB_Cl_Al(3)" << "" << cadre;
    for (int k = 0; k < 4; ++k)
        QTest::addRow("row outline %d", k) << QStringLiteral("Contour(%1)").arg(k) << "" << ""
                                           << cadre;
    QTest::newRow("menu title highlight") << "Selection" << "MNU(1)" << "" << cadre;
    QTest::newRow("selected cell") << "Lbl_TB_Cl_Al(0)" << "" << "Lbl_TB_Cl_Al(0)" << enCreux;
    // Pressing "A" preselects grade 9 with a single flat border.
    QTest::newRow("preselected grade") << "Lbl_TB_Ql_Al(3)" << "" << "Lbl_TB_Cl_Al(0)" << noir;
}

void TestEchelle::cadres()
{
    QFETCH(QString, nom);
    QFETCH(QString, survol);
    QFETCH(QString, presse);
    QFETCH(QList<QColor>, couleurs);

    m_fenetre->Changer_Methode(vestrel::Methode::BarreOutil);
    m_fenetre->Effacer_Survol();
    if (!presse.isEmpty())
        QTest::mousePress(enfant(m_fenetre, presse), Qt::LeftButton);
    if (!survol.isEmpty()) {
        QWidget *w = enfant(m_fenetre, survol);
        QVERIFY(w);
        survoler(w, w->rect().center());
    }
    QWidget *forme = nullptr;
    for (QWidget *w : m_fenetre->findChildren<QWidget *>(nom)) {
        if (w->window() == m_fenetre)
            forme = w;
    }
    QVERIFY2(forme && forme->isVisible(), qPrintable(nom));

    const QImage image = ecran();
    QCOMPARE(image.width(), qRound(m_fenetre->width() * m_ratio));
    const QRectF r(QPointF(forme->mapTo(m_fenetre, QPoint(0, 0))) * m_ratio,
                   QSizeF(forme->size()) * m_ratio);
    static const char *const Bords[] = {"top", "bottom", "left", "right"};
    for (int b = Haut; b <= Droite; ++b)
        QVERIFY2(ligneEntiere(image, r, Bord(b), couleurs[b]),
                 qPrintable(QStringLiteral("%1 edge of %2").arg(QLatin1String(Bords[b]), nom)));
}

void TestEchelle::images_data()
{
    QTest::addColumn<QString>("fenetre");
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QSize>("taille"); // logical pixels
    QTest::newRow("about picture") << "apropos" << "Picture1" << QSize(337, 193);
    QTest::newRow("about icon") << "apropos" << "Image1" << QSize(32, 32);
    QTest::newRow("check mark") << "Mnu_Select" << "Pict(0)" << QSize(32, 32);
}

// Each picture holds the screen's pixels: twice as many each way at 2, one
// and a half at 1.5; never a small picture that the screen stretches.
void TestEchelle::images()
{
    QFETCH(QString, fenetre);
    QFETCH(QString, nom);
    QFETCH(QSize, taille);
    m_fenetre->Changer_Methode(vestrel::Methode::Popup);
    BoiteApropos boite(m_fenetre);
    QWidget *racine = fenetre == QLatin1String("apropos") ? &boite : menu("Mnu_Select");
    auto *l = enfant<QLabel>(racine, nom);
    QVERIFY(l);
    const QPixmap image = l->pixmap();
    QCOMPARE(image.devicePixelRatio(), m_ratio);
    QCOMPARE(image.size(), QSize(qRound(taille.width() * m_ratio), qRound(taille.height() * m_ratio)));
    QCOMPARE(image.deviceIndependentSize().toSize(), taille);
}

void TestEchelle::iconeFenetre()
{
    const QIcon icone = m_fenetre->windowIcon();
    QVERIFY(icone.availableSizes().contains(QSize(32, 32)));
    QVERIFY(icone.availableSizes().contains(QSize(64, 64)));
    // The desktop takes the drawing at the next whole ratio and scales it.
    const qreal ratio = std::ceil(m_ratio);
    const QPixmap p = icone.pixmap(QSize(32, 32), ratio);
    QCOMPARE(p.size(), QSize(qRound(32 * ratio), qRound(32 * ratio)));
}

QTEST_MAIN(TestEchelle)
#include "test_echelle.moc"
