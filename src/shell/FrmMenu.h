// FRMMENU, the start screen: the child window of the main window the user lands on and comes
// back to. Over a tiled background it shows a row of 25 picture buttons (each stands for a
// menu item; seven have an inactive twin shown while their command is unavailable), a
// tooltip under the row, the six project thumbnails drawn to one scale, and menus reaching
// every file kind, component editor, the preload, graphs, tables and the manual.
//
// Handlers are named after their control and event. A command that opens a modal window
// runs the activation again when it returns, as the frame runs none when the focus comes
// back from a modal window.
#pragma once

#include "platform/CorniceMdi.h"
#include "platform/PictureBox.h"
#include "shell/ComandiFrmMenu.h"
#include "shell/ControlliQt.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <array>
#include <functional>
#include <map>

namespace kelvra {

// No Q_OBJECT: the window declares no signals or slots of its own (its connections are
// lambdas), and the shell's meta-object code then never needs the window.
class FRMMENU : public FinestraFiglia, public SchermataIniziale {
  public:
    explicit FRMMENU(QWidget* genitore = nullptr);
    ~FRMMENU() override;

    // The one start screen: created on first use (its load runs then), null once destroyed.
    static FRMMENU* Istanza();
    static FRMMENU& Crea();

    // ---- controls -----------------------------------------------------------------------
    QImage PicSfondo; // the background tile
    QFrame* SSPanel = nullptr;
    // Buttons 0..24 and the inactive twins 52, 56, 60, 64, 68, 71, 72.
    std::map<int, QToolButton*> CmdMenu;
    QLabel* LblToolTip = nullptr;
    std::array<PictureBox*, 6> CmdIcon{};

    // ---- menus (MenuItem(0..10), items by index) ------------------------------------------
    std::array<QMenu*, 11> MenuItem{};
    std::map<int, QAction*> FileItem, SchemaItem, AmmortizzatoreItem, MollaItem, TamponeItem,
        PrecaricoItem, FunzioniItem, GraficiItem, TabelleItem, RisultatiItem, GuidaItem, UnitaItem;
    QMenu* MenuUnita = nullptr;

    // ---- procedures -----------------------------------------------------------------------
    void Form_Load();
    void Form_Activate() override;
    void Form_Resize();
    void CmdIcon_Click(int Index) override;
    void ImpostaTitolo();
    // The enabling's view of the buttons and menus.
    ControlliQt& Controlli() { return controlli_; }

    // ---- handlers ---------------------------------------------------------------------------
    void CmdMenu_Click(int Index);
    void Form_MouseMove();
    void SSPanel_MouseMove();
    void CmdIcon_MouseMove(int Index);
    void CmdMenu_MouseMove(int Index);
    void FileItem_Click(int Index);
    void UnitaItem_Click(int Index);
    void SchemaItem_Click(int Index);
    void AmmortizzatoreItem_Click(int Index);
    void MollaItem_Click(int Index);
    void TamponeItem_Click(int Index);
    void PrecaricoItem_Click(int Index);
    void GraficiItem_Click(int Index);
    void TabelleItem_Click(int Index);
    void RisultatiItem_Click(int Index);
    void GuidaItem_Click(int Index);

  protected:
    void resizeEvent(QResizeEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

  private:
    void CreaPulsanti();
    void CreaMiniature();
    void CreaMenu();
    void CollegaMenu();
    // Runs a command; when the start screen is still the frame's active window afterwards
    // (a modal window came and went), runs its activation so it shows what changed.
    void Esegui(const std::function<void()>& comando);
    std::map<int, QAction*>* VociMenu(MenuFrmMenu menu);

    ControlliQt controlli_;
};

// Fills the start screen's hooks: showing it (main window load, a click on the empty client
// area) and loading it without bringing it forward (File/New).
void RegistraFrmMenu();

} // namespace kelvra
