#pragma once

#include <QComboBox>

namespace vestrel {

// A class list with an editable text field. Users type the beginning of a
// class name and the window completes it, so every key release on the list
// is reported once the field has taken the key. Typed text is never added
// to the list, and Qt's own completion stays off: the window's completion
// is the only one.
class ListeClasses : public QComboBox
{
    Q_OBJECT

public:
    explicit ListeClasses(QWidget *parent = nullptr);

    // Background of the text field (red while the typed text names no class).
    void setFond(const QColor &couleur);

signals:
    void toucheRelachee(int touche);

protected:
    void keyReleaseEvent(QKeyEvent *event) override;
};

} // namespace vestrel
