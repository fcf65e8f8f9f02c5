// The diagram window on its own, copying and exporting a fit.
#include "calcul/service.h"
#include "rendu/notation.h"
#include "tables/materiaux.h"
#include "ui/couleurs.h"
#include "ui/dessin_schema.h"
#include "ui/export.h"
#include "ui/palette.h"
#include "ui/schema.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLocale>
#include <QMimeData>
#include <QPainter>
#include <QProcess>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <memory>

using namespace vestrel;

namespace {

const QLocale Francais(QLocale::French, QLocale::France);

struct Svg {
    bool valide = false;
    int rectangles = 0, textes = 0;
    QStringList ids;
    QStringList contenus;
    QString largeur;
};

// Reads an SVG document the way any consumer would: as XML.
Svg lireSvg(const QByteArray &donnees)
{
    Svg s;
    QXmlStreamReader xml(donnees);
    bool racine = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (!racine) {
            racine = xml.name() == QLatin1String("svg");
            s.largeur = xml.attributes().value(QLatin1String("width")).toString();
        }
        if (xml.attributes().hasAttribute(QLatin1String("id")))
            s.ids << xml.attributes().value(QLatin1String("id")).toString();
        if (xml.name() == QLatin1String("rect"))
            ++s.rectangles;
        if (xml.name() == QLatin1String("text")) {
            ++s.textes;
            s.contenus << xml.readElementText();
        }
    }
    s.valide = racine && !xml.hasError();
    return s;
}

// How many pixels of an image are (nearly) of a colour.
int pixels(const QImage &image, QColor c)
{
    int n = 0;
    const QImage i = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < i.height(); ++y)
        for (int x = 0; x < i.width(); ++x) {
            const QColor p = i.pixelColor(x, y);
            n += std::abs(p.red() - c.red()) < 40 && std::abs(p.green() - c.green()) < 40
                 && std::abs(p.blue() - c.blue()) < 40;
        }
    return n;
}

// Where a colour lies in an image and how much of it: pixels within 24 of
// it on each channel (the grey edges of dark texts stay out of the shaft's
// pale blue).
struct Teinte {
    int n = 0;
    QRect boite;
};
Teinte teinte(const QImage &image, QColor c)
{
    Teinte t;
    const QImage i = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < i.height(); ++y) {
        const auto *ligne = reinterpret_cast<const QRgb *>(i.constScanLine(y));
        for (int x = 0; x < i.width(); ++x) {
            const QRgb p = ligne[x];
            if (std::abs(qRed(p) - c.red()) < 24 && std::abs(qGreen(p) - c.green()) < 24
                && std::abs(qBlue(p) - c.blue()) < 24) {
                ++t.n;
                t.boite |= QRect(x, y, 1, 1);
            }
        }
    }
    return t;
}

