#pragma once

#include "calcul/recherche.h"

#include <QAbstractTableModel>

#include <optional>
#include <vector>

namespace vestrel {

// The fits found by a search, as the table of the search window shows them:
// one row per fit, in the search's order until a column is sorted. Sorting
// compares the values, not their texts: -0.0500 comes before -0.0010, and
// 7 + 6 before 10 + 9.
class ResultatsRecherche : public QAbstractTableModel
{
    Q_OBJECT

public:
    // The two columns in service show only while the search is in service.
    enum Colonne { Ajustement, JeuMaxi, JeuMini, JeuMoyen, NatureFit, Qualites, Recommande, ServiceMaxi, ServiceMini,
                   NbColonnes };

    explicit ResultatsRecherche(QObject *parent = nullptr);

    // Shows a new answer; a sorted column stays sorted. With deltaS_mm, the
    // search was made for a range in service: the clearances in service
    // (those at 20 °C moved by ΔS) show in two more columns.
    void afficher(const ResultatRecherche &resultat, std::optional<double> deltaS_mm = std::nullopt);
    // The fit of a row, in the order shown.
    const AjustementTrouve &ajustement(int ligne) const { return m_lignes[static_cast<std::size_t>(ligne)]; }
    bool proches() const { return m_proches; }
    // The catalogue the class indexes of the rows belong to.
    Systeme systeme() const { return m_systeme; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // A negative column goes back to the order of the search.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    void trier();

    std::vector<AjustementTrouve> m_recherche; // in the search's order
    std::vector<AjustementTrouve> m_lignes;    // as shown
    bool m_proches = false;
    std::optional<double> m_deltaS_mm;
    Systeme m_systeme = Systeme::Defaut;
    int m_colonneTri = -1;
    Qt::SortOrder m_ordreTri = Qt::AscendingOrder;
};

} // namespace vestrel
