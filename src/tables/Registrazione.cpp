// The result tables answer the Tables and Results commands through the hook table.
#include "platform/Dialoghi.h"
#include "platform/Posizione.h"
#include "shell/Ganci.h"
#include "shell/Main.h"
#include "tables/Tab01.h"
#include "tables/TabRiass.h"

namespace kelvra {

void RegistraTabelle() {
    // Each showing builds the window afresh and unloads it when it closes.
    Ganci.MostraTab01 = [] {
        MAIN* main = MAIN::Istanza();
        TAB01 tabella(main);
        tabella.Form_Load();
        CentraForm(main, &tabella);
        tabella.Form_Activate();
        MostraModale(&tabella);
        switch (tabella.SeguitoChiusura()) {
        case TAB01::Seguito::Dati:
            if (main && Ganci.MostraInsGeo) Ganci.MostraInsGeo(*main, false);
            break;
        case TAB01::Seguito::Grafici:
            if (Ganci.MostraCurve01) Ganci.MostraCurve01();
            break;
        case TAB01::Seguito::Nessuno:
            break;
        }
    };
    Ganci.MostraTabRiass = [] {
        MAIN* main = MAIN::Istanza();
        TABRIASS riassunto(main);
        // Measured once its texts are written, and centred at the size it is shown at.
        riassunto.Form_Activate();
        DimensionaAlContenuto(&riassunto, main);
        CentraForm(main, &riassunto);
        MostraModale(&riassunto);
    };
}

} // namespace kelvra
