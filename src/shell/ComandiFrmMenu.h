// The start screen's commands: the menu item each picture button stands for, and the Schema,
// shock absorber, spring and bump-stop menus (enter the data, open a file, compare files in
// further project slots, save as). Plain procedures over the hook table, so they run and are
// tested without the window.
#pragma once

#include <array>
#include <cstdint>

namespace kelvra {

// The start screen's menus in menu-bar order (their MenuItem index).
enum class MenuFrmMenu : int {
    File,
    Schema,
    Ammortizzatore,
    Molla,
    Tampone,
    Precarico,
    Funzioni,
    Grafici,
    Tabelle,
    Risultati,
    Guida,
};

// A picture button stands for one menu item.
struct VocePulsante {
    MenuFrmMenu menu;
    int voce;
};

inline constexpr int NUMERO_PULSANTI = 25;
// The inactive twin of a button sits at its index + 50.
inline constexpr int SCARTO_GEMELLO = 50;
extern const std::array<VocePulsante, NUMERO_PULSANTI> VOCI_PULSANTI;

// What the commands ask of the start screen.
class SchermataIniziale {
  public:
    virtual ~SchermataIniziale() = default;
    // Menus, title, thumbnails and enabling from the project tables.
    virtual void Form_Activate() = 0;
    // Opens the geometry editor on a thumbnail's project; the projects after it are no longer
    // held, so they go through the closing check first (Cancel opens nothing).
    virtual void CmdIcon_Click(int Index) = 0;
};

// The project a click on thumbnail `Index` (0..5) opens: its own slot, but never past the
// first slot after the ones held. 0 for an index that is no thumbnail.
int16_t ProgettoMiniatura(int Index);

// Schema menu: 1 enter the geometry, 4 open, 5 compare, 6 save as.
void ComandoSchema(int Index, SchermataIniziale& form);
// Shock absorber, spring and bump-stop menus: 1 enter the data, 3 open, 4 compare, 5 save
// as; the shock absorber's 7 opens the test-bench parameters.
void ComandoAmmortizzatore(int Index, SchermataIniziale& form);
void ComandoMolla(int Index, SchermataIniziale& form);
void ComandoTampone(int Index, SchermataIniziale& form);

} // namespace kelvra
