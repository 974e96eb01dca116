// The message box, the beep and the wait cursor on the desktop.
//
// MostraMessaggioQt is the program's handler for the MsgBox seam of the core: the style's
// button set and icon become the box's buttons and icon, its answer the seam's answer
// number. The box is shown through MostraModale, so a test with a dialog respondent can
// press its buttons. InstallaGestoriQt connects both seams at start-up.
#pragma once

#include <memory>
#include <string>

class QMessageBox;

namespace kelvra {

// The title of message boxes that are given none (bytes in the language's code page); by
// default the application's name.
void ImpostaTitoloApplicazione(const std::string& titolo);
std::string TitoloApplicazione();

// The box for a text, a style (buttons + icon, as MsgBox takes them) and a title, not yet
// shown. The default button is the first one, or the one the style's vbDefaultButton2 or
// vbDefaultButton3 names; Escape gives Cancel, or No when there is no Cancel, or OK for a box
// with OK alone.
std::unique_ptr<QMessageBox> CreaMessaggio(const std::string& testo, int stile,
                                           const std::string& titolo);
// The answer number (vbOK, vbYes, ...) of a box that was closed: its pressed button, or its
// Escape answer when none was pressed.
int RispostaMessaggio(const QMessageBox& box, int stile);

int MostraMessaggioQt(const std::string& testo, int stile, const std::string& titolo);
void BeepQt();
// MsgBox and Beep of the core go to the two functions above.
void InstallaGestoriQt();

// The wait cursor: each MostraCursoreAttesa is undone by one RipristinaCursore; extra calls
// of RipristinaCursore do nothing.
void MostraCursoreAttesa();
void RipristinaCursore();
int LivelloCursoreAttesa();

// The wait cursor for a scope.
class CursoreAttesa {
  public:
    CursoreAttesa() { MostraCursoreAttesa(); }
    ~CursoreAttesa() { RipristinaCursore(); }
    CursoreAttesa(const CursoreAttesa&) = delete;
    CursoreAttesa& operator=(const CursoreAttesa&) = delete;
};

} // namespace kelvra
