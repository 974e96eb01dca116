// Enabling by project state: the menus and buttons of the start screen, the graph window and
// the geometry editor follow what has been entered for the newest project (its state code,
// 1 geometry + 2 spring + 4 shock absorber + 8 bump stop).
//
// The three procedures reach the windows' controls by name and index through the small
// interfaces below; each window implements them (or fills a `ControlliQt`) and the enabling
// never needs the window classes themselves. The procedures do not recompute the state code:
// callers bring it up to date first (`AggiornaStatoProgetto`).
#pragma once

#include <cstdint>

namespace kelvra {

// The named controls (menu-item arrays and single controls) that the enabling touches.
// A single control is addressed with index 0.
enum class Controllo {
    MenuItem, // top-level menus
    FileItem,
    SchemaItem,
    AmmortizzatoreItem,
    MollaItem,
    TamponeItem,
    UnitaItem, // the units menu, UnitàItem
    InfoItem,
    GraficiItem,
    CmdCurve, // the graph window's chart buttons
    CmdMenu,  // the start screen's big buttons and their inactive twins (+50)
    CmdSimula,
    CmdStampa,
    CmbModifica,
    CmdAddProject,
};

// A window's controls as the enabling sees them. A control the window does not have is
// ignored when set and reads as disabled.
class ControlliFinestra {
  public:
    virtual ~ControlliFinestra() = default;
    virtual void ImpostaAbilitato(Controllo c, int indice, bool valore) = 0;
    virtual void ImpostaVisibile(Controllo c, int indice, bool valore) = 0;
    virtual void ImpostaSpuntato(Controllo c, int indice, bool valore) = 0;
    // The control's own Enabled property (not whether a parent is disabled).
    virtual bool Abilitato(Controllo c, int indice) const = 0;
};

// The start screen and the geometry editor need nothing beyond the controls.
using ControlliFrmMenu = ControlliFinestra;
using ControlliInsGeo = ControlliFinestra;

// The graph window also takes the chart kind it will draw next.
class ControlliCurve : public ControlliFinestra {
  public:
    virtual void ImpostaTipoGrafico(int16_t tipo) = 0;
};

// The start screen registers itself here when it is created (and passes nullptr when it is
// unloaded); `AttivaMenuFrmMenu()` acts on it.
void RegistraFrmMenu(ControlliFrmMenu* finestra);
ControlliFrmMenu* FrmMenuRegistrato();

// Start screen: the result menus, the save-as items, the seven buttons and their twins, the
// close-last item and the units ticks. Does nothing when no start screen is registered.
void AttivaMenuFrmMenu();
void AttivaMenuFrmMenu(ControlliFrmMenu& form);

// Graph window: the fourteen chart buttons and menu items, the save items, close-last, the
// units ticks, the hidden zoom menu and mean-value item, and the first chart to draw.
void AttivaMenuCurve(ControlliCurve& form);

// Geometry editor: the simulation and result menus, save-as and print items, the simulate
// and print buttons, the element chooser, close-last, add-project and remove-last-element.
void AttivaMenuInsGeo(ControlliInsGeo& form);

} // namespace kelvra
