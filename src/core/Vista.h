// The view of the linkage drawing: one program-wide state that maps world millimetres
// (x to the right, y upwards) onto a picture's own millimetres (from its top-left corner,
// y downwards), and the operations that set it: fitting a world extent, zooming to a
// rectangle, turning a mouse drag into a world displacement, the dotted grid and the two
// reference lines through the display origin.
//
// The geometry editor's drawing and the start screen's thumbnails share this state; the
// last one to fit owns it. The state is plain globals with the names the rest of the
// program uses (ScalaSchemaX, FinestraX1, ...), reset by AzzeraVista().
//
// None of these operations divides by a zero or non-finite scale or area: a fit of a
// picture of zero size, or of a zero world, leaves the view as it was, and the grid and
// the element drawers draw nothing while the view is unusable (ScalaValida()).
#pragma once

#include "core/Progetti.h"
#include "core/Superficie.h"

#include <array>
#include <cstdint>
#include <string>

namespace kelvra {

// ---- the view transform ----------------------------------------------------------------
extern float ScalaSchemaX; // world mm per picture mm, across
extern float ScalaSchemaY; // world mm per picture mm, up
// World point mapped to the picture's left and bottom edges (after a drag conversion:
// the drag vector instead).
extern float FinestraX1;
extern float FinestraY1;
// Opposite corner after a zoom; kept, never read by the drawing.
extern float FinestraX2;
extern float FinestraY2;
// The drawing area in picture mm: left and top always 0, right and bottom the picture's
// inner width and height.
extern float AreaSinistra;
extern float AreaDestra;
extern float LarghezzaArea;
extern float AreaSopra;
extern float AreaSotto;
extern float AltezzaArea;
// World mm taken off the fitted width and off the grid's x extent.
extern float CorrezioneLarghezza;
// World mm added to the fitted height and taken off the grid's y extent; the swingarm
// drawer raises it by 500 when the wheel axle lies above the picture.
extern float CorrezioneAltezza;

// ---- display origin and editor modes -----------------------------------------------------
// Origin of the displayed coordinates, relative to the window corner. Kept in double: the
// window corner and the origin then add up exactly to the world point the origin stands on,
// whatever the sign and size of the corner, and that point shows as exactly zero.
extern double OrigineX;
extern double OrigineY;
// Mouse mode of the editor's picture: 0 enter points, 1 zoom dolly, 2 zoom window, 3 pan,
// 4 change point of view, 5 modify an element, 6 simulation running.
extern int16_t ModoEdit;
// True (-1) after the user zoomed to a rectangle.
extern int16_t ZoomUtente;
// Grid step in world mm: 0 (no grid), 50, 100, 250 or 500.
extern int16_t PassoGriglia;
// Display flags handed to the drawers (no labels are drawn with them).
extern int16_t VisualizzaCoordinate;
extern int16_t VisualizzaDimensioni;

// ---- pen widths in pixels ----------------------------------------------------------------
extern int16_t LarghezzaPunti;
extern int16_t LarghezzaForcellone;
extern int16_t LarghezzaAsta;
extern int16_t LarghezzaSquadretta;
extern int16_t LarghezzaAmmortizzatore;

// Widths of the geometry editor and of the start screen's thumbnails.
void ImpostaLarghezzeEditor();    // 10, 8, 4, 4, 15
void ImpostaLarghezzeMiniature(); // 2, 4, 2, 2, 5

// ---- chain points --------------------------------------------------------------------------
// Entry k + 1 is the point the element in slot k + 1 starts from (1 = the swingarm's
// linkage attachment); written only by the drawers, read by the editor.
constexpr int MAX_PUNTI_CATENA = 12;
extern std::array<Punto, MAX_PUNTI_CATENA + 1> PuntiCatena;

// Brings every view value above back to its start-up state (all zero, widths zero).
void AzzeraVista();

// True when the scales and the drawing area are finite and non-zero, so the forward
// transform can be used.
bool ScalaValida();

// ---- transforms ----------------------------------------------------------------------------
// World to picture mm.
double SchermoX(double X);
double SchermoY(double Y);
// Picture mm to world.
double MondoX(double x);
double MondoY(double y);

// Displayed coordinate values of a world point, in the shown length unit: the point less
// the display origin and the window corner, times the length factor.
double CoordinataVisualizzataX(double X);
double CoordinataVisualizzataY(double Y);
// The same, as text in the length format.
std::string TestoCoordinataX(double X);
std::string TestoCoordinataY(double Y);
// A displayed coordinate back to world mm (the editor's entry boxes).
double CoordinataModelloX(double valore);
double CoordinataModelloY(double valore);

// ---- operations ----------------------------------------------------------------------------
// Fits a world extent into the picture: window corner 0, x scale from the world width,
// y scale from the world height stretched by the control's height-to-width ratio plus
// CorrezioneAltezza; pen width 1. Returns false (view unchanged) for a picture of zero
// size or a world extent that gives no usable scale.
bool ImpostaScalaDisegno(Superficie& picture, float larghezzaMondo, float altezzaMondo);

// Zooms to the rectangle with left x1, right x2, bottom y1 and top y2 (picture mm): the
// window corners become the world positions of those edges and both scales the world
// width over the area width. Returns false (view unchanged) for a zero-width rectangle or
// an unusable view.
bool ApplicaZoomFinestra(double x1, double x2, double y1, double y2, Superficie& picture);

// Converts a drag between two picture positions into a world displacement, stored in
// FinestraX1 = X(x2) - X(x1) and FinestraY1 = Y(y2) - Y(y1). Returns false (view
// unchanged) when the view is unusable.
bool ConvertiTrascinamento(double x1, double x2, double y1, double y2, Superficie& picture);

// Writes "+" at every grid step from the picture's top-left corner, over 1600 world mm
// less the corrections each way. Nothing for a step of 0 or less.
void DisegnaGrigliaSchema(int passo, Superficie& picture);

// A horizontal and a vertical line across the drawing area through the point (x, y),
// given in world mm relative to the window corner, in the picture's fore colour.
void DisegnaLineeRiferimento(double x, double y, Superficie& picture);

} // namespace kelvra
