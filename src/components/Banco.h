// The shock-absorber test bench as the program sees it: the parameters of a measurement,
// their check, and the bench itself behind a small interface. No bench driver is part of the
// program: the default bench reports that none is connected; a driver (or a test's
// simulated bench) is plugged in with ImpostaBancoProva.
#pragma once

#include "core/Progetti.h"

#include <array>
#include <cstdint>
#include <vector>

namespace kelvra {

constexpr int CICLI_BANCO = 10;
constexpr double CORSA_MASSIMA_BANCO = 160;  // mm
constexpr double VELOCITA_MINIMA_BANCO = 50; // mm/s
constexpr double VELOCITA_MASSIMA_BANCO = 500;

// The parameters of one measurement, internal units (mm, mm/s).
struct ParametriAcquisizione {
    float CorsaMinima = 0;
    float CorsaMassima = 0;
    std::array<float, CICLI_BANCO + 1> VelocitaCiclo{}; // cycles 1..10
    std::array<bool, CICLI_BANCO + 1> CicloAttivo{};
    int16_t CanaleTemperatura = 0; // 1 recorded
    int NumeroCicli() const;
};

// The parameters last accepted for each project (1..6).
extern std::array<ParametriAcquisizione, MAX_PROGETTI + 1> ParametriBanco;

// The line of Quantity naming the first value out of range (72 stroke minimum, 73 stroke
// maximum, 74 the speed of a ticked cycle), or 0 when every value passes.
int ControllaParametri(const ParametriAcquisizione& par);

// One measurement: the shock absorber's load (N) at increasing strokes (mm).
struct MisuraBanco {
    std::vector<double> Corsa;
    std::vector<double> Carico;
};

class BancoProva {
  public:
    virtual ~BancoProva() = default;
    // Runs the cycles; false when no data came back (no bench, failure, cancelled).
    virtual bool Acquisisci(const ParametriAcquisizione& par, MisuraBanco& misura) = 0;
};

// Installs the bench used from now on (nullptr: none connected); returns the previous one.
// The caller keeps ownership.
BancoProva* ImpostaBancoProva(BancoProva* banco);

// Runs the bench for project p with its accepted parameters. With data, the measured load is
// stored as p's static shock curve, one row per millimetre from the stroke minimum (the
// chart of the shock absorber's load reads it), and AcquisizioneAttiva(p) is set; without,
// the flag stays clear and the user is told that no bench answered. Returns the flag.
bool ConfermaAcquisizione(int16_t p);

} // namespace kelvra
