#include "components/EditorComponenti.h"

#include "components/FrmAcq.h"
#include "components/FrmPLoad.h"
#include "components/InsAmmortizzatore.h"
#include "components/InsMolla.h"
#include "components/InsTampone.h"
#include "platform/Dialoghi.h"
#include "platform/Posizione.h"
#include "shell/Ganci.h"
#include "shell/Main.h"

namespace kelvra {

namespace {

enum class Misura { Componente, Naturale };

// Each opening starts from a fresh window, which is gone once it is closed.
template <class Finestra> void Mostra(Misura misura) {
    MAIN* main = MAIN::Istanza();
    Finestra finestra(main);
    if (misura == Misura::Componente) DimensionaFormComponente(&finestra, main);
    finestra.Form_Activate();
    // A window that takes the size of its texts is measured once they are written, and
    // centred at the size it is shown at.
    if (misura == Misura::Naturale) {
        DimensionaAlContenuto(&finestra, main);
        CentraForm(main, &finestra);
    }
    MostraModale(&finestra);
}

template <class Finestra> void Attiva() {
    Finestra finestra;
    finestra.Form_Activate();
}

} // namespace

void RegistraEditorComponenti() {
    Ganci.MostraInsAmmortizzatore = [] { Mostra<INSAMMORTIZZATORE>(Misura::Componente); };
    Ganci.MostraInsMolla = [] { Mostra<INSMOLLA>(Misura::Componente); };
    Ganci.MostraInsTampone = [] { Mostra<InsTampone>(Misura::Componente); };
    Ganci.MostraFrmPLoad = [] { Mostra<FrmPLoad>(Misura::Naturale); };
    Ganci.MostraFrmAcq = [] { Mostra<FRMACQ>(Misura::Naturale); };
    Ganci.AttivaInsAmmortizzatore = [] { Attiva<INSAMMORTIZZATORE>(); };
    Ganci.AttivaInsMolla = [] { Attiva<INSMOLLA>(); };
    Ganci.AttivaInsTampone = [] { Attiva<InsTampone>(); };
}

} // namespace kelvra
