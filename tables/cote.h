#pragma once

namespace vestrel {

// Every mechanism of the program exists once for the bore and once for the
// shaft; the side is passed as a value.
enum class Cote { Alesage, Arbre };

} // namespace vestrel
