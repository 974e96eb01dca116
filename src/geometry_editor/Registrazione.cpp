// The geometry editor answers the start-up, the main window and the shared new-project step
// through the hook table.
#include "core/Progetti.h"
#include "core/Unita.h"
#include "geometry_editor/InsGeo01.h"
#include "shell/Ganci.h"
#include "shell/Main.h"

#include <QMdiSubWindow>

namespace kelvra {

void RegistraEditorGeometria() {
    Ganci.CreaEditorGeometria = [] { INSGEO01::Crea().ImpostaUnita(SistemaUnita); };
    Ganci.MostraInsGeo = [](MAIN& main, bool centra) {
        INSGEO01& editor = INSGEO01::Crea();
        QMdiSubWindow* sotto = main.AggiungiFiglia(&editor);
        if (centra && sotto) {
            sotto->move((main.AreaMdi()->width() - sotto->width()) / 2,
                        (main.AreaMdi()->height() - sotto->height()) / 2);
        }
        if (sotto) sotto->showMaximized();
        main.AttivaFiglia(&editor);
    };
    Ganci.AttivaInsGeo = [] {
        if (INSGEO01* editor = INSGEO01::Istanza()) editor->Form_Activate();
    };
    Ganci.ControlloVariabiliInsGeo = [] { return INSGEO01::Crea().ControlloVariabili(); };
    Ganci.PreparaNuovoProgettoInsGeo = [] { INSGEO01::Crea().PreparaNuovoProgettoEditor(); };
    Ganci.TitoloInsGeo = [] {
        if (INSGEO01* editor = INSGEO01::Istanza()) editor->ImpostaTitolo();
    };
}

} // namespace kelvra
