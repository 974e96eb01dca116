// The kinematic solver: moves the wheel of the newest project upwards from its rest position
// 1 mm at a time, up to 750 mm, closes the linkage at every point, finds the shock absorber's
// length and force, carries that force back through the chain to the swingarm and stores the
// positions and result curves of the point. The run stops at the first point that cannot be
// solved; the ratio curves are then derived and the project's point count set.
//
// The solver always works on project `NumeroProgetti` and writes only that project's tables.
// Its single-value inputs (`NumeroElementiCatena`, `NumeroGiunzioni`,
// `AmmortizzatoreSuForcellone`) are derived from that project at the start of every run.
#pragma once

#include "core/Progetti.h"

#include <array>
#include <cstdint>

namespace kelvra {

// --- per-project geometry constants, rebuilt at point 0 of every run (index p = 1..6) ------
using PerProgetto = std::array<double, MAX_PROGETTI + 1>;
using PerGiunzioneProgetto = std::array<std::array<double, MAX_GIUNZIONI + 1>, MAX_PROGETTI + 1>;

extern PerProgetto LunghezzaForcellone;             // pivot to axle at rest, mm
extern PerProgetto DistanzaPernoAttacco;            // pivot to the linkage attachment, mm
extern PerProgetto DistanzaPernoSupporto;           // pivot to a swingarm-carried shock mount, mm
extern PerGiunzioneProgetto LunghezzaAstaGiunzione; // [p][k] start point to node, mm
extern PerGiunzioneProgetto RaggioNodoGiunzione;    // [p][k] frame pivot k + 1 to node, mm
extern PerGiunzioneProgetto RaggioVerticeGiunzione; // [p][k] the radius placing the far vertex

// --- run state -------------------------------------------------------------------------
using PerGiunzione = std::array<double, MAX_GIUNZIONI + 1>; // junction 1..4 (0 where stated)

extern float PassoCorsa;                  // wheel travel per point, mm
extern int16_t CorsaRuota;                // wheel travel of the point being solved, mm
extern double IncrementoAngoloForcellone; // change of the swingarm direction since last point
extern double AngoloAttacco;              // direction of the attachment seen from the pivot
extern double AngoloSupporto;             // direction of a swingarm-carried shock mount
extern double AngoloAmmortizzatore;       // shock axis, other mount to chain end
extern PerGiunzione AngoloAsta;           // start point to node
extern PerGiunzione AngoloNodo;           // frame pivot to node
extern PerGiunzione AngoloVertice;        // frame pivot to far vertex
extern PerGiunzione AngoloTriangolo;      // start point to far vertex
extern PerGiunzione ForzaGiunzione;
extern PerGiunzione ForzaGiunzioneOpposta;
extern PerGiunzione ForzaGiunzioneX;
extern PerGiunzione ForzaGiunzioneY;
extern PerGiunzione ForzaNodoX;
extern PerGiunzione ForzaNodoY;
extern PerGiunzione CaricoNodoX; // load at the far vertex of junction 0..4
extern PerGiunzione CaricoNodoY;
extern double CorsaTampone;          // bump-stop free length minus fully compressed length
extern double RapportoCaricoStatico; // wheel load over shock force at rest

// Solves project NumeroProgetti over the wheel travel; ends with VerificaCalcolo.
void CalcolaCinematica();

// Sets the twelve result curves of project p to 0 at every point.
void AzzeraRisultati(int16_t p);

// One point of the run; false ends the run at that point.
bool CalcolaPassoForcellone(int16_t i);
bool RisolviGiunzione(int16_t k, int16_t i);
bool CalcolaAmmortizzatore(int16_t i);
void CalcolaRisultatiPasso(int16_t k, int16_t i);

// Direction of the vector (dx, dy), radians, in (-pi/2, 3pi/2].
double CalcolaAngolo(double dy, double dx);

// Distance of two points, computed in 8-byte reals.
double Distanza(const Punto& a, const Punto& b);

// Meeting points of two circles: -1 when they meet (S1, S2 set), 0 when they do not or when
// the two centres coincide.
double IntersezioneCerchi(const Punto& C1, const Punto& C2, double r1, double r2, Punto& S1,
                          Punto& S2);

// Gas force of project NumeroProgetti from its gas pressure (bar) and piston diameter (mm).
void CalcolaForzaGas();

// When the newest project has no usable result, warns (line 41 of the message texts) and
// returns true; otherwise returns false.
bool VerificaCalcolo();

} // namespace kelvra
