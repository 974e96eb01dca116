#include "components/TabellaComponente.h"

#include "core/DatiStatici.h"
#include "core/Formato.h"
#include "core/Servizi.h"
#include "core/Unita.h"

#include <algorithm>

namespace kelvra {

int TabellaComponente::UltimaRiga() const {
    return static_cast<int>(Int((LiberaMm - CompressaMm) / PassoTabella + 1e-6));
}

bool TabellaComponente::RigheValide() const {
    const int n = UltimaRiga();
    return n >= 1 && n <= MAX_RIGHE;
}

void TabellaComponente::Azzera() {
    TabellaCostanti.fill(0);
    TabellaForze.fill(0);
    conValore_.fill(false);
}

double TabellaComponente::FattoreCoefficiente() const {
    if (legge_ == LeggeForza::Lineare) return FattoreUnita[UNITA_RIGIDEZZA];
    const double f0 = FattoreUnita[UNITA_LUNGHEZZA];
    return f0 == 0 ? 0 : FattoreUnita[UNITA_FORZA] / (f0 * f0);
}

double TabellaComponente::Incremento(int i) const {
    const double passo = PassoTabella;
    if (legge_ == LeggeForza::Lineare) return passo;
    // Real arithmetic throughout: with a thousand rows the sums reach millions.
    return passo * passo * (2.0 * i - 1.0);
}

int TabellaComponente::InizioBlocco(int riga) const {
    riga = std::clamp(riga, 0, MAX_RIGHE);
    for (int i = 0; i < riga; ++i) {
        if (i == 0 && TabellaCostanti[1] == 0) return 0;
        if (i >= 1 && TabellaCostanti[static_cast<size_t>(i)] == 0) return i;
    }
    return riga;
}

void TabellaComponente::RiempiCostante(int primo, int righe, double k) {
    const double fc = FattoreCoefficiente();
    const double kInterno = fc == 0 ? 0 : k / fc;
    const double f1 = FattoreUnita[UNITA_FORZA];
    for (int i = std::max(primo, 0); i < primo + righe && i <= MAX_RIGHE; ++i) {
        const auto r = static_cast<size_t>(i);
        TabellaForze[r] = i == 0 ? 0 : TabellaForze[r - 1] + kInterno * f1 * Incremento(i);
        TabellaCostanti[r] = k;
        conValore_[r] = true;
    }
}

double TabellaComponente::RiempiForza(int primo, int righe, double F) {
    if (primo < 0 || righe < 1) return 0;
    // The force the block adds for a stored coefficient of 1, from the row above it.
    double somma = 0;
    for (int i = std::max(primo, 1); i < primo + righe && i <= MAX_RIGHE; ++i)
        somma += Incremento(i);
    double k = TabellaCostanti[0]; // a one-row block at row 0 keeps row 0's rate
    if (somma != 0) {
        const double base = primo >= 1 ? TabellaForze[static_cast<size_t>(primo - 1)] : 0;
        const double f1 = FattoreUnita[UNITA_FORZA];
        k = f1 == 0 ? 0 : (F - base) / f1 / somma * FattoreCoefficiente();
    }
    RiempiCostante(primo, righe, k);
    return k;
}

void TabellaComponente::Svuota(int primo, int righe) {
    for (int i = std::max(primo, 0); i < primo + righe && i <= MAX_RIGHE; ++i) {
        const auto r = static_cast<size_t>(i);
        TabellaCostanti[r] = TabellaForze[r] = 0;
        conValore_[r] = false;
    }
}

int TabellaComponente::PrimaRigaVuota() const {
    const int n = std::min(UltimaRiga(), MAX_RIGHE);
    for (int i = 1; i <= n; ++i)
        if (!ConValore(i)) return i;
    return 0;
}

void TabellaComponente::Carica(const Tabella& costanti, const Tabella& forze, double libera,
                               double compressa) {
    Azzera();
    LiberaMm = libera;
    CompressaMm = compressa;
    // Whatever the component holds stands as given, up to any length typed later.
    conValore_.fill(true);
    const int n = std::min(UltimaRiga(), MAX_RIGHE);
    const double fc = FattoreCoefficiente();
    const double f1 = FattoreUnita[UNITA_FORZA];
    for (int i = 0; i <= n; ++i) {
        const auto r = static_cast<size_t>(i);
        TabellaCostanti[r] = costanti[r] * fc;
        TabellaForze[r] = forze[r] * f1;
    }
}

void TabellaComponente::CaricaMolla(const Progetto& p) {
    if (Vero(p.MollaInserita))
        Carica(p.CostanteMolla, p.ForzaMolla, p.LungMollaLibera, p.LungMollaMaxCompressione);
    else
        Azzera(), LiberaMm = CompressaMm = 0;
}

void TabellaComponente::CaricaTampone(const Progetto& p) {
    if (Vero(p.TamponeInserito))
        Carica(p.CostanteTampone, p.ForzaTampone, p.LungTamponeScarico,
               p.LungTamponeMaxCompressione);
    else
        Azzera(), LiberaMm = CompressaMm = 0;
}

int TabellaComponente::ControllaLunghezze(const Progetto& p) const {
    if (!RigheValide()) return MSG_RIGHE_TABELLA;
    const bool ammortizzatore = Vero(p.AmmortizzatoreInserito);
    if (legge_ == LeggeForza::Quadratica)
        return ammortizzatore && LiberaMm >= p.CorsaAmmortizzatore ? MSG_TAMPONE_CORSA : 0;
    if (!ammortizzatore)
        return VerificaDifferenzaMaggiore(LiberaMm, p.PrecaricoMollaInserita, CompressaMm)
                   ? 0
                   : MSG_MOLLA_COMPRESSA;
    // Judged with the preload this spring will have in the seat, not the last spring's, and
    // with the lengths as the commit will store them.
    const SistemazioneMolla m =
        GiudicaMolla(p, ComeSingolo(LiberaMm), ComeSingolo(CompressaMm), p.LungMollaAmmortizzatore);
    if (!m.sopraPacco) return MSG_MOLLA_COMPRESSA;
    return m.nellaSede ? 0 : MSG_MOLLA_SEDE;
}

void TabellaComponente::Scrivi(Tabella& costanti, Tabella& forze, double& libera,
                               double& compressa) const {
    const int n = std::clamp(UltimaRiga(), 0, MAX_RIGHE);
    const double fc = FattoreCoefficiente();
    const double f1 = FattoreUnita[UNITA_FORZA];
    costanti.fill(0);
    forze.fill(0);
    for (int i = 0; i <= n; ++i) {
        const auto r = static_cast<size_t>(i);
        costanti[r] = fc == 0 ? 0 : ComeSingolo(TabellaCostanti[r] / fc);
        forze[r] = f1 == 0 ? 0 : ComeSingolo(TabellaForze[r] / f1);
    }
    libera = ComeSingolo(LiberaMm);
    compressa = ComeSingolo(CompressaMm);
}

void TabellaComponente::ScriviMolla(Progetto& p, int16_t modo, int16_t numeroMolle) const {
    Scrivi(p.CostanteMolla, p.ForzaMolla, p.LungMollaLibera, p.LungMollaMaxCompressione);
    const int n = std::clamp(UltimaRiga(), 0, MAX_RIGHE);
    for (int i = 0; i <= n; ++i) p.EscursioneMolla[static_cast<size_t>(i)] = i;
    if (modo != 0) p.ModoMolla = modo;
    p.NumeroMolle = numeroMolle;
    p.NumPuntiMolla = static_cast<int16_t>(n);
    p.MollaInserita = VERO;
}

void TabellaComponente::ScriviTampone(Progetto& p, int16_t modo) const {
    Scrivi(p.CostanteTampone, p.ForzaTampone, p.LungTamponeScarico, p.LungTamponeMaxCompressione);
    const int n = std::clamp(UltimaRiga(), 0, MAX_RIGHE);
    for (int i = 0; i <= n; ++i) p.EscursioneTampone[static_cast<size_t>(i)] = i;
    if (modo != 0) p.ModoTampone = modo;
    p.NumPuntiTampone = static_cast<int16_t>(n);
    p.TamponeInserito = VERO;
}

} // namespace kelvra
