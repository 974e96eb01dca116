// The graph tools with no window: the requested ranges of the rubber band, of the range panel
// and of a tick-label click, accepted or refused before anything is stored; the curve
// reader's values, differences and ratios; the maximum table's and the legend's sizes; the
// hidden curves and the closing of projects. The windows (CURVE01, FUNZIONI, LETTORE) show
// what these compute and redraw when a range is accepted.
#pragma once

#include "core/Riordino.h"
#include "graphs/TipiGrafico.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace kelvra {

// What the range panel applies to.
inline constexpr const char* RANGE_ZOOM = "ZOOM";
inline constexpr const char* RANGE_ASSE_X = "ASSE X";
inline constexpr const char* RANGE_ASSE_Y = "ASSE Y";

// Lines of section Funzioni: the panel's caption and the two end labels.
struct TestiPannelloRange {
    int titolo, inferiore, superiore;
};
TestiPannelloRange TestiRange(const std::string& destinazione);

// The panel's two boxes as they open: the axis as it stands, X in whole units, Y to the
// unit's decimals, the zoom as shown (its ends swapped when `dalGrafico` on the charts whose
// X axis runs the other way).
struct EstremiTesto {
    std::string inferiore, superiore;
};
EstremiTesto PrecompilaRange(const std::string& destinazione, bool dalGrafico);

enum class EsitoRange {
    Invariato, // nothing edited: the panel closes, no redraw
    Rifiutato, // lower end not below the upper one: beep and message, nothing stored
    Applicato, // stored and put in force: the panel closes and the chart is redrawn
    Ignorato   // no destination
};
// The panel's OK: the typed ends (texts) against what they were prefilled with (tags).
EsitoRange ApplicaValoriRange(const std::string& destinazione, const std::string& testo0,
                              const std::string& testo1, const std::string& tag0,
                              const std::string& tag1);

// A click on X tick label `indice` showing `valore`: that tick becomes the axis' upper end.
// False (beep, nothing stored) for the last label and for an end not above the lower one.
bool ModificaEstremoXValore(int indice, double valore);
bool ModificaEstremoYValore(int indice, double valore);

// The rubber band, in plot units.
struct Banda {
    float sinistra = 0, sopra = 0, larghezza = 0, altezza = 0;
};
// The band while the mouse is at (x, y) after a press at ZoomInizioX/Y, kept within the plot;
// the vertical extent follows the mouse only in the rectangle mode.
Banda TrascinaBanda(Banda b, float x, float y, bool finestra);

struct EstremiRichiesti {
    double xMin, xMax, yMin, yMax;
};
// The band's edges (x1 < x2, yBasso below yAlto on the screen) as axis ends.
EstremiRichiesti ConvertiRettangoloZoom(float x1, float x2, float yBasso, float yAlto);
// The band released: true when it zooms (the requested ends are stored and the zoom is in
// force); false for a band one unit wide or high, which opens the reader at `ascissa` (its
// left end raised to XMin) and stores nothing.
bool ApplicaBanda(const Banda& b, bool finestra, double& ascissa);
// The right button with a zoom in force: automatic axes again.
void ZoomIndietroGrafico();

// ---- curve reader ----
// Format row of the reader's values by chart kind.
int RigaFormatoLettore(int16_t tipo);
// Each visible project's curve at abscissa x (internal units), as stored (no factor); hidden
// projects and projects outside their points read 0.
std::array<double, MAX_PROGETTI + 1> ValoriCurve(const TipoGrafico& tipo, double x);
// x rounded to 1/arrotondamento, halves away from zero on either side of zero.
double ArrotondaSimmetrico(double x, double arrotondamento);
// The difference y2 - y1 and the ratio (y2 - y1) / y1 in percent of two picked values; none
// when either value is 0.
std::optional<double> DifferenzaLettore(double y1, double y2, float arrotondamento);
std::optional<double> RapportoLettore(double y1, double y2);

// The pick cycle of two values to compare.
struct ConfrontoCurve {
    std::array<bool, MAX_PROGETTI + 1> selezionata{};
    int16_t confrontate = 0, prima = 0;
    bool seconda = false;
    // A click on project i's value, with `visibili` curves shown.
    void Seleziona(int16_t i, int16_t visibili);
    // The two picks in the order they were made (0 when missing).
    std::pair<int16_t, int16_t> Coppia() const;
};

// ---- tables and legend ----
// The maximum table's columns (twips): the headings' column, then one column of values per
// project, each column 60 from the last and from the panel's edges. The designed widths hold
// the usual figures; longer ones widen their column.
inline constexpr int COLONNA_TITOLI_MASSIMI = 1440;
inline constexpr int COLONNA_VALORI_MASSIMI = 795;
inline constexpr int SPAZIO_TABELLA_MASSIMI = 60;
// Width of the maximum table's panel for n projects (twips).
int LarghezzaTabellaMassimi(int n, int titoli = COLONNA_TITOLI_MASSIMI,
                            int valori = COLONNA_VALORI_MASSIMI);
// Window height, panel height and close button's top of the legend for n projects (twips).
struct MisureLegenda {
    int finestra, pannello, chiudi;
};
MisureLegenda MisureLegendaProgetti(int n);

// A rectangle of the desktop in pixels.
struct Riquadro {
    int sinistra, sopra, larghezza, altezza;
};
// Where a window's frame (the window with the title bar and borders the desktop adds) goes to
// sit at the bottom of the screen's free area: centred across it, its bottom edge on the
// area's bottom, never past the area's left or top edge. Returns the frame's rectangle.
Riquadro CollocaInBasso(const Riquadro& area, int larghezzaCornice, int altezzaCornice);

// Projects 1..NumeroProgetti whose curve is not hidden.
int16_t ContaCurveVisibili(const std::array<int16_t, MAX_PROGETTI + 1>& escluse);
// The colour a project's curve is shown in: the background while it is hidden. The curve's
// own colour stays in ColoreCurva, which is what the settings file keeps.
int32_t ColoreCurvaMostrato(int p);
// A legend click on project i: hides or shows its curve. False (beep) for the last visible one.
bool EscludiCurvaProgetto(int i);
// Hidden flags of slots no project holds are cleared, so a later load is never hidden.
void AllineaCurveEscluse();
// Keeps the projects flagged 1 (moved to the front in their order) and closes the others;
// hidden flags follow their projects and the emptied slots are shown again. False when none
// is kept.
bool ChiudiProgettiGrafico(TabellaProgetti mantieni);

} // namespace kelvra
