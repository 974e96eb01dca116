// The animation of the solved linkage in the geometry editor's drawing: by hand with the
// scroll bar (kind 1), automatically from rest to the end of the range and back 15 times
// (kind 2), or as a trace of three positions drawn over one another (kind 3).
//
// Every kind first runs the chain check and the solver. The range shown is 0..30 mm of wheel
// travel, never beyond the last point the solver reached (NumPunti). A frame writes the solved
// points of one position into the element records of the newest project, draws the elements
// and puts the records back as they were, so the records always hold the rest geometry: no
// save, confirm or modification can store a position of the travel. The confirm buttons are
// disabled while an animation runs.
//
// The automatic and trace kinds loop inside the button's click handler and yield to pending
// input once per frame; the automatic kind shows sixty frames a second, paced on the
// program's clock (platform/Orologio.h). A stop request (the button, a menu choice, deactivating or
// closing the window) is honoured after the current frame, and the loop then draws the rest
// position. A window asked to close while a loop runs is closed once the loop has unwound; a
// window destroyed during a yield all the same ends the loop there, with nothing of it touched.
//
// While a run lasts the drawing ignores presses (mode 6). A run started while an element was
// being modified gives the window back in modify mode when it ends, by whatever route, so
// that the element's panel confirms into it and solves the linkage again, as it does without
// the run; otherwise the run leaves mode 6, or 0 after a trace or a stopped automatic run.
#pragma once

#include "geometry_editor/ControlliEditor.h"

#include <cstdint>
#include <memory>
#include <string>

namespace kelvra {

// The cycles of the automatic kind, its frame period in milliseconds (sixty frames a second)
// and the largest position shown.
constexpr int CICLI_AUTOMATICI = 15;
constexpr double PERIODO_FOTOGRAMMA = 1000.0 / 60;
constexpr int16_t POSIZIONE_MASSIMA_SIMULAZIONE = 30;
// The strip the manual kind takes from the drawing for the scroll bar, twips.
constexpr float STRISCIA_VSCROLL = 800;

// The last position the animation shows for project p: 30, or the solver's last point when
// the run stopped earlier (0 when there is no usable result).
int16_t UltimaPosizioneSimulazione(int16_t p);

class SimulazioneGeo {
  public:
    explicit SimulazioneGeo(ControlliEditor& finestra) : f_(finestra) {}
    ~SimulazioneGeo() { *vivo_ = false; }
    SimulazioneGeo(const SimulazioneGeo&) = delete;
    SimulazioneGeo& operator=(const SimulazioneGeo&) = delete;

    // Runs kind 1..3 (the button's state and caption are the caller's); any other kind does
    // nothing. False when the chain check refused the linkage (its message was shown) or the
    // window went away meanwhile: nothing was animated.
    bool Animazione(int16_t& tipo);
    // Draws the linkage at one position of the travel (kept within the solved range) on
    // PicGeo, without clearing it and without the grid.
    void AssegnazioneSimula(int16_t& posizione);

    // The manual kind's layout for the window's present size: the drawing narrowed by the
    // strip, the scroll bar and its label placed in it.
    void PosizionaManuale();

    void CmdSimula_Click();
    void CmdSimula_MouseMove();
    void SimulazioneItem_Click(int Index);
    void VScroll_Change();

    // Ends a running simulation, whatever the route (the window deactivated or unloaded, a
    // project loaded or closed, a new project or chain, a change of units): the drawing gets
    // its full width back, the scroll bar and its label go, the button offers a start, and the
    // confirm buttons and the element list follow the project's state again. A loop suspended
    // in a yield takes the stop request when it resumes and draws the rest position.
    // `ridisegna`: the rest position is drawn now (false when the caller redraws the window
    // itself, perhaps for another project). Nothing happens when no simulation runs.
    void TerminaSimulazione(bool ridisegna);
    // Deactivation of the window: the simulation ends, at rest.
    void Form_Deactivate();
    // Unloading: the same stop. True when the window may be destroyed now; false while a loop
    // is still running: the window must stay, and ChiudiFinestra is called once it unwinds.
    bool Form_Unload();

    // A handler of the animation is running (an automatic or trace loop suspended in a
    // yield): the window must not be destroyed now.
    bool SimulazioneInCorso() const { return ingressi_ > 0; }

  private:
    struct Ingresso;
    // One yield to pending input; false when the window (and this with it) no longer exists.
    bool Cedi();
    // One frame: clear, draw the position, grid.
    void Fotogramma(int16_t posizione);
    // The stop step of a loop: rest position drawn, stop request lowered.
    void Ferma();
    // The loop must end: a stop was asked, or a newer animation took over the drawing.
    bool Interrotta(unsigned generazione) const;
    void AnimazioneAutomatica(unsigned generazione);
    void AnimazioneTraccia(unsigned generazione);
    // Back from the manual kind: full-width drawing, position 0 drawn (when `ridisegna`),
    // scroll bar hidden.
    void ChiudiManuale(bool ridisegna = true);
    // Back from the trace: cleared and redrawn at rest.
    void RipristinaRiposo();
    std::string Didascalia(int riga) const;
    // The end of a run: modify mode back while the editor is modifying an element.
    void RendiModifica();

    ControlliEditor& f_;
    // Lowered when this goes with its window: a handler suspended in a yield reads it through
    // its own copy before it touches anything.
    std::shared_ptr<bool> vivo_ = std::make_shared<bool>(true);
    int ingressi_ = 0;
    unsigned generazione_ = 0;
    bool chiusuraRichiesta_ = false;
};

} // namespace kelvra
