// What the component windows commit into the project tables, without any window: the
// spring, bump-stop and shock-absorber commits, judged by the core's compatibility rule that
// the file readers and the solve of the geometry share, the static shock curve that follows,
// and the preload's limit and commit. Every procedure acts on one project throughout, the
// slot ProgettoSelezionato that the calling menu chose.
#pragma once

#include "components/TabellaComponente.h"
#include "core/DatiStatici.h"
#include "core/Progetti.h"

#include <cstdint>

namespace kelvra {

// The commits of the force-table windows into ProgettoSelezionato: the table, the entered
// and unsaved-changes flags, the compatibility, the state code, the static shock curve and,
// when the project's geometry is entered, its results (RisolviProgetto).
void SalvaDatiMolla(const TabellaComponente& tabella, int16_t modo, int16_t numeroMolle);
void SalvaDatiTampone(const TabellaComponente& tabella, int16_t modo);

// The shock absorber's dimensions, mm.
struct DimensioniAmmortizzatore {
    double A = 0, B = 0, Corsa = 0, Interasse = 0;
    double SedeMolla() const { return Interasse - (A + B); }
};
DimensioniAmmortizzatore DimensioniDi(const Progetto& p);
// A usable shock absorber: seat distance and stroke above 0, seat distance not below stroke.
bool VerificaAmmortizzatore(const DimensioniAmmortizzatore& d);
// Stores the dimensions into ProgettoSelezionato: A, B, stroke, eye-to-eye length, the seat
// distance they give and the eye-to-eye length at full compression.
void SalvaDatiAmmortizzatore(const DimensioniAmmortizzatore& d);
// Stores the dimensions, marks the shock absorber entered when they pass the check,
// sets the flags and the state code and recomputes the static shock curve and the results.
// Returns the verdict of the check.
bool ConfermaAmmortizzatore(const DimensioniAmmortizzatore& d);

// The gas charge of ProgettoSelezionato (bar, mm; 0 and 0 clear it): its force follows, the
// shock absorber counts as changed and the static shock curve and the results are brought up
// to date.
void ImpostaGas(double pressioneBar, double diametroMm);

// The preload that the shock absorber's housing puts on the spring, mm: |L - static length|,
// 0 when either is 0.
double PrecaricoAlloggiamento(const Progetto& p);
// The largest setup preload the window accepts, mm: what the spring has left to the
// coil-bound length after the static travel and the housing and fitted preloads, or 1000
// when nothing is left.
double PrecaricoMassimoMm(const Progetto& p);
// The preload window's OK on ProgettoSelezionato with the setup preload in mm: false (and
// nothing stored) when the fitted preload would bring the spring to coil-bound. Otherwise
// stores it, judges the spring again, recomputes its static shock curve and reruns
// the solver when the project's geometry is entered. A preload that changes marks the spring,
// and so the project, unsaved.
bool ConfermaPrecarico(double setupMm);

} // namespace kelvra
