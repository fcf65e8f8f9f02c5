// The vestrel-fit executable under bad input: every wrong command line ends
// with status 2, one clean line on stderr and nothing on stdout. The real
// program runs in a child process, so arguments reach it as raw bytes.
#include <gtest/gtest.h>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

namespace {

struct Sortie {
    int code = -1;
    std::string out, err;
};

// Runs vestrel-fit with `args`; a child still running after 10 s is killed
// and reported, so a hang fails the test instead of blocking it.
Sortie lancer(const std::vector<std::string> &args)
{
    int tubeOut[2], tubeErr[2];
    if (pipe(tubeOut) != 0 || pipe(tubeErr) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, tubeOut[1], 1);
    posix_spawn_file_actions_adddup2(&actions, tubeErr[1], 2);
    posix_spawn_file_actions_addclose(&actions, tubeOut[0]);
    posix_spawn_file_actions_addclose(&actions, tubeErr[0]);
    std::vector<char *> argv{const_cast<char *>(VESTREL_FIT)};
    for (const auto &a : args)
        argv.push_back(const_cast<char *>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int erreur = posix_spawn(&pid, VESTREL_FIT, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(tubeOut[1]);
    close(tubeErr[1]);
    Sortie s;
    if (erreur == 0) {
        const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        pollfd fds[2] = {{tubeOut[0], POLLIN, 0}, {tubeErr[0], POLLIN, 0}};
        std::string *cibles[2] = {&s.out, &s.err};
        int ouverts = 2;
        while (ouverts > 0 && std::chrono::steady_clock::now() < limite) {
            if (poll(fds, 2, 200) <= 0)
                continue;
            for (int i = 0; i < 2; ++i) {
                if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP)))
                    continue;
                char tampon[4096];
                const ssize_t n = read(fds[i].fd, tampon, sizeof tampon);
                if (n > 0) {
                    cibles[i]->append(tampon, static_cast<std::size_t>(n));
                } else {
                    fds[i].fd = -1;
                    --ouverts;
                }
            }
        }
        if (ouverts > 0)
            kill(pid, SIGKILL);
        int statut = 0;
        waitpid(pid, &statut, 0);
        s.code = ouverts > 0 ? -2 : WIFEXITED(statut) ? WEXITSTATUS(statut) : 128 + WTERMSIG(statut);
    }
    close(tubeOut[0]);
    close(tubeErr[0]);
    return s;
}

struct Cas {
    const char *nom;
    std::vector<std::string> args;
};

void PrintTo(const Cas &c, std::ostream *os) { *os << c.nom; }

class MauvaiseEntree : public testing::TestWithParam<Cas> {};

TEST_P(MauvaiseEntree, StatusTwoAndOneLineOnStderr)
{
    const Sortie s = lancer(GetParam().args);
    EXPECT_EQ(s.code, 2);
    EXPECT_EQ(s.out, "");
    const std::string &e = s.err;
    EXPECT_TRUE(!e.empty() && e.back() == '\n' && std::count(e.begin(), e.end(), '\n') == 1) << e;
    EXPECT_TRUE(std::all_of(e.begin(), e.end() - 1, [](char c) { return c >= 0x20 && c < 0x7F; }))
        << "unprintable byte in: " << e;
}

const std::string Chiffres(100000, '9');
const std::string Fraction = "0." + std::string(100000, '0') + "1";

INSTANTIATE_TEST_SUITE_P(
    Diametres, MauvaiseEntree,
    testing::Values(Cas{"one", {"1", "H7", "g6"}}, Cas{"zero", {"0", "H7", "g6"}},
                    Cas{"negative", {"-25", "H7", "g6"}}, Cas{"minus_zero", {"-0", "H7", "g6"}},
                    Cas{"above_500", {"500.5", "H7", "g6"}}, Cas{"huge", {Chiffres, "H7", "g6"}},
                    Cas{"tiny", {Fraction, "H7", "g6"}}, Cas{"exponent", {"1e400", "H7", "g6"}},
                    Cas{"hexadecimal", {"0x10", "H7", "g6"}}, Cas{"two commas", {"25,4,1", "H7", "g6"}},
                    Cas{"two_points", {"12.5.3", "H7", "g6"}}, Cas{"letters", {"abc", "H7", "g6"}},
                    Cas{"nan", {"nan", "H7", "g6"}}, Cas{"inf", {"inf", "H7", "g6"}},
                    Cas{"empty", {"", "H7", "g6"}}, Cas{"blanks", {" 25 ", "H7", "g6"}},
                    Cas{"full_width", {"\xEF\xBC\x92\xEF\xBC\x95", "H7", "g6"}},
                    Cas{"not_utf8", {"\xFF\xFE\x80", "H7", "g6"}}, Cas{"control", {"2\x01" "5", "H7", "g6"}}));

INSTANTIATE_TEST_SUITE_P(
    Classes, MauvaiseEntree,
    testing::Values(Cas{"shaft_class_as_bore", {"25", "h7", "g6"}}, Cas{"bore_class_as_shaft", {"25", "H7", "G6"}},
                    Cas{"star_missing", {"25", "E11", "g6"}}, Cas{"shaft_star_missing", {"25", "H7", "e10"}},
                    Cas{"star_added", {"25", "H7*", "g6"}}, Cas{"unknown", {"25", "Q7", "g6"}},
                    Cas{"empty_bore", {"25", "", "g6"}}, Cas{"empty_shaft", {"25", "H7", ""}},
                    Cas{"not_utf8", {"25", "H\xC3", "g6"}}, Cas{"long", {"25", std::string(100000, 'H'), "g6"}},
                    Cas{"no_deviations_bore", {"110", "P9", "h6"}}, Cas{"no_deviations_shaft", {"20", "H7", "t6"}},
                    Cas{"T_below_24", {"20", "T7", "h6"}}));

