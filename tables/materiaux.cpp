#include "tables/materiaux.h"

#include <array>

namespace vestrel {

namespace {

// Typical values. E, ν and the expansions of steels after EN 1993-1-1 §3.2.6
// and DIN 7190-1 (mean expansion for heating and for cooling in liquid
// nitrogen); yield strengths the minimum of the product standard named, for
// the thickness range given; the other metals after their product standard
// and the producers' data sheets named.
constexpr std::array<Materiau, 10> Table{{
    {"acier", "Acier de construction S235", 210000, 0.30, 235, 11.0e-6, 8.5e-6, 7850,
     "EN 10025-2 (Re, t ≤ 16 mm) ; EN 1993-1-1 (E, ν) ; DIN 7190-1 (α)"},
    {"acier-s355", "Acier de construction S355", 210000, 0.30, 355, 11.0e-6, 8.5e-6, 7850,
     "EN 10025-2 (Re, t ≤ 16 mm) ; EN 1993-1-1 (E, ν) ; DIN 7190-1 (α)"},
    {"acier-c45", "Acier C45 trempé et revenu", 210000, 0.30, 430, 11.0e-6, 8.5e-6, 7850,
     "EN 10083-2 (C45+QT, Re, 16 < d ≤ 40 mm) ; DIN 7190-1 (α)"},
    {"acier-42crmo4", "Acier 42CrMo4 trempé et revenu", 210000, 0.30, 750, 11.0e-6, 8.5e-6, 7850,
     "EN 10083-3 (42CrMo4+QT, Re, 16 < d ≤ 40 mm) ; DIN 7190-1 (α)"},
    {"inox", "Acier inoxydable X5CrNi18-10", 200000, 0.30, 190, 16.0e-6, 14.0e-6, 7900,
     "EN 10088-3 (1.4301 barres, Rp0,2) ; EN 10088-1 (E, α, ρ)"},
    {"fonte-gjs400", "Fonte à graphite sphéroïdal EN-GJS-400-15", 169000, 0.275, 250, 10.0e-6, 8.0e-6, 7100,
     "EN 1563 (Rp0,2, E, ν) ; DIN 7190-1 (α)"},
    {"alu-6082", "Alliage d'aluminium EN AW-6082 T6", 70000, 0.30, 250, 23.0e-6, 18.0e-6, 2700,
     "EN 755-2 (Rp0,2, profilés e ≤ 5 mm) ; EN 1999-1-1 (E, ν, α, ρ) ; DIN 7190-1 (α refroidi)"},
    {"bronze", "Bronze CuSn12-C", 100000, 0.35, 140, 17.0e-6, 15.0e-6, 8700,
     "EN 1982 (Rp0,2, moulé au sable) ; DIN 7190-1 (α) ; Deutsches Kupferinstitut (E, ν, ρ)"},
    {"laiton", "Laiton CuZn39Pb3", 96000, 0.37, 250, 18.0e-6, 16.0e-6, 8470,
     "EN 12164 (CuZn39Pb3 R430, Rp0,2) ; DIN 7190-1 (α) ; Deutsches Kupferinstitut (E, ν, ρ)"},
    {"titane", "Alliage de titane Ti-6Al-4V", 114000, 0.34, 828, 8.6e-6, 7.0e-6, 4430,
     "ASTM B348 grade 5 (Re) ; ASM Handbook vol. 2 (E, ν, α, ρ)"},
}};

static_assert(Table[0].cle == "acier", "structural steel is the default and comes first");

constexpr bool valeursPlausibles()
{
    for (const Materiau &m : Table)
        if (!(m.E_MPa > 0 && m.nu > 0 && m.nu < 0.5 && m.Re_MPa > 0 && m.alpha_chauffe_par_K > 0 &&
              m.alpha_refroidi_par_K > 0 && m.alpha_refroidi_par_K < m.alpha_chauffe_par_K && m.rho_kg_m3 > 0))
            return false;
    return true;
}
static_assert(valeursPlausibles(), "every value in range, cooling expansion below heating expansion");

} // namespace

std::span<const Materiau> materiaux() { return Table; }

std::optional<Materiau> materiau(std::string_view cle)
{
    for (const Materiau &m : Table)
        if (m.cle == cle)
            return m;
    return std::nullopt;
}

const Materiau &acierParDefaut() { return Table[0]; }

} // namespace vestrel
