// Arbitrary bytes as a geometry file (see FuzzRecord.h).
#include "FuzzRecord.h"

using namespace kelvra;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    return fuzz::ProvaLettore<files::RecordSchema>(
        dati, n, files::LUNGHEZZA_SCHEMA,
        [](const files::RecordSchema& r, int16_t p) { files::CaricaSchema(r, p); },
        files::RecordSchemaDa);
}
