#include "ui/controles.h"

#include "ui/liste_classes.h"
#include "ui/cellule.h"
#include "ui/couleurs.h"
#include "ui/polices.h"
#include "ui/twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableView>

namespace vestrel {

namespace {

QFont policeDe(Police p)
{
    switch (p) {
    case Police::Comic: return polices::comic();
    case Police::Sans: return polices::sans();
    case Police::Symbole: return polices::symbole();
    case Police::Bouton: return polices::comic(12, false);
    case Police::PetitBouton: return polices::comic(10, false);
    case Police::Aucune: break;
    }
    return {};
}

QWidget *creer(const Controle &c, QWidget *parent)
{
    const QString texte = QString::fromUtf8(c.texte);
    switch (c.genre) {
    case Genre::Cadre: return new QGroupBox(texte, parent);
    case Genre::Etiquette: {
        // Captions sit at the top of their label: the class lists cover the
        // top of Aj_Ale and Aj_Arb and, with it, their text.
        auto *etiquette = new QLabel(texte, parent);
        etiquette->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return etiquette;
    }
    case Genre::Texte: return new QLabel(texte, parent);
    case Genre::Signe: return new QLabel(polices::SigneDiametre, parent);
    case Genre::Saisie: return new QLineEdit(texte, parent);
    case Genre::Liste: return new ListeClasses(parent);
    case Genre::Choix: return new QComboBox(parent);
    case Genre::Option: return new QRadioButton(texte, parent);
    case Genre::Case: return new QCheckBox(texte, parent);
    case Genre::Table: return new QTableView(parent);
    case Genre::Bouton: {
        auto *cellule = new Cellule(texte, parent);
        cellule->setAlignment(Qt::AlignCenter);
        cellule->setBackColor(couleurs::Blanc);
        return cellule;
    }
    }
    return nullptr;
}

} // namespace

QHash<QString, QWidget *> creerControles(std::span<const Controle> table, QWidget *racine)
{
    QHash<QString, QWidget *> parNom;
    for (const Controle &c : table) {
        QWidget *conteneur = c.conteneur ? parNom.value(QString::fromLatin1(c.conteneur)) : racine;
        QWidget *w = creer(c, conteneur);
        w->setObjectName(QString::fromLatin1(c.nom));
        w->setGeometry(rectTwips(c.gauche, c.haut, c.largeur, c.hauteur));
        if (c.police != Police::Aucune)
            polices::donner(w, policeDe(c.police));
        parNom.insert(w->objectName(), w);
    }
    return parNom;
}

void placerCadre(QGroupBox *cadre, const char *nom, const char *titre, int gauche, int haut, int largeur,
                 int hauteur)
{
    cadre->setObjectName(QString::fromLatin1(nom));
    cadre->setGeometry(rectTwips(gauche, haut, largeur, hauteur));
    polices::donner(cadre, polices::comic());
    cadre->setTitle(QString::fromUtf8(titre));
}

} // namespace vestrel
