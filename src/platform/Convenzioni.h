// The desktop's conventions, the same in every window of the program:
// - Enter presses the push button that has the keyboard focus, as Space does.
// - A status hint goes when the pointer leaves the control that wrote it (or that control is
//   hidden): the hint is tied to the control under the pointer when it is written.
// - A top-level window is never narrower than its title.
// - A box that gets the focus when its window opens has its text selected, as Tab selects it.
// - Escape in a window presses the button named for it (its Cancel or Close), when nothing
//   in the window used the key.
// - Enter in a window presses its default button (its OK), when nothing in the window used
//   the key: a box or a check box with the focus leaves it to the window.
// - Alt and a letter that no access key of the window took types nothing into a box; it beeps.
// InstallaConvenzioniDesktop puts in place for the whole application, once a QApplication
// exists, all but the window's own Escape and Enter buttons, which EscPreme and
// InvioPredefinito name.
#pragma once

#include <QString>

class QAbstractButton;
class QWidget;

namespace kelvra {

void InstallaConvenzioniDesktop();

// Escape in `finestra` presses `pulsante` when it is enabled and shown.
void EscPreme(QWidget* finestra, QAbstractButton* pulsante);
// Enter (also the keypad's) in `finestra` presses `pulsante`, its default button, when it is
// enabled and shown; the button is drawn as the default.
void InvioPredefinito(QWidget* finestra, QAbstractButton* pulsante);

// The control the pointer is over as far as the enter and leave events say; null when the
// pointer is over no window of the program.
QWidget* ControlloSottoPuntatore();

// The width a window needs to show `titolo` whole in its title bar, with the window's icon
// and buttons beside it.
int LarghezzaPerTitolo(const QString& titolo);
// Widens a top-level window to its title, keeping its centre where it was.
void AdattaAlTitolo(QWidget* finestra);

} // namespace kelvra
