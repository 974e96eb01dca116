// The force table of a spring or a bump stop, without any window: one row per table step
// (PassoTabella mm) of deflection from 0 to full compression, filled block by block either
// by a rate held over the block or by the force reached at its last row.
//
// The spring's force grows linearly along a block (rate x step per row); the bump stop's
// grows with the square of the deflection (coefficient x step^2 x (2i - 1) at row i). Rates,
// coefficients and forces are held in the units shown to the user; the two lengths are held
// in millimetres, so that a length the user did not retype keeps its stored value exactly.
//
// Each row also knows whether it holds a value: rows loaded with a component do, a rebuilt
// table starts with none, and a row gains one when a block over it is filled (a 0 typed on
// purpose included) and loses it when the block's box is emptied.
#pragma once

#include "core/Progetti.h"

#include <array>
#include <cstdint>

namespace kelvra {

enum class LeggeForza { Lineare, Quadratica }; // spring, bump stop

// Entry modes as the options number them (and as the project stores them).
constexpr int16_t MODO_COSTANTE = 1;
constexpr int16_t MODO_FORZA = 2;

// Message lines of the length checks.
constexpr int MSG_MOLLA_SEDE = 16;      // spring against the shock's seat distance
constexpr int MSG_MOLLA_COMPRESSA = 17; // free length less preload not above coil-bound
constexpr int MSG_TAMPONE_CORSA = 25;   // bump stop not shorter than the stroke
constexpr int MSG_RIGHE_TABELLA = 58;   // the lengths give no table of 1..1000 steps
constexpr int MSG_RIGA_VUOTA = 95;      // a row up to full compression holds no value
constexpr int MSG_RIEMPI_RIGHE = 96;    // what the user must do about it

class TabellaComponente {
  public:
    using Righe = std::array<double, MAX_RIGHE + 1>;

    explicit TabellaComponente(LeggeForza legge) : legge_(legge) {}
    LeggeForza Legge() const { return legge_; }

    Righe TabellaCostanti{}; // rate (spring) or coefficient (bump stop) of each row, shown unit
    Righe TabellaForze{};    // force at each row, shown unit; row 0 is always 0
    double LiberaMm = 0;     // free (spring) or unloaded (bump stop) length
    double CompressaMm = 0;  // fully compressed length

    // The last row index: the travel between the two lengths in whole table steps (a hair
    // of tolerance keeps 150.7 - 100.7 at 50 steps). Negative when the lengths are crossed.
    int UltimaRiga() const;
    // 1 <= rows <= 1000.
    bool RigheValide() const;

    // Both working tables back to 0, and no row holding a value.
    void Azzera();

    // The factor from the stored coefficient (N/mm for the spring, N/mm^2 for the bump stop)
    // to the shown one.
    double FattoreCoefficiente() const;

    // The first row of the block a click on table row `riga` makes: the first row whose
    // rate is still 0 (row 0 counts as empty while row 1 is), never past the clicked row.
    int InizioBlocco(int riga) const;

    // Fills rows primo..primo+righe-1 with the shown rate or coefficient k.
    void RiempiCostante(int primo, int righe, double k);
    // Fills the block so that its last row reaches the shown force F; returns the shown rate
    // or coefficient that does it.
    double RiempiForza(int primo, int righe, double F);
    // Rows primo..primo+righe-1 back to 0 and holding no value (the block's box was emptied).
    void Svuota(int primo, int righe);
    bool ConValore(int i) const { return i >= 0 && i <= MAX_RIGHE && conValore_[size_t(i)]; }
    // The first row from 1 to the last row that holds no value, or 0 when every one does.
    int PrimaRigaVuota() const;

    // Loads the lengths and rows 0..n of project p's spring or bump stop, or clears
    // everything when the component is not entered.
    void CaricaMolla(const Progetto& p);
    void CaricaTampone(const Progetto& p);

    // The check of the confirmed lengths against the project: 0 when accepted, otherwise the
    // line of MsgBox to show. The preload, seat distance and stroke are millimetres like the
    // lengths held here.
    int ControllaLunghezze(const Progetto& p) const;

    // Copies the lengths and rows 0..n into project p (rows past n are cleared), with the
    // entry mode (0 keeps the stored one).
    void ScriviMolla(Progetto& p, int16_t modo, int16_t numeroMolle) const;
    void ScriviTampone(Progetto& p, int16_t modo) const;

  private:
    // The force gained at row i (>= 1) by a stored coefficient of 1.
    double Incremento(int i) const;
    void Carica(const Tabella& costanti, const Tabella& forze, double libera, double compressa);
    void Scrivi(Tabella& costanti, Tabella& forze, double& libera, double& compressa) const;

    LeggeForza legge_;
    std::array<bool, MAX_RIGHE + 1> conValore_{};
};

} // namespace kelvra
