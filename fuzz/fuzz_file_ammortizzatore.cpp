// Arbitrary bytes as a shock-absorber file (see FuzzRecord.h).
#include "FuzzRecord.h"

using namespace kelvra;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    return fuzz::ProvaLettore<files::RecordAmmortizzatore>(
        dati, n, files::LUNGHEZZA_AMMORTIZZATORE,
        [](const files::RecordAmmortizzatore& r, int16_t p) { files::CaricaAmmortizzatore(r, p); },
        files::RecordAmmortizzatoreDa);
}
