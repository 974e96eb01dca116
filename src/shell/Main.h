// The main window MAIN: the program's one multi-document frame. It holds the start screen,
// the geometry editor and the graph window as children, owns the status panel `Toolbar`
// every window writes its hover hints to, and offers New, Open, Exit and the Help menu when
// the active child has no menus of its own. Closing it is the only way to end the program:
// it offers to save the project, asks to confirm, writes the settings and removes the plain
// language file.
#pragma once

#include "platform/CorniceMdi.h"
#include "shell/Ganci.h"

#include <QAction>
#include <QMenu>
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>

namespace kelvra {

class MAIN;

// 1 once the main window has shown the geometry editor.
extern int16_t EditorAperto;

// Ends the program through Ganci.TerminaProgramma (or at once when it is empty).
void TerminaProgramma(int codice);

// The save step: when some project held has unsaved changes and the user answers Yes to
// line 18 of MsgBox, saves them: with several projects through the project save dialog,
// with one under its name, giving an unnamed project the default name
// <program folder><Common 12> 01.kvp first.
void PassoSalvataggio();

class MAIN : public CorniceMdi {
    Q_OBJECT
  public:
    MAIN();
    ~MAIN() override;

    // The one main window, or nullptr before it is shown (and after it is destroyed).
    static MAIN* Istanza();
    // Creates the main window when needed, runs its load once, shows it and activates it.
    static MAIN& Mostra();

    // Menus: MenuItem(0) File, MenuItem(1) "?"; FileItem(1..3) New, Open, Exit;
    // GuidaItem(1) manual and GuidaItem(5) about box.
    std::array<QMenu*, 2> MenuItem{};
    std::map<int, QAction*> FileItem;
    std::map<int, QAction*> GuidaItem;

    void MDIForm_Load();
    // Menu captions from section MnuMain, then the window caption.
    void MDIForm_Activate();
    // A click on the empty client area: the start screen comes forward.
    void MDIForm_Click();
    void FileItem_Click(int Index);
    void GuidaItem_Click(int Index);
    // The exit question; true (Cancel) keeps the program running.
    bool MDIForm_QueryUnload();

  protected:
    void closeEvent(QCloseEvent* evento) override;
    void changeEvent(QEvent* evento) override;

  private:
    bool caricato_ = false;
};

// The menu captions of the main window from the menu table just read: row 1 to the File
// menu and FileItem, row 2 to the "?" menu and GuidaItem.
void ImpostaMenuMain(MAIN& form);

// The product's title word: the windows' captions and the message boxes' titles.
inline constexpr const char* TITOLO_PRODOTTO = "KELVRATONE";

// The window caption: "KELVRATONE V. 3.0 - " & line 0 of section Main.
std::string TitoloMain();

// Unloads the main window (the exit question decides).
void ChiudiMain();

} // namespace kelvra
