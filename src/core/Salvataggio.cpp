#include "core/Salvataggio.h"

#include "core/Progetti.h"
#include "core/Seams.h"

namespace kelvra {

int16_t ChiediSalvataggio(const std::string& messaggio, int16_t tipo) {
    if (tipo < MOD_PROGETTO || tipo > MOD_TAMPONE) return FALSO;
    if (!ProgettoValido(NumeroProgetti)) return FALSO;

    bool modificato = false;
    for (int p = 1; p <= NumeroProgetti; ++p) {
        if (Vero(Progetti[p].ModificatoFile[tipo])) modificato = true;
    }
    if (!modificato) return FALSO;

    return MsgBox(messaggio, vbYesNo) == vbYes ? VERO : FALSO;
}

} // namespace kelvra
