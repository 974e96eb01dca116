// Applies the menu table read from a language menu section (core/MenuLingua.h) to a
// window's Qt menus. Captions keep their "&" access keys; an item whose caption is empty
// becomes a separator line.
#pragma once

#include <QAction>
#include <QMenu>
#include <string>
#include <vector>

namespace kelvra {

// One top-level menu of a window and its item array: `voci[k]` is item k, so `voci[0]` is
// never captioned; a null element (an index the window does not have) is skipped.
struct MenuFinestra {
    QMenu* menu = nullptr;
    std::vector<QAction*> voci;
};

// Row r of the table (1..NumeroMenu) captions `mappa[r - 1]`: the menu's title, then items
// 1..NumeroVociMenu(r). Rows past the map, or whose menu is null, are skipped; items past
// the array are ignored. An action that opens a submenu keeps its submenu whatever its
// caption.
void ApplicaTabellaMenu(const std::vector<MenuFinestra>& mappa);

// Reads the menu section and applies it. A missing section leaves every caption as it was
// and gives false.
bool ImpostaMenuLingua(const std::string& sezione, const std::vector<MenuFinestra>& mappa);

} // namespace kelvra
