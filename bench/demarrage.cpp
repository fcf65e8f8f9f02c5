// Start-up helper for scripts/bench: builds and shows one window, waits until
// it is exposed, then prints the time taken and the peak resident memory of
// the process and exits. One process per measure, so that peak memory
// belongs to that window alone.
//
//   bench_demarrage principale | vide

#include "app/principale.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// Peak resident set size (kB) as the kernel counts it.
long vmhwm()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &ligne : f.readAll().split('\n'))
        if (ligne.startsWith("VmHWM:"))
            return ligne.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2 || (std::strcmp(argv[1], "principale") != 0 && std::strcmp(argv[1], "vide") != 0)) {
        std::fprintf(stderr, "usage: %s principale|vide\n", argv[0]);
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
        fenetre = std::make_unique<Principale>();
    else
        fenetre = std::make_unique<QWidget>();
    fenetre->show();
    // First shown means painted once into an exposed window.
    while (!(fenetre->windowHandle() && fenetre->windowHandle()->isExposed()) && chrono.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QCoreApplication::processEvents();
    const qint64 ns = chrono.nsecsElapsed();
    const bool expose = fenetre->windowHandle() && fenetre->windowHandle()->isExposed();

    std::printf("%s ns=%lld vmhwm_ko=%ld\n", argv[1], static_cast<long long>(ns), vmhwm());
    return expose ? 0 : 1;
}