INSTANTIATE_TEST_SUITE_P(
    Arguments, MauvaiseEntree,
    testing::Values(Cas{"none", {}}, Cas{"diameter_only", {"25"}}, Cas{"no_shaft", {"25", "H7"}},
                    Cas{"extra", {"25", "H7", "g6", "x"}}, Cas{"extra_empty", {"25", "H7", "g6", ""}},
                    Cas{"all_empty", {"", "", ""}}, Cas{"unknown_option", {"--vite", "25", "H7", "g6"}},
                    Cas{"json_twice", {"--json", "--json", "25", "H7", "g6"}}, Cas{"json_alone", {"--json"}},
                    Cas{"offered_without_d", {"--offered"}}, Cas{"offered_bad_d", {"--offered", "600"}},
                    Cas{"offered_extra", {"--offered", "25", "x"}}, Cas{"help_extra", {"--help", "x"}},
                    Cas{"table_and_json", {"--table", "--json"}},
                    Cas{"option_not_utf8", {"--\xFF", "25", "H7", "g6"}}));

// The drawing and the diagram take the same input as the plain results, and
// refuse it the same way: never a partial drawing on stdout.
INSTANTIATE_TEST_SUITE_P(
    Dessins, MauvaiseEntree,
    testing::Values(Cas{"drawing_alone", {"--drawing"}}, Cas{"svg_alone", {"--svg"}},
                    Cas{"drawing_no_shaft", {"25", "H7", "--drawing"}}, Cas{"svg_twice", {"25", "H7", "g6", "--svg", "--svg"}},
                    Cas{"drawing_and_svg", {"--drawing", "25", "H7", "g6", "--svg"}},
                    Cas{"json_and_svg", {"25", "H7", "g6", "--json", "--svg"}},
                    Cas{"svg_and_table", {"--svg", "--table"}}, Cas{"drawing_and_offered", {"--drawing", "--offered", "25"}},
                    Cas{"svg_no_deviations", {"110", "P9", "h6", "--svg"}},
                    Cas{"drawing_no_deviations", {"20", "H7", "t6", "--drawing"}},
                    Cas{"svg_bad_diameter", {"500.5", "H7", "g6", "--svg"}},
                    Cas{"drawing_bad_class", {"25", "H7", "G6", "--drawing"}},
                    Cas{"svg_misspelt", {"25", "H7", "g6", "--SVG"}}));
INSTANTIATE_TEST_SUITE_P(
    Recherche, MauvaiseEntree,
    testing::Values(Cas{"find_alone", {"--find"}}, Cas{"find_without_range", {"--find", "25"}},
                    Cas{"find_bad_d", {"--find", "500.5", "0:1"}}, Cas{"find_extra", {"--find", "25", "0:1", "2"}},
                    Cas{"min_above_max", {"--find", "25", "0.04:0.01"}},
                    Cas{"no_colon", {"--find", "25", "0.01"}}, Cas{"two_colons", {"--find", "25", "0:1:2"}},
                    Cas{"empty_bound", {"--find", "25", ":1"}}, Cas{"exponent_bound", {"--find", "25", "1e-2:1"}},
                    Cas{"huge_bound", {"--find", "25", "0:" + Chiffres}},
                    Cas{"not_utf8_range", {"--find", "25", "0:\xFF"}},
                    Cas{"basis_unknown", {"--find", "25", "0:1", "--basis", "all"}},
                    Cas{"basis_missing", {"--find", "25", "0:1", "--basis"}},
                    Cas{"basis_not_utf8", {"--find", "25", "0:1", "--basis", "\xC3\xA9"}},
                    Cas{"basis_without_find", {"25", "H7", "g6", "--basis", "hole"}},
                    Cas{"find_and_offered", {"--find", "25", "0:1", "--offered"}},
                    Cas{"preferred_alone", {"--preferred"}}, Cas{"preferred_bad_d", {"--preferred", "0"}},
                    Cas{"preferred_extra", {"--preferred", "25", "26"}}));

TEST(Fit, FindTellsByItsStatusWhetherAFitMatches)
{
    const Sortie trouve = lancer({"--find", "25", "0.005:0.045"});
    EXPECT_EQ(trouve.code, 0);
    EXPECT_EQ(trouve.err, "");
    EXPECT_NE(trouve.out.find("H7/g6 max=0.0410 min=0.0070 nature jeu\n"), std::string::npos) << trouve.out;
    const Sortie proches = lancer({"--find", "25", "5:6", "--basis", "shaft"});
    EXPECT_EQ(proches.code, 1);
    EXPECT_EQ(proches.err, "");
    EXPECT_EQ(std::count(proches.out.begin(), proches.out.end(), '\n'), 10) << proches.out;
}

TEST(Fit, GoodInputStillAnswers)
{
    // The same harness on a valid command, so that a broken harness cannot
    // pass the cases above by failing to start the program.
    const Sortie s = lancer({"25", "H7", "g6"});
    EXPECT_EQ(s.code, 0);
    EXPECT_EQ(s.err, "");
    EXPECT_EQ(s.out.rfind("alesage H7 ES=0.021 EI=0 max=25.021 min=25\n", 0), 0u) << s.out;
    const Sortie svg = lancer({"25", "H7", "g6", "--svg"});
    EXPECT_EQ(svg.code, 0);
    EXPECT_TRUE(svg.out.starts_with("<?xml") && svg.out.ends_with("</svg>\n")) << svg.out.substr(0, 80);
    EXPECT_EQ(lancer({"25", "H7", "g6", "--drawing"}).out.rfind("Ajustement \u220525 H7/g6 : avec jeu\n", 0), 0u);
}

} // namespace
