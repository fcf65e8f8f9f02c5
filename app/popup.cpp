#include "app/principale.h"

#include "app/liste_classes.h"
#include "tables/ajustement.h"
#include "tables/catalogue.h"
#include "tables/nombres.h"
#include "tables/offerts.h"
#include "ui/barre_outils.h"
#include "ui/couleurs.h"
#include "ui/textes.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPalette>

#include <algorithm>

using vestrel::Cote;
namespace couleurs = vestrel::couleurs;

namespace {

// Diameters from 1 to 24 mm have no T or t class.
constexpr double DiametreSansT = 24;

const QString DiametreDefaut = QStringLiteral("2");
const QString ClasseDefaut[] = {QStringLiteral("H7"), QStringLiteral("f7")};

std::string &classeDe(vestrel::EtatAjustement &etat, Cote cote)
{
    return cote == Cote::Alesage ? etat.Cl_Alesage : etat.Cl_Arbre;
}

const std::string &classeDe(const vestrel::EtatAjustement &etat, Cote cote)
{
    return cote == Cote::Alesage ? etat.Cl_Alesage : etat.Cl_Arbre;
}

struct EcartsCote {
    double sup, inf;
};

EcartsCote ecartsDe(const vestrel::EtatAjustement &etat, Cote cote)
{
    if (cote == Cote::Alesage)
        return {etat.Ec_Sup_Al, etat.Ec_Inf_Al};
    return {etat.Ec_Sup_Ar, etat.Ec_Inf_Ar};
}

void colorer(QLabel *etiquette, const QColor &couleur)
{
    QPalette p = etiquette->palette();
    p.setColor(QPalette::WindowText, couleur);
    etiquette->setPalette(p);
}

// Keys that cannot form a diameter are dropped as they are typed. Editing
// keys (arrows, Delete, Backspace) carry no printable text and pass, and so
// do shortcuts such as Ctrl+V or Ctrl+A, which type nothing themselves.
bool toucheRefusee(const QKeyEvent *touche)
{
    if (touche->key() == Qt::Key_Return || touche->key() == Qt::Key_Enter)
        return true;
    const Qt::KeyboardModifiers mod = touche->modifiers();
    if ((mod & Qt::ControlModifier) && !(mod & Qt::AltModifier))
        return false;
    // Control characters are no text the box would take; every other one,
    // invisible ones included (a soft hyphen would split "53" into a 5 that
    // reads as 5), must be a character of a number.
    for (const char32_t c : touche->text().toUcs4()) {
        if (QChar::category(c) != QChar::Other_Control && !vestrel::caractereAccepte(vestrel::Filtre::Diametre, c))
            return true;
    }
    return false;
}

} // namespace

bool Principale::eventFilter(QObject *objet, QEvent *event)
{
    if (objet == m_diametre && event->type() == QEvent::KeyPress
        && toucheRefusee(static_cast<QKeyEvent *>(event)))
        return true;
    if (filtreLibre(objet, event) || filtreSurface(objet, event))
        return true;
    return QWidget::eventFilter(objet, event);
}

void Principale::diametreChange()
{
    m_etat.Dia_Nominal = vestrel::lireSaisie(m_diametre->text());
    if (m_etat.Methode_Selection != 0) {
        activerCellulesT();
        // The limits on screen follow the diameter typed: each side's class
        // is looked up again, and shows empty where it has no deviations,
        // rather than the numbers of the previous diameter.
        if (m_etat.Methode_Selection == 1) {
            for (const Cote cote : {Cote::Alesage, Cote::Arbre}) {
                Ecarts(cote);
                Affiche(cote);
            }
        }
        return;
    }
    m_etat.Cl_Alesage.clear();
    m_etat.Cl_Arbre.clear();
    Filtrer_Alesage();
    Filtrer_Arbre();
    viderResultats();
}

// Up to 24 mm no T or t class exists; outside the tables the cells stay
// usable and the lookup finds nothing.
void Principale::activerCellulesT()
{
    const double d = m_etat.Dia_Nominal;
    m_barre->activerT(d <= vestrel::DiametreMin || d > DiametreSansT);
}

