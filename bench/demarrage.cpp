// Start-up helper for scripts/bench: builds and shows one window, waits until
// it is exposed, then prints the time taken and the peak resident memory of
// the process and exits. One process per measure, so that peak memory
// belongs to that window alone.
//
//   bench_demarrage principale | vide | etiquette
//
// "etiquette" is an empty window holding three labels, one in each of the
// program's fonts: it tells the cost of the first texts drawn (font
// database, font matching, glyph caches) apart from the cost of the main
// window's own controls.

#include "app/principale.h"
#include "ui/polices.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <cstring>
#include <memory>

namespace {

// A memory figure (kB) of /proc/self/status: VmHWM is the peak resident set;
// RssAnon and RssFile split the current one into the process's own memory
// and the pages of mapped files (shared library code, fonts), which other
// processes share.
// Private_Dirty of /proc/self/smaps_rollup is the memory that is this
// process's alone and cannot be dropped: heap, stacks, written pages.
long statut(const QByteArray &cle, const QString &fichier = QStringLiteral("/proc/self/status"))
{
    QFile f(fichier);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &ligne : f.readAll().split('\n'))
        if (ligne.startsWith(cle + ':'))
            return ligne.mid(cle.size() + 1).trimmed().split(' ').value(0).toLong();
    return -1;
}

} // namespace

int main(int argc, char *argv[])
{
    const char *const modes[] = {"principale", "vide", "etiquette"};
    if (argc != 2 || std::none_of(std::begin(modes), std::end(modes),
                                  [&](const char *m) { return std::strcmp(argv[1], m) == 0; })) {
        std::fprintf(stderr, "usage: %s principale|vide|etiquette\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Same set-up as app/main.cpp: the application object, then the window.
    QApplication app(argc, argv);

    QElapsedTimer chrono;
    chrono.start();
    std::unique_ptr<QWidget> fenetre;
    if (std::strcmp(argv[1], "principale") == 0)
        fenetre = std::make_unique<vestrel::Principale>();
    else
        fenetre = std::make_unique<QWidget>();
    if (std::strcmp(argv[1], "etiquette") == 0) {
        const QFont polices[] = {vestrel::polices::comic(), vestrel::polices::sans(),
                                 vestrel::polices::symbole()};
        int y = 0;
        for (const QFont &police : polices) {
            auto *etiquette = new QLabel(QStringLiteral("Choix de l'ajustement 0,021"), fenetre.get());
            etiquette->setFont(police);
            etiquette->move(0, y += 20);
        }
    }
    fenetre->show();
    // First shown means painted once into an exposed window.
    while (!(fenetre->windowHandle() && fenetre->windowHandle()->isExposed()) && chrono.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QCoreApplication::processEvents();
    const qint64 ns = chrono.nsecsElapsed();
    const bool expose = fenetre->windowHandle() && fenetre->windowHandle()->isExposed();

    std::printf("%s ns=%lld vmhwm_ko=%ld rssanon_ko=%ld rssfile_ko=%ld prive_ko=%ld\n", argv[1],
                static_cast<long long>(ns), statut("VmHWM"), statut("RssAnon"), statut("RssFile"),
                statut("Private_Dirty", QStringLiteral("/proc/self/smaps_rollup")));
    return expose ? 0 : 1;
}
