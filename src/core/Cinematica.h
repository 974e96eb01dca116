// The kinematic solver: moves the wheel of the newest project upwards from its rest position
// 1 mm at a time, up to 750 mm, closes the linkage at every point, finds the shock absorber's
// length and force, carries that force back through the chain to the swingarm and stores the
// positions and result curves of the point. The run stops at the first point that cannot be
// solved; the ratio curves are then derived and the project's point count set.
//
// The solver always works on project `NumeroProgetti` and writes only that project's tables.
// Its single-value inputs (`NumeroElementiCatena`, `NumeroGiunzioni`,
// `AmmortizzatoreSuForcellone`) are derived from that project at the start of every run.
// The angles, lengths and forces of a run stay inside the solver.
#pragma once

#include "core/Progetti.h"

#include <cstdint>

namespace kelvra {

extern float PassoCorsa;   // wheel travel per point, mm; the animation sets it before a run
extern int16_t CorsaRuota; // wheel travel of the point being solved, mm; the animation's position

// Solves project NumeroProgetti over the wheel travel; ends with VerificaCalcolo.
void CalcolaCinematica();
// The same solve without the warning: for a rerun the user did not ask for by name.
void RisolviCinematica();

// Direction of the vector (dx, dy), radians, in (-pi/2, 3pi/2].
double CalcolaAngolo(double dy, double dx);

// Distance of two points, computed in 8-byte reals.
double Distanza(const Punto& a, const Punto& b);

// Meeting points of two circles: -1 when they meet (S1, S2 set; S1 the higher of the two, or
// the one further along x when both lie at one height), 0 when they do not or when the two
// centres coincide.
double IntersezioneCerchi(const Punto& C1, const Punto& C2, double r1, double r2, Punto& S1,
                          Punto& S2);

// Gas force of project NumeroProgetti from its gas pressure (bar) and piston diameter (mm).
void CalcolaForzaGas();

// When the newest project has no usable result, warns (line 41 of the message texts) and
// returns true; otherwise returns false.
bool VerificaCalcolo();

} // namespace kelvra
