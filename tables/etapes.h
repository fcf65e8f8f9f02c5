#pragma once

#include <array>

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

// Index of the diameter step holding d, or -1 (d <= 1, d > 500, NaN).
int etape(double d);
// Index of the sub-step holding d, or -1.
int sousEtape(double d);
// The diameter step that contains sub-step s.
int etapeDeSousEtape(int s);

// Standard tolerance grade ITn of diameter step k in micrometres, for
// n = 5..18; -1 where the grade is not used in that step.
int IT(int grade, int k);

} // namespace vestrel
