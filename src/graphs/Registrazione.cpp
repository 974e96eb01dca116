// The graph window answers the Graphs commands through the hook table.
#include "graphs/Curve01.h"
#include "shell/Ganci.h"
#include "shell/Main.h"

#include <QMdiSubWindow>

namespace kelvra {

void RegistraGrafici() {
    Ganci.MostraCurve01 = [] {
        MAIN* main = MAIN::Istanza();
        if (!main) return;
        const bool nuova = CURVE01::Istanza() == nullptr;
        CURVE01& finestra = CURVE01::Crea();
        QMdiSubWindow* sotto = main->AggiungiFiglia(&finestra);
        if (sotto && nuova) sotto->showMaximized();
        main->AttivaFiglia(&finestra);
    };
}

} // namespace kelvra
