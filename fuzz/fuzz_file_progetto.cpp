// Arbitrary bytes as a whole-project file (see FuzzRecord.h).
#include "FuzzRecord.h"

using namespace kelvra;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    return fuzz::ProvaLettore<files::RecordProgetto>(
        dati, n, files::LUNGHEZZA_PROGETTO,
        [](const files::RecordProgetto& r, int16_t p) { files::CaricaProgetto(r, p); },
        files::RecordProgettoDa);
}
