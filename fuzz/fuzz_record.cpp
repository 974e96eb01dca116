// Arbitrary bytes through the record reader: the first byte says how many of the next bytes
// are a program of reads, the rest is the record. Every read that succeeds, written back with
// the writer, gives exactly the bytes it consumed; a failed read stays failed, reads nothing
// more and gives zero values; no read ever leaves the record.
#include "core/Record.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>

using namespace kelvra;

namespace {

void Verifica(bool condizione) {
    if (!condizione) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    if (n == 0) return 0;
    const size_t passi = dati[0] % 32 < n - 1 ? dati[0] % 32 : n - 1;
    const std::span<const unsigned char> programma(dati + 1, passi);
    const std::span<const unsigned char> record(dati + 1 + passi, n - 1 - passi);

    LettoreRecord r(record);
    for (unsigned char passo : programma) {
        const bool primaRiuscito = r.Riuscito();
        const size_t prima = r.Posizione();
        const size_t argomento = passo >> 3;
        ScrittoreRecord w;
        bool nullo = true; // the value read is zero / empty
        switch (passo & 7) {
        case 0: {
            int16_t v = r.Int16();
            w.Int16(v);
            nullo = v == 0;
            break;
        }
        case 1: {
            int32_t v = r.Int32();
            w.Int32(v);
            nullo = v == 0;
            break;
        }
        case 2: {
            float v = r.Single();
            w.Single(v);
            nullo = w.Dati() == ByteRecord(4, 0);
            break;
        }
        case 3: {
            double v = r.Double();
            w.Double(v);
            nullo = w.Dati() == ByteRecord(8, 0);
            break;
        }
        case 4: {
            std::string t = r.TestoFisso(argomento);
            if (r.Riuscito()) w.TestoFisso(t, argomento);
            nullo = t.empty();
            break;
        }
        case 5: {
            std::string t = r.TestoContato(argomento == 31 ? 65535 : argomento);
            Verifica(w.TestoContato(t));
            nullo = t.empty();
            break;
        }
        case 6:
            r.VaiA(argomento);
            break;
        default:
            r.Salta(argomento);
            break;
        }
        Verifica(r.Posizione() <= record.size());
        if (!primaRiuscito) {
            Verifica(!r.Riuscito() && nullo && r.Posizione() == record.size());
            continue;
        }
        if (!r.Riuscito()) {
            Verifica(nullo && r.PosizioneErrore() == prima);
            continue;
        }
        if ((passo & 7) < 6) {
            Verifica(r.Posizione() - prima == w.Dati().size());
            Verifica(w.Dati().empty() ||
                     std::memcmp(record.data() + prima, w.Dati().data(), w.Dati().size()) == 0);
        }
    }
    return 0;
}
