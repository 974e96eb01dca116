#include "core/Impostazioni.h"

#include "core/Progetti.h"
#include "core/Unita.h"

#include <bit>
#include <cmath>
#include <cstdio>
#include <memory>

namespace kelvra {

int32_t ColoreSfondo = ColoreSfondoPredefinito;
std::array<int32_t, 7> ColoreCurva = ColoreCurvaPredefinito;
int32_t ColoreAssi = ColoreAssiPredefinito;
int32_t ColoreEtichetteAssi = ColoreEtichetteAssiPredefinito;
int32_t ColoreTitoli = ColoreTitoliPredefinito;
int32_t ColoreGriglia = ColoreGrigliaPredefinito;
int16_t ModoQuote = ModoQuotePredefinito;

namespace {

constexpr int OffsetCurve = 8;
constexpr int OffsetAssi = 56;
constexpr int OffsetEtichette = 64;
constexpr int OffsetTitoli = 72;
constexpr int OffsetGriglia = 80;
constexpr int OffsetSistema = 88;
constexpr int OffsetQuote = 90;

void ScriviDouble(RecordImpostazioniByte& r, int offset, double valore) {
    auto bit = std::bit_cast<uint64_t>(valore);
    for (int i = 0; i < 8; ++i) r[offset + i] = static_cast<unsigned char>(bit >> (8 * i));
}

void ScriviInt16(RecordImpostazioniByte& r, int offset, int16_t valore) {
    auto u = static_cast<uint16_t>(valore);
    r[offset] = static_cast<unsigned char>(u & 0xFF);
    r[offset + 1] = static_cast<unsigned char>(u >> 8);
}

double LeggiDouble(const RecordImpostazioniByte& r, int offset) {
    uint64_t bit = 0;
    for (int i = 0; i < 8; ++i) bit |= static_cast<uint64_t>(r[offset + i]) << (8 * i);
    return std::bit_cast<double>(bit);
}

int16_t LeggiInt16(const RecordImpostazioniByte& r, int offset) {
    auto u = static_cast<uint16_t>(r[offset] | (r[offset + 1] << 8));
    return static_cast<int16_t>(u);
}

// The colour held by a stored double, or the default when it is not a 24-bit colour number.
int32_t ColoreValido(double valore, int32_t predefinito) {
    if (!std::isfinite(valore)) return predefinito;
    double arrotondato = std::nearbyint(valore);
    if (arrotondato < 0.0 || arrotondato > 16777215.0) return predefinito;
    return static_cast<int32_t>(arrotondato);
}

struct ChiudiFile {
    void operator()(std::FILE* f) const {
        if (f) std::fclose(f);
    }
};

} // namespace

std::string RecordImpostazioni() {
    return PercorsoApplicazione + NomeFileImpostazioni;
}

void ImpostaINIDefault() {
    ColoreSfondo = ColoreSfondoPredefinito;
    ColoreCurva = ColoreCurvaPredefinito;
    ColoreAssi = ColoreAssiPredefinito;
    ColoreEtichetteAssi = ColoreEtichetteAssiPredefinito;
    ColoreTitoli = ColoreTitoliPredefinito;
    ColoreGriglia = ColoreGrigliaPredefinito;
    SistemaUnita = SistemaUnitaPredefinito;
    ModoQuote = ModoQuotePredefinito;
}

RecordImpostazioniByte CodificaImpostazioni() {
    RecordImpostazioniByte r{};
    ScriviDouble(r, 0, ColoreSfondo);
    for (int p = 1; p <= 6; ++p) ScriviDouble(r, OffsetCurve + 8 * (p - 1), ColoreCurva[p]);
    ScriviDouble(r, OffsetAssi, ColoreAssi);
    ScriviDouble(r, OffsetEtichette, ColoreEtichetteAssi);
    ScriviDouble(r, OffsetTitoli, ColoreTitoli);
    ScriviDouble(r, OffsetGriglia, ColoreGriglia);
    ScriviInt16(r, OffsetSistema, SistemaUnita);
    ScriviInt16(r, OffsetQuote, ModoQuote);
    return r;
}

bool DecodificaImpostazioni(const unsigned char* dati, size_t lunghezza) {
    RecordImpostazioniByte r{};
    for (size_t i = 0; i < r.size() && i < lunghezza; ++i) r[i] = dati[i];

    int16_t sistema = LeggiInt16(r, OffsetSistema);
    if (sistema == 0) {
        ImpostaINIDefault();
        return false;
    }
    SistemaUnita = (sistema == 1 || sistema == 2) ? sistema : SistemaUnitaPredefinito;

    ColoreSfondo = ColoreValido(LeggiDouble(r, 0), ColoreSfondoPredefinito);
    for (int p = 1; p <= 6; ++p)
        ColoreCurva[p] =
            ColoreValido(LeggiDouble(r, OffsetCurve + 8 * (p - 1)), ColoreCurvaPredefinito[p]);
    ColoreAssi = ColoreValido(LeggiDouble(r, OffsetAssi), ColoreAssiPredefinito);
    ColoreEtichetteAssi =
        ColoreValido(LeggiDouble(r, OffsetEtichette), ColoreEtichetteAssiPredefinito);
    ColoreTitoli = ColoreValido(LeggiDouble(r, OffsetTitoli), ColoreTitoliPredefinito);
    ColoreGriglia = ColoreValido(LeggiDouble(r, OffsetGriglia), ColoreGrigliaPredefinito);

    int16_t quote = LeggiInt16(r, OffsetQuote);
    ModoQuote = (quote >= 0 && quote <= 2) ? quote : ModoQuotePredefinito;
    return true;
}

bool LeggiFileIni() {
    std::unique_ptr<std::FILE, ChiudiFile> f(std::fopen(RecordImpostazioni().c_str(), "rb"));
    if (!f) {
        ImpostaINIDefault();
        return false;
    }
    RecordImpostazioniByte r{};
    size_t letti = std::fread(r.data(), 1, r.size(), f.get());
    if (std::ferror(f.get())) letti = 0; // unreadable: no settings
    return DecodificaImpostazioni(r.data(), letti);
}

bool ScriviFileIni() {
    const RecordImpostazioniByte r = CodificaImpostazioni();
    std::FILE* f = std::fopen(RecordImpostazioni().c_str(), "wb");
    if (!f) return false;
    bool scritto = std::fwrite(r.data(), 1, r.size(), f) == r.size();
    scritto = (std::fclose(f) == 0) && scritto;
    return scritto;
}

} // namespace kelvra
