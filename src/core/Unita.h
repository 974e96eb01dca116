// The unit table: for each quantity, how an internal value (mm, N, N/mm, degrees, plain
// number, N·m, mm/s, bar) is shown in the unit system the user chose.
//
// Shown value = internal value * FattoreUnita[row]; a typed value is divided by the factor
// before it is stored. Rows 0..7 are used, rows 8..20 stay empty.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace kelvra {

// Quantity rows of the unit table.
enum RigaUnita : int {
    UNITA_LUNGHEZZA = 0,
    UNITA_FORZA = 1,
    UNITA_RIGIDEZZA = 2,
    UNITA_ANGOLO = 3,
    UNITA_NUMERO = 4,
    UNITA_MOMENTO = 5,
    UNITA_VELOCITA = 6,
    UNITA_PRESSIONE = 7,
};

constexpr int RIGHE_TABELLA_UNITA = 21; // rows 0..20
constexpr int RIGHE_UNITA_USATE = 8;    // rows 0..7

// Unit systems.
constexpr int16_t SISTEMA_METRICO = 1;
constexpr int16_t SISTEMA_IMPERIALE = 2;

extern int16_t SistemaUnita; // 1 metric, 2 imperial

extern std::array<float, RIGHE_TABELLA_UNITA> FattoreUnita;
extern std::array<std::string, RIGHE_TABELLA_UNITA> EtichettaUnita; // "[mm]"
extern std::array<std::string, RIGHE_TABELLA_UNITA> SiglaUnita;     // "mm"
extern std::array<std::string, RIGHE_TABELLA_UNITA> NomeUnita;      // language text
extern std::array<int16_t, RIGHE_TABELLA_UNITA> DecimaliUnita;
extern std::array<float, RIGHE_TABELLA_UNITA> ArrotondamentoUnita; // 10 ^ decimals
extern std::array<std::string, RIGHE_TABELLA_UNITA> FormatoUnita;  // for FormattaNumero

// Fills rows 0..7 for system 1 (metric) or 2 (imperial) and sets PassoTabella to 1.0.
// Any other system leaves the table as it is (PassoTabella is still set). The unit names are
// copied from the language section "Unità", so the texts are loaded first. It does not store
// the system in SistemaUnita; the caller does.
void ImpostaUnitaMisura(int16_t sistema);

// Empties the whole table (the state before the first ImpostaUnitaMisura), for tests and
// start-up.
void AzzeraUnitaMisura();

// Display text of an internal value of quantity `riga`: converted and formatted with the
// row's format (no unit beside it).
std::string MostraValore(double valoreInterno, int riga);

// Internal value of a typed text of quantity `riga`: the number read with "." as the decimal
// point, divided by the row's factor (0 when the factor is 0, i.e. the table is empty).
double LeggiValore(const std::string& testo, int riga);

} // namespace kelvra
