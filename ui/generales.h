#pragma once

#include "ui/fenetre_outil.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace vestrel {

class Cellule;

// The window "Tolérances générales (ISO 2768-1)": a size and a kind of
// dimension in, the general tolerance of the four classes out (deviation,
// limits, the title-block note), following every change. The row of the
// class in use (Tg_Classe) is highlighted; Copier or Ctrl+C puts it on the
// clipboard. A tool window of the main window: it opens on the diameter the
// main window shows, then keeps what the user types while it stays open.
class Generales : public FenetreOutil
{
    Q_OBJECT

public:
    // Opens on the size text `dimensionTexte` (as the main window's diameter
    // box holds it); `fenetre` is the parent, so that it stays over it.
    explicit Generales(QWidget *fenetre = nullptr, const QString &dimensionTexte = QStringLiteral("2"));
    ~Generales() override;

    // Sets the size text as if typed; the table follows.
    void setDimensionTexte(const QString &texte);
    // The row of the class in use, as text: its cells joined by tabs.
    QString ligneCourante() const;
    // Puts ligneCourante() on the clipboard.
    void copier();

protected:
    void preparer(const VuePrincipale &vue) override;
    bool eventFilter(QObject *objet, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void creerControles();
    void calculer();
    void surligner();

    QLineEdit *m_dimension = nullptr;
    QComboBox *m_genre = nullptr;
    QComboBox *m_classe = nullptr;
    QTableWidget *m_table = nullptr;
    QLabel *m_message = nullptr;
    Cellule *m_copier = nullptr;
};

} // namespace vestrel
