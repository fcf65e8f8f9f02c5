#include "ui/barre_outils.h"

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
constexpr int IndiceT = 16;

// Column of each letter code. On the second bore row ZA stands left of Z, on
// the shaft row z stays left of za: users find each letter where they are
// used to.
constexpr std::array<int, NbLettres> ColonnesLettresAl{
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0, 1, 2, 3, 4, 5, 6, 8, 7, 9, 10};
constexpr std::array<int, NbLettres> ColonnesLettresAr{
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
constexpr std::array<int, 14> ColonnesGrades{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
static_assert(ColonnesLettresAl[19] == 8 && ColonnesLettresAl[20] == 7, "ZA stands left of Z");

// The four rows: which side, which kind, the object name, the top of the
// first cell line and of the second (letter codes 12 and up), the columns.
struct DescriptionRangee {
    Cote cote;
    Rang rang;
    const char *nom;
    int haut;
    int haut2;
    std::span<const int> colonnes;
};
constexpr std::array<DescriptionRangee, 4> Rangees{{
    {Cote::Alesage, Rang::Lettre, "Lbl_TB_Cl_Al", 360, 740, ColonnesLettresAl},
    {Cote::Alesage, Rang::Grade, "Lbl_TB_Ql_Al", 1250, 1250, ColonnesGrades},
    {Cote::Arbre, Rang::Lettre, "Lbl_TB_Cl_Ar", 1750, 2130, ColonnesLettresAr},
    {Cote::Arbre, Rang::Grade, "Lbl_TB_Ql_Ar", 2640, 2640, ColonnesGrades},
}};

// Outlines around the bore letters, bore grades, shaft letters, shaft grades.
struct Cadre {
    int gauche, haut, largeur, hauteur;
};
constexpr std::array<Cadre, 4> Contours{{
    {150, 320, 4400, 810},
    {150, 1200, 4755, 430},
    {150, 1710, 4400, 810},
    {150, 2595, 5115, 435},
}};

int indexLigne(Cote cote, Rang rang)
{
    return (cote == Cote::Alesage ? 0 : 2) + (rang == Rang::Lettre ? 0 : 1);
}

int indexCote(Cote cote)
{
    return cote == Cote::Alesage ? 0 : 1;
}

QString texteGrade(Cote cote, int i)
{
    return QString::number(premierGrade(cote) + i);
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
    setFixedSize(tailleTwips(5350, 3255));
    setMouseTracking(true);
    // The frame hides what lies under it in the window (the focus box
    // recup_curseur stands there).
    setAutoFillBackground(true);

    for (std::size_t k = 0; k < Contours.size(); ++k) {
        const Cadre &c = Contours[k];
        auto *forme = new Forme(couleurs::Contour, this);
        forme->setObjectName(QStringLiteral("Contour(%1)").arg(k));
        forme->setGeometry(rectTwips(c.gauche, c.haut, c.largeur, c.hauteur));
    }
    m_cadreSel = new Forme(couleurs::Contour, this);
    m_cadreSel->setObjectName(QStringLiteral("Cadre_Sel"));
    m_cadreSel->resize(tailleTwips(TailleCadre, TailleCadre));

    for (const DescriptionRangee &d : Rangees) {
        Ligne &l = ligne(d.cote, d.rang);
        const int n = d.rang == Rang::Lettre ? NbLettres : nbGrades(d.cote);
        for (int i = 0; i < n; ++i) {
            const QString texte = d.rang == Rang::Lettre
                                      ? QString::fromUtf8(lettres(d.cote)[i].data(),
                                                          qsizetype(lettres(d.cote)[i].size()))
                                      : texteGrade(d.cote, i);
            auto *c = new Cellule(texte, this);
            c->setObjectName(QStringLiteral("%1(%2)").arg(QLatin1String(d.nom)).arg(i));
            polices::donner(c, polices::comic());
            c->setAlignment(Qt::AlignCenter);
            const int haut = i < 12 ? d.haut : d.haut2;
            c->setGeometry(rectTwips(Colonnes[d.colonnes[i]], haut, TailleCellule, TailleCellule));
            connect(c, &Cellule::presse, this, [this, d, i] {
                if (d.rang == Rang::Lettre)
                    presseLettre(d.cote, i);
                else
                    presseGrade(d.cote, i);
            });
            connect(c, &Cellule::survole, this, [this, d, i](const QPoint &pos) {
                survole(d.cote, d.rang, i, pos);
            });
            l.cellules.append(c);
        }
    }
    // The hover frame is drawn around a cell, so it lies under the cells; the
    // outlines lie under both.
    m_cadreSel->lower();
    for (QObject *o : children()) {
        if (auto *forme = qobject_cast<Forme *>(o); forme && forme != m_cadreSel)
            forme->lower();
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
    struct Depart {
        Cote cote;
        int lettre;
        int grade;
    };
    for (const Depart &d : {Depart{Cote::Alesage, 7, 7}, Depart{Cote::Arbre, 5, 7}}) {
        Choix &choix = m_choix[indexCote(d.cote)];
        choix.lettre = d.lettre;
        choix.grade = d.grade;
        Ligne &lettres = ligne(d.cote, Rang::Lettre);
        Ligne &grades = ligne(d.cote, Rang::Grade);
        lettres.sel = d.lettre;
        grades.sel = d.grade - premierGrade(d.cote);
        lettres.survol = 0;
        grades.survol = 0;
        if (const auto masque = gradesActifs(d.cote, d.lettre, m_diametre))
            etatGrades(d.cote, *masque);
        Choisir_Element(lettres.cellules, int(lettres.cellules.size()) - 1, lettres.sel);
        Choisir_Element(grades.cellules, int(grades.cellules.size()) - 1, grades.sel);
    }
    // Where the frame stood when the window was drawn; the first hover
    // clearing or press hides it.
    m_cadreSel->move(pointTwips(4800, 840));
    m_cadreSel->show();
}

QString BarreOutils::lettre(Cote cote) const
{
    return texte(lettres(cote)[m_choix[indexCote(cote)].lettre]);
}

QString BarreOutils::grade(Cote cote) const
{
    return QString::number(m_choix[indexCote(cote)].grade);
}

QString BarreOutils::classeComposee(Cote cote) const
{
    const Choix &choix = m_choix[indexCote(cote)];
    return QString::fromStdString(composerClasse(cote, choix.lettre, choix.grade));
}

bool BarreOutils::montrerClasse(Cote cote, std::string_view classe)
{
    const auto c = decomposerClasse(cote, classe);
    if (!c || c->grade < premierGrade(cote) || c->grade >= premierGrade(cote) + nbGrades(cote))
        return false;
    const int lettre = c->lettre, grade = c->grade;

    m_choix[indexCote(cote)] = {lettre, grade};
    Ligne &lettresLigne = ligne(cote, Rang::Lettre);
    Ligne &grades = ligne(cote, Rang::Grade);
    lettresLigne.sel = lettre;
    grades.sel = grade - premierGrade(cote);
    if (const auto masque = gradesActifs(cote, lettre, m_diametre))
        etatGrades(cote, *masque);
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
    m_choix[indexCote(cote)].grade = premierGrade(cote) + indice;
    composer(cote);
}

void BarreOutils::composer(Cote cote)
{
    emit classeChoisie(cote, classeComposee(cote));
}

void BarreOutils::activerGrades(Cote cote)
{
    const Choix &choix = m_choix[indexCote(cote)];
    const auto masque = gradesActifs(cote, choix.lettre, m_diametre);
    // Outside 1 < D <= 500 no range of the letter applies: the grade row, the
    // grade last picked and the enabled cells stay as they are.
    if (!masque)
        return;
    Ligne &grades = ligne(cote, Rang::Grade);
    Effacer_Rangee(grades.cellules, int(grades.cellules.size()) - 1);
    // The smallest grade that exists is preselected; with none (T and t up
    // to 24 mm) the grade last picked is kept.
    if (*masque != 0) {
        const int g = std::countr_zero(*masque);
        grades.sel = g - premierGrade(cote);
        Surligner(grades.cellules, grades.sel);
        m_choix[indexCote(cote)].grade = g;
    }
    etatGrades(cote, *masque);
}

void BarreOutils::etatGrades(Cote cote, unsigned masque)
{
    const Rangee &cellules = ligne(cote, Rang::Grade).cellules;
    for (int i = 0; i < cellules.size(); ++i)
        cellules[i]->setEnabled((masque >> (premierGrade(cote) + i)) & 1U);
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
    ligne(Cote::Alesage, Rang::Lettre).cellules[IndiceT]->setEnabled(actif);
    ligne(Cote::Arbre, Rang::Lettre).cellules[IndiceT]->setEnabled(actif);
}

void BarreOutils::mouseMoveEvent(QMouseEvent *event)
{
    emit survolFond();
    QGroupBox::mouseMoveEvent(event);
}

} // namespace vestrel
