#include "core/Seams.h"

namespace kelvra {

namespace {
GestoreMessaggio gestoreMessaggio;
GestoreBeep gestoreBeep;
} // namespace

void ImpostaGestoreMessaggio(GestoreMessaggio gestore) {
    gestoreMessaggio = std::move(gestore);
}
void ImpostaGestoreBeep(GestoreBeep gestore) {
    gestoreBeep = std::move(gestore);
}

int RispostaPrudente(int stile) {
    switch (stile & 7) {
    case vbOKCancel:
    case vbYesNoCancel:
    case vbRetryCancel:
        return vbCancel;
    case vbYesNo:
        return vbNo;
    case vbAbortRetryIgnore:
        return vbAbort;
    default:
        return vbOK;
    }
}

int MsgBox(const std::string& testo, int stile, const std::string& titolo) {
    if (gestoreMessaggio) return gestoreMessaggio(testo, stile, titolo);
    return RispostaPrudente(stile);
}

void Beep() {
    if (gestoreBeep) gestoreBeep();
}

} // namespace kelvra
