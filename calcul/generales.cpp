#include "calcul/generales.h"

namespace vestrel {

ToleranceGenerale toleranceGenerale(GenreGeneral genre, ClasseGenerale classe, double taille_mm)
{
    ToleranceGenerale t;
    t.classe = classe;
    t.ecart = ecartGeneral(genre, classe, taille_mm);
    if (!t.ecart)
        return t;
    if (genre == GenreGeneral::Angle) {
        t.degres = t.ecart->ecart_minutes / 60;
        t.minutes = t.ecart->ecart_minutes % 60;
        t.ecart_degres = t.ecart->ecart_minutes / 60.0;
        return t;
    }
    t.ecart_mm = t.ecart->ecart_um / 1000.0;
    // ISO 2768-1 §5: the general tolerance is a symmetric deviation about the nominal size.
    t.mini_mm = taille_mm - t.ecart_mm;
    t.maxi_mm = taille_mm + t.ecart_mm;
    return t;
}

std::array<ToleranceGenerale, 4> tolerancesGenerales(GenreGeneral genre, double taille_mm)
{
    std::array<ToleranceGenerale, 4> r;
    for (std::size_t i = 0; i < r.size(); ++i)
        r[i] = toleranceGenerale(genre, ClassesGenerales[i], taille_mm);
    return r;
}

} // namespace vestrel
