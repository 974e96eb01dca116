#include "shell/ComandiFrmMenu.h"

#include "core/Lingua.h"
#include "core/Progetti.h"
#include "core/Seams.h"
#include "shell/Comandi.h"
#include "shell/Ganci.h"
#include "shell/Main.h"

#include <algorithm>
#include <functional>
#include <string>

namespace kelvra {

namespace {

using M = MenuFrmMenu;

void MostraEditoreGeometria() {
    if (MAIN* main = MAIN::Istanza(); main && Ganci.MostraInsGeo) Ganci.MostraInsGeo(*main, false);
}

} // namespace

const std::array<VocePulsante, NUMERO_PULSANTI> VOCI_PULSANTI{{
    {M::File, 1},
    {M::File, 2},
    {M::File, 6},
    {M::File, 3},
    {M::Schema, 1},
    {M::Schema, 4},
    {M::Schema, 6},
    {M::Schema, 5},
    {M::Ammortizzatore, 1},
    {M::Ammortizzatore, 3},
    {M::Ammortizzatore, 5},
    {M::Ammortizzatore, 4},
    {M::Molla, 1},
    {M::Molla, 3},
    {M::Molla, 5},
    {M::Molla, 4},
    {M::Tampone, 1},
    {M::Tampone, 3},
    {M::Tampone, 5},
    {M::Tampone, 4},
    {M::Precarico, 1},
    {M::Grafici, 1},
    {M::Tabelle, 1},
    {M::Guida, 1},
    // The exit door ends the program as File, Exit does.
    {M::File, 13},
}};

int16_t ProgettoMiniatura(int Index) {
    if (Index < 0 || Index >= MAX_PROGETTI || !ProgettoValido(NumeroProgetti)) return 0;
    return static_cast<int16_t>(std::min(Index + 1, NumeroProgetti + 1));
}

void ComandoSchema(int Index, SchermataIniziale& form) {
    switch (Index) {
    case 1:
        // The editor opens on the newest project, the one File, New has just made.
        PassoSalvataggioTipo(MOD_SCHEMA, true);
        form.CmdIcon_Click(NumeroProgetti - 1);
        break;
    case 4:
        PassoSalvataggioTipo(MOD_SCHEMA, true);
        CaricatoSchema = FALSO;
        Chiama(Ganci.ApriSchema);
        if (Vero(CaricatoSchema)) MostraEditoreGeometria();
        break;
    case 5:
        ConfrontaSchemi();
        break;
    case 6:
        SalvaCome(MOD_SCHEMA);
        break;
    default:
        break;
    }
}

void ComandoAmmortizzatore(int Index, SchermataIniziale&) {
    if (Index == 7) Chiama(Ganci.MostraFrmAcq);
    ComandoFileComponente(MOD_AMMORTIZZATORE, Index, Ganci.MostraInsAmmortizzatore);
}

void ComandoMolla(int Index, SchermataIniziale&) {
    ComandoFileComponente(MOD_MOLLA, Index, Ganci.MostraInsMolla);
}

void ComandoTampone(int Index, SchermataIniziale&) {
    ComandoFileComponente(MOD_TAMPONE, Index, Ganci.MostraInsTampone);
}

} // namespace kelvra
