#include "app/panneau_resultats.h"

#include "ui/controles.h"
#include "ui/couleurs.h"
#include "rendu/notation.h"
#include "ui/etiquette_nombre.h"
#include "ui/textes.h"

#include <QLabel>

namespace vestrel {

namespace {

constexpr Controle Controles[] = {
    {"Label7", Genre::Etiquette, nullptr, 180, 315, 1515, 195, "Alésage maxi :", Police::Sans},
    {"Label3", Genre::Signe, nullptr, 1455, 300, 255, 255, "", Police::Symbole},
    {"Res_Al_Max", Genre::Etiquette, nullptr, 1710, 315, 900, 195, "", Police::Sans},
    {"Label8", Genre::Etiquette, nullptr, 180, 720, 1575, 195, "Alésage mini :", Police::Sans},
    {"Label4", Genre::Signe, nullptr, 1455, 705, 255, 255, "", Police::Symbole},
    {"Res_Al_Min", Genre::Etiquette, nullptr, 1710, 720, 900, 195, "", Police::Sans},
    {"Label9", Genre::Etiquette, nullptr, 3000, 315, 1035, 195, "Arbre maxi :", Police::Sans},
    {"Label6", Genre::Signe, nullptr, 4050, 300, 255, 255, "", Police::Symbole},
    {"Res_Ar_Max", Genre::Etiquette, nullptr, 4305, 315, 900, 195, "", Police::Sans},
    {"Label10", Genre::Etiquette, nullptr, 3000, 720, 1035, 195, "Arbre mini :", Police::Sans},
    {"Label11", Genre::Signe, nullptr, 4050, 705, 255, 255, "", Police::Symbole},
    {"Res_Ar_Min", Genre::Etiquette, nullptr, 4305, 720, 900, 195, "", Police::Sans},
    {"Label1", Genre::Etiquette, nullptr, 1560, 1320, 915, 195, "Jeu maxi :", Police::Sans},
    {"J_Max", Genre::Etiquette, nullptr, 2580, 1320, 1995, 195, "", Police::Sans},
    {"Label2", Genre::Etiquette, nullptr, 1560, 1725, 855, 195, "Jeu mini :", Police::Sans},
    {"J_Min", Genre::Etiquette, nullptr, 2580, 1725, 1995, 195, "", Police::Sans},
    {"Res_Message", Genre::Etiquette, nullptr, 180, 1050, 5000, 195, "", Police::Sans},
};

void colorer(QLabel *etiquette, const QColor &couleur)
{
    QPalette p = etiquette->palette();
    p.setColor(QPalette::WindowText, couleur);
    etiquette->setPalette(p);
}


} // namespace

PanneauResultats::PanneauResultats(QWidget *parent)
    : QGroupBox(parent)
{
    placerCadre(this, "Frame2", "Calcul des jeux", 60, 3100, 5350, 2055);
    const auto c = creerControles(Controles, this);
    m_tailles[0] = {controleDe<QLabel>(c, "Res_Al_Max"), controleDe<QLabel>(c, "Res_Al_Min")};
    m_tailles[1] = {controleDe<QLabel>(c, "Res_Ar_Max"), controleDe<QLabel>(c, "Res_Ar_Min")};
    m_jMax = controleDe<QLabel>(c, "J_Max");
    m_jMin = controleDe<QLabel>(c, "J_Min");
    m_message = controleDe<QLabel>(c, "Res_Message");
    // The numbers can be selected and copied; the frame's own context menu
    // copies the whole fit.
    for (QLabel *etiquette : {m_tailles[0].max, m_tailles[0].min, m_tailles[1].max, m_tailles[1].min, m_jMax, m_jMin}) {
        etiquette->setTextInteractionFlags(Qt::TextSelectableByMouse);
        etiquette->setContextMenuPolicy(Qt::NoContextMenu);
    }
}

void PanneauResultats::afficher(const ResultatAjustement &resultat)
{
    QString message;
    for (const Cote cote : {Cote::Alesage, Cote::Arbre}) {
        const EtiquettesTailles &t = m_tailles[static_cast<int>(cote)];
        const auto &tailles = resultat.tailles(cote);
        montrerNombre(t.max, tailles ? texteNombreLocal(tailles->max) : QString());
        montrerNombre(t.min, tailles ? texteNombreLocal(tailles->min) : QString());
        if (resultat.cote(cote).ecartsInverses && message.isEmpty())
            message = texte(texteEcartsInverses(cote));
    }
    // The line of reversed deviations, whole: a smaller font where needed.
    montrerNombre(m_message, message);
    const auto &jeux = resultat.jeux;
    montrerNombre(m_jMax, jeux ? texteJeuLocal(jeux->max.valeur) : QString());
    montrerNombre(m_jMin, jeux ? texteJeuLocal(jeux->min.valeur) : QString());
    if (jeux) {
        const QColor couleur = couleurs::deNature(jeux->nature);
        colorer(m_jMax, couleur);
        colorer(m_jMin, couleur);
    }
}

} // namespace vestrel
