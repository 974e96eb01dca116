// What the project-file tests share: files assembled by hand at the offsets of a layout, a
// fixture whose language lines read "L<n>" and whose open dialog is answered in advance, and a
// project slot filled with values that differ field by field. Header only.
#pragma once

#include "core/Progetti.h"
#include "files/FileProgetto.h"
#include "platform/Messaggi.h"
#include "support/CartellaProva.h"
#include "support/Risposte.h"
#include "support/RisposteDialoghi.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace kelvra::test {

// A file assembled field by field at the offsets of the layout.
struct Byte {
    std::string d;
    explicit Byte(size_t n) : d(n, '\0') {}
    Byte& i16(size_t o, int v) { return d[o] = char(v), d[o + 1] = char(uint16_t(v) >> 8), *this; }
    // The test machine is little-endian, as the files are.
    Byte& f32(size_t o, float v) { return std::memcpy(&d[o], &v, 4), *this; }
    // Variable texts from `o`; answers where they end.
    size_t variabili(size_t o, const std::vector<std::string>& testi) {
        for (const auto& t : testi)
            i16(o, int(t.size())).d.replace(o + 2, t.size(), t), o += 2 + t.size();
        return o;
    }
};

class ProjectFiles : public TabelleAzzerate {
  protected:
    void SetUp() override {
        TabelleAzzerate::SetUp();
        for (auto* s : {&Messaggi, &TestiFrmMenu, &TestiCommon, &TestiInsGeo01}) {
            s->clear();
            for (int i = 0; i < 100; ++i) s->push_back("L" + std::to_string(i));
        }
        RegistraFileProgetto();
    }
    std::string Nome(const std::string& n) { return (cartella.cartella / n).string(); }
    // Writes `dati` as the file `n` and answers the open dialog with it.
    std::string Offri(const std::string& n, const std::string& dati) {
        ScriviFile(Nome(n), dati), scelte.fileDaAprire.push_back(Nome(n));
        return Nome(n);
    }
    std::vector<std::string> Testi() const {
        std::vector<std::string> t;
        for (const auto& m : dialoghi.mostrati) t.push_back(m.testo);
        return t;
    }
    CartellaProva cartella{"kelvra_files"};
    RisposteDialoghi scelte;
};

// Slot 1 filled with values that differ field by field, on a three-junction chain.
inline void RiempiProgetto(Progetto& p) {
    const char* lettere[] = {"F", "A", "S", "A", "S", "A", "S", "M"};
    p.UltimoElemento = 7;
    for (int k = 0; k <= 7; ++k) p.TipoElemento[size_t(k)] = lettere[k];
    p.TipoElemento[9] = "A"; // stale, above the chain
    p.NumeroGiunzioniProgetto = 3;
    p.TipoGiunzione = {"", "ASTA_TRIANG", "TRIANG_ASTA", "ASTA_TRIANG", "ASTA_ASTA"};
    p.DatiForcellone.P = {Punto{1, 2}, Punto{550, 310}, Punto{90, 20}};
    // Only what the chain holds: a reader takes nothing else.
    for (size_t k = 1; k <= 7; ++k) {
        if (p.TipoElemento[k] == "A") p.DatiAsta[k].P[1] = {float(k), 2.5f};
        if (p.TipoElemento[k] == "S") p.DatiSquadretta[k].P[2] = {1.25f, float(k)};
    }
    p.DatiMolla[7].P[1] = {7.5f, 3};
    for (size_t i = 0; i <= MAX_RIGHE; ++i) {
        p.CostanteMolla[i] = 10.5, p.ForzaMolla[i] = double(i) * 10.5 + 1;
        p.CostanteTampone[i] = 3.25, p.ForzaTampone[i] = double(i) + 2;
    }
    p.LungMollaLibera = 250.5, p.LungMollaMaxCompressione = 120, p.PrecaricoMollaInserita = 7;
    p.QuotaA = 30, p.QuotaB = 31, p.CorsaAmmortizzatore = 60, p.LungMollaAmmortizzatore = 210;
    p.InterasseAmmortizzatore = 330, p.LungTamponeScarico = 22, p.LungTamponeMaxCompressione = 6;
    p.PressioneGas = 12, p.DiametroGas = 46, p.ForzaGas = 200;
    p.GeometriaInserita = p.MollaInserita = p.AmmortizzatoreInserito = p.TamponeInserito = VERO;
    p.TamponeCompatibile = p.AmmortizzatoreCompatibile = 1; // the spring: 0, no static curve
    p.ModoMolla = 2, p.ModoTampone = 1, p.NumeroMolle = 2, p.StatoDatiProgetto = 15;
    p.NumPunti = 120, p.NumPuntiAmmortizzatore = -1, p.NumPuntiMolla = p.NumPuntiTampone = 1000;
    p.PrecaricoSetup = 12.5, p.AmmortizzatoreFisso = 1;
    p.DescrizioneMolla = "Progressive", p.DescrizioneProgetto1 = "Race";
    p.NomeFileMolla = "/tmp/\xD0\x9F\xD1\x80\xD0\xBE\xD0\xB1\xD0\xB0/molla.kvr"; // Cyrillic
    p.NomeFileTampone = "/tmp/k/t.kvt";
}

} // namespace kelvra::test
