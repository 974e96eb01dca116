// Closing projects: the kept projects move down to the lowest slots in their old order, the
// closed ones end in the slots above, and the number of projects held shrinks to the number
// kept.
#pragma once

#include "core/Progetti.h"

#include <array>
#include <cstdint>
#include <utility>

namespace kelvra {

// One Integer per project slot 1..6 (index 0 unused).
using TabellaProgetti = std::array<int16_t, MAX_PROGETTI + 1>;

// Keeps the projects whose flag is 1 among slots `inizio`..NumeroProgetti and closes those
// whose flag is 0; afterwards both project numbers name the newest kept project. With no
// project kept nothing changes.
void RiordinaProgetti(TabellaProgetti& mantieni, int16_t inizio);

// For i = inizio..NumeroProgetti in increasing order: when i < ordine[i], exchanges slots i
// and ordine[i].
void ApplicaOrdineProgetti(const TabellaProgetti& ordine, int16_t inizio);

// Exchanges every datum of two project slots.
void ScambiaProgetti(int16_t a, int16_t b);

template <class T> void ScambiaVarianti(T& a, T& b) {
    using std::swap;
    swap(a, b);
}

} // namespace kelvra
