#pragma once

#include <array>
#include <cstdint>

namespace vestrel {

// Diameter steps and sub-steps of ISO 286-1, in mm. A range (lo, hi] holds D
// exactly when D > lo and D <= hi.
inline constexpr int NbEtapes = 13;
inline constexpr int NbSousEtapes = 25;
inline constexpr std::array<int, NbEtapes + 1> BornesEtapes{
    1, 3, 6, 10, 18, 30, 50, 80, 120, 180, 250, 315, 400, 500};
inline constexpr std::array<int, NbSousEtapes + 1> BornesSousEtapes{
    1, 3, 6, 10, 14, 18, 24, 30, 40, 50, 65, 80, 100, 120,
    140, 160, 180, 200, 225, 250, 280, 315, 355, 400, 450, 500};

constexpr bool dansIntervalle(double d, double lo, double hi) { return d > lo && d <= hi; }

namespace detail {

// Every bound is a whole millimetre, so all diameters in (c - 1, c] share one
// range: a table indexed by the rounded-up diameter answers in one step.
template <int Max, std::size_t N>
constexpr std::array<std::int8_t, Max + 1> parMillimetre(const std::array<int, N> &bornes)
{
    static_assert(N <= 128, "range indexes are 8-bit");
    std::array<std::int8_t, Max + 1> t{};
    for (int c = 0; c <= Max; ++c) {
        t[c] = -1;
        for (std::size_t i = 0; i + 1 < N; ++i)
            if (dansIntervalle(c, bornes[i], bornes[i + 1]))
                t[c] = static_cast<std::int8_t>(i);
    }
    return t;
}

inline constexpr auto EtapeParMillimetre = parMillimetre<500>(BornesEtapes);
inline constexpr auto SousEtapeParMillimetre = parMillimetre<500>(BornesSousEtapes);

template <std::size_t M>
constexpr int chercherIntervalle(const std::array<std::int8_t, M> &t, double lo, double d)
{
    if (!dansIntervalle(d, lo, double(M - 1))) // also rejects NaN
        return -1;
    int c = static_cast<int>(d);
    if (c < d)
        ++c;
    return t[c];
}
constexpr int chercherIntervalle(const std::array<std::int8_t, 501> &t, double d)
{
    return chercherIntervalle(t, 1, d);
}

// Standard tolerance grades IT5..IT18 per diameter step, micrometres, ISO 286-1.
// -1: no class of that grade exists in the step.
inline constexpr int Nd = -1;
inline constexpr int TableIT[14][NbEtapes] = {
    {4, 5, 6, 8, 9, 11, 13, 15, 18, 20, 23, 25, 27},                             // IT5
    {6, 8, 9, 11, 13, 16, 19, 22, 25, 29, 32, 36, 40},                           // IT6
    {10, 12, 15, 18, 21, 25, 30, 35, 40, 46, 52, 57, 63},                        // IT7
    {14, 18, 22, 27, 33, 39, 46, 54, 63, 72, 81, 89, 97},                        // IT8
    {25, 30, 36, 43, 52, 62, 74, 87, 100, 115, 130, 140, 155},                   // IT9
    {40, 48, 58, 70, 84, 100, 120, 140, 160, 185, 210, 230, 250},                // IT10
    {60, 75, 90, 110, 130, 160, 190, 220, 250, 290, 320, 360, 400},              // IT11
    {100, 120, 150, 180, 210, 250, 300, 350, 400, 460, 520, 570, 630},           // IT12
    {140, 180, 220, 270, 330, 390, 460, 540, 630, 720, 810, 890, 970},           // IT13
    {250, 300, 360, 430, 520, 620, 740, 870, 1000, 1150, 1300, 1400, 1550},      // IT14
    {400, 480, 580, 700, 840, 1000, 1200, 1400, 1600, 1850, 2100, 2300, 2500},   // IT15
    {600, 750, 900, 1100, 1300, 1600, 1900, 2200, 2500, 2900, 3200, 3600, 4000}, // IT16
    {Nd, Nd, 1500, 1800, 2100, 2500, 3000, 3500, 4000, 4600, 5200, 5700, 6300},  // IT17
    {Nd, Nd, Nd, 2700, 3300, 3900, 4600, 5400, 6300, 7200, 8100, 8900, 9700},    // IT18
};

} // namespace detail

// Index of the diameter step holding d, or -1 (d <= 1, d > 500, NaN).
constexpr int etape(double d) { return detail::chercherIntervalle(detail::EtapeParMillimetre, d); }
// Index of the sub-step holding d, or -1.
constexpr int sousEtape(double d) { return detail::chercherIntervalle(detail::SousEtapeParMillimetre, d); }
// The diameter step that contains sub-step s.
constexpr int etapeDeSousEtape(int s)
{
    return detail::EtapeParMillimetre[BornesSousEtapes[s + 1]];
}

// Standard tolerance grade ITn of diameter step k in micrometres, for
// n = 5..18; -1 where the grade is not used in that step.
constexpr int IT(int grade, int k)
{
    if (grade < 5 || grade > 18 || k < 0 || k >= NbEtapes)
        return -1;
    return detail::TableIT[grade - 5][k];
}

static_assert(sousEtape(3) == 0 && sousEtape(3.0001) == 1 && sousEtape(500) == 24);
static_assert(sousEtape(1) == -1 && sousEtape(500.01) == -1);
static_assert(etapeDeSousEtape(3) == 3 && etapeDeSousEtape(4) == 3 && etapeDeSousEtape(24) == 12);

// The whole system's steps and sub-steps, 0 < D <= 3150 mm. Its first
// sub-step, 0 < D <= 1, holds the deviations of 1 to 3 where the standard
// defines the class there; above 500 the steps are those of ISO 286-1 for
// large sizes.
inline constexpr int NbEtapesCompletes = 21;
inline constexpr int NbSousEtapesCompletes = 42;
inline constexpr std::array<int, NbEtapesCompletes + 1> BornesEtapesCompletes{
    0, 3, 6, 10, 18, 30, 50, 80, 120, 180, 250, 315, 400, 500, 630, 800, 1000, 1250, 1600, 2000, 2500, 3150};
inline constexpr std::array<int, NbSousEtapesCompletes + 1> BornesSousEtapesCompletes{
    0, 1, 3, 6, 10, 14, 18, 24, 30, 40, 50, 65, 80, 100, 120, 140, 160, 180, 200, 225, 250, 280,
    315, 355, 400, 450, 500, 560, 630, 710, 800, 900, 1000, 1120, 1250, 1400, 1600, 1800, 2000, 2240,
    2500, 2800, 3150};

namespace detail {
inline constexpr auto EtapeCompleteParMillimetre = parMillimetre<3150>(BornesEtapesCompletes);
inline constexpr auto SousEtapeCompleteParMillimetre = parMillimetre<3150>(BornesSousEtapesCompletes);
} // namespace detail

// Index of the whole system's step or sub-step holding d, or -1 (d <= 0,
// d > 3150, NaN).
constexpr int etapeComplete(double d)
{
    return detail::chercherIntervalle(detail::EtapeCompleteParMillimetre, 0, d);
}
constexpr int sousEtapeComplete(double d)
{
    return detail::chercherIntervalle(detail::SousEtapeCompleteParMillimetre, 0, d);
}
constexpr int etapeDeSousEtapeComplete(int s)
{
    return detail::EtapeCompleteParMillimetre[BornesSousEtapesCompletes[s + 1]];
}
// The default sub-steps are the whole system's from 1 on.
inline constexpr int DecalageSousEtapes = 1;

static_assert(sousEtapeComplete(0.001) == 0 && sousEtapeComplete(1) == 0 && sousEtapeComplete(1.001) == 1);
static_assert(sousEtapeComplete(3150) == 41 && sousEtapeComplete(3150.01) == -1 && sousEtapeComplete(0) == -1);
static_assert(etapeDeSousEtapeComplete(0) == 0 && etapeDeSousEtapeComplete(1) == 0
              && etapeDeSousEtapeComplete(26) == 13 && etapeDeSousEtapeComplete(41) == 20);

constexpr bool sousEtapesAlignees()
{
    for (int s = 0; s <= NbSousEtapes; ++s)
        if (BornesSousEtapes[s] != BornesSousEtapesCompletes[s + DecalageSousEtapes])
            return false;
    for (int k = 0; k < NbEtapes; ++k)
        if (BornesEtapes[k + 1] != BornesEtapesCompletes[k + 1])
            return false;
    return true;
}
static_assert(sousEtapesAlignees());

} // namespace vestrel
