#pragma once

// A console reporter that also remembers the time per iteration of every
// benchmark, so that a program can print ratios of figures measured side by
// side in the same run (same machine state, same build). It keeps CPU time,
// the median of the repetitions when there are several: on a shared machine
// wall time mostly measures the neighbours, while the code under test is
// single-threaded and does no waiting.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <unistd.h>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace vestrel::bench {

class Rapport : public benchmark::ConsoleReporter
{
public:
    Rapport() : ConsoleReporter(isatty(fileno(stdout)) ? OO_Defaults : OO_Tabular) {}

    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            const bool mediane = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.error_occurred || !(mediane || run.run_type == Run::RT_Iteration))
                continue;
            const double ns = run.GetAdjustedCPUTime()
                              * (run.time_unit == benchmark::kNanosecond    ? 1.0
                                 : run.time_unit == benchmark::kMicrosecond ? 1e3
                                 : run.time_unit == benchmark::kMillisecond ? 1e6
                                                                            : 1e9);
            const std::string nom = run.run_name.str();
            if (mediane || !medianes_.contains(nom))
                temps_[nom] = ns;
            if (mediane)
                medianes_.insert(nom);
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // CPU time per iteration in ns (median of the repetitions); negative when
    // the benchmark did not run (filtered out, or failed).
    double ns(const std::string &nom) const
    {
        auto it = temps_.find(nom);
        return it == temps_.end() ? -1 : it->second;
    }

private:
    std::map<std::string, double> temps_;
    std::set<std::string> medianes_;
};

// Prints "label: value unit (target ...) OK/MANQUÉ" on one line.
inline void cible(const char *libelle, double valeur, const char *unite, double limite)
{
    std::printf("%-58s %10.3f %-3s (cible < %g) %s\n", libelle, valeur, unite, limite,
                valeur < 0 ? "ABSENT" : valeur < limite ? "OK" : "MANQUÉ");
}

} // namespace vestrel::bench
