#pragma once

#include "calcul/ajustement_affiche.h"
#include "calcul/resultat.h"
#include "rendu/schema.h"

#include <QDateTime>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

class QMimeData;
class QWidget;

namespace vestrel {

// Copying and exporting the fit the main window shows; with `service`, also
// the fit in service and its probable clearance (while that window is open).

// The fit in drawing notation for the clipboard: text/plain and text/html,
// numbers with the separator of QLocale(). The caller owns the result.
QMimeData *donneesAjustement(const ResultatAjustement &r, const EtatService *service = nullptr);
void copierAjustement(const ResultatAjustement &r, const EtatService *service = nullptr);

enum class FormatExport { Pdf, Svg, Png };

// The file name the save dialog offers, such as "ajustement-25-H7-g6.pdf".
QString nomExport(const AjustementAffiche &a, FormatExport format = FormatExport::Pdf);
// The dialog's filters, in the order of FormatExport.
QString filtresExport();
// The format of a chosen file: from its extension, else from the filter
// selected in the dialog; and the name with the extension of that format.
FormatExport formatExport(const QString &chemin, const QString &filtre);
QString cheminExport(const QString &chemin, FormatExport format);

// A further page of the PDF fit sheet: a title and sections of text lines
// (an open tool window's inputs and results).
struct PageTexte {
    QString titre;
    QList<QPair<QString, QStringList>> sections; // heading, lines
};

// Writes the fit to `chemin`, whole or not at all: a PDF fit sheet (an A4
// page: title, date, the values in drawing notation, the diagram as
// vectors; then one page for each of `pages`), or the diagram alone as SVG
// or as PNG at twice its size. Returns an empty text on success, else the
// reason in French, for one message box.
QString exporter(const ResultatAjustement &r, const QString &chemin, FormatExport format,
                 const QDateTime &date = QDateTime::currentDateTime(), const EtatService *service = nullptr,
                 const QList<PageTexte> &pages = {});

// The diagram painted into an image of `taille` times `facteur` pixels.
QImage imageSchema(const ModeleSchema &m, QSize taille, qreal facteur = 1);

// The message box of a failed export; the paths it names in « » are never
// broken across lines.
void montrerErreurExport(QWidget *parent, const QString &erreur);
// "Exporter…": the save dialog, then the file; a failure is shown in one
// message box. Returns the path written, or an empty text.
QString exporterAvecDialogue(QWidget *parent, const ResultatAjustement &r, const EtatService *service = nullptr,
                             const QList<PageTexte> &pages = {});

} // namespace vestrel
