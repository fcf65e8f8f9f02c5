#pragma once

#include "cli/arguments.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vestrel::ligne {

// The press fit (--press), the free fit (--free) and the materials table
// (--materials) of vestrel-fit. Returns none when the arguments hold none of
// these forms nor a press fit option; throws MauvaiseEntree on bad input.
std::optional<Sortie> executerFrettage(std::span<const std::string> args);

// Their part of --help.
extern const std::string_view AideFrettage;

} // namespace vestrel::ligne
