#include "rendu/schema.h"

#include "tables/classe.h"
#include "tables/etapes.h"
#include "tables/systeme.h"
#include "calcul/nombres.h"
#include "rendu/notation.h"

#include <algorithm>
#include <cmath>

namespace vestrel {

std::string texteMicrons(double microns, std::string_view separateur, bool signe)
{
    std::string t = texteNombre(microns);
    if (signe && t != "0" && t[0] != '-')
        t.insert(t.begin(), '+');
    return localiserTexte(std::move(t), separateur);
}

Echelle echelleSchema(double lo, double hi)
{
    Echelle e;
    lo = std::min(lo, 0.0);
    hi = std::max(hi, 0.0);
    if (!std::isfinite(lo) || !std::isfinite(hi)) {
        lo = -1;
        hi = 1;
    }
    // Nothing to show (free sizes all zero): a few micrometres around zero.
    if (!(hi > lo)) {
        lo = -5;
        hi = 5;
    }
    const double etendue = hi - lo;
    // About five intervals of 1, 2 or 5 times a power of ten.
    const double brut = etendue / 5;
    const double puissance = std::pow(10.0, std::floor(std::log10(brut)));
    const double f = brut / puissance;
    e.pas = (f <= 1 ? 1 : f <= 2 ? 2 : f <= 5 ? 5 : 10) * puissance;
    // A tenth of the values' extent beyond both ends, then out to a tick.
    const double marge = etendue / 10;
    const double kMin = std::floor((lo - marge) / e.pas);
    const double kMax = std::ceil((hi + marge) / e.pas);
    e.min = kMin * e.pas;
    e.max = kMax * e.pas;
    const int n = static_cast<int>(std::min(kMax - kMin, 100.0));
    for (int i = 0; i <= n; ++i) {
        const double k = kMin + i;
        e.graduations.push_back(k == 0 ? 0.0 : k * e.pas);
    }
    return e;
}

namespace {

constexpr std::string_view Micro = " \u00B5m";
constexpr std::string_view Diametre = "\u2205 ";

std::string joindre(const std::vector<std::string> &parties, std::string_view entre)
{
    std::string r;
    for (const std::string &p : parties) {
        if (p.empty())
            continue;
        if (!r.empty())
            r += entre;
        r += p;
    }
    return r;
}

std::string nomCote(Cote c) { return c == Cote::Alesage ? "alésage" : "arbre"; }

std::string enMinuscule(std::string_view t)
{
    std::string r(t);
    if (!r.empty() && r[0] >= 'A' && r[0] <= 'Z')
        r[0] = static_cast<char>(r[0] - 'A' + 'a');
    return r;
}

// The tolerance width; with a class, its grade from the tables.
std::string texteLargeur(const AjustementAffiche &a, Cote c, double largeurMicrons, std::string_view sep)
{
    const std::string valeur = texteMicrons(largeurMicrons, sep, false) + std::string(Micro);
    const std::string &classe = a.cote(c).classe;
    if (!a.libre && !classe.empty()) {
        // The grade of a class of either catalogue, when the width is its IT
        // at the diameter (both catalogues agree where both define it).
        const auto d = decomposerClasse(c, classe, Systeme::Complet);
        const int it = d ? itComplet(d->grade, etapeComplete(a.diametre)) : -1;
        if (it > 0 && std::abs(it - largeurMicrons * 100) < 0.5)
            return "IT" + texteGrade(d->grade) + " = " + valeur;
    }
    return "T = " + valeur;
}

std::optional<ZoneSchema> zoneDe(const ResultatAjustement &r, Cote c, std::string_view sep)
{
    const AjustementAffiche &a = r.ajustement;
    const CoteAffichee &cote = a.cote(c);
    if (!cote.ecarts || !r.tailles(c))
        return std::nullopt;
    ZoneSchema z;
    const double sup = cote.ecarts->sup * 1000;
    const double inf = cote.ecarts->inf * 1000;
    if (a.libre && c == Cote::Arbre && a.diametreArbre != a.diametre) {
        z.reference = (a.diametreArbre - a.diametre) * 1000;
        z.texteReference = std::string(Diametre) + localiserTexte(texteNombre(a.diametreArbre), sep);
    }
    z.haut = sup + z.reference;
    z.bas = inf + z.reference;
    if (a.libre)
        z.titre = std::string(c == Cote::Alesage ? "Alésage " : "Arbre ") + std::string(Diametre)
                  + localiserTexte(texteNombre(a.taille(c)), sep);
    else
        z.titre = cote.classe;
    if (sup > 0 && sup == -inf) {
        z.texteSup = "\u00B1" + texteMicrons(sup, sep, false);
    } else {
        z.texteSup = texteMicrons(sup, sep, true);
        z.texteInf = texteMicrons(inf, sep, true);
    }
    z.texteLargeur = texteLargeur(a, c, std::abs(sup - inf), sep);
    return z;
}

std::string manque(const ResultatAjustement &r, Cote c, std::string_view sep)
{
    const AjustementAffiche &a = r.ajustement;
    if (r.cote(c).ecartsInverses)
        return std::string(texteEcartsInverses(c));
    if (libreIncomplet(a))
        return std::string(MessageLibreIncomplet);
    const std::string &classe = a.cote(c).classe;
    if (classe.empty())
        return c == Cote::Alesage ? "Choisissez une classe d'alésage" : "Choisissez une classe d'arbre";
    return std::string(c == Cote::Alesage ? "Alésage " : "Arbre ") + classe + " : pas d'écarts à "
           + std::string(Diametre) + localiserTexte(texteNombre(a.diametre), sep);
}

std::string descriptionZone(const AjustementAffiche &a, Cote c, const ZoneSchema &z)
{
    std::string t = nomCote(c);
    t += ' ';
    if (!a.libre)
        t.append(a.cote(c).classe);
    else
        t.append(std::string_view(z.titre).substr(z.titre.find(Diametre)));
    if (!z.texteInf.empty())
        t.append(" de ").append(z.texteInf).append(" à");
    t.append(" ").append(z.texteSup).append(Micro);
    t.append(" (").append(z.texteLargeur).append(")");
    return t;
}

} // namespace

namespace {

std::string motNature(Nature n) { return std::string(description(n).phrase); }

std::string texteDixiemes(double microns, std::string_view sep)
{
    return texteMicrons(std::round(microns * 10) / 10, sep, false);
}

// The fit in service laid over the model: the scale grows to hold it.
void ajouterService(ModeleSchema &m, const EtatService &e, std::string_view sep, double &lo, double &hi)
{
    const ZoneSchema &al = *m.zone(Cote::Alesage);
    const ZoneSchema &ar = *m.zone(Cote::Arbre);
    ServiceSchema s;
    s.decalage = e.service.deltaS_mm * 1000;
    s.haut = al.haut + s.decalage;
    s.bas = al.bas + s.decalage;
    auto cotation = [&](double bord, double bordArbre, const Jeu &jeu) {
        const double v = jeu.valeur * 1000;
        return CotationSchema{bord, bordArbre, v, texteMicrons(v, sep, false) + std::string(Micro)};
    };
    s.jeuMax = cotation(s.haut, ar.bas, e.service.jeux.max);
    s.jeuMin = cotation(s.bas, ar.haut, e.service.jeux.min);
    s.nature = e.service.jeux.nature;
    const double milieuArbre = (ar.haut + ar.bas) / 2;
    s.probableHaut = milieuArbre + e.probable.max_mm * 1000;
    s.probableBas = milieuArbre + e.probable.min_mm * 1000;
    s.legende = "En service (\u0394S " + texteDixiemes(s.decalage, sep) + std::string(Micro) + ") : jeu maxi " +
                s.jeuMax.texte + " ; jeu mini " + s.jeuMin.texte + " ; " + motNature(s.nature);
    s.legendeProbable = "Jeu probable (\u00B1 " + localiserTexte(texteNombre(e.k), sep) + " \u03C3) " +
                        texteDixiemes(e.probable.min_mm * 1000, sep) + " \u00E0 " +
                        texteDixiemes(e.probable.max_mm * 1000, sep) + std::string(Micro) + " ; " +
                        localiserTexte(textePart(e.probable.partSerrage), sep) + " % des paires avec serrage";
    lo = std::min({lo, s.haut, s.bas, s.probableBas});
    hi = std::max({hi, s.haut, s.bas, s.probableHaut});
    m.service = s;
}

} // namespace

ModeleSchema construireSchema(const ResultatAjustement &r, std::string_view sep, const EtatService *service)
{
    const AjustementAffiche &a = r.ajustement;
    ModeleSchema m;
    // An incomplete free entry has no size to write.
    if (!libreIncomplet(a))
        m.texteDiametre = std::string(Diametre) + localiserTexte(texteNombre(a.diametre), sep);
    double lo = 0, hi = 0;
    for (Cote c : {Cote::Alesage, Cote::Arbre}) {
        auto &z = m.zones[static_cast<int>(c)];
        z = zoneDe(r, c, sep);
        if (z) {
            lo = std::min({lo, z->bas, z->haut, z->reference});
            hi = std::max({hi, z->bas, z->haut, z->reference});
        } else if (std::string t = manque(r, c, sep);
                   std::find(m.manques.begin(), m.manques.end(), t) == m.manques.end()) {
            m.manques.push_back(std::move(t));
        }
    }
    if (service && m.zone(Cote::Alesage) && m.zone(Cote::Arbre))
        ajouterService(m, *service, sep, lo, hi);
    m.echelle = echelleSchema(lo, hi);
    for (double g : m.echelle.graduations)
        m.textesGraduations.push_back(texteMicrons(g, sep, false));

    std::string tete = a.libre ? "Libre" : m.texteDiametre;
    if (!a.libre) {
        std::vector<std::string> classes;
        for (const CoteAffichee &c : a.cotes)
            classes.push_back(c.classe);
        const std::string noms = joindre(classes, "/");
        if (!noms.empty())
            tete += " " + noms;
    }
    std::vector<std::string> parties;
    if (const auto &j = r.jeux) {
        const ZoneSchema &al = *m.zone(Cote::Alesage);
        const ZoneSchema &ar = *m.zone(Cote::Arbre);
        // The dimension in µm is the clearance as the results show it (its
        // four-decimal text of the value), so that both read the same digits
        // even where that text holds more than fifteen.
        auto cotation = [&](double bord, double bordArbre, const Jeu &jeu) {
            const double v = lireTexteNombre(texteJeu(jeu.valeur)) * 1000;
            return CotationSchema{bord, bordArbre, v, texteMicrons(v, sep, false) + std::string(Micro)};
        };
        // Maximum clearance: bore max - shaft min; minimum: bore min - shaft max.
        m.jeuMax = cotation(al.haut, ar.bas, j->max);
        m.jeuMin = cotation(al.bas, ar.haut, j->min);
        const CotationSchema moyen = cotation(0, 0, j->moyen);
        m.nature = j->nature;
        m.titre = description(j->nature).titre;
        m.legende = "Jeu maxi " + m.jeuMax->texte + " ; jeu mini " + m.jeuMin->texte + " ; jeu moyen " + moyen.texte;
        tete += ", " + enMinuscule(m.titre);
    }
    parties.push_back(tete);
    for (Cote c : {Cote::Alesage, Cote::Arbre})
        if (const auto &z = m.zone(c))
            parties.push_back(descriptionZone(a, c, *z));
    parties.push_back(enMinuscule(m.legende));
    if (m.service) {
        parties.push_back(enMinuscule(m.service->legende));
        parties.push_back(enMinuscule(m.service->legendeProbable));
    }
    for (const std::string &t : m.manques)
        parties.push_back(t);
    m.description = joindre(parties, " ; ") + ".";
    return m;
}

} // namespace vestrel
