#pragma once

#include <QObject>
#include <QPointer>

class QKeyEvent;
class QPoint;

namespace vestrel {

class BarreMenus;
class Frettage;
class Principale;
class Recherche;
class Schema;

// The "Outils" menu of the main window and what it opens: the diagram
// window, the fit finder, copying and exporting the fit shown. Also the keys
// Ctrl+C (when no text is selected), Ctrl+E and Ctrl+F of the main window,
// and the results frame's context menu.
class OutilsPrincipale : public QObject
{
    Q_OBJECT

public:
    OutilsPrincipale(Principale &fenetre, BarreMenus &menus);
    ~OutilsPrincipale() override;

    // The item k of the Outils menu (BarreMenus::Outil), as chosen there.
    void choisir(int outil);

    // Opens the diagram window when hidden, hides it when shown.
    void basculerSchema();
    void ouvrirRecherche();
    // Opens "Assemblage serré" on the fit shown.
    void ouvrirFrettage();
    void copier();
    void exporter();

    // The windows once opened, else null.
    Schema *schema() const;
    Recherche *recherche() const;
    Frettage *frettage() const;

protected:
    bool eventFilter(QObject *objet, QEvent *event) override;

private:
    enum class Touche { Aucune, Copie, Export, Recherche };
    static Touche toucheDe(const QObject *cible, const QKeyEvent &touche);
    void menuResultats(const QPoint &position);
    void resultatsChanges();

    Principale &m_fenetre;
    BarreMenus &m_menus;
    QPointer<Schema> m_schema;
    QPointer<Recherche> m_recherche;
    QPointer<Frettage> m_frettage;
};

} // namespace vestrel
