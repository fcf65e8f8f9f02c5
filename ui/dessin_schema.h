#pragma once

#include "rendu/schema.h"

class QPainter;

namespace vestrel {

// Paints a laid-out diagram with `p`, in the plan's own pixels from (0, 0):
// scale the painter to draw it at another size or resolution. The same
// elements, styles and order as the plan's SVG (svgSchema); texts stay text,
// so that a PDF sheet can be searched.
void peindreSchema(QPainter &p, const PlanSchema &plan);

} // namespace vestrel
