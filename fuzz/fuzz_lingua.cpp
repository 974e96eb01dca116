// Arbitrary bytes into the language loading: the descrambler, the nineteen section reads,
// the menu reader and the source scrambler. The first byte chooses how the rest is used:
//   0: plain records, scrambled here with the key, so headers and end codes are easy to reach
//   1: the scrambled file as it stands
//   2: the plain language file as it stands
//   3: a language source for the scrambler
#include "TempDir.h"
#include "core/Lingua.h"
#include "core/MenuLingua.h"
#include "core/Progetti.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace kelvra;

namespace {

void Scrivi(const std::string& nome, const std::string& dati) {
    std::FILE* f = std::fopen(nome.c_str(), "wb");
    if (!f) std::abort();
    std::fwrite(dati.data(), 1, dati.size(), f);
    std::fclose(f);
}

void Verifica(bool condizione) {
    if (!condizione) std::abort();
}

void LeggiMenu() {
    for (const char* sezione : {"MnuMain", "MnuFrmMenu", "MnuFrmInsGeo", "MnuCurve"}) {
        bool trovata = LeggiMenuLingua(sezione);
        Verifica(NumeroMenu >= 0 && NumeroMenu <= MassimoMenu);
        Verifica(trovata || NumeroMenu == 0);
        for (int r = 0; r <= MassimoMenu; ++r) {
            Verifica(NumeroVociMenu[static_cast<size_t>(r)] >= 0 &&
                     NumeroVociMenu[static_cast<size_t>(r)] <= MassimoVociMenu);
            for (int k = 0; k <= MassimoVociMenu; ++k)
                Verifica(TabellaMenu[static_cast<size_t>(r)][static_cast<size_t>(k)].size() ==
                         static_cast<size_t>(LunghezzaCellaMenu));
        }
        (void)VoceMenu(NumeroMenu, 1);
    }
}

void VerificaSezioni() {
    for (const SezioneTesti* t :
         {&TestiLingua, &TestiCommon, &Messaggi, &TestiUnita, &TestiFrmAcquisizione}) {
        Verifica(t->size() <= static_cast<size_t>(MassimoRigheSezione));
        for (const auto& riga : *t) {
            Verifica(!riga.empty() && riga.size() <= static_cast<size_t>(MassimaLunghezzaRiga));
            Verifica(riga.front() != ' ' && riga.back() != ' ');
        }
    }
    (void)Riga(TestiCommon, 200);
    std::string utf8 = InUtf8(Riga(TestiLingua, 0));
    std::string ritorno;
    Verifica(DaUtf8(utf8, CodicePaginaLingua(), ritorno) && ritorno == Riga(TestiLingua, 0));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    if (n == 0) return 0;
    PercorsoApplicazione = fuzz::CartellaTemporanea();
    AzzeraLingua();
    const std::string resto(reinterpret_cast<const char*>(dati) + 1, n - 1);
    const std::string lng = PercorsoApplicazione + NomeLingua + ".lng";

    switch (dati[0] % 4) {
    case 0: {
        std::string codificato;
        for (size_t i = 0; i < resto.size(); i += LunghezzaRecordLingua)
            codificato += ApplicaXor(resto.substr(i, LunghezzaRecordLingua), ChiaveLingua());
        Scrivi(lng, codificato);
        CaricaLingua();
        VerificaSezioni();
        LeggiMenu();
        break;
    }
    case 1:
        Scrivi(lng, resto);
        CaricaLingua();
        VerificaSezioni();
        LeggiMenu();
        break;
    case 2: {
        FileLingua = PercorsoApplicazione + NomeLingua + "@@.lng";
        Scrivi(FileLingua, resto);
        CaricaTestiLingua();
        VerificaSezioni();
        break;
    }
    default: {
        std::string codificato, errore;
        if (CodificaSorgenteLingua(resto, codificato, errore)) {
            Verifica(codificato.size() % LunghezzaRecordLingua == 0);
            Scrivi(lng, codificato);
            CaricaLingua();
            VerificaSezioni();
            LeggiMenu();
        } else {
            Verifica(!errore.empty());
        }
        break;
    }
    }
    EliminaFileLingua();
    return 0;
}
