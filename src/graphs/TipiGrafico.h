// The fourteen chart kinds of the graph window: which result curve goes on each axis, how
// many points of it a project holds, which unit row converts and formats its values, and
// the texts that name it. One constant table; every procedure of the graphs reads it instead
// of switching on the kind.
#pragma once

#include "core/Progetti.h"

#include <cstdint>
#include <span>
#include <string>

namespace kelvra {

constexpr int16_t NUMERO_TIPI_GRAFICO = 14;

// A curve of a project, as a span of its whole table.
using LettoreCurva = std::span<const double> (*)(const Progetto&);

// Where a text of the chart comes from: a line of the Quantity or of the Unità section.
enum class SezioneTesto { Quantita, Unita };

struct TipoGrafico {
    LettoreCurva Y;
    LettoreCurva X;
    int16_t Progetto::*Conteggio = &Progetto::NumPunti; // last point of the curve, per project
    int rigaUnita;                                      // unit row of the Y values
    // UnitaY when it is not the row's label (nullptr: the label).
    const char* unitaFissa = nullptr;
    bool siglaVuota = false;         // SiglaY is "" whatever the row
    const char* formatoY = "000.00"; // format of the Y read-out
    int rigaTitolo;                  // Quantity line of the chart title
    bool titoloConUnita = true;      // the title ends with " " & UnitaY
    // TitoloY, the quantity the curve reader names.
    SezioneTesto sezioneTitoloY = SezioneTesto::Quantita;
    int rigaTitoloY;
    int rigaFormatoEtichette; // unit row whose format writes the Y tick labels
    int rigaTitoloX = 13;     // Quantity line of the X-axis title
};

// The kind `tipo` (1..14), or nullptr for any other number.
const TipoGrafico* DatiTipoGrafico(int16_t tipo);

// The last point of the kind's curves in project p, kept within both tables (0 when the
// project's count is negative): no count read from the project can make a redraw read past
// the curve.
int16_t UltimoPuntoSicuro(const TipoGrafico& tipo, const Progetto& p);

// Texts of a kind in the loaded language and unit system.
std::string UnitaYTipo(const TipoGrafico& tipo);
std::string SiglaYTipo(const TipoGrafico& tipo);
std::string TitoloTipo(const TipoGrafico& tipo);
std::string TitoloYTipo(const TipoGrafico& tipo);
// The X-axis title: the abscissa's quantity & " " & the length label.
std::string TitoloAsseXTipo(const TipoGrafico& tipo);

// The chart kind the window opens on, by the state code of project NumeroProgetti: 1 where
// the geometry was computed, else the first component entered (7 spring, 9 bump stop), and
// 8 whenever a bench acquisition is loaded into the project.
int16_t PrimaCurva();

} // namespace kelvra
