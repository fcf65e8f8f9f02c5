// Times whole processes for scripts/bench: the commands run in turn, round
// after round, so that a change of load on the machine strikes all of them
// alike. Each run records its wall time and its CPU time (user + system, from
// wait4), which load barely moves; the medians are printed, one line per
// command: "label wall_ms cpu_ms".
//
//   bench_processus ROUNDS LABEL "COMMAND ARGS" [LABEL "COMMAND ARGS"]...
//
// Arguments are split on spaces; the output of the commands goes to
// /dev/null.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char **environ;

namespace {

struct Commande {
    std::string label;
    std::vector<std::string> mots;
    std::vector<double> reel, cpu;
};

double mediane(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? -1 : v[v.size() / 2];
}

bool lancer(Commande &c)
{
    std::vector<char *> argv;
    for (std::string &m : c.mots)
        argv.push_back(m.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);

    const auto debut = std::chrono::steady_clock::now();
    pid_t pid;
    const int erreur = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (erreur != 0)
        return false;
    int statut = 0;
    rusage usage{};
    if (wait4(pid, &statut, 0, &usage) != pid)
        return false;
    const auto fin = std::chrono::steady_clock::now();

    c.reel.push_back(std::chrono::duration<double, std::milli>(fin - debut).count());
    const auto ms = [](const timeval &t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    c.cpu.push_back(ms(usage.ru_utime) + ms(usage.ru_stime));
    return WIFEXITED(statut);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 4 || argc % 2 != 0) {
        std::fprintf(stderr, "usage: %s ROUNDS LABEL \"COMMAND ARGS\" [LABEL \"COMMAND ARGS\"]...\n", argv[0]);
        return 2;
    }
    const int tours = std::atoi(argv[1]);
    std::vector<Commande> commandes;
    for (int i = 2; i + 1 < argc; i += 2) {
        Commande c{argv[i], {}, {}, {}};
        std::istringstream mots(argv[i + 1]);
        for (std::string m; mots >> m;)
            c.mots.push_back(m);
        commandes.push_back(std::move(c));
    }
    // One round to warm the page cache, not counted.
    for (Commande &c : commandes) {
        if (!lancer(c)) {
            std::fprintf(stderr, "%s: cannot run\n", c.label.c_str());
            return 1;
        }
        c.reel.clear();
        c.cpu.clear();
    }
    for (int t = 0; t < tours; ++t)
        for (Commande &c : commandes)
            lancer(c);
    for (const Commande &c : commandes)
        std::printf("%s %.3f %.3f\n", c.label.c_str(), mediane(c.reel), mediane(c.cpu));
    return 0;
}
