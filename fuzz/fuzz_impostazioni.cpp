// Arbitrary bytes as the settings file: whatever it holds, the settings read are usable
// and the record written back is 92 bytes that read back to the same settings.
#include "TempDir.h"
#include "core/Impostazioni.h"
#include "core/Progetti.h"
#include "core/Unita.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace kelvra;

namespace {

void Verifica(bool condizione) {
    if (!condizione) std::abort();
}

bool Colore(int32_t c) {
    return c >= 0 && c <= 0xFFFFFF;
}

void VerificaValori() {
    Verifica(SistemaUnita == 1 || SistemaUnita == 2);
    Verifica(ModoQuote >= 0 && ModoQuote <= 2);
    Verifica(Colore(ColoreSfondo) && Colore(ColoreAssi) && Colore(ColoreEtichetteAssi) &&
             Colore(ColoreTitoli) && Colore(ColoreGriglia));
    for (int p = 1; p <= 6; ++p) Verifica(Colore(ColoreCurva[static_cast<size_t>(p)]));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    PercorsoApplicazione = fuzz::CartellaTemporanea();

    DecodificaImpostazioni(dati, n);
    VerificaValori();
    const RecordImpostazioniByte primo = CodificaImpostazioni();
    Verifica(DecodificaImpostazioni(primo.data(), primo.size()));
    const RecordImpostazioniByte secondo = CodificaImpostazioni();
    Verifica(std::memcmp(primo.data(), secondo.data(), primo.size()) == 0);

    // The same bytes through the file.
    std::FILE* f = std::fopen(RecordImpostazioni().c_str(), "wb");
    if (!f) std::abort();
    std::fwrite(dati, 1, n, f);
    std::fclose(f);
    LeggiFileIni();
    VerificaValori();
    Verifica(ScriviFileIni());
    f = std::fopen(RecordImpostazioni().c_str(), "rb");
    if (!f) std::abort();
    std::fseek(f, 0, SEEK_END);
    Verifica(std::ftell(f) == LunghezzaRecordImpostazioni);
    std::fclose(f);
    return 0;
}
