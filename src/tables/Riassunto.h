// What the summary table shows, without widgets: the eleven result rows (caption, curve,
// factor, formats), which rows a state code enables, the value of a row at a typed wheel
// travel, its maximum over the computed travel, the travel entry's limit and the dimension
// list of a project's linkage.
#pragma once

#include "core/Progetti.h"
#include "core/Superficie.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kelvra {

constexpr int RIGHE_RIASSUNTO = 11; // result rows 0..10; row 11 is the travel entry

// Caption of result row k (0..10) or of the travel entry (11).
std::string DidascaliaRiassunto(int k);

// Which result rows a state code enables: rows 0-5 need the geometry, rows 6-10 the wheel
// loads too (spring or shock absorber and bump stop, as the solver computes them); a code
// without geometry, 0 included, enables none.
std::array<bool, RIGHE_RIASSUNTO> RigheAbilitate(int stato);

// The point index of a typed travel in the shown length unit: empty text reads 0; text that
// is not a whole number, or a point past the project's last computed one, has none.
std::optional<int> PuntoCorsa(const std::string& testo, int16_t progetto);

// The text of row k at point i of the project.
std::string ValoreRiassunto(int k, int16_t progetto, int i);

// The maximum of row k over points 0..NumPunti: "X:" and the travel of its first point,
// "Y:" and the value.
struct MassimoRiassunto {
    std::string x;
    std::string y;
};
MassimoRiassunto MassimoRigaRiassunto(int k, int16_t progetto);

// Texts as wide as the result labels show, for the room the window keeps them: the travel
// of a maximum at each point of a full curve, and a value of three whole figures with every
// decimal written, of each row in its formats at the travel and of the maximum.
std::vector<std::string> CampioniX();
std::vector<std::string> CampioniY();

// The largest travel the entry takes for the project, in the shown length unit.
double LimiteCorsa(int16_t progetto);
// The entry's hover hint: "<LIMITS>: (0; <limit>) <unit>".
std::string SuggerimentoLimiti(int16_t progetto);

// The dimension list of a project's linkage: one label and one value text per line.
struct RigaDimensione {
    std::string etichetta;
    std::string valore; // ": " and the length in the shown unit
};
std::vector<RigaDimensione> DimensioniSchema(int16_t progetto);

// Where the list would end when written on `superficie` in its present type, mm from the
// left edge: the widest line's end.
double LarghezzaDimensioni(const Superficie& superficie, const std::vector<RigaDimensione>& righe);

// Writes the list from the top-left corner (0.5 mm in), one line under the other 0.8 mm
// apart, the values in a column at 53 mm, or further right when a label would reach it.
// Returns where the widest line ends, mm from the left edge.
double DisegnaDimensioni(Superficie& superficie, const std::vector<RigaDimensione>& righe);

} // namespace kelvra
