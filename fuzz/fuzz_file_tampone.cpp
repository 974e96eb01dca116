// Arbitrary bytes as a bump-stop file (see FuzzRecord.h).
#include "FuzzRecord.h"

using namespace kelvra;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    return fuzz::ProvaLettore<files::RecordTampone>(
        dati, n, files::LUNGHEZZA_TAMPONE,
        [](const files::RecordTampone& r, int16_t p) { files::CaricaTampone(r, p); },
        files::RecordTamponeDa);
}
