#pragma once

#include "tables/ajustement_affiche.h"
#include "tables/schema.h"

#include <QByteArray>
#include <QPointer>
#include <QWidget>

class QSvgRenderer;

namespace vestrel {

// The window "Schéma des tolérances": the tolerance zones of the fit the
// main window shows, drawn from the diagram's SVG. A tool window (no taskbar
// entry, never modal) that closing only hides; it can stay against the
// right edge of the main window and follow it.
class Schema : public QWidget
{
    Q_OBJECT

public:
    explicit Schema(QWidget *parent = nullptr);
    ~Schema() override;

    // Draws this fit, numbers with the separator of QLocale().
    void montrer(const AjustementAffiche &ajustement);
    const AjustementAffiche &ajustement() const { return m_ajustement; }
    const ModeleSchema &modele() const { return m_modele; }
    // The SVG drawn at the window's current size.
    const QByteArray &svg() const { return m_svg; }

    // Places the window against the right edge of `fenetre`, at its top,
    // and keeps it there while `fenetre` moves or is resized.
    void suivre(QWidget *fenetre);
    void placer();

signals:
    // The user closed the window (it is only hidden).
    void ferme();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *objet, QEvent *event) override;

private:
    void redessiner();

    AjustementAffiche m_ajustement;
    ModeleSchema m_modele;
    QByteArray m_svg;
    QSvgRenderer *m_rendu = nullptr;
    QPointer<QWidget> m_fenetre;
};

// The decimal separator of QLocale(), for the texts of the tables.
std::string separateurLocal();

} // namespace vestrel
