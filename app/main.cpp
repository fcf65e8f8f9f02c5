#include "app/principale.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    vestrel::Principale fenetre;
    fenetre.show();
    return app.exec();
}
