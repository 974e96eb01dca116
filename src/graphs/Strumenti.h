// The graph window's tools, as module procedures over the window: the rubber-band zoom, the
// typed ranges and the tick-label clicks, the info modes (maximum markers, curve reader,
// legend), the colours and the closing of projects. The window's handlers forward here.
#pragma once

#include <cstdint>
#include <string>

namespace kelvra {

class CURVE01;
class FUNZIONI;

// The plot's mouse: the band is pressed, dragged and released (button 1 left, 2 right).
void InizioZoom(int Button, int Shift, float X, float Y, CURVE01& form);
void TrascinaZoom(int Button, int Shift, float X, float Y, CURVE01& form);
void FineZoom(int Button, int Shift, float X, float Y, CURVE01& form);
// The Zoom menu: 1 the typed zoom range, 2 the rectangle.
void SelezionaVista(int Index, CURVE01& form);
// The Scale menu: the typed range of the X (1) or Y (2) axis.
void GestioneScala(int Index, CURVE01& form);
// Opens the range panel for "ZOOM", "ASSE X" or "ASSE Y".
void ApriPannelloRange(const std::string& destinazione, CURVE01& form, bool dalGrafico);
// OK of the range panel (1), of the colour frame (2); 0 closes the panel and redraws.
void ApplicaRange(int Index, CURVE01& form);
// A click on a tick label.
void ModificaEstremoX(int Index, CURVE01& form);
void ModificaEstremoY(int Index, CURVE01& form);

// The Info menu: 1 the maximum markers and their table, 4 the reader at `ascissa` (0 for
// XMin), 6 the legend.
void ImpostaModoInfo(int Index, CURVE01& form, double ascissa);
// A tool window closed by its close button `Index`: the matching info mode goes off.
void ChiudiPannelloFunzioni(int Index, CURVE01& form);
// The legend in the tool window; shown modal when `mostra`, else only brought up to date.
void MostraLegenda(FUNZIONI& f, bool mostra = true);
void RiempiTabellaPunti(FUNZIONI& f);
// The panel that closes projects: one box per project held, all ticked (kept).
void MostraChiusuraProgetti(FUNZIONI& f);
// After projects were closed: the graph state reset, the newest project selected, the chart
// redrawn, and its caption and every other window's retitled.
void ProgettiChiusi(CURVE01& form);

// The Options menu: 1 the grid, 3 the colour frame.
void GestisciOpzioni(int Index, CURVE01& form);
void CambiaColoreElemento(int Index, CURVE01& form);
void CambiaColoreCurva(int Index, CURVE01& form);
void RipristinaColoriOriginali(CURVE01& form);
// Writes the settings file.
void SalvaColori();
// A new unit system: the graph state starts afresh, since ranges held are in the old units.
void CambiaUnitaGrafico(int16_t sistema, CURVE01& form);

} // namespace kelvra
