// The shared File and Units commands the start screen calls. Comandi.cpp defines them; until
// its declarations reach Comandi.h the start screen takes them from here.
#pragma once

class QWidget;

namespace kelvra {

// The start screen's File menu and buttons: 1 new, 2 open, 3 compare, 4 close last file,
// 6 save as, 9 printer set-up, 13 exit; other indexes do nothing.
void GestisciMenuFileFrmMenu(int Index);

// Units menu: 1 metric, 2 imperial; ticks the form's two unit items.
void ImpostaUnita(int Index, QWidget& form);

} // namespace kelvra
