#include "platform/Stampante.h"

#include "core/Seams.h"

#include <QPrinterInfo>

namespace kelvra {

namespace {
std::function<bool()>& Presenza() {
    static std::function<bool()> presenza;
    return presenza;
}

bool StampantePresente() {
    if (Presenza()) return Presenza()();
    return !QPrinterInfo::defaultPrinter().isNull() ||
           !QPrinterInfo::availablePrinterNames().isEmpty();
}
} // namespace

void ImpostaPresenzaStampante(std::function<bool()> presenza) {
    Presenza() = std::move(presenza);
}

bool VerificaStampante(const std::string& messaggio) {
    if (StampantePresente()) return true;
    MsgBox(messaggio + ".", vbCritical);
    return false;
}

} // namespace kelvra
