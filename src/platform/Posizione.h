// Sizes and positions of windows and controls in twips (1/1440 inch), the unit the windows
// of the program reason in, over Qt widgets measured in pixels.
//
// Twips per pixel come from the screen's logical resolution: 15 at 96 dpi. A top-level
// window's left and top are those of its frame on the desktop; a child's are relative to its
// parent. Widths and heights are the widget's own.
#pragma once

class QWidget;
class QScreen;

namespace kelvra {

// Twips per pixel of the screen a widget is on (the primary screen for none).
float TwipsPerPixelX(const QWidget* finestra = nullptr);
float TwipsPerPixelY(const QWidget* finestra = nullptr);

// Size of the screen a widget is on (the primary screen for none), in twips.
float LarghezzaSchermo(const QWidget* finestra = nullptr);
float AltezzaSchermo(const QWidget* finestra = nullptr);

// Position and size of a widget in twips. The sub-window of the multi-document frame that
// holds a child window is what moves, so that is what these read and set for such a child.
float SinistraTwips(const QWidget* finestra);
float SopraTwips(const QWidget* finestra);
float LarghezzaTwips(const QWidget* finestra);
float AltezzaTwips(const QWidget* finestra);
void ImpostaSinistraTwips(QWidget* finestra, float valore);
void ImpostaSopraTwips(QWidget* finestra, float valore);
void ImpostaLarghezzaTwips(QWidget* finestra, float valore);
void ImpostaAltezzaTwips(QWidget* finestra, float valore);

// Sets the window's top, height, left and width, in that order.
void PosizionaForm(QWidget* form, float sopra, float altezza, float sinistra, float larghezza);
// Sets the control's top, left, height and width, in that order.
void PosizionaControllo(QWidget* controllo, float sopra, float sinistra, float altezza,
                        float larghezza);

// Centres `form` over `proprietario`, moved back so that its right and bottom edges stay on
// the screen; there is no clamp at the left and top edges. Its size is unchanged. Does
// nothing when either window is missing.
void CentraForm(const QWidget* proprietario, QWidget* form);

// Sizes a top-level window to what its contents ask for once they are filled in, but no
// larger than the free area of the screen its owner is on, less the frame the owner's own
// window gets; contents that need more than that keep what they need.
void DimensionaAlContenuto(QWidget* form, const QWidget* proprietario);

// The size of a component window (height 6315, width 9600 twips), centred over the start
// screen window.
void DimensionaFormComponente(QWidget* form, const QWidget* schermataIniziale);

} // namespace kelvra
