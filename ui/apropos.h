#pragma once

#include <QDialog>

class QLabel;
class QLocale;

namespace vestrel {

// The about box "apropos": the program's picture, its version, the date of
// the opening and a running clock. It closes on a click on the picture, on
// the close box, and on Escape or Enter.
class BoiteApropos : public QDialog
{
    Q_OBJECT

public:
    explicit BoiteApropos(QWidget *parent = nullptr);

    // Creates the box, places it over the main window and shows it modal;
    // returns once it is closed. Each opening shows the time of that moment.
    static void ouvrir(QWidget *fenetre);

    // The locale's time format, with seconds and without the time zone.
    static QString formatHeure(const QLocale &locale);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *objet, QEvent *event) override;

private:
    void afficherHeure();

    QLabel *m_image = nullptr;
    QLabel *m_heure = nullptr;
};

} // namespace vestrel
