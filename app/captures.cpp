// Saves pictures of the main window in the "Barre outil" and "Libre" ways of
// working, for the documentation. Usage: vestrel_captures <folder>
#include "app/principale.h"
#include "ui/cellule.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QPixmap>
#include <QRadioButton>
#include <QLineEdit>

#include <cstdio>

namespace {

void attendre()
{
    for (int i = 0; i < 20; ++i)
        QApplication::processEvents();
}

bool presser(Principale &fenetre, const QString &rangee, const QString &texte)
{
    for (vestrel::Cellule *c : fenetre.findChildren<vestrel::Cellule *>()) {
        if (c->objectName().startsWith(rangee + QLatin1Char('(')) && c->text() == texte) {
            const QPointF centre = QRectF(c->rect()).center();
            QMouseEvent appui(QEvent::MouseButtonPress, centre, c->mapToGlobal(centre),
                              Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(c, &appui);
            return true;
        }
    }
    std::fprintf(stderr, "no cell %s\n", qPrintable(texte));
    return false;
}

bool enregistrer(Principale &fenetre, const QString &chemin)
{
    attendre();
    if (!fenetre.grab().save(chemin)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(chemin));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QDir dossier(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));

    Principale fenetre;
    fenetre.show();
    attendre();

    fenetre.findChild<QRadioButton *>(QStringLiteral("Ch_opt(1)"))->setChecked(true);
    fenetre.findChild<QLineEdit *>(QStringLiteral("Diametre"))->setText(QStringLiteral("25"));
    bool ok = presser(fenetre, QStringLiteral("Lbl_TB_Cl_Al"), QStringLiteral("H"))
              && presser(fenetre, QStringLiteral("Lbl_TB_Ql_Al"), QStringLiteral("7"))
              && presser(fenetre, QStringLiteral("Lbl_TB_Cl_Ar"), QStringLiteral("g"))
              && presser(fenetre, QStringLiteral("Lbl_TB_Ql_Ar"), QStringLiteral("6"))
              && enregistrer(fenetre, dossier.filePath(QStringLiteral("barre-outil.png")));

    fenetre.findChild<QRadioButton *>(QStringLiteral("Ch_opt(2)"))->setChecked(true);
    ok = ok && enregistrer(fenetre, dossier.filePath(QStringLiteral("libre.png")));
    return ok ? 0 : 1;
}