void Principale::viderResultats()
{
    for (const Cote cote : {Cote::Alesage, Cote::Arbre}) {
        Volet &v = volet(cote);
        for (QLabel *etiquette : {v.ecartSup, v.ecartInf})
            etiquette->clear();
    }
    for (const Cote cote : {Cote::Alesage, Cote::Arbre}) {
        Volet &v = volet(cote);
        for (QLabel *etiquette : {v.tailleMax, v.tailleMin})
            etiquette->clear();
    }
    m_jMax->clear();
    m_jMin->clear();
    volet(Cote::Alesage).classeBarre->clear();
    volet(Cote::Arbre).classeBarre->clear();
}

void Principale::Remplir(Cote cote)
{
    vestrel::ListeClasses *liste = volet(cote).liste;
    ++m_remplissage;
    for (const std::string_view classe : vestrel::catalogue(cote))
        liste->addItem(QString::fromUtf8(classe.data(), qsizetype(classe.size())));
    --m_remplissage;
}

void Principale::Filtrer(Cote cote)
{
    vestrel::ListeClasses *liste = volet(cote).liste;
    ++m_remplissage;
    liste->clear();
    QStringList textes;
    for (const std::string_view classe : vestrel::classesOffertes(cote, m_etat.Dia_Nominal))
        textes.append(QString::fromUtf8(classe.data(), qsizetype(classe.size())));
    liste->addItems(textes);
    // Qt selects the first item of a list filled from empty; the user chooses.
    liste->setCurrentIndex(-1);
    liste->clearEditText();
    --m_remplissage;
}

bool Principale::diametreRetabli()
{
    bool retabli = false;
    if (!(m_etat.Dia_Nominal > vestrel::DiametreMin)) {
        retablirDefaut();
        retabli = true;
    }
    // The first reset leaves 2 mm, so a diameter never gets two warnings.
    if (m_etat.Dia_Nominal > vestrel::DiametreMax) {
        retablirDefaut();
        retabli = true;
    }
    return retabli;
}

void Principale::retablirDefaut()
{
    Message_Diametre();
    if (m_diametre->text() == DiametreDefaut)
        diametreChange();
    else
        m_diametre->setText(DiametreDefaut);
    retablirClasses();
}

void Principale::retablirClasses()
{
    for (const Cote cote : {Cote::Alesage, Cote::Arbre}) {
        vestrel::ListeClasses *liste = volet(cote).liste;
        const int position = liste->findText(ClasseDefaut[static_cast<int>(cote)],
                                             Qt::MatchExactly | Qt::MatchCaseSensitive);
        liste->setCurrentIndex(position);
    }
}

void Principale::Message_Diametre()
{
    QMessageBox boite(QMessageBox::Warning, QStringLiteral("Vestrel"),
                      QStringLiteral("Le diamètre doit être supérieur\nà 1 et inférieur ou égal à 500"),
                      QMessageBox::Ok, this);
    boite.exec();
}

void Principale::classeChoisie(Cote cote, int position)
{
    if (position < 0 || m_remplissage > 0)
        return;
    // After a reset the default fit is on screen; the class just chosen for
    // the rejected diameter is not applied.
    if (diametreRetabli())
        return;
    Choisir_Classe(cote, volet(cote).liste->itemText(position));
}

void Principale::Choisir_Classe(Cote cote, const QString &classe)
{
    classeDe(m_etat, cote) = classe.toStdString();
    Ecarts(cote);
    Affiche(cote);
}

bool Principale::Ecarts(Cote cote)
{
    Volet &v = volet(cote);
    v.trouve = vestrel::ecrireEcarts(cote, m_etat);
    v.classeTrouvee = classeDe(m_etat, cote);
    v.diametreTrouve = m_etat.Dia_Nominal;
    return v.trouve;
}

bool Principale::ecartsAJour(Cote cote) const
{
    const Volet &v = volet(cote);
    const std::string &classe = classeDe(m_etat, cote);
    return v.trouve && !classe.empty() && v.classeTrouvee == classe
        && v.diametreTrouve == m_etat.Dia_Nominal;
}