// The SVG of a model read by Qt SVG, as any viewer of an exported file
// would, painted into an image of `taille` times `facteur`.
QImage imageSvg(const ModeleSchema &m, QSize taille, qreal facteur)
{
    const std::string s = svgSchema(m, taille.width(), taille.height());
    QSvgRenderer rendu(QByteArray(s.data(), static_cast<qsizetype>(s.size())));
    QImage image(taille * facteur, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    rendu.render(&p, QRectF(QPointF(0, 0), QSizeF(image.size())));
    return image;
}

// The window's drawing as SVG, to read its elements and texts.
QByteArray svgFenetre(const Schema &s)
{
    const std::string t = svgSchema(s.plan(), s.modele().description);
    return QByteArray(t.data(), static_cast<qsizetype>(t.size()));
}

QString pdfTexte(const QString &chemin)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), chemin, QStringLiteral("-")});
    if (!p.waitForFinished(20000) || p.exitCode() != 0)
        return QStringLiteral("pdftotext failed: ") + QString::fromLocal8Bit(p.readAllStandardError());
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString pdfInfo(const QString &chemin)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {chemin});
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class TestSchema : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void cleanupTestCase() { QLocale::setDefault(QLocale::c()); }

    void fenetreOutilNonModale()
    {
        QWidget principale;
        Schema s(&principale);
        QCOMPARE(s.objectName(), QStringLiteral("Schema"));
        QCOMPARE(s.windowTitle(), QStringLiteral("Schéma des tolérances"));
        QVERIFY(s.isWindow());
        QCOMPARE(s.windowType(), Qt::Tool);
        QCOMPARE(s.windowModality(), Qt::NonModal);
    }

    // The diagram's colours of the kinds of fit are those of the clearance labels.
    void couleursDesJeux()
    {
        auto qt = [](Couleur c) { return QColor(c.r, c.g, c.b); };
        QCOMPARE(qt(couleurNature(Nature::Jeu)), couleurs::Jeu);
        QCOMPARE(qt(couleurNature(Nature::Incertain)), couleurs::Incertain);
        QCOMPARE(qt(couleurNature(Nature::Serrage)), couleurs::Serrage);
    }

    void descriptionAccessible_data()
    {
        QTest::addColumn<bool>("francais");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("C") << false << QStringLiteral("arbre js9 \u00B121.5 \u00B5m (IT9 = 43 \u00B5m)");
        QTest::newRow("fr") << true << QStringLiteral("arbre js9 \u00B121,5 \u00B5m (IT9 = 43 \u00B5m)");
    }
    void descriptionAccessible()
    {
        QFETCH(bool, francais);
        QFETCH(QString, attendu);
        if (francais)
            QLocale::setDefault(Francais);
        Schema s;
        s.montrer(ajustementClasses(12.5, "H7", "js9"));
        QVERIFY2(s.accessibleDescription().contains(attendu), qPrintable(s.accessibleDescription()));
        QCOMPARE(s.accessibleDescription(), QString::fromStdString(s.modele().description));
        QVERIFY(s.accessibleDescription().startsWith(francais ? QStringLiteral("\u2205 12,5 H7/js9")
                                                              : QStringLiteral("\u2205 12.5 H7/js9")));
        // Each new fit replaces the text, nothing of the previous one stays.
        s.montrer(ajustementClasses(25, "H7", ""));
        QVERIFY(!s.accessibleDescription().contains(QStringLiteral("js9")));
        QVERIFY(s.accessibleDescription().contains(QStringLiteral("Choisissez une classe d'arbre")));
    }

    void dessinSuitLAjustement()
    {
        Schema s;
        s.montrer(ajustementClasses(25, "H7", "g6"));
        Svg svg = lireSvg(svgFenetre(s));
        QVERIFY(svg.valide);
        QVERIFY(svg.ids.contains(QStringLiteral("zone-alesage")));
        QVERIFY(svg.ids.contains(QStringLiteral("zone-arbre")));
        QVERIFY(svg.ids.contains(QStringLiteral("jeu-maxi")));
        QVERIFY(svg.contenus.contains(QStringLiteral("Ajustement avec jeu")));
        QVERIFY(svg.contenus.contains(QStringLiteral("\u22127")));

        s.montrer(ajustementClasses(25, "", "g6"));
        svg = lireSvg(svgFenetre(s));
        QVERIFY(svg.valide);
        QVERIFY(!svg.ids.contains(QStringLiteral("zone-alesage")));
        QVERIFY(!svg.ids.contains(QStringLiteral("jeu-maxi")));
        QVERIFY(svg.contenus.contains(QStringLiteral("Choisissez une classe d'alésage")));
        QVERIFY(!svg.contenus.contains(QStringLiteral("Ajustement avec jeu")));
    }

    // The drawing really reaches the screen, in the fit's colour.
    void peintDansLaCouleurDeLAjustement_data()
    {
        QTest::addColumn<QString>("arbre");
        QTest::addColumn<QColor>("couleur");
        QTest::addColumn<QColor>("absente");
        QTest::newRow("jeu") << QStringLiteral("g6") << QColor(0, 0, 255) << QColor(255, 0, 0);
        QTest::newRow("serrage") << QStringLiteral("s6") << QColor(255, 0, 0) << QColor(0, 0, 255);
    }
    void peintDansLaCouleurDeLAjustement()
    {
        QFETCH(QString, arbre);
        QFETCH(QColor, couleur);
        QFETCH(QColor, absente);
        Schema s;
        s.montrer(ajustementClasses(25, "H7", arbre.toStdString()));
        s.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        const QImage image = s.grab().toImage();
        QVERIFY(pixels(image, couleur) > 200);
        QCOMPARE(pixels(image, absente), 0);
        QVERIFY(pixels(image, Qt::white) > image.width() * image.height() / 2);
    }

    // A hidden window lays nothing out; its accessible text follows every
    // fit all the same, and showing it lays out the last fit only.
    void rienDeCalculeFenetreCachee()
    {
        Schema s;
        QVERIFY(!s.planAJour());
        s.montrer(ajustementClasses(25, "H7", "g6"));
        s.montrer(ajustementClasses(25, "H7", "s6"));
        QVERIFY(!s.planAJour());
        QVERIFY(s.accessibleDescription().contains(QStringLiteral("H7/s6")));
        s.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        QTRY_VERIFY_WITH_TIMEOUT(s.planAJour(), 2000);
        QCOMPARE(s.plan().fleches.at(0).couleur, CouleurSerrage);
        // A new fit on the shown window: laid out again at its next paint.
        s.montrer(ajustementClasses(25, "H7", "g6"));
        QVERIFY(!s.planAJour());
        QTRY_VERIFY_WITH_TIMEOUT(s.planAJour(), 2000);
        QCOMPARE(s.plan().fleches.at(0).couleur, CouleurJeu);
        s.hide();
        s.montrer(ajustementClasses(25, "H7", "s6"));
        QVERIFY(!s.planAJour());
        QVERIFY(s.accessibleDescription().contains(QStringLiteral("H7/s6")));
    }

    // The painted drawing (window, PNG, PDF) and the SVG file are the same
    // plan written twice: the same colours in the same places, but for the
    // edges that antialiasing and text rendering blur.
    void peintureEtSvgConcordent_data()
    {
        QTest::addColumn<QString>("alesage");
        QTest::addColumn<QString>("arbre");
        QTest::addColumn<qreal>("facteur");
        QTest::newRow("jeu") << QStringLiteral("H7") << QStringLiteral("g6") << qreal(1);
        QTest::newRow("serrage") << QStringLiteral("H7") << QStringLiteral("s6") << qreal(1);
        QTest::newRow("JS incertain") << QStringLiteral("JS7") << QStringLiteral("h6") << qreal(1);
        QTest::newRow("jeu 2x") << QStringLiteral("H7") << QStringLiteral("g6") << qreal(2);
        QTest::newRow("serrage 2x") << QStringLiteral("H7") << QStringLiteral("s6") << qreal(2);
    }
    void peintureEtSvgConcordent()
    {
        QFETCH(QString, alesage);
        QFETCH(QString, arbre);
        QFETCH(qreal, facteur);
        const ModeleSchema m = construireSchema(ajustementClasses(25, alesage.toStdString(), arbre.toStdString()), ".");
        const QSize taille(static_cast<int>(LargeurSchema), static_cast<int>(HauteurSchema));
        const QImage peinte = imageSchema(m, taille, facteur);
        const QImage svg = imageSvg(m, taille, facteur);
        QCOMPARE(peinte.size(), svg.size());
        // Texts may end a few pixels apart; a misplaced or missized element
        // is off by far more.
        const int marge = qRound(6 * facteur);
        for (const QColor &c : {couleurs::Jeu, couleurs::Serrage, couleurs::qt(CouleurEncre), couleurs::qt(CouleurZoneArbre),
                                couleurs::qt(CouleurFond)}) {
            const Teinte a = teinte(peinte, c), b = teinte(svg, c);
            const QString quoi = QStringLiteral("%1: peinte %2 px %3,%4 %5x%6, SVG %7 px %8,%9 %10x%11")
                                     .arg(c.name()).arg(a.n).arg(a.boite.x()).arg(a.boite.y()).arg(a.boite.width())
                                     .arg(a.boite.height()).arg(b.n).arg(b.boite.x()).arg(b.boite.y())
                                     .arg(b.boite.width()).arg(b.boite.height());
            QVERIFY2(std::abs(a.n - b.n) <= std::max(40.0 * facteur * facteur, 0.12 * std::max(a.n, b.n)), qPrintable(quoi));
            if (a.n == 0 || b.n == 0) {
                QVERIFY2(a.n == b.n, qPrintable(quoi));
                continue;
            }
            QVERIFY2(std::abs(a.boite.left() - b.boite.left()) <= marge && std::abs(a.boite.right() - b.boite.right()) <= marge
                         && std::abs(a.boite.top() - b.boite.top()) <= marge
                         && std::abs(a.boite.bottom() - b.boite.bottom()) <= marge,
                     qPrintable(quoi));
        }
        // The fit's own colour is there, the other's is not.
        const bool serrage = arbre == QLatin1String("s6"), incertain = alesage == QLatin1String("JS7");
        QCOMPARE(teinte(peinte, couleurs::Serrage).n > 100, serrage);
        QCOMPARE(teinte(peinte, couleurs::Jeu).n > 100, !serrage && !incertain);
    }

    void redimensionneLeDessin()
    {
        Schema s;
        s.montrer(ajustementClasses(25, "H7", "g6"));
        s.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        QTRY_VERIFY_WITH_TIMEOUT(s.planAJour(), 2000);
        s.resize(900, 640);
        QVERIFY(!s.planAJour());
        // Painting lays the drawing out again at the new size.
        QTRY_VERIFY_WITH_TIMEOUT(s.planAJour(), 2000);
        QCOMPARE(s.plan().largeur, 900.0);
        QCOMPARE(s.plan().hauteur, 640.0);
        const QImage image = s.grab().toImage();
        QCOMPARE(image.width(), 900);
        // The drawing fills the larger window: blue down to its lower part.
        int basBleu = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); x += 3)
                if (image.pixelColor(x, y) == QColor(0, 0, 255))
                    basBleu = y;
        QVERIFY2(basBleu > 560, qPrintable(QString::number(basBleu)));
    }

    void fermerCacheSeulement()
    {
        QWidget principale;
        auto *s = new Schema(&principale);
        QPointer<Schema> garde(s);
        QSignalSpy ferme(s, &Schema::ferme);
        s->show();
        QVERIFY(QTest::qWaitForWindowExposed(s));
        QVERIFY(s->close());
        QVERIFY(garde);
        QVERIFY(!s->isVisible());
        QCOMPARE(ferme.count(), 1);
        // A window hidden by the program is no closing by the user.
        s->show();
        s->hide();
        QCOMPARE(ferme.count(), 1);
    }

    void paletteClaireQuelQueSoitLeTheme()
    {
        const QPalette avant = QApplication::palette();
        QPalette sombre(QColor(230, 230, 230), QColor(40, 40, 40));
        sombre.setColor(QPalette::Window, QColor(30, 30, 30));
        sombre.setColor(QPalette::Base, QColor(20, 20, 20));
        QApplication::setPalette(sombre);
        Schema s;
        const QPalette p = s.palette();
        QApplication::setPalette(avant);
        QCOMPARE(p, paletteProgramme());
        for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            QVERIFY(p.color(g, QPalette::Window).lightness() > 200);
            QVERIFY(p.color(g, QPalette::Base).lightness() > 200);
            // Greyed texts of a disabled group too stay readable.
            const double lisible = g == QPalette::Disabled ? 3 : 7;
            QVERIFY(contraste(p.color(g, QPalette::WindowText), p.color(g, QPalette::Window)) >= lisible);
            QVERIFY(contraste(p.color(g, QPalette::Text), p.color(g, QPalette::Base)) >= lisible);
        }
        QVERIFY(p.color(QPalette::Active, QPalette::WindowText).lightness() < 80);
    }

    void suitLaFenetrePrincipale()
    {
        QWidget principale;
        principale.setGeometry(100, 120, 400, 300);
        principale.show();
        QVERIFY(QTest::qWaitForWindowExposed(&principale));
        Schema s(&principale);
        s.suivre(&principale);
        s.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        auto contre = [&] {
            return s.frameGeometry().left() == principale.frameGeometry().right() + 1
                && s.frameGeometry().top() == principale.frameGeometry().top();
        };
        QTRY_VERIFY_WITH_TIMEOUT(contre(), 2000);
        principale.move(300, 50);
        QTRY_VERIFY_WITH_TIMEOUT(contre(), 2000);
        principale.resize(600, 350);
        QTRY_VERIFY_WITH_TIMEOUT(contre(), 2000);
        QCOMPARE(s.size().width() >= 320, true);
    }

    void copie_data()
    {
        QTest::addColumn<bool>("francais");
        QTest::addColumn<QString>("ligne");
        QTest::addColumn<QString>("cellule");
        QTest::newRow("C") << false << QStringLiteral("Alésage \u220525 H7 : ES +0.021 ; EI 0 ; maxi 25.021 ; mini 25\n")
                           << QStringLiteral("<td>\u22120.007</td><td>\u22120.020</td><td>24.993</td><td>24.98</td>");
        QTest::newRow("fr") << true << QStringLiteral("Alésage \u220525 H7 : ES +0,021 ; EI 0 ; maxi 25,021 ; mini 25\n")
                            << QStringLiteral("<td>\u22120,007</td><td>\u22120,020</td><td>24,993</td><td>24,98</td>");
    }
    void copie()
    {
        QFETCH(bool, francais);
        QFETCH(QString, ligne);
        QFETCH(QString, cellule);
        if (francais)
            QLocale::setDefault(Francais);
        const AjustementAffiche a = ajustementClasses(25, "H7", "g6");
        copierAjustement(a);
        const QMimeData *d = QGuiApplication::clipboard()->mimeData();
        QVERIFY(d && d->hasText() && d->hasHtml());
        QCOMPARE(d->text(), QString::fromStdString(notationTexte(a, francais ? "," : ".")));
        QVERIFY2(d->text().contains(ligne), qPrintable(d->text()));
        QVERIFY2(d->html().contains(cellule), qPrintable(d->html()));
        QVERIFY(d->html().contains(QStringLiteral("<table")));
    }

    void nomsEtFormats()
    {
        QCOMPARE(nomExport(ajustementClasses(25, "H7", "g6")), QStringLiteral("ajustement-25-H7-g6.pdf"));
        QCOMPARE(nomExport(ajustementClasses(12.5, "E11*", "e10*"), FormatExport::Png),
                 QStringLiteral("ajustement-12.5-E11-e10.png"));
        QCOMPARE(nomExport(ajustementClasses(25, "H7", ""), FormatExport::Svg), QStringLiteral("ajustement-25-H7.svg"));
        QCOMPARE(nomExport(ajustementLibre(12.3, 0.03, 0.02, 12.2, 0.03, 0.02)),
                 QStringLiteral("ajustement-libre-12.3-12.2.pdf"));
        // The extension typed wins over the filter, else the filter decides.
        QCOMPARE(formatExport(QStringLiteral("/t/a.svg"), QStringLiteral("PDF (*.pdf)")), FormatExport::Svg);
        QCOMPARE(formatExport(QStringLiteral("/t/a.PNG"), QStringLiteral("PDF (*.pdf)")), FormatExport::Png);
        QCOMPARE(formatExport(QStringLiteral("/t/a"), QStringLiteral("PNG (*.png)")), FormatExport::Png);
        QCOMPARE(formatExport(QStringLiteral("/t/a.txt"), QStringLiteral("SVG (*.svg)")), FormatExport::Svg);
        QCOMPARE(cheminExport(QStringLiteral("/t/a"), FormatExport::Png), QStringLiteral("/t/a.png"));
        QCOMPARE(cheminExport(QStringLiteral("/t/a.PDF"), FormatExport::Pdf), QStringLiteral("/t/a.PDF"));
        QCOMPARE(cheminExport(QStringLiteral("/t/a.txt"), FormatExport::Svg), QStringLiteral("/t/a.txt.svg"));
        const QStringList filtres = filtresExport().split(QStringLiteral(";;"));
        QCOMPARE(filtres.size(), 3);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(formatExport(QStringLiteral("x"), filtres[i]), static_cast<FormatExport>(i));
    }

    void exportPdf()
    {
        QLocale::setDefault(Francais);
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("ajustement-25-H7-g6.pdf"));
        const QDateTime date(QDate(2026, 3, 14), QTime(9, 30));
        QCOMPARE(exporter(ajustementClasses(25, "H7", "g6"), chemin, FormatExport::Pdf, date), QString());
        const QString info = pdfInfo(chemin);
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("(A4)")), qPrintable(info));
        const QString texte = pdfTexte(chemin).simplified();
        for (const QString &attendu :
             {QStringLiteral("Fiche d'ajustement"), QStringLiteral("14 mars 2026"), QStringLiteral("Ajustement \u220525 H7/g6 : avec jeu"),
              QStringLiteral("ES +0,021 ; EI 0 ; maxi 25,021 ; mini 25"), QStringLiteral("maxi 24,993 ; mini 24,98"),
              QStringLiteral("Jeu maxi 0,0410 ; jeu mini 0,0070 ; jeu moyen 0,0240"),
              // The diagram's own texts, painted as text.
              QStringLiteral("IT7 = 21 \u00B5m"), QStringLiteral("Jeu maxi 41 \u00B5m ; jeu mini 7 \u00B5m ; jeu moyen 24 \u00B5m")})
            QVERIFY2(texte.contains(attendu), qPrintable(attendu + QStringLiteral("\n---\n") + texte));
        // The diagram is drawn as vectors: the page holds no picture.
        QProcess images;
        images.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), chemin});
        QVERIFY(images.waitForFinished(20000) && images.exitCode() == 0);
        const QStringList lignes = QString::fromUtf8(images.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lignes.size(), 2); // the header and its underline, no image
        QVERIFY(QFileInfo(chemin).size() > 5000);
    }

    // A line wider than the page goes on below it, whole: the probable
    // clearance of the fit in service on the first page, a long line of a
    // further page (a part's materials, say).
    void exportPdfLignesEntieres()
    {
        QLocale::setDefault(Francais);
        const AjustementAffiche f = ajustementClasses(25, "H7", "g6");
        ConditionsService c;
        c.piece(Cote::Alesage) = {materiau("alu-6082")->alpha_chauffe_par_K, -40};
        c.piece(Cote::Arbre).temperature_C = -40;
        const auto service = etatService(f, c, 3);
        QVERIFY(service);
        QStringList mots;
        for (int i = 1; i <= 60; ++i)
            mots << QStringLiteral("valeur%1").arg(i);
        const PageTexte page{QStringLiteral("Page longue"), {{QStringLiteral("Section"), {mots.join(QLatin1Char(' '))}}}};
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("long.pdf"));
        QCOMPARE(exporter(f, chemin, FormatExport::Pdf, QDateTime(QDate(2026, 3, 14), QTime(9, 30)), &*service, {page}),
                 QString());
        const QString texte = pdfTexte(chemin).simplified();
        QVERIFY2(texte.contains(QStringLiteral("avec serrage 7,2 % ; avec jeu 92,8 %")), qPrintable(texte));
        QVERIFY2(texte.contains(mots.join(QLatin1Char(' '))), qPrintable(texte));
    }

    void exportSvgEtPng()
    {
        QTemporaryDir dossier;
        const AjustementAffiche a = ajustementClasses(25, "H7", "s6");
        const QString svg = dossier.filePath(QStringLiteral("a.svg"));
        QCOMPARE(exporter(a, svg, FormatExport::Svg), QString());
        QFile f(svg);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const Svg lu = lireSvg(f.readAll());
        QVERIFY(lu.valide);
        QVERIFY(lu.contenus.contains(QStringLiteral("Ajustement avec serrage")));
        QVERIFY(lu.ids.contains(QStringLiteral("zone-arbre")));
        QVERIFY(QSvgRenderer(svg).isValid());

        const QString png = dossier.filePath(QStringLiteral("a.png"));
        QCOMPARE(exporter(a, png, FormatExport::Png), QString());
        const QImage image(png);
        QCOMPARE(image.size(), QSize(2 * 560, 2 * 400));
        QVERIFY(pixels(image, QColor(255, 0, 0)) > 400);
        QCOMPARE(pixels(image, QColor(0, 0, 255)), 0);
        QCOMPARE(QDir(dossier.path()).entryList(QDir::Files).size(), 2);
    }

    // A file that cannot be written is reported in French, and nothing is
    // left behind: neither the file nor a piece of it.
    void echecSansFichierPartiel_data()
    {
        QTest::addColumn<QString>("relatif");
        QTest::addColumn<QString>("raison");
        QTest::newRow("dossier absent") << QStringLiteral("absent/a.pdf") << QStringLiteral("n'existe pas");
        QTest::newRow("sous un fichier") << QStringLiteral("fichier/a.svg") << QStringLiteral("n'existe pas");
        QTest::newRow("un dossier") << QStringLiteral("dossier.png") << QStringLiteral("c'est un dossier");
    }
    void echecSansFichierPartiel()
    {
        QFETCH(QString, relatif);
        QFETCH(QString, raison);
        QTemporaryDir dossier;
        QFile fichier(dossier.filePath(QStringLiteral("fichier")));
        QVERIFY(fichier.open(QIODevice::WriteOnly));
        fichier.close();
        QVERIFY(QDir(dossier.path()).mkdir(QStringLiteral("dossier.png")));
        const QString chemin = dossier.filePath(relatif);
        const QString r = exporter(ajustementClasses(25, "H7", "g6"), chemin, formatExport(chemin, {}));
        QVERIFY2(r.startsWith(QStringLiteral("Le fichier « ")), qPrintable(r));
        QVERIFY2(r.contains(raison), qPrintable(r));
        QStringList restes;
        QDirIterator it(dossier.path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            restes << QDir(dossier.path()).relativeFilePath(it.next());
        restes.sort();
        QCOMPARE(restes, (QStringList{QStringLiteral("dossier.png"), QStringLiteral("fichier")}));
    }

    void echecLaisseLAncienFichier()
    {
        // A folder without write permission (not for root, who may write anywhere).
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("a.svg"));
        QFile ancien(chemin);
        QVERIFY(ancien.open(QIODevice::WriteOnly));
        ancien.write("ancien");
        ancien.close();
        QFile::setPermissions(dossier.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        if (QFileInfo(dossier.path()).isWritable()) {
            QFile::setPermissions(dossier.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            QSKIP("running with rights that ignore folder permissions");
        }
        const QString r = exporter(ajustementClasses(25, "H7", "g6"), chemin, FormatExport::Svg);
        QFile::setPermissions(dossier.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QVERIFY2(r.contains(QStringLiteral("n'est pas accessible en écriture")), qPrintable(r));
        QVERIFY(ancien.open(QIODevice::ReadOnly));
        QCOMPARE(ancien.readAll(), QByteArray("ancien"));
    }
};

QTEST_MAIN(TestSchema)
#include "test_schema.moc"
