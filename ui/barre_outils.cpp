#include "ui/barre_outils.h"

#include "calcul/ajustement.h"
#include "tables/catalogue.h"
#include "tables/offerts.h"
#include "ui/cellule.h"
#include "ui/couleurs.h"
#include "ui/polices.h"
#include "ui/twips.h"
#include "ui/textes.h"

#include <QMouseEvent>

#include <bit>
#include <span>

namespace vestrel {

namespace {

using Rang = BarreOutils::Rang;

// Left edges of the toolbar's columns, in twips.
constexpr std::array<int, 14> Colonnes{200, 560, 920, 1280, 1630, 2000, 2360,
                                       2720, 3080, 3440, 3800, 4160, 4520, 4880};
constexpr int TailleCellule = 350;
constexpr int TailleCadre = 375;
// From one line of cells of a row to the next.
constexpr int LigneSuivante = 380;

// Column of each default letter code. On the second bore line ZA stands
// left of Z, on the shaft line z stays left of za: users find each letter
// where they are used to.
constexpr std::array<int, NbLettres> ColonnesLettresAl{
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0, 1, 2, 3, 4, 5, 6, 8, 7, 9, 10};
constexpr std::array<int, NbLettres> ColonnesLettresAr{
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
static_assert(ColonnesLettresAl[19] == 8 && ColonnesLettresAl[20] == 7, "ZA stands left of Z");
// The default letters wrap after the twelfth; the whole system's 28 letters
// fill two lines of 14 and its 20 grades (01, 0 .. 18) two lines of 10.
constexpr int LettresParLigneDefaut = 12;
constexpr int LettresParLigneComplet = 14;
constexpr int GradesParLigneComplet = 10;
static_assert(2 * LettresParLigneComplet == int(lettres_iso::CompletAlesage.size())
              && LettresParLigneComplet <= int(Colonnes.size()) && 2 * GradesParLigneComplet == 20);

// The four rows: which side, which kind, the object name.
struct DescriptionRangee {
    Cote cote;
    Rang rang;
    const char *nom;
};
constexpr std::array<DescriptionRangee, 4> Rangees{{
    {Cote::Alesage, Rang::Lettre, "Lbl_TB_Cl_Al"},
    {Cote::Alesage, Rang::Grade, "Lbl_TB_Ql_Al"},
    {Cote::Arbre, Rang::Lettre, "Lbl_TB_Cl_Ar"},
    {Cote::Arbre, Rang::Grade, "Lbl_TB_Ql_Ar"},
}};

struct Cadre {
    int gauche, haut, largeur, hauteur;
};
// The layout of a catalogue's toolbar (twips): the top of the first line of
// each row (in the order of Rangees), the outlines around the bore letters,
// bore grades, shaft letters, shaft grades, and the frame's height.
struct DispositionBarre {
    std::array<int, 4> hauts;
    std::array<Cadre, 4> contours;
    int hauteur;
};
constexpr DispositionBarre DispositionDefaut{
    {360, 1250, 1750, 2640},
    {{{150, 320, 4400, 810}, {150, 1200, 4755, 430}, {150, 1710, 4400, 810}, {150, 2595, 5115, 435}}},
    3255};
// Each grade row has a second line: the shaft rows and the frame stand one
// line lower, the frame two.
constexpr DispositionBarre DispositionComplete{
    {360, 1250, 2130, 3020},
    {{{150, 320, 5115, 810}, {150, 1200, 3675, 810}, {150, 2090, 5115, 810}, {150, 2970, 3675, 810}}},
    3255 + 2 * LigneSuivante};

const DispositionBarre &disposition(Systeme systeme)
{
    return systeme == Systeme::Complet ? DispositionComplete : DispositionDefaut;
}

// Column and line of cell i of a row.
QPoint placeCellule(Systeme systeme, Cote cote, Rang rang, int i)
{
    if (systeme == Systeme::Complet) {
        const int n = rang == Rang::Lettre ? LettresParLigneComplet : GradesParLigneComplet;
        return {i % n, i / n};
    }
    if (rang == Rang::Grade)
        return {i, 0};
    return {cote == Cote::Alesage ? ColonnesLettresAl[i] : ColonnesLettresAr[i], i < LettresParLigneDefaut ? 0 : 1};
}

int indexLigne(Cote cote, Rang rang)
{
    return (cote == Cote::Alesage ? 0 : 2) + (rang == Rang::Lettre ? 0 : 1);
}

int indexCote(Cote cote)
{
    return cote == Cote::Alesage ? 0 : 1;
}

// The index of the letter code "T" or "t" in a catalogue.
int indiceT(Cote cote, Systeme systeme)
{
    const auto codes = lettres(cote, systeme);
    for (std::size_t i = 0; i < codes.size(); ++i)
        if (codes[i] == (cote == Cote::Alesage ? "T" : "t"))
            return int(i);
    return -1;
}

// The smallest grade of a non-empty mask, IT01 before IT0.
int plusPetitGrade(unsigned masque)
{
    return (masque & bitGrade(Grade01)) ? Grade01 : std::countr_zero(masque);
}

} // namespace

BarreOutils::BarreOutils(QWidget *parent)
    : QGroupBox(parent)
{
    setObjectName(QStringLiteral("Toolbars"));
    // The font before the title, which is measured when set; the cells
    // inherit the font.
    setFont(polices::comic());
    setTitle(QStringLiteral("Choix de l'ajustement"));
    setMouseTracking(true);
    // The frame hides what lies under it in the window (the focus box
    // recup_curseur stands there).
    setAutoFillBackground(true);

    m_cadreSel = new Forme(couleurs::Contour, this);
    m_cadreSel->setObjectName(QStringLiteral("Cadre_Sel"));
    m_cadreSel->resize(tailleTwips(TailleCadre, TailleCadre));
    construire();
}

int BarreOutils::hausseTwips() const
{
    return disposition(m_systeme).hauteur - DispositionDefaut.hauteur;
}

// The outlines and the cells of the catalogue, laid out for it.
void BarreOutils::construire()
{
    const DispositionBarre &dispo = disposition(m_systeme);
    setFixedSize(tailleTwips(5350, dispo.hauteur));
    for (std::size_t k = 0; k < dispo.contours.size(); ++k) {
        const Cadre &c = dispo.contours[k];
        auto *forme = new Forme(couleurs::Contour, this);
        forme->setObjectName(QStringLiteral("Contour(%1)").arg(k));
        forme->setGeometry(rectTwips(c.gauche, c.haut, c.largeur, c.hauteur));
        forme->show();
        m_contours.append(forme);
    }

    for (std::size_t r = 0; r < Rangees.size(); ++r) {
        const DescriptionRangee &d = Rangees[r];
        Ligne &l = ligne(d.cote, d.rang);
        l = {};
        const int n = d.rang == Rang::Lettre ? nbLettres(m_systeme) : nbGrades(d.cote, m_systeme);
        for (int i = 0; i < n; ++i) {
            const QString texteCellule = d.rang == Rang::Lettre
                                             ? texte(lettres(d.cote, m_systeme)[i])
                                             : QString::fromStdString(texteGrade(premierGrade(d.cote, m_systeme) + i));
            auto *c = new Cellule(texteCellule, this);
            c->setObjectName(QStringLiteral("%1(%2)").arg(QLatin1String(d.nom)).arg(i));
            polices::donner(c, polices::comic());
            c->setAlignment(Qt::AlignCenter);
            const QPoint place = placeCellule(m_systeme, d.cote, d.rang, i);
            c->setGeometry(rectTwips(Colonnes[place.x()], dispo.hauts[r] + place.y() * LigneSuivante, TailleCellule,
                                     TailleCellule));
            connect(c, &Cellule::presse, this, [this, d, i] {
                if (d.rang == Rang::Lettre)
                    presseLettre(d.cote, i);
                else
                    presseGrade(d.cote, i);
            });
            connect(c, &Cellule::survole, this, [this, d, i](const QPoint &pos) {
                survole(d.cote, d.rang, i, pos);
            });
            c->show();
            l.cellules.append(c);
        }
    }
    // The hover frame is drawn around a cell, so it lies under the cells; the
    // outlines lie under both.
    m_cadreSel->lower();
    for (Forme *forme : m_contours)
        forme->lower();
}

void BarreOutils::setSysteme(Systeme systeme)
{
    if (systeme == m_systeme)
        return;
    // The classes composed so far, kept where the new catalogue has them.
    const std::array<QString, 2> composees{classeComposee(Cote::Alesage), classeComposee(Cote::Arbre)};
    for (Ligne &l : m_lignes) {
        qDeleteAll(l.cellules);
        l = {};
    }
    qDeleteAll(m_contours);
    m_contours.clear();
    m_cadreSel->hide();
    m_systeme = systeme;
    construire();
    for (const Cote cote : {Cote::Alesage, Cote::Arbre}) {
        if (!montrerClasse(cote, composees[indexCote(cote)].toStdString()))
            montrerClasse(cote, cote == Cote::Alesage ? ClasseDefautAlesage : ClasseDefautArbre);
    }
}

BarreOutils::Ligne &BarreOutils::ligne(Cote cote, Rang rang)
{
    return m_lignes[indexLigne(cote, rang)];
}

const BarreOutils::Ligne &BarreOutils::ligne(Cote cote, Rang rang) const
{
    return m_lignes[indexLigne(cote, rang)];
}

const Rangee &BarreOutils::rangee(Cote cote, Rang rang) const
{
    return ligne(cote, rang).cellules;
}

int BarreOutils::indiceChoisi(Cote cote, Rang rang) const
{
    return ligne(cote, rang).sel;
}

int BarreOutils::indiceSurvole(Cote cote, Rang rang) const
{
    return ligne(cote, rang).survol;
}

void BarreOutils::initialiser()
{
    // H7 for the bore and f7 for the shaft, the start fit of the window.
    for (const Cote cote : {Cote::Alesage, Cote::Arbre}) {
        montrerClasse(cote, cote == Cote::Alesage ? ClasseDefautAlesage : ClasseDefautArbre);
        ligne(cote, Rang::Lettre).survol = 0;
        ligne(cote, Rang::Grade).survol = 0;
    }
    // The hover frame shows only around a cell under the pointer.
    m_cadreSel->hide();
}

void BarreOutils::setDiametre(double d)
{
    m_diametre = d;
    for (const Cote cote : {Cote::Alesage, Cote::Arbre}) {
        if (m_choix[indexCote(cote)].lettre < 0)
            continue;
        etatGrades(cote, masqueGrades(cote));
        // The grade picked stays lit only where it has a class; it comes
        // back when the diameter does.
        Ligne &grades = ligne(cote, Rang::Grade);
        const int attendu =
            classeComposee(cote).isEmpty() ? -1 : m_choix[indexCote(cote)].grade - premierGrade(cote, m_systeme);
        if (grades.sel != attendu) {
            grades.sel = attendu;
            Choisir_Element(grades.cellules, int(grades.cellules.size()) - 1, attendu);
        }
    }
}

QString BarreOutils::lettre(Cote cote) const
{
    const int l = m_choix[indexCote(cote)].lettre;
    return l < 0 ? QString() : texte(lettres(cote, m_systeme)[l]);
}

QString BarreOutils::grade(Cote cote) const
{
    const int g = m_choix[indexCote(cote)].grade;
    return g == SansGrade ? QString() : QString::fromStdString(texteGrade(g));
}

QString BarreOutils::classeComposee(Cote cote) const
{
    const Choix &choix = m_choix[indexCote(cote)];
    if (choix.lettre < 0 || choix.grade == SansGrade || !(masqueGrades(cote) & bitGrade(choix.grade)))
        return {};
    return QString::fromStdString(composerClasse(cote, choix.lettre, choix.grade, m_systeme));
}

unsigned BarreOutils::masqueGrades(Cote cote) const
{
    const int l = m_choix[indexCote(cote)].lettre;
    return l < 0 ? 0 : gradesComposables(cote, l, m_diametre, m_systeme);
}

void BarreOutils::effacerClasse(Cote cote)
{
    m_choix[indexCote(cote)] = {};
    for (const Rang rang : {Rang::Lettre, Rang::Grade}) {
        Ligne &l = ligne(cote, rang);
        l.sel = -1;
        Effacer_Rangee(l.cellules, int(l.cellules.size()) - 1);
    }
    etatGrades(cote, 0);
}

bool BarreOutils::montrerClasse(Cote cote, std::string_view classe)
{
    const auto c = decomposerClasse(cote, classe, m_systeme);
    const int premier = premierGrade(cote, m_systeme);
    if (!c || c->grade < premier || c->grade >= premier + nbGrades(cote, m_systeme))
        return false;
    const int lettre = c->lettre, grade = c->grade;

    m_choix[indexCote(cote)] = {lettre, grade};
    Ligne &lettresLigne = ligne(cote, Rang::Lettre);
    Ligne &grades = ligne(cote, Rang::Grade);
    lettresLigne.sel = lettre;
    grades.sel = grade - premier;
    etatGrades(cote, masqueGrades(cote));
    Choisir_Element(lettresLigne.cellules, int(lettresLigne.cellules.size()) - 1, lettresLigne.sel);
    Choisir_Element(grades.cellules, int(grades.cellules.size()) - 1, grades.sel);
    return true;
}

void BarreOutils::presseLettre(Cote cote, int indice)
{
    Ligne &l = ligne(cote, Rang::Lettre);
    Choisir_Element(l.cellules, int(l.cellules.size()) - 1, indice);
    l.sel = indice;
    m_cadreSel->hide();
    m_choix[indexCote(cote)].lettre = indice;
    activerGrades(cote);
    composer(cote);
}

void BarreOutils::presseGrade(Cote cote, int indice)
{
    Ligne &l = ligne(cote, Rang::Grade);
    Choisir_Element(l.cellules, int(l.cellules.size()) - 1, indice);
    l.sel = indice;
    m_cadreSel->hide();
    m_choix[indexCote(cote)].grade = premierGrade(cote, m_systeme) + indice;
    composer(cote);
}

void BarreOutils::composer(Cote cote)
{
    emit classeChoisie(cote, classeComposee(cote));
}

void BarreOutils::activerGrades(Cote cote)
{
    const unsigned masque = masqueGrades(cote);
    Ligne &grades = ligne(cote, Rang::Grade);
    Effacer_Rangee(grades.cellules, int(grades.cellules.size()) - 1);
    // The smallest grade that has a class is preselected. With none (T and
    // t up to 24 mm, a diameter outside the tables) the side has no class:
    // no grade of another letter or diameter is composed with this one.
    Choix &choix = m_choix[indexCote(cote)];
    if (masque != 0) {
        choix.grade = plusPetitGrade(masque);
        grades.sel = choix.grade - premierGrade(cote, m_systeme);
        Surligner(grades.cellules, grades.sel);
    } else {
        choix.grade = SansGrade;
        grades.sel = -1;
    }
    etatGrades(cote, masque);
}

void BarreOutils::etatGrades(Cote cote, unsigned masque)
{
    const Rangee &cellules = ligne(cote, Rang::Grade).cellules;
    for (int i = 0; i < cellules.size(); ++i)
        cellules[i]->setEnabled((masque & bitGrade(premierGrade(cote, m_systeme) + i)) != 0);
}

void BarreOutils::survole(Cote cote, Rang rang, int indice, const QPoint &globalPos)
{
    // The cell hovered before loses the hover colour, whichever row it is in
    // (a quick pointer can jump between rows without crossing the frame);
    // a selected cell keeps its look.
    for (Ligne &avant : m_lignes) {
        if (avant.survol != avant.sel)
            avant.cellules[avant.survol]->setBackColor(couleurs::Blanc);
    }
    Ligne &l = ligne(cote, rang);
    l.survol = indice;
    Cellule *c = l.cellules[indice];
    if (indice != l.sel && Souris_Sur(c, globalPos)) {
        c->setBackColor(couleurs::Survol);
        m_cadreSel->move(c->pos() - QPoint(twips(15), twips(15)));
        m_cadreSel->show();
    } else {
        // The selected cell shows no frame, and none may stay around the
        // cell just left.
        m_cadreSel->hide();
    }
}

void BarreOutils::retirerSurvol()
{
    for (Ligne &l : m_lignes) {
        if (l.survol != l.sel)
            l.cellules[l.survol]->setBackColor(couleurs::Blanc);
    }
    m_cadreSel->hide();
}

void BarreOutils::activerT(bool actif)
{
    for (const Cote cote : {Cote::Alesage, Cote::Arbre})
        ligne(cote, Rang::Lettre).cellules[indiceT(cote, m_systeme)]->setEnabled(actif);
}

void BarreOutils::mouseMoveEvent(QMouseEvent *event)
{
    emit survolFond();
    QGroupBox::mouseMoveEvent(event);
}

} // namespace vestrel
