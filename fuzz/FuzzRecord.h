// The shared body of the five file-reader targets: arbitrary bytes as a file of one kind.
// Whatever they hold, the reader either refuses them or loads them into a slot whose counts and
// indexes stay in range, and what the slot writes back reads back to the same bytes.
#pragma once

#include "TempDir.h"
#include "core/FileDisco.h"
#include "core/Progetti.h"
#include "files/Assegna.h"
#include "files/Integrita.h"
#include "files/Record.h"
#include "files/Slot.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace kelvra::fuzz {

inline void Verifica(bool condizione) {
    if (!condizione) std::abort();
}

inline void VerificaSlot(const Progetto& p) {
    Verifica(p.UltimoElemento >= 0 && p.UltimoElemento <= MAX_ELEMENTI);
    Verifica(p.NumeroGiunzioniProgetto >= 0 && p.NumeroGiunzioniProgetto <= MAX_GIUNZIONI);
    Verifica(p.NumPunti >= 0 && p.NumPunti <= MAX_PUNTI);
    Verifica(p.NumPuntiAmmortizzatore >= -1 && p.NumPuntiAmmortizzatore <= MAX_PUNTI);
    Verifica(p.NumPuntiMolla >= 0 && p.NumPuntiMolla <= MAX_RIGHE);
    Verifica(p.NumPuntiTampone >= 0 && p.NumPuntiTampone <= MAX_RIGHE);
    Verifica(p.NumeroMolle >= 0);
}

// `lunghezza` is the kind's record length, `carica` spreads a record into slot 1 and
// `record` builds one from a slot.
template <class R, class Carica, class Costruisci>
int ProvaLettore(const uint8_t* dati, size_t n, size_t lunghezza, Carica carica,
                 Costruisci record) {
    const std::string nome = std::string(CartellaTemporanea()) + "record";
    std::FILE* f = std::fopen(nome.c_str(), "wb");
    if (!f) std::abort();
    std::fwrite(dati, 1, n, f);
    std::fclose(f);
    std::string letti;
    const EsitoLettura esito = LeggiFileRegolare(nome, lunghezza + files::MARGINE_LETTURA, letti);
    Verifica(esito == EsitoLettura::Riuscita || esito == EsitoLettura::TroppoGrande);
    Verifica(letti.size() == std::min(n, lunghezza + files::MARGINE_LETTURA));

    AzzeraTabelle();
    R r;
    if (!files::Decodifica(letti, r)) return 0;
    // The program refuses what the judge refuses; the rest must load into sound values.
    const bool integro = files::RecordIntegro(r);
    carica(r, int16_t{1});
    VerificaSlot(Progetti[1]);
    if (integro) Verifica(Progetti[1].NumeroMolle <= 100);
    files::CopiaProgetto(1, 2);
    VerificaSlot(Progetti[2]);

    const std::string scritto = files::Codifica(record(int16_t{1}));
    Verifica(ScriviFileAtomico(nome, scritto));
    R riletto;
    Verifica(files::Decodifica(scritto, riletto));
    Verifica(files::Codifica(riletto) == scritto);
    return 0;
}

} // namespace kelvra::fuzz
