// The project tables: everything the program knows about the six projects it holds.
//
// Each project slot 1..6 is one `Progetto` record in `Progetti` (index 0 is unused), so that
// exchanging two slots is one swap and copying a slot is one assignment. The record's fields
// carry the names and element types of the program's tables: Single = float, Double = double,
// Integer = int16_t. A table indexed (project, i) in the program's language is
// `Progetti[p].Table[i]` here.
//
// Flags hold -1 (true) or 0 (false), except `AmmortizzatoreFisso` and the compatibility flags,
// which hold 1 or 0. A test for a -1/0 flag compares with -1 (`Vero`).
//
// All text is held as bytes in the language file's code page (Windows-1252, or 1250 for a
// central-European language); the windows convert it for display.
#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>

namespace kelvra {

constexpr int16_t VERO = -1;
constexpr int16_t FALSO = 0;
inline bool Vero(int16_t flag) {
    return flag == VERO;
}

// A Double table value that the project and component files keep as a Single. Whatever the
// windows and the static shock step store there is rounded so first: a project written and
// read back then computes with the very same numbers.
inline double ComeSingolo(double x) {
    return std::fabs(x) <= std::numeric_limits<float>::max() ? static_cast<float>(x) : x;
}

constexpr int MAX_PROGETTI = 6;
constexpr int MAX_ELEMENTI = 10; // element slots 0..10
constexpr int MAX_GIUNZIONI = 4; // junctions 1..4
constexpr int MAX_PUNTI = 750;   // result points 0..750
constexpr int MAX_RIGHE = 1000;  // component table rows 0..1000
constexpr int MAX_ESCURSIONE_MOLLA = 5000;

// A point of the linkage, millimetres, world frame (x towards the rear wheel, y up).
struct Punto {
    float X = 0;
    float Y = 0;
};
inline bool operator==(const Punto& a, const Punto& b) {
    return a.X == b.X && a.Y == b.Y;
}

// Marks a point of an element record that is absent.
constexpr Punto PUNTO_ASSENTE{-10000.0f, -10000.0f};

// Swingarm: pivot, axle, attachment. Link: start, end, third. Shock: chain end, other mount,
// third.
struct TrePunti {
    std::array<Punto, 3> P{};
};
// Rocker: vertex 1, vertex 2, vertex 3, fourth point.
struct QuattroPunti {
    std::array<Punto, 4> P{};
};

// Kinds of unsaved change of a project.
enum TipoModifica : int {
    MOD_PROGETTO = 0,
    MOD_SCHEMA = 1,
    MOD_AMMORTIZZATORE = 2,
    MOD_MOLLA = 3,
    MOD_TAMPONE = 4
};

using Curva = std::array<double, MAX_PUNTI + 1>;   // point 0..750
using Tabella = std::array<double, MAX_RIGHE + 1>; // row 0..1000

// Everything that belongs to one project and moves with it when slots are exchanged.
struct Progetto {
    // --- element chain --------------------------------------------------------------
    int16_t UltimoElemento = 0;                               // last occupied slot, 0..10
    std::array<std::string, MAX_ELEMENTI + 1> TipoElemento{}; // "F", "A", "S", "M"
    TrePunti DatiForcellone{};
    std::array<TrePunti, MAX_ELEMENTI + 1> DatiAsta{};
    std::array<QuattroPunti, MAX_ELEMENTI + 1> DatiSquadretta{};
    std::array<TrePunti, MAX_ELEMENTI + 1> DatiMolla{};
    std::array<std::array<int16_t, 2>, MAX_ELEMENTI + 1> OpzioneFix{};
    int16_t AmmortizzatoreFisso = 0; // 1 = other mount on the swingarm
    float RaggioRuota = 0;
    float QuotaSuolo = 0;
    float MaxEscursioneRuota = 0;
    int16_t NumeroGiunzioniProgetto = 0;
    std::array<std::string, MAX_GIUNZIONI + 1> TipoGiunzione{}; // 1..4

    // --- solver inputs (point 0 = rest geometry) -------------------------------------
    std::array<Punto, 6> PuntiFissi{}; // 1..5
    std::array<Punto, MAX_PUNTI + 1> PosizioneRuota{};
    std::array<Punto, MAX_PUNTI + 1> AttaccoAmmortizzatore{};
    // [kind 2..4][junction 1..4][point 0..750]; kinds 0, 1 and junction 0 unused.
    std::array<std::array<std::array<Punto, MAX_PUNTI + 1>, MAX_GIUNZIONI + 1>, 5> PuntiGiunzione{};

    // --- spring ----------------------------------------------------------------------
    double LungMollaLibera = 0;
    double LungMollaMaxCompressione = 0;
    Tabella CostanteMolla{};
    Tabella ForzaMolla{};
    std::array<double, MAX_ESCURSIONE_MOLLA + 1> EscursioneMolla{};
    int16_t ModoMolla = 0;
    int16_t NumeroMolle = 0;
    int16_t NumPuntiMolla = 0;
    std::string DescrizioneMolla;
    std::string NomeFileMolla;

