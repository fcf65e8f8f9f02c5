#pragma once
// In order: an output that uses the data and the calculations.
#include "tables/cote.h"
#include "calcul/ajustement.h"
