#include "rendu/notation.h"

#include "calcul/nombres.h"
#include "rendu/couleur.h"
#include "rendu/xml.h"

#include <vector>

namespace vestrel {

std::string texteEcartNotation(double mm, std::string_view separateur)
{
    std::string t = texteNombre(mm);
    if (t == "0")
        return t;
    const std::size_t point = t.find('.');
    const std::size_t decimales = point == std::string::npos ? 0 : t.size() - point - 1;
    if (decimales < 3) {
        if (point == std::string::npos)
            t += '.';
        t.append(3 - decimales, '0');
    }
    if (t[0] != '-')
        t.insert(t.begin(), '+');
    return localiserTexte(std::move(t), separateur);
}

std::string_view texteEcartsInverses(Cote c)
{
    return c == Cote::Alesage ? "L'écart supérieur de l'alésage est inférieur à l'écart inférieur"
                              : "L'écart supérieur de l'arbre est inférieur à l'écart inférieur";
}

namespace {

constexpr std::string_view Diametre = "\u2205";

// What one side shows, as texts.
struct Ligne {
    Cote cote;
    std::string nom;   // "Alésage ∅25 H7"
    std::string taille, classe;
    std::string sup, inf; // inf empty: sup is "±…"
    std::string max, min;
};

std::string nombre(double v, std::string_view sep) { return localiserTexte(texteNombre(v), sep); }

std::vector<Ligne> lignes(const ResultatAjustement &res, std::string_view sep)
{
    const AjustementAffiche &a = res.ajustement;
    std::vector<Ligne> r;
    for (Cote c : {Cote::Alesage, Cote::Arbre}) {
        const CoteAffichee &cote = a.cote(c);
        const auto &t = res.tailles(c);
        if (!t)
            continue;
        Ligne l{c, {}, nombre(a.taille(c), sep), cote.classe, {}, {}, nombre(t->max, sep), nombre(t->min, sep)};
        l.nom = std::string(c == Cote::Alesage ? "Alésage " : "Arbre ") + std::string(Diametre) + l.taille;
        if (!l.classe.empty())
            l.nom += " " + l.classe;
        const PaireEcarts &e = *cote.ecarts;
        if (e.sup > 0 && e.sup == -e.inf) {
            l.sup = "\u00B1" + texteEcartNotation(e.sup, sep).substr(1);
        } else {
            l.sup = texteEcartNotation(e.sup, sep);
            l.inf = texteEcartNotation(e.inf, sep);
        }
        r.push_back(std::move(l));
    }
    return r;
}

std::string titre(const AjustementAffiche &a, const Jeux &j, std::string_view sep)
{
    std::string t = "Ajustement ";
    if (a.libre)
        t += "libre";
    else
        t += std::string(Diametre) + nombre(a.diametre, sep) + " " + a.cote(Cote::Alesage).classe + "/"
             + a.cote(Cote::Arbre).classe;
    return t + " : " + std::string(description(j.nature).phrase);
}

std::string jeu(const Jeu &j, std::string_view sep) { return localiserTexte(j.texte, sep); }

std::string mm(double v, std::string_view sep) { return localiserTexte(texteJeu(v), sep); }

// The two lines of the fit in service, without their ends.
std::string ligneService(const EtatService &e, std::string_view sep)
{
    const Jeux &j = e.service.jeux;
    return "En service : \u0394S " + mm(e.service.deltaS_mm, sep) + " ; jeu maxi " + jeu(j.max, sep) +
           " ; jeu mini " + jeu(j.min, sep) + " : " + std::string(description(j.nature).phrase);
}
std::string ligneProbable(const EtatService &e, std::string_view sep)
{
    const JeuProbable &p = e.probable;
    return "Jeu probable (\u00B1 " + nombre(e.k, sep) + " \u03C3) : de " + mm(p.min_mm, sep) + " \u00E0 " +
           mm(p.max_mm, sep) + " ; jeu moyen " + mm(p.moyen_mm, sep) + " ; avec serrage " +
           localiserTexte(textePart(p.partSerrage), sep) + " % ; avec jeu " + localiserTexte(textePart(p.partJeu), sep) +
           " %";
}

} // namespace

std::string notationTexte(const ResultatAjustement &r, std::string_view sep, const EtatService *service)
{
    const AjustementAffiche &a = r.ajustement;
    const auto &j = r.jeux;
    std::string t;
    if (j)
        t += titre(a, *j, sep) + "\n";
    for (const Ligne &l : lignes(r, sep)) {
        const bool al = l.cote == Cote::Alesage;
        t += l.nom + " : ";
        if (l.inf.empty())
            t += "écarts " + l.sup;
        else
            t += std::string(al ? "ES " : "es ") + l.sup + " ; " + (al ? "EI " : "ei ") + l.inf;
        t += " ; maxi " + l.max + " ; mini " + l.min + "\n";
    }
    if (j)
        t += "Jeu maxi " + jeu(j->max, sep) + " ; jeu mini " + jeu(j->min, sep) + " ; jeu moyen " + jeu(j->moyen, sep)
             + "\n";
    if (j && service)
        t += ligneService(*service, sep) + "\n" + ligneProbable(*service, sep) + "\n";
    return t;
}

std::string notationHtml(const ResultatAjustement &r, std::string_view sep, const EtatService *service)
{
    const AjustementAffiche &a = r.ajustement;
    const std::vector<Ligne> ls = lignes(r, sep);
    if (ls.empty())
        return {};
    const auto &j = r.jeux;
    std::string h = "<html><head><meta charset=\"utf-8\"></head><body>\n"
                    "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n";
    if (j)
        h += "<tr><th colspan=\"7\">" + echapperXml(titre(a, *j, sep)) + "</th></tr>\n";
    h += "<tr><th></th><th>\u2205</th><th>Classe</th><th>ES / es</th><th>EI / ei</th><th>Maxi</th><th>Mini</th></tr>\n";
    for (const Ligne &l : ls) {
        h += "<tr><th>" + std::string(l.cote == Cote::Alesage ? "Alésage" : "Arbre") + "</th><td>" + l.taille
             + "</td><td>" + echapperXml(l.classe) + "</td>";
        if (l.inf.empty())
            h += "<td colspan=\"2\">" + l.sup + "</td>";
        else
            h += "<td>" + l.sup + "</td><td>" + l.inf + "</td>";
        h += "<td>" + l.max + "</td><td>" + l.min + "</td></tr>\n";
    }
    if (j)
        h += "<tr><th>Jeu</th><td colspan=\"2\">maxi " + jeu(j->max, sep) + "</td><td colspan=\"2\">mini "
             + jeu(j->min, sep) + "</td><td colspan=\"2\">moyen " + jeu(j->moyen, sep) + "</td></tr>\n";
    if (j && service)
        for (const std::string &l : {ligneService(*service, sep), ligneProbable(*service, sep)})
            h += "<tr><td colspan=\"7\">" + echapperXml(l) + "</td></tr>\n";
    h += "</table>\n</body></html>\n";
    return h;
}

} // namespace vestrel