    // --- preload ---------------------------------------------------------------------
    double PrecaricoSetup = 0;
    double PrecaricoMollaInserita = 0;
    double PrecaricoTotale = 0;
    int16_t PrecaricoImpostato = FALSO; // the preload window's value is in force

    // --- shock absorber --------------------------------------------------------------
    double QuotaA = 0;
    double QuotaB = 0;
    double CorsaAmmortizzatore = 0;
    double LungMollaAmmortizzatore = 0;
    double InterasseAmmortizzatore = 0;
    float InterasseMinimo = 0; // 0 = not given
    double PressioneGas = 0;
    double DiametroGas = 0;
    double ForzaGas = 0;
    double LunghezzaStaticaAmmortizzatore = 0;
    std::string DescrizioneAmmortizzatore;
    std::string NomeFileAmmortizzatore;

    // --- bump stop -------------------------------------------------------------------
    double LungTamponeScarico = 0;
    double LungTamponeMaxCompressione = 0;
    Tabella CostanteTampone{};
    Tabella ForzaTampone{};
    Tabella EscursioneTampone{};
    int16_t ModoTampone = 0;
    int16_t NumPuntiTampone = 0;
    std::string DescrizioneTampone;
    std::string NomeFileTampone;

    // --- static shock curves ---------------------------------------------------------
    Tabella AsseCorsaAmmortizzatore{};
    Curva ForzaStaticaAmmortizzatore{};
    int16_t NumPuntiAmmortizzatore = -1; // last row of the static curve; -1 while there is none
    int16_t AcquisizioneAttiva = FALSO;

    // --- results ---------------------------------------------------------------------
    Curva AsseCorsaRuota{};
    Curva AngoloForcellone{}; // degrees
    Curva LunghezzaAmmortizzatore{};
    Curva EscursioneAmmortizzatore{};
    Curva Leveraggio{};
    Curva RapportoVelocita{};
    Curva Progressivita{};
    Curva ProgressivitaCarico{};
    Curva ForzaAmmortizzatore{};
    Curva MomentoForcellone{};
    Curva CaricoRuota{};
    Curva RigidezzaRuota{};
    int16_t NumPunti = 0;
    Curva AngoloForcelloneRad{}; // radians
    Curva DeformazioneTampone{};

    // --- flags, state and names ------------------------------------------------------
    int16_t GeometriaInserita = FALSO;
    int16_t MollaInserita = FALSO;
    int16_t AmmortizzatoreInserito = FALSO;
    int16_t TamponeInserito = FALSO;
    int16_t StatoDatiProgetto = 0;
    int16_t AmmortizzatoreCompatibile = 0;
    int16_t MollaCompatibile = 0;
    int16_t TamponeCompatibile = 0;
    // A shock absorber read from its file while no geometry was entered: it is judged, and a
    // misfit told, at the first solve of a geometry, as the reader tells it with the geometry in.
    int16_t AmmortizzatoreDaGiudicare = FALSO;
    int16_t ValoreRiservatoProgetto = 0;
    std::array<int16_t, 5> ModificatoFile{}; // by TipoModifica
    std::string NomeFileProgetto;
    std::string NomeFileSchema;
    std::string NomeConfigurazione;
    std::string DescrizioneProgetto1;
    std::string DescrizioneProgetto2;
};

// Slots 1..6; slot 0 is never used.
extern std::array<Progetto, MAX_PROGETTI + 1> Progetti;

// Number of projects held (also the newest project, the one most windows act on) and the
// slot chosen for editing and loading.
extern int16_t NumeroProgetti;
extern int16_t ProgettoSelezionato;

// Editor counters kept in the geometry and project files.
extern int16_t ContaAste;
extern int16_t ContaSquadrette;
extern int16_t ContaAmmortizzatori;

// Success flags of the file readers and of the compare runs.
extern int16_t CaricatoProgetto;
extern int16_t CaricatoSchema;
extern int16_t CaricatoAmmortizzatore;
extern int16_t CaricatoMolla;
extern int16_t CaricatoTampone;
extern int16_t EsitoConfronto;

// Program-wide constants.
extern double PiGreco;     // 4 * atan(1)
extern float PassoTabella; // mm of deflection per component table row

// The program folder with a trailing separator; prefix of default file names.
extern std::string PercorsoApplicazione;

// Single-value inputs of the solver: they describe the project being solved and are
// derived from it at the start of every run.
extern int16_t NumeroElementiCatena;
extern int16_t NumeroGiunzioni;
extern int16_t AmmortizzatoreSuForcellone;

// Brings every project table and program-wide value back to its state before start-up.
void AzzeraTabelle();

// Project numbers are 1..6.
inline bool ProgettoValido(int p) {
    return p >= 1 && p <= MAX_PROGETTI;
}

// The whole-project unsaved flag: the Or of the four component kinds.
void AggiornaModificatoProgetto(int16_t p);

// Runs `azione` with NumeroProgetti set to p, for the procedures that act on the newest
// project (state code, gas force, solver), then puts it back.
void SulProgetto(int16_t p, const std::function<void()>& azione);

} // namespace kelvra
