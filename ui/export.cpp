#include "ui/export.h"

#include "calcul/nombres.h"
#include "rendu/notation.h"
#include "ui/dessin_schema.h"
#include "ui/langue.h"
#include "ui/schema.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>

#include <algorithm>
#include <cmath>

namespace vestrel {

namespace {

QString versQt(const std::string &s) { return QString::fromStdString(s); }

QByteArray svgDe(const ModeleSchema &m)
{
    const std::string s = svgSchema(m);
    return QByteArray(s.data(), static_cast<qsizetype>(s.size()));
}

constexpr const char *Extensions[] = {"pdf", "svg", "png"};

QString extension(FormatExport f) { return QString::fromLatin1(Extensions[static_cast<int>(f)]); }

// A class text in a file name: the star of the classes outside the DIN
// standard is no character for a file name.
QString pourNom(const std::string &t)
{
    QString s = versQt(t);
    s.remove(QLatin1Char('*'));
    return s;
}

// The fit sheet on one A4 page. Positions are written in points (1/72 in)
// and converted to the writer's pixels; fonts are sized in points already.
bool peindrePdf(QIODevice *sortie, const ResultatAjustement &a, const QDateTime &date, const EtatService *service,
                const QList<PageTexte> &pages)
{
    constexpr int Resolution = 300;
    constexpr double k = Resolution / 72.0;
    QPdfWriter pdf(sortie);
    pdf.setResolution(Resolution);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    pdf.setTitle(QStringLiteral("Fiche d'ajustement"));
    pdf.setCreator(QStringLiteral("Vestrel"));
    QPainter p;
    if (!p.begin(&pdf))
        return false;
    const double largeur = pdf.width() / k;
    auto ligne = [&](double y, double hauteur, const QString &t) {
        p.drawText(QRectF(0, y * k, largeur * k, hauteur * k), Qt::AlignLeft | Qt::AlignTop, t);
    };
    // A line longer than the page's width goes on below, broken between
    // words, never cut at the edge; its height in points, `pas` a row.
    constexpr int Paragraphe = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    auto hauteurParagraphe = [&](const QString &t, double pas) {
        const QRectF r = p.boundingRect(QRectF(0, 0, largeur * k, 1e6), Paragraphe, t);
        const double rangs = std::max(1.0, std::round(r.height() / p.fontMetrics().lineSpacing()));
        return rangs * pas;
    };
    auto paragraphe = [&](double y, double pas, const QString &t) {
        const double h = hauteurParagraphe(t, pas);
        p.drawText(QRectF(0, y * k, largeur * k, (h + pas) * k), Paragraphe, t);
        return h;
    };

    QFont titre(QStringLiteral("DejaVu Sans"));
    titre.setPointSizeF(18);
    titre.setBold(true);
    QFont texte(QStringLiteral("DejaVu Sans"));
    texte.setPointSizeF(10);

    p.setPen(Qt::black);
    p.setFont(titre);
    ligne(0, 30, QStringLiteral("Fiche d'ajustement"));
    p.setFont(texte);
    ligne(32, 16, QStringLiteral("Établie le %1").arg(texteDateHeure(date)));
    double y = 64;
    const std::string sep = separateurLocal();
    for (const QString &l : versQt(notationTexte(a, sep, service)).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        y += paragraphe(y, 17, l);
    y += 20;
    // The diagram as vectors and texts, its default size scaled to the
    // page's width.
    p.translate(0, y * k);
    p.save();
    p.scale(largeur * k / LargeurSchema, largeur * k / LargeurSchema);
    peindreSchema(p, planSchema(construireSchema(a, sep, service), LargeurSchema, HauteurSchema));
    p.restore();

    // Further pages: a title, then each section's heading and lines; a
    // page that runs full continues on the next.
    const double hauteurPage = pdf.height() / k;
    QFont intertitre = texte;
    intertitre.setBold(true);
    for (const PageTexte &page : pages) {
        if (!pdf.newPage())
            return false;
        p.resetTransform();
        p.setFont(titre);
        ligne(0, 30, page.titre);
        y = 44;
        for (const auto &[entete, lignes] : page.sections) {
            p.setFont(intertitre);
            y += 8;
            ligne(y, 16, entete);
            y += 18;
            p.setFont(texte);
            for (const QString &l : lignes) {
                if (y + hauteurParagraphe(l, 15) + 1 > hauteurPage) {
                    if (!pdf.newPage())
                        return false;
                    y = 0;
                }
                y += paragraphe(y, 15, l);
            }
        }
    }
    return p.end();
}

QString raison(const QString &chemin, const QSaveFile &fichier, bool ouvert)
{
    const QFileInfo info(chemin);
    const QString nom = QDir::toNativeSeparators(chemin);
    const QString dossier = QDir::toNativeSeparators(info.absolutePath());
    QString pourquoi;
    if (ouvert)
        pourquoi = QStringLiteral("l'écriture a échoué (disque plein ?).");
    else if (info.isDir())
        pourquoi = QStringLiteral("c'est un dossier.");
    else if (!QFileInfo(info.absolutePath()).isDir())
        pourquoi = QStringLiteral("le dossier « %1 » n'existe pas.").arg(dossier);
    else if (!QFileInfo(info.absolutePath()).isWritable())
        pourquoi = QStringLiteral("le dossier « %1 » n'est pas accessible en écriture.").arg(dossier);
    else if (info.exists() && !info.isWritable())
        pourquoi = QStringLiteral("le fichier est protégé en écriture.");
    else
        pourquoi = QStringLiteral("le fichier ne peut pas être créé (%1).").arg(fichier.errorString());
    return QStringLiteral("Le fichier « %1 » n'a pas été enregistré : %2").arg(nom, pourquoi);
}

} // namespace

QMimeData *donneesAjustement(const ResultatAjustement &a, const EtatService *service)
{
    const std::string sep = separateurLocal();
    auto *donnees = new QMimeData;
    donnees->setText(versQt(notationTexte(a, sep, service)));
    donnees->setHtml(versQt(notationHtml(a, sep, service)));
    return donnees;
}

void copierAjustement(const ResultatAjustement &a, const EtatService *service)
{
    QGuiApplication::clipboard()->setMimeData(donneesAjustement(a, service));
}

QString nomExport(const AjustementAffiche &a, FormatExport format)
{
    QStringList parties{QStringLiteral("ajustement")};
    if (a.libre) {
        parties << QStringLiteral("libre") << versQt(texteNombre(a.diametre)) << versQt(texteNombre(a.diametreArbre));
    } else {
        parties << versQt(texteNombre(a.diametre));
        for (const CoteAffichee &c : a.cotes)
            if (!c.classe.empty())
                parties << pourNom(c.classe);
    }
    return parties.join(QLatin1Char('-')) + QLatin1Char('.') + extension(format);
}

QString filtresExport()
{
    return QStringLiteral("PDF (*.pdf);;SVG (*.svg);;PNG (*.png)");
}

FormatExport formatExport(const QString &chemin, const QString &filtre)
{
    const QString suffixe = QFileInfo(chemin).suffix().toLower();
    for (int i = 0; i < 3; ++i)
        if (suffixe == QLatin1String(Extensions[i]))
            return static_cast<FormatExport>(i);
    for (int i = 0; i < 3; ++i)
        if (filtre.contains(QStringLiteral("*.") + QLatin1String(Extensions[i])))
            return static_cast<FormatExport>(i);
    return FormatExport::Pdf;
}

QString cheminExport(const QString &chemin, FormatExport format)
{
    if (QFileInfo(chemin).suffix().toLower() == extension(format))
        return chemin;
    return chemin + QLatin1Char('.') + extension(format);
}

QImage imageSchema(const ModeleSchema &m, QSize taille, qreal facteur)
{
    QImage image(taille * facteur, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter p(&image);
    p.scale(facteur, facteur);
    peindreSchema(p, planSchema(m, taille.width(), taille.height()));
    return image;
}

QString exporter(const ResultatAjustement &a, const QString &chemin, FormatExport format, const QDateTime &date,
                 const EtatService *service, const QList<PageTexte> &pages)
{
    QSaveFile fichier(chemin);
    if (QFileInfo(chemin).isDir() || !fichier.open(QIODevice::WriteOnly))
        return raison(chemin, fichier, false);
    bool ecrit = false;
    switch (format) {
    case FormatExport::Pdf:
        ecrit = peindrePdf(&fichier, a, date, service, pages);
        break;
    case FormatExport::Svg: {
        const QByteArray svg = svgDe(construireSchema(a, separateurLocal(), service));
        ecrit = fichier.write(svg) == svg.size();
        break;
    }
    case FormatExport::Png: {
        const QSize taille(static_cast<int>(LargeurSchema), static_cast<int>(HauteurSchema));
        ecrit = imageSchema(construireSchema(a, separateurLocal(), service), taille, 2).save(&fichier, "PNG");
        break;
    }
    }
    if (!ecrit) {
        fichier.cancelWriting();
        return raison(chemin, fichier, true);
    }
    if (!fichier.commit())
        return raison(chemin, fichier, true);
    return {};
}

void montrerErreurExport(QWidget *parent, const QString &erreur)
{
    // A path in « » stays whole on its line: a break after "« /" would read
    // as two names. No break may fall inside the guillemets: the word joiner
    // U+2060 holds each punctuation mark to its neighbours, and spaces there
    // are non-breaking.
    static const QRegularExpression guillemets(QStringLiteral("«\\s*(.*?)\\s*»"));
    QString texte;
    qsizetype debut = 0;
    for (auto it = guillemets.globalMatch(erreur); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        texte += erreur.mid(debut, m.capturedStart() - debut);
        texte += QStringLiteral("«\u00A0");
        for (const QChar c : m.captured(1)) {
            texte += c.isSpace() ? QChar(0x00A0) : c;
            if (!c.isLetterOrNumber())
                texte += QChar(0x2060);
        }
        texte += QStringLiteral("\u00A0»");
        debut = m.capturedEnd();
    }
    texte += erreur.mid(debut);
    QMessageBox boite(QMessageBox::Warning, QStringLiteral("Vestrel"), texte, QMessageBox::Ok, parent);
    boite.setTextFormat(Qt::PlainText);
    boite.exec();
}

QString exporterAvecDialogue(QWidget *parent, const ResultatAjustement &a, const EtatService *service,
                             const QList<PageTexte> &pages)
{
    // The folder of the last export, for the rest of the run.
    static QString dossier = QDir::homePath();
    QString filtre = QStringLiteral("PDF (*.pdf)");
    const QString choisi = QFileDialog::getSaveFileName(parent, QStringLiteral("Exporter l'ajustement"),
                                                        QDir(dossier).filePath(nomExport(a.ajustement)), filtresExport(), &filtre);
    if (choisi.isEmpty())
        return {};
    dossier = QFileInfo(choisi).absolutePath();
    const FormatExport format = formatExport(choisi, filtre);
    const QString chemin = cheminExport(choisi, format);
    const QString erreur = exporter(a, chemin, format, QDateTime::currentDateTime(), service, pages);
    if (!erreur.isEmpty()) {
        montrerErreurExport(parent, erreur);
        return {};
    }
    return chemin;
}

} // namespace vestrel
