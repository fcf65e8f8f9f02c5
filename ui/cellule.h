#pragma once

#include <QColor>
#include <QLabel>

namespace vestrel {

// A flat, read-only text cell that draws its own look: the toolbar cells,
// the menu titles and the "Calculer" button. Its border style (0 none,
// 1 single), appearance (0 flat, 1 3D) and background are set at run time by
// the highlight operations. It shows the arrow pointer, never a text cursor.
class Cellule : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(int borderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(int appearance READ appearance WRITE setAppearance)
    Q_PROPERTY(QColor backColor READ backColor WRITE setBackColor)

public:
    explicit Cellule(const QString &texte, QWidget *parent = nullptr);

    int borderStyle() const { return m_borderStyle; }
    void setBorderStyle(int style);
    int appearance() const { return m_appearance; }
    void setAppearance(int appearance);
    QColor backColor() const { return m_backColor; }
    void setBackColor(const QColor &couleur);

signals:
    // Any mouse button pressed on the cell.
    void presse();
    // The pointer moved over the cell; globalPos is where it is.
    void survole(const QPoint &globalPos);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    int m_borderStyle = 0;
    int m_appearance = 0;
    QColor m_backColor{Qt::white};
};

// A rectangle drawn on its container's background, under the controls:
// filled or outlined. It never takes pointer events.
class Forme : public QWidget
{
    Q_OBJECT

public:
    Forme(const QColor &contour, const QColor &remplissage, QWidget *parent = nullptr);
    explicit Forme(const QColor &contour, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_contour;
    QColor m_remplissage;
};

} // namespace vestrel
