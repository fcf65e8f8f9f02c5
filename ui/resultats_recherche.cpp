#include "ui/resultats_recherche.h"

#include "calcul/service.h"

#include "tables/catalogue.h"
#include "tables/recommandes.h"
#include "ui/couleurs.h"
#include "ui/textes.h"

#include <QColor>
#include <QLocale>

#include <algorithm>

namespace vestrel {

namespace {

const char *const Titres[ResultatsRecherche::NbColonnes] = {
    "Ajustement", "Jeu maxi", "Jeu mini", "Jeu moyen", "Nature", "Qualités", "Recommandé", "Maxi en service",
    "Mini en service"};

QString texteClasse(Cote cote, int index, Systeme systeme)
{
    return texte(catalogue(cote, systeme)[static_cast<std::size_t>(index)]);
}

// The grade as the class text writes it ("01" for IT01).
QString grade(Cote cote, int index, Systeme systeme)
{
    const auto c = decomposerClasse(cote, catalogue(cote, systeme)[static_cast<std::size_t>(index)], systeme);
    if (!c)
        return {};
    return c->grade == Grade01 ? QStringLiteral("01") : QLocale().toString(c->grade);
}

// Whether a comes before b when `colonne` is sorted in rising order.
// The clearances in service move by one ΔS: they sort as those at 20 °C.
bool avant(int colonne, const AjustementTrouve &a, const AjustementTrouve &b)
{
    using C = ResultatsRecherche;
    switch (colonne) {
    case C::Ajustement: return std::pair{a.alesage, a.arbre} < std::pair{b.alesage, b.arbre};
    case C::JeuMaxi:
    case C::ServiceMaxi: return a.jeuMax < b.jeuMax;
    case C::JeuMini:
    case C::ServiceMini: return a.jeuMin < b.jeuMin;
    case C::JeuMoyen: return a.jeuMoyen < b.jeuMoyen;
    case C::NatureFit: return static_cast<int>(a.nature) < static_cast<int>(b.nature);
    case C::Qualites: return a.qualites < b.qualites;
    case C::Recommande: {
        // Recommended fits first, in the order of their table.
        auto cle = [](const AjustementTrouve &t) { return t.recommande < 0 ? NbRecommandes : t.recommande; };
        return cle(a) < cle(b);
    }
    default: break;
    }
    return false;
}

} // namespace

ResultatsRecherche::ResultatsRecherche(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void ResultatsRecherche::afficher(const ResultatRecherche &resultat, std::optional<double> deltaS_mm)
{
    beginResetModel();
    m_deltaS_mm = deltaS_mm;
    m_recherche = resultat.ajustements;
    m_proches = resultat.proches;
    m_systeme = resultat.systeme;
    trier();
    endResetModel();
}

int ResultatsRecherche::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_lignes.size());
}

int ResultatsRecherche::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_deltaS_mm ? NbColonnes : ServiceMaxi;
}

QVariant ResultatsRecherche::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const AjustementTrouve &t = ajustement(index.row());
    const int c = index.column();
    const bool service = c >= ServiceMaxi;
    if (service && !m_deltaS_mm)
        return {};
    const Jeux enService = service ? jeuxDecales(t.jeuMax, t.jeuMin, *m_deltaS_mm) : Jeux{};
    switch (role) {
    case Qt::DisplayRole:
        switch (c) {
        case Ajustement:
            return texteClasse(Cote::Alesage, t.alesage, m_systeme) + u'/' + texteClasse(Cote::Arbre, t.arbre, m_systeme);
        case JeuMaxi: return texteJeuLocal(t.jeuMax);
        case JeuMini: return texteJeuLocal(t.jeuMin);
        case JeuMoyen: return texteJeuLocal(t.jeuMoyen);
        case NatureFit: return texte(description(t.nature).colonne);
        case Qualites:
            return grade(Cote::Alesage, t.alesage, m_systeme) + QStringLiteral(" + ")
                   + grade(Cote::Arbre, t.arbre, m_systeme);
        case Recommande:
            if (t.recommande < 0)
                return QString();
            return texte(ajustementsRecommandes()[static_cast<std::size_t>(t.recommande)].description);
        case ServiceMaxi: return texteJeuLocal(enService.max.valeur);
        case ServiceMini: return texteJeuLocal(enService.min.valeur);
        default: break;
        }
        break;
    case Qt::ForegroundRole:
        if (c >= JeuMaxi && c <= NatureFit)
            return couleurs::deNature(t.nature);
        if (service)
            return couleurs::deNature(enService.nature);
        break;
    case Qt::TextAlignmentRole:
        if ((c >= JeuMaxi && c <= JeuMoyen) || service)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::ToolTipRole: {
        // The description of a recommended fit may be wider than its column:
        // the tooltip holds it whole.
        QStringList lignes;
        if (c == Recommande && t.recommande >= 0)
            lignes << data(index, Qt::DisplayRole).toString();
        if (m_proches)
            lignes << QStringLiteral("Hors des limites de %1 mm").arg(texteNombreLocal(t.ecart));
        if (!lignes.isEmpty())
            return lignes.join(QLatin1Char('\n'));
        break;
    }
    default: break;
    }
    return {};
}

QVariant ResultatsRecherche::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < NbColonnes)
        return QString::fromUtf8(Titres[section]);
    return QAbstractTableModel::headerData(section, orientation, role);
}

void ResultatsRecherche::sort(int column, Qt::SortOrder order)
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    // The current and selected rows follow their fits.
    const QModelIndexList avant = persistentIndexList();
    std::vector<std::pair<int, int>> fits;
    for (const QModelIndex &i : avant)
        fits.emplace_back(ajustement(i.row()).alesage, ajustement(i.row()).arbre);
    m_colonneTri = column >= 0 && column < NbColonnes ? column : -1;
    m_ordreTri = order;
    trier();
    QModelIndexList apres;
    for (qsizetype k = 0; k < avant.size(); ++k) {
        const auto [al, ar] = fits[static_cast<std::size_t>(k)];
        const auto it = std::find_if(m_lignes.begin(), m_lignes.end(),
                                     [al = al, ar = ar](const AjustementTrouve &t) { return t.alesage == al && t.arbre == ar; });
        apres << index(static_cast<int>(it - m_lignes.begin()), avant[k].column());
    }
    changePersistentIndexList(avant, apres);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

// Ties keep the order of the search, in both directions.
void ResultatsRecherche::trier()
{
    m_lignes = m_recherche;
    if (m_colonneTri < 0)
        return;
    const int c = m_colonneTri;
    if (m_ordreTri == Qt::AscendingOrder)
        std::stable_sort(m_lignes.begin(), m_lignes.end(),
                         [c](const AjustementTrouve &a, const AjustementTrouve &b) { return avant(c, a, b); });
    else
        std::stable_sort(m_lignes.begin(), m_lignes.end(),
                         [c](const AjustementTrouve &a, const AjustementTrouve &b) { return avant(c, b, a); });
}

} // namespace vestrel
