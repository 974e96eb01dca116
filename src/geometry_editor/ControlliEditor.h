// The geometry editor's controls as the mouse input, the view tools and the animation see
// them. The window implements this over its widgets and forwards its handlers to the three
// modules (MouseGeo, StrumentiVista, SimulazioneGeo); tests implement it over plain values and
// an offscreen image, so every path runs without widgets and without waiting.
//
// Positions of the drawing's overlays (the zoom rectangle Shape1, the pan line Line1) are in
// picture millimetres; positions of the window's controls are in twips.
#pragma once

#include "core/ControlliDisegno.h"
#include "core/Superficie.h"
#include "geometry_editor/EditorGeometria.h"

#include <cstdint>
#include <string>

namespace kelvra {

// Top, left, height and width of a control, twips.
struct RettangoloTwips {
    float Top = 0;
    float Left = 0;
    float Height = 0;
    float Width = 0;
};

// The rubber rectangle of a window zoom, picture mm.
struct RettangoloZoom {
    double Left = 0;
    double Top = 0;
    double Width = 0;
    double Height = 0;
};

// The rubber line of a pan, picture mm.
struct LineaPan {
    double X1 = 0;
    double Y1 = 0;
    double X2 = 0;
    double Y2 = 0;
};

// The pointer readouts under the drawing.
enum class Etichetta { LblX, LblY, LblL, LblAng };

class ControlliEditor {
  public:
    virtual ~ControlliEditor() = default;

    // ---- the window as the other editor procedures and the drawers see it --------------
    // The entry boxes and confirm buttons (click entry fills a panel and confirms it).
    virtual EditorGeometria& Caselle() = 0;
    // The window handed to the drawers; its PicGeo() is the editor's drawing.
    virtual EditorDisegno& Disegno() = 0;

    // ---- pointer readouts and mouse pointer -----------------------------------------------
    virtual std::string TestoEtichetta(Etichetta e) const = 0;
    virtual void ImpostaEtichetta(Etichetta e, const std::string& testo) = 0;
    // The drawing's mouse pointer becomes the cross.
    virtual void PuntatoreCroce() = 0;

    // ---- modify mode ------------------------------------------------------------------------
    // The slot chosen in CmbModifica (ElementoInModifica).
    virtual int16_t ElementoSelezionato() const = 0;
    // Shows the entry panel of element kind 1..4 (TipoPannello) and hides the other three.
    virtual void MostraPannelloTipo(int tipo) = 0;
    // The text of CmbModifica (no click handler runs).
    virtual void ImpostaTestoCmbModifica(const std::string& testo) = 0;
    // CmbModifica_Click: reloads the listed element into its panel (modify mode).
    virtual void RicaricaElementoInModifica() = 0;
    // An element chosen in CmbModifica is being modified: its panel confirms into it and
    // solves the linkage, whatever tool holds the mouse meanwhile, until modify mode is left.
    virtual bool InModifica() const = 0;
    // Leaves modify mode for entry (mode 0): the panels confirm into the last slot again.
    virtual void LasciaModifica() = 0;

    // ---- overlays of the drawing ------------------------------------------------------------
    virtual RettangoloZoom RettangoloShape1() const = 0;
    virtual void ImpostaRettangoloShape1(const RettangoloZoom& r) = 0;
    virtual bool Shape1Visibile() const = 0;
    virtual void MostraShape1(bool visibile) = 0;
    virtual LineaPan LineaLine1() const = 0;
    virtual void ImpostaLineaLine1(const LineaPan& l) = 0;
    virtual bool Line1Visibile() const = 0;
    virtual void MostraLine1(bool visibile) = 0;

    // ---- menus --------------------------------------------------------------------------------
    // Check mark of GrigliaItem(1..5) and of SimulazioneItem(1..3).
    virtual void SpuntaGrigliaItem(int indice, bool spuntato) = 0;
    virtual void SpuntaSimulazioneItem(int indice, bool spuntato) = 0;

    // ---- the animation's fields and controls --------------------------------------------------
    // The window's fields RichiestaStop, StatoSimula and TipoSimulazione.
    virtual int16_t& CampoRichiestaStop() = 0;
    virtual int16_t& CampoStatoSimula() = 0;
    virtual int16_t& CampoTipoSimulazione() = 0;
    // The window's inner width (ScaleWidth), twips.
    virtual float LarghezzaInterna() const = 0;
    // Position and size of PicGeo, VScroll and LblEsc. Resizing PicGeo resizes the drawing.
    virtual RettangoloTwips PosizionePicGeo() const = 0;
    virtual void PosizionaPicGeo(const RettangoloTwips& r) = 0;
    virtual RettangoloTwips PosizioneVScroll() const = 0;
    virtual void PosizionaVScroll(const RettangoloTwips& r) = 0;
    virtual RettangoloTwips PosizioneLblEsc() const = 0;
    virtual void PosizionaLblEsc(const RettangoloTwips& r) = 0;
    // The scroll bar. Setting the value runs no handler: the caller draws the frame.
    virtual int ValoreVScroll() const = 0;
    virtual void ImpostaValoreVScroll(int valore) = 0;
    virtual void ImpostaMassimoVScroll(int massimo) = 0;
    virtual void MostraVScroll(bool visibile) = 0;
    virtual void ImpostaDidascaliaLblEsc(const std::string& testo) = 0;
    virtual std::string DidascaliaCmdSimula() const = 0;
    virtual void ImpostaDidascaliaCmdSimula(const std::string& testo) = 0;
    // The confirm buttons of the four entry panels (CmdOKMolla among them) and the element
    // list: a position of the travel must never be stored, so they are disabled while an
    // animation runs; enabled again, the list follows the menu enabling.
    virtual void AbilitaConferme(bool abilitate) = 0;
    // The chain check (ControlloVariabili); false when it refused (its message was shown).
    virtual bool VerificaCatena() = 0;
    // The enabling of the editor's menus and buttons (AttivaMenuInsGeo); while a simulation
    // runs (StatoSimula 1) the confirm buttons and the element list stay disabled.
    virtual void AggiornaAbilitazione() = 0;
    // Hands control to pending user input once, without waiting; the handlers that run here
    // may request a stop, deactivate, close or destroy the window. False when the window no
    // longer exists: the caller must then touch nothing of it, nor of anything it owns.
    virtual bool Cedi() = 0;
    // Closes and destroys the window now: called once an animation has unwound, when the
    // window was asked to close while it ran. Nothing of the window is touched afterwards.
    virtual void ChiudiFinestra() = 0;
};

} // namespace kelvra
