// The fifteen layouts of the detailed result table: which column groups a project's state
// code (1 geometry + 2 spring + 4 shock absorber + 8 bump stop) shows, what each column is
// headed, in which unit, from which curve and in which format, and the text rows built from
// them. Plain C++ over the project tables, the unit table and the language texts.
//
// A column group reads its curves up to its own point count (NumPunti for the kinematics and
// the wheel loads, NumPuntiMolla, NumPuntiAmmortizzatore, NumPuntiTampone); the table runs to
// the largest of the four counts, and a cell past its group's count or past the end of its
// own curve is blank.
#pragma once

#include "core/Progetti.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kelvra {

enum class GruppoColonne { Cinematica, CarichiRuota, CarichiRuotaCorto, Molla, Statica, Tampone };

// Where a column's number format comes from.
struct FormatoColonna {
    enum Tipo { Unita, Corsa, Fisso } tipo = Unita;
    int riga = 0;           // row of the unit table (Unita)
    const char* fisso = ""; // the pattern itself (Fisso)
};

// A format, or a header line, that replaces the usual one for the state codes of a mask
// (bit s set for state code s).
struct EccezioneFormato {
    uint16_t codici = 0;
    FormatoColonna formato{};
};

struct ColonnaTabella {
    int intestazione;                // line of section Quantity
    uint16_t codiciIntestazione = 0; // state codes that head the column with...
    int intestazioneAlternativa = 0; // ...this line instead
    int rigaEtichetta;               // unit label row of the unit table, or -1 for `etichetta`
    const char* etichetta = "";      // fixed unit label
    std::span<const double> (*curva)(const Progetto&);
    int rigaFattore;         // factor row of the unit table, -1: the value as stored
    bool corsaRuota = false; // rounded to the travel column's step
    FormatoColonna formato;
    EccezioneFormato eccezioni[2]{};
};

// How the wheel-travel column is shown in a unit system: its format and rounding divisor
// (FormatoCorsa and Arrotonda).
struct FormatoCorsaRuota {
    std::string formato;
    double arrotonda = 1;
};
// Metric: the length format, whole units; imperial: "##0.00", hundredths; `sistema` other
// than 1 or 2 gives `attuale` back unchanged.
FormatoCorsaRuota FormatoCorsaPerSistema(int16_t sistema, const FormatoCorsaRuota& attuale);

// The groups of a state code in column order; none for 0, 4 and codes outside 1..15.
std::span<const GruppoColonne> GruppiLayout(int stato);
// The columns of a state code in order, and their count.
std::vector<const ColonnaTabella*> ColonneLayout(int stato);
int NumeroColonneLayout(int stato);

// The header and unit rows of a state code, cells joined by a tab.
std::string RigaIntestazioni(int stato);
std::string RigaUnitaMisura(int stato);

// Last row of a project's table: the largest of its four point counts, kept within 0..1000.
int UltimaRigaTabella(const Progetto& progetto);

// The value cells of a project's table in the layout of `stato`, made one at a time: the
// columns' formats and factors are read once, when it is made.
class ValoriTabella {
  public:
    ValoriTabella(const Progetto& progetto, int stato, const FormatoCorsaRuota& corsa);
    int Colonne() const { return static_cast<int>(colonne_.size()); }
    // The cell of point i in column `colonna`; blank past the column group's count, past the
    // end of its curve and outside the layout.
    std::string Cella(int i, int colonna) const;

  private:
    struct Colonna {
        std::span<const double> curva;
        int ultimo; // last valid point of the column's group
        double fattore;
        bool corsaRuota;
        std::string formato;
    };
    std::vector<Colonna> colonne_;
    double arrotonda_;
};

// How many value rows the project's table has at a step of `passo` points (below 1 counts
// as 1): points 0, passo, 2 passo .. up to its last row; none for a layout without columns.
int RigheValori(const Progetto& progetto, int stato, int passo);

} // namespace kelvra
