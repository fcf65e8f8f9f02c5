#pragma once
// A table that reaches up into the calculations: the check must refuse it.
#include "calcul/ajustement.h"
