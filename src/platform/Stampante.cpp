#include "platform/Stampante.h"

#include "core/Seams.h"
#include "platform/Dialoghi.h"

namespace kelvra {

bool VerificaStampante(const std::string& messaggio) {
    if (StampantePresente()) return true;
    MsgBox(messaggio + ".", vbCritical);
    return false;
}

} // namespace kelvra
