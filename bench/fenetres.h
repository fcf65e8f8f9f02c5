#pragma once

// What the benchmarks of windows share: the program's start under a
// QApplication, Qt's queued events delivered outside the timed region, and
// the class choice in the main window that their figures are measured beside.

#include "bench/rapport.h"

#include "app/principale.h"

#include <QApplication>
#include <QComboBox>
#include <QString>

#include <cstddef>

namespace vestrel::bench {

// Two bore classes chosen in turn, so that every step changes the fit.
inline constexpr const char *Classes[] = {"H7", "G7"};

// Qt queues repaints and layout requests; they are delivered outside the
// timed region so that they neither pile up nor count for either side.
inline void livrerEvenements(benchmark::State &state, std::size_t n)
{
    if (n % 25 == 0) {
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

// The bore classes of `Classes` chosen in turn in the main window's list,
// each choice followed by `apres` (what is measured with it). Returns the
// number of choices made; 0, the benchmark skipped, where the list or a
// class is missing.
template <class Apres>
std::size_t choisirAlesages(benchmark::State &state, Principale &fenetre, Apres apres)
{
    auto *alesage = fenetre.findChild<QComboBox *>(QStringLiteral("Aj_Alesage"));
    const int positions[] = {alesage ? alesage->findText(QLatin1String(Classes[0])) : -1,
                             alesage ? alesage->findText(QLatin1String(Classes[1])) : -1};
    if (positions[0] < 0 || positions[1] < 0) {
        state.SkipWithError("Aj_Alesage or its classes not found");
        return 0;
    }
    std::size_t n = 0;
    for (auto _ : state) {
        alesage->setCurrentIndex(positions[n % 2]);
        apres();
        livrerEvenements(state, ++n);
    }
    return n;
}

// Runs the benchmarks asked for on the command line under a QApplication
// (offscreen unless QT_QPA_PLATFORM names a platform), then `resume`, which
// prints the figures from the reporter.
template <class Resume>
int executer(int argc, char **argv, Resume resume)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    Rapport rapport;
    benchmark::RunSpecifiedBenchmarks(&rapport);
    resume(rapport);
    benchmark::Shutdown();
    return 0;
}

} // namespace vestrel::bench
