#include "files/Slot.h"

#include "core/Progetti.h"

#include <algorithm>

namespace kelvra::files {

namespace {

// The chain as far as its last slot: slots and junctions above it keep what `a` held.
void CopiaGeometria(const Progetto& s, Progetto& d) {
    const auto u = static_cast<size_t>(std::clamp<int16_t>(s.UltimoElemento, 0, MAX_ELEMENTI));
    const auto g =
        static_cast<size_t>(std::clamp<int16_t>(s.NumeroGiunzioniProgetto, 0, MAX_GIUNZIONI));
    d.UltimoElemento = s.UltimoElemento;
    d.NumeroGiunzioniProgetto = s.NumeroGiunzioniProgetto;
    for (size_t k = 0; k <= u; ++k) d.TipoElemento[k] = s.TipoElemento[k];
    for (size_t j = 1; j <= g; ++j) d.TipoGiunzione[j] = s.TipoGiunzione[j];
    d.DatiForcellone = s.DatiForcellone;
    for (size_t k = 1; k <= u; ++k) {
        if (s.TipoElemento[k] == "A")
            d.DatiAsta[k] = s.DatiAsta[k];
        else if (s.TipoElemento[k] == "S")
            d.DatiSquadretta[k] = s.DatiSquadretta[k];
    }
    d.DatiMolla[u] = s.DatiMolla[u];
    for (size_t k = 0; k <= u; ++k) d.OpzioneFix[k] = s.OpzioneFix[k];
    d.AmmortizzatoreFisso = s.AmmortizzatoreFisso;
}

void IngressiForcellone(Progetto& s) {
    s.PuntiFissi[1] = s.DatiForcellone.P[0];
    s.PosizioneRuota[0] = s.DatiForcellone.P[1];
    s.PuntiGiunzione[2][1][0] = s.DatiForcellone.P[2];
}

// The rest inputs of the chain's junctions, of the swingarm and of the shock mount, from `s`
// into `d`.
void CopiaIngressiRiposo(const Progetto& s, Progetto& d) {
    d.PuntiFissi[1] = s.PuntiFissi[1];
    d.PosizioneRuota[0] = s.PosizioneRuota[0];
    d.PuntiGiunzione[2][1][0] = s.PuntiGiunzione[2][1][0];
    for (int k = 1; k < s.UltimoElemento; ++k) {
        const auto j = static_cast<size_t>((k + 1) / 2); // slots 1 and 2: junction 1, ...
        if (j > MAX_GIUNZIONI) break;
        d.PuntiFissi[j + 1] = s.PuntiFissi[j + 1];
        for (size_t tipo = 2; tipo <= 4; ++tipo)
            d.PuntiGiunzione[tipo][j][0] = s.PuntiGiunzione[tipo][j][0];
    }
    d.AttaccoAmmortizzatore[0] = s.AttaccoAmmortizzatore[0];
}

void CopiaComponenti(const Progetto& s, Progetto& d) {
    d.LungMollaLibera = s.LungMollaLibera;
    d.LungMollaMaxCompressione = s.LungMollaMaxCompressione;
    d.PrecaricoMollaInserita = s.PrecaricoMollaInserita;
    d.CostanteMolla = s.CostanteMolla;
    d.ForzaMolla = s.ForzaMolla;
    std::copy_n(s.EscursioneMolla.begin(), MAX_RIGHE + 1, d.EscursioneMolla.begin());
    d.ValoreRiservatoProgetto = s.ValoreRiservatoProgetto;
    d.AmmortizzatoreCompatibile = s.AmmortizzatoreCompatibile;
    d.ModoMolla = s.ModoMolla;
    d.NomeFileSchema = s.NomeFileSchema;
    d.NomeFileMolla = s.NomeFileMolla;
    d.DescrizioneProgetto1 = s.DescrizioneProgetto1;
    d.DescrizioneProgetto2 = s.DescrizioneProgetto2;
    d.DescrizioneMolla = s.DescrizioneMolla;
    d.NumeroMolle = s.NumeroMolle;
    d.QuotaA = s.QuotaA;
    d.QuotaB = s.QuotaB;
    d.CorsaAmmortizzatore = s.CorsaAmmortizzatore;
    d.LungMollaAmmortizzatore = s.LungMollaAmmortizzatore;
    d.InterasseAmmortizzatore = s.InterasseAmmortizzatore;
    d.InterasseMinimo = s.InterasseMinimo;
    d.MollaCompatibile = s.MollaCompatibile;
    d.TamponeCompatibile = s.TamponeCompatibile;
    d.DescrizioneAmmortizzatore = s.DescrizioneAmmortizzatore;
    d.NomeFileAmmortizzatore = s.NomeFileAmmortizzatore;
    // The gas charge belongs to the shock absorber, and the solver of `a` uses it.
    d.PressioneGas = s.PressioneGas;
    d.DiametroGas = s.DiametroGas;
    d.ForzaGas = s.ForzaGas;
    d.LungTamponeScarico = s.LungTamponeScarico;
    d.LungTamponeMaxCompressione = s.LungTamponeMaxCompressione;
    d.CostanteTampone = s.CostanteTampone;
    d.ForzaTampone = s.ForzaTampone;
    d.EscursioneTampone = s.EscursioneTampone;
    d.ModoTampone = s.ModoTampone;
    d.DescrizioneTampone = s.DescrizioneTampone;
    d.NomeFileTampone = s.NomeFileTampone;
    d.GeometriaInserita = s.GeometriaInserita;
    d.AmmortizzatoreInserito = s.AmmortizzatoreInserito;
    d.MollaInserita = s.MollaInserita;
    d.TamponeInserito = s.TamponeInserito;
    d.StatoDatiProgetto = s.StatoDatiProgetto;
    d.NumPunti = s.NumPunti;
    d.NumPuntiAmmortizzatore = s.NumPuntiAmmortizzatore;
    // The static curve goes with its count: a copy shows what its source shows.
    d.AsseCorsaAmmortizzatore = s.AsseCorsaAmmortizzatore;
    d.ForzaStaticaAmmortizzatore = s.ForzaStaticaAmmortizzatore;
    d.NumPuntiMolla = s.NumPuntiMolla;
    d.NumPuntiTampone = s.NumPuntiTampone;
    d.PrecaricoSetup = s.PrecaricoSetup;
    d.PrecaricoImpostato = s.PrecaricoImpostato;
    d.RaggioRuota = s.RaggioRuota;
}

} // namespace

void CopiaProgetto(int16_t da, int16_t a) {
    if (!ProgettoValido(da) || !ProgettoValido(a)) return;
    Progetto& s = Progetti[size_t(da)];
    Progetto& d = Progetti[size_t(a)];
    CopiaGeometria(s, d);
    IngressiForcellone(s);
    const int16_t u = std::clamp<int16_t>(s.UltimoElemento, 0, MAX_ELEMENTI);
    const int16_t g = std::clamp<int16_t>(s.NumeroGiunzioniProgetto, 0, MAX_GIUNZIONI);
    // A link-link junction at the end of the chain has no far vertex: its node stands in.
    if (u > 2 && g > 0 && s.TipoGiunzione[size_t(g)] == "ASTA_ASTA")
        s.PuntiGiunzione[4][size_t(g)][0] = s.PuntiGiunzione[3][size_t(g)][0];
    s.AttaccoAmmortizzatore[0] = s.DatiMolla[size_t(u)].P[1];
    if (&s != &d) CopiaIngressiRiposo(s, d);
    AmmortizzatoreSuForcellone = s.AmmortizzatoreFisso == 1 ? VERO : FALSO;
    NumeroElementiCatena = static_cast<int16_t>(u + 1);
    NumeroGiunzioni = g;
    if (&s != &d) CopiaComponenti(s, d);
}

void AggiungiProgetto(int16_t da, int16_t a) {
    if (!ProgettoValido(da) || !ProgettoValido(a)) return;
    Progetto& s = Progetti[size_t(da)];
    Progetto& d = Progetti[size_t(a)];
    CopiaGeometria(s, d);
    d.RaggioRuota = s.RaggioRuota;
    IngressiForcellone(s);
}

} // namespace kelvra::files
