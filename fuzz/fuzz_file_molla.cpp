// Arbitrary bytes as a spring file (see FuzzRecord.h).
#include "FuzzRecord.h"

using namespace kelvra;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    return fuzz::ProvaLettore<files::RecordMolla>(
        dati, n, files::LUNGHEZZA_MOLLA,
        [](const files::RecordMolla& r, int16_t p) { files::CaricaMolla(r, p); },
        files::RecordMollaDa);
}