// Numbers are shown only for deviations found for the side's class at the
// current diameter: a side without a class, or a class without deviations
// there, shows empty labels rather than numbers of another class or size.
void Principale::Affiche(Cote cote)
{
    Volet &v = volet(cote);
    if (ecartsAJour(cote)) {
        const EcartsCote e = ecartsDe(m_etat, cote);
        const double d = m_etat.Dia_Nominal;
        v.ecartSup->setText(vestrel::texteNombreLocal(e.sup));
        v.ecartInf->setText(vestrel::texteNombreLocal(e.inf));
        v.tailleMax->setText(vestrel::texteNombreLocal(d + e.sup));
        v.tailleMin->setText(vestrel::texteNombreLocal(d + e.inf));
    } else {
        for (QLabel *etiquette : {v.ecartSup, v.ecartInf, v.tailleMax, v.tailleMin})
            etiquette->clear();
    }
    if (ecartsAJour(Cote::Alesage) && ecartsAJour(Cote::Arbre)) {
        Calcul_Jeu();
    } else {
        m_jMax->clear();
        m_jMin->clear();
    }
}

// The clearances are taken from the sizes as shown (15 significant digits),
// so 2.01 - 1.984 gives 0.0260 and not the binary rounding error.
void Principale::Calcul_Jeu()
{
    auto lu = [](const QLabel *etiquette) { return vestrel::lireNombreLocal(etiquette->text()); };
    const Volet &al = volet(Cote::Alesage);
    const Volet &ar = volet(Cote::Arbre);
    afficherJeux(vestrel::calculerJeux(lu(al.tailleMax), lu(al.tailleMin), lu(ar.tailleMax), lu(ar.tailleMin)));
}

void Principale::afficherJeux(const vestrel::Jeux &jeux)
{
    m_jMax->setText(vestrel::texteJeuLocal(jeux.max.valeur));
    m_jMin->setText(vestrel::texteJeuLocal(jeux.min.valeur));
    QColor couleur = couleurs::Incertain;
    switch (jeux.nature) {
    case vestrel::Nature::Serrage: couleur = couleurs::Serrage; break;
    case vestrel::Nature::Jeu: couleur = couleurs::Jeu; break;
    case vestrel::Nature::Incertain: break;
    }
    colorer(m_jMax, couleur);
    colorer(m_jMin, couleur);
}

void Principale::completerSaisie(Cote cote, int touche)
{
    switch (touche) {
    // The arrows belong to the list's own navigation.
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
    // Keys that neither type nor delete: a Tab that brings the focus here
    // (its text all selected) would otherwise complete an empty prefix and
    // choose the first class of the list behind the user's back.
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock:
        return;
    default:
        break;
    }
    Volet &v = volet(cote);
    vestrel::ListeClasses *liste = v.liste;
    QLineEdit *champ = liste->lineEdit();

    if (touche == Qt::Key_Backspace) {
        v.saisie.chop(1);
    } else {
        const QString texte = champ->text();
        v.saisie = texte.left(texte.size() - champ->selectedText().size());
    }

    const QString prefixe = v.saisie.toUpper();
    int trouvee = -1;
    for (int i = 0; i < liste->count(); ++i) {
        if (liste->itemText(i).left(prefixe.size()).toUpper() == prefixe) {
            trouvee = i;
            break;
        }
    }
    if (trouvee >= 0) {
        liste->setCurrentIndex(trouvee);
    } else if (liste->currentIndex() != -1) {
        // Nothing begins with the typed text: no item stays selected, and
        // the user keeps what they typed.
        const QString texte = champ->text();
        ++m_remplissage;
        liste->setCurrentIndex(-1);
        --m_remplissage;
        champ->setText(texte);
    }

    const qsizetype debut = std::min(v.saisie.size(), champ->text().size());
    champ->setSelection(int(debut), int(champ->text().size() - debut));

    liste->setFond(liste->currentIndex() < 0 ? couleurs::SaisieInconnue
                                             : QApplication::palette().color(QPalette::Base));
}
