#include "core/Impostazioni.h"

#include "core/FileDisco.h"
#include "core/Lingua.h"
#include "core/Progetti.h"
#include "core/Record.h"
#include "core/Seams.h"
#include "core/Unita.h"

#include <algorithm>
#include <cmath>

namespace kelvra {

int32_t ColoreSfondo = ColoreSfondoPredefinito;
std::array<int32_t, 7> ColoreCurva = ColoreCurvaPredefinito;
int32_t ColoreAssi = ColoreAssiPredefinito;
int32_t ColoreEtichetteAssi = ColoreEtichetteAssiPredefinito;
int32_t ColoreTitoli = ColoreTitoliPredefinito;
int32_t ColoreGriglia = ColoreGrigliaPredefinito;
int16_t ModoQuote = ModoQuotePredefinito;

namespace {

// The colour held by a stored double, or the default when it is not a 24-bit colour number.
int32_t ColoreValido(double valore, int32_t predefinito) {
    if (!std::isfinite(valore)) return predefinito;
    double arrotondato = std::nearbyint(valore);
    if (arrotondato < 0.0 || arrotondato > 16777215.0) return predefinito;
    return static_cast<int32_t>(arrotondato);
}

// Tells the user the settings file could not be read or written: line `riga` of section
// MsgBox, then the file's path.
void Avvisa(int riga) {
    MsgBox(TestoConPercorso(Riga(Messaggi, riga), RecordImpostazioni()),
           vbOKOnly + vbExclamation + TESTO_UTF8);
}

} // namespace

std::string RecordImpostazioni() {
    return PercorsoApplicazione + NomeFileImpostazioni;
}

void ImpostaColoriPredefiniti() {
    ColoreSfondo = ColoreSfondoPredefinito;
    ColoreCurva = ColoreCurvaPredefinito;
    ColoreAssi = ColoreAssiPredefinito;
    ColoreEtichetteAssi = ColoreEtichetteAssiPredefinito;
    ColoreTitoli = ColoreTitoliPredefinito;
    ColoreGriglia = ColoreGrigliaPredefinito;
}

void ImpostaINIDefault() {
    ImpostaColoriPredefiniti();
    SistemaUnita = SistemaUnitaPredefinito;
    ModoQuote = ModoQuotePredefinito;
}

RecordImpostazioniByte CodificaImpostazioni() {
    ScrittoreRecord w;
    w.Double(ColoreSfondo);
    for (int p = 1; p <= 6; ++p) w.Double(ColoreCurva[static_cast<size_t>(p)]);
    for (int32_t colore : {ColoreAssi, ColoreEtichetteAssi, ColoreTitoli, ColoreGriglia})
        w.Double(colore);
    w.Int16(SistemaUnita);
    w.Int16(ModoQuote);
    RecordImpostazioniByte r{};
    std::copy(w.Dati().begin(), w.Dati().end(), r.begin());
    return r;
}

bool DecodificaImpostazioni(const unsigned char* dati, size_t lunghezza) {
    // Read as a record of its full length: bytes missing at the end are zeros.
    RecordImpostazioniByte r{};
    std::copy_n(dati, std::min(lunghezza, r.size()), r.begin());
    LettoreRecord l(r);
    std::array<double, 11> colori; // background, curves 1..6, axes, labels, titles, grid
    l.Campo(colori);
    const int16_t sistema = l.Int16();
    const int16_t quote = l.Int16();
    if (sistema == 0) {
        ImpostaINIDefault();
        return false;
    }
    SistemaUnita = (sistema == 1 || sistema == 2) ? sistema : SistemaUnitaPredefinito;

    ColoreSfondo = ColoreValido(colori[0], ColoreSfondoPredefinito);
    for (size_t p = 1; p <= 6; ++p)
        ColoreCurva[p] = ColoreValido(colori[p], ColoreCurvaPredefinito[p]);
    ColoreAssi = ColoreValido(colori[7], ColoreAssiPredefinito);
    ColoreEtichetteAssi = ColoreValido(colori[8], ColoreEtichetteAssiPredefinito);
    ColoreTitoli = ColoreValido(colori[9], ColoreTitoliPredefinito);
    ColoreGriglia = ColoreValido(colori[10], ColoreGrigliaPredefinito);
    ModoQuote = (quote >= 0 && quote <= 2) ? quote : ModoQuotePredefinito;
    return true;
}

bool LeggiFileIni() {
    std::string letti;
    switch (LeggiFileRegolare(RecordImpostazioni(), LunghezzaRecordImpostazioni, letti)) {
    case EsitoLettura::Riuscita:
    case EsitoLettura::TroppoGrande: // the record is the first 92 bytes; the rest is ignored
        return DecodificaImpostazioni(reinterpret_cast<const unsigned char*>(letti.data()),
                                      letti.size());
    case EsitoLettura::Assente: // a first start
        break;
    case EsitoLettura::NonRegolare:
    case EsitoLettura::NonApribile:
    case EsitoLettura::ErroreLettura:
        Avvisa(RigaImpostazioniNonLette);
        break;
    }
    ImpostaINIDefault();
    return false;
}

bool ScriviFileIni() {
    const RecordImpostazioniByte r = CodificaImpostazioni();
    if (ScriviFileAtomico(RecordImpostazioni(), std::string(r.begin(), r.end()))) return true;
    Avvisa(RigaImpostazioniNonScritte);
    return false;
}

} // namespace kelvra
