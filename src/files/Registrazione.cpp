// The project files answer the readers, writers, slot copies, save dialogs and choosers of
// the hook table.
#include "core/Progetti.h"
#include "files/FileProgetto.h"
#include "files/FinestraFile.h"
#include "files/Slot.h"
#include "shell/Ganci.h"

namespace kelvra {

void RegistraFileProgetto() {
    Ganci.SalvaProgetto = &SalvaProgetto;
    Ganci.ImpostaStampante = &ImpostaStampante;
    Ganci.ApriSchema = [] {
        int16_t annullato = FALSO;
        ApriSchema(annullato);
    };
    Ganci.ApriProgetto = &ApriProgetto;
    Ganci.ApriAmmortizzatore = &ApriAmmortizzatore;
    Ganci.ApriMolla = &ApriMolla;
    Ganci.ApriTampone = &ApriTampone;
    Ganci.SalvaSchema = &SalvaSchema;
    Ganci.SalvaAmmortizzatore = &SalvaAmmortizzatore;
    Ganci.SalvaMolla = &SalvaMolla;
    Ganci.SalvaTampone = &SalvaTampone;
    Ganci.CopiaProgetto = &files::CopiaProgetto;
    Ganci.AggiungiProgetto = &files::AggiungiProgetto;
    Ganci.MostraSceltaOpen = [](MAIN&) { MostraSceltaOpen(); };
    Ganci.MostraSceltaSave = [](MAIN&) { MostraSceltaSave(); };
    Ganci.MostraFrmSalvaTipo = [](int16_t tipo) {
        if (tipo >= MOD_PROGETTO && tipo <= MOD_TAMPONE) MostraFrmSalva(tipo);
    };
}

} // namespace kelvra
