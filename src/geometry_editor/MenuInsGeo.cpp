// The geometry editor's menu commands that open the other windows (graphs, tables, results,
// preload, the component editors) and the Schema and component menus' file commands, which
// the shared commands carry out for the editor's project.
#include "core/Progetti.h"
#include "core/Servizi.h"
#include "geometry_editor/InsGeo01.h"
#include "shell/Comandi.h"
#include "shell/Ganci.h"

#include <QPointer>

namespace kelvra {

namespace {

// The component commands act on the editor's project, the newest one.
void SelezionaProgettoEditor() {
    if (ProgettoValido(NumeroProgetti)) ProgettoSelezionato = NumeroProgetti;
}

} // namespace

void INSGEO01::SchemaItem_Click(int Index) {
    switch (Index) {
    case 1:
        SchemaNuovaCatena();
        break;
    case 4:
        PassoSalvataggioTipo(MOD_SCHEMA, true);
        Chiama(Ganci.ApriSchema);
        break;
    case 5:
        ConfrontaSchemi();
        break;
    case 6:
        SalvaCome(MOD_SCHEMA);
        break;
    case 8:
        SchemaRimuoviUltimo();
        break;
    case 9:
        SchemaAnnulla();
        break;
    default:
        break;
    }
}

void INSGEO01::CollegaMenuComandi() {
    struct Voce {
        std::map<int, QAction*>* mappa;
        void (INSGEO01::*gestore)(int);
    };
    const Voce voci[] = {{&GraficiItem, &INSGEO01::GraficiItem_Click},
                         {&TabelleItem, &INSGEO01::TabelleItem_Click},
                         {&RisultatiItem, &INSGEO01::RisultatiItem_Click},
                         {&PrecaricoItem, &INSGEO01::PrecaricoItem_Click},
                         {&AmmortizzatoreItem, &INSGEO01::AmmortizzatoreItem_Click},
                         {&MollaItem, &INSGEO01::MollaItem_Click},
                         {&TamponeItem, &INSGEO01::TamponeItem_Click},
                         {&SchemaItem, &INSGEO01::SchemaItem_Click}};
    for (const Voce& v : voci) {
        for (auto& [indice, azione] : *v.mappa) {
            const int k = indice;
            const auto gestore = v.gestore;
            connect(azione, &QAction::triggered, this, [this, k, gestore] { (this->*gestore)(k); });
        }
    }
}

void INSGEO01::GraficiItem_Click(int Index) {
    MostraGrafici(Index);
}
void INSGEO01::TabelleItem_Click(int Index) {
    MostraTabelle(Index);
}
void INSGEO01::RisultatiItem_Click(int Index) {
    MostraRiassunto(Index);
}
void INSGEO01::PrecaricoItem_Click(int Index) {
    ConFinestraComponente([Index] { MostraPrecarico(Index); });
}

void INSGEO01::AmmortizzatoreItem_Click(int Index) {
    SelezionaProgettoEditor();
    ConFinestraComponente([Index] {
        if (Index == 7) Chiama(Ganci.MostraFrmAcq);
        ComandoFileComponente(MOD_AMMORTIZZATORE, Index, Ganci.MostraInsAmmortizzatore);
    });
}

void INSGEO01::MollaItem_Click(int Index) {
    SelezionaProgettoEditor();
    ConFinestraComponente(
        [Index] { ComandoFileComponente(MOD_MOLLA, Index, Ganci.MostraInsMolla); });
}

void INSGEO01::TamponeItem_Click(int Index) {
    SelezionaProgettoEditor();
    ConFinestraComponente(
        [Index] { ComandoFileComponente(MOD_TAMPONE, Index, Ganci.MostraInsTampone); });
}

// The component windows are modal: once their command returns, the window has closed, with
// its data committed or not. The editor stays the active window all the while and is not
// activated again, so its menus and buttons follow the project's state here, at once.
void INSGEO01::ConFinestraComponente(const std::function<void()>& comando) {
    const QPointer<INSGEO01> finestra(this);
    comando();
    if (!finestra) return;
    AggiornaStatoProgetto();
    AggiornaAbilitazione();
}

} // namespace kelvra
