#pragma once

#include <QComboBox>
#include <QSet>

namespace vestrel {

// A class list with an editable text field. Users type the beginning of a
// class name and the window completes it, so every key release on the list
// is reported once the field has taken the key, provided the list received
// the key's press too: the release of a key pressed elsewhere (Enter or
// Escape closing a message box) types nothing here. Return, Enter and
// Escape are left to the window around the list; they choose no class. Typed text is never added
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
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QSet<int> m_enfoncees;
};

} // namespace vestrel
