#include "components/DatiComponenti.h"

#include "core/Cinematica.h"
#include "core/DatiStatici.h"
#include "core/Servizi.h"
#include "shell/Comandi.h"

#include <cmath>

namespace kelvra {

namespace {

// What every commit does after storing its component of kind `tipo`: the static curve and,
// with a geometry, the results follow the component now held.
void DopoCommit(int16_t q, TipoModifica tipo) {
    Progetto& p = Progetti[q];
    AggiornaCompatibilita(p);
    p.ModificatoFile[tipo] = VERO;
    AggiornaModificatoProgetto(q);
    SulProgetto(q, AggiornaStatoProgetto);
    CalcolaDatiStaticiAmmortizzatore();
    RisolviProgetto(q);
}

bool StesseDimensioni(const DimensioniAmmortizzatore& a, const DimensioniAmmortizzatore& b) {
    return a.A == b.A && a.B == b.B && a.Corsa == b.Corsa && a.Interasse == b.Interasse;
}

} // namespace

void SalvaDatiMolla(const TabellaComponente& tabella, int16_t modo, int16_t numeroMolle) {
    const int16_t q = ProgettoSelezionato;
    if (!ProgettoValido(q)) return;
    tabella.ScriviMolla(Progetti[q], modo, numeroMolle);
    DopoCommit(q, MOD_MOLLA);
}

void SalvaDatiTampone(const TabellaComponente& tabella, int16_t modo) {
    const int16_t q = ProgettoSelezionato;
    if (!ProgettoValido(q)) return;
    tabella.ScriviTampone(Progetti[q], modo);
    DopoCommit(q, MOD_TAMPONE);
}

DimensioniAmmortizzatore DimensioniDi(const Progetto& p) {
    return {p.QuotaA, p.QuotaB, p.CorsaAmmortizzatore, p.InterasseAmmortizzatore};
}

bool VerificaAmmortizzatore(const DimensioniAmmortizzatore& d) {
    const double sa = d.SedeMolla();
    return sa > 0 && d.Corsa > 0 && sa >= d.Corsa;
}

void SalvaDatiAmmortizzatore(const DimensioniAmmortizzatore& d) {
    if (!ProgettoValido(ProgettoSelezionato)) return;
    Progetto& p = Progetti[ProgettoSelezionato];
    p.QuotaA = ComeSingolo(d.A);
    p.QuotaB = ComeSingolo(d.B);
    p.CorsaAmmortizzatore = ComeSingolo(d.Corsa);
    p.InterasseAmmortizzatore = ComeSingolo(d.Interasse);
    p.LungMollaAmmortizzatore = ComeSingolo(d.SedeMolla());
    AggiornaInterasseMinimo(p);
}

bool ConfermaAmmortizzatore(const DimensioniAmmortizzatore& d) {
    const int16_t q = ProgettoSelezionato;
    if (!ProgettoValido(q)) return false;
    Progetto& p = Progetti[q];
    const DimensioniAmmortizzatore prima = DimensioniDi(p);
    SalvaDatiAmmortizzatore(d);
    const bool valido = VerificaAmmortizzatore(d);
    p.AmmortizzatoreInserito = valido ? VERO : FALSO;
    // A typed shock absorber is judged without a word; one read from its file and confirmed as
    // it was read is still the file's, and is told not to fit once it meets the geometry.
    if (!valido || !StesseDimensioni(DimensioniDi(p), prima)) p.AmmortizzatoreDaGiudicare = FALSO;
    if (!valido) p.AmmortizzatoreCompatibile = 0;
    DopoCommit(q, MOD_AMMORTIZZATORE);
    return valido;
}

void ImpostaGas(double pressioneBar, double diametroMm) {
    const int16_t q = ProgettoSelezionato;
    if (!ProgettoValido(q)) return;
    Progetto& p = Progetti[q];
    p.PressioneGas = pressioneBar;
    p.DiametroGas = diametroMm;
    SulProgetto(q, CalcolaForzaGas);
    p.ModificatoFile[MOD_AMMORTIZZATORE] = VERO;
    AggiornaModificatoProgetto(q);
    CalcolaDatiStaticiAmmortizzatore();
    RisolviProgetto(q);
}

double PrecaricoAlloggiamento(const Progetto& p) {
    if (p.InterasseAmmortizzatore == 0 || p.LunghezzaStaticaAmmortizzatore == 0) return 0;
    return std::fabs(p.InterasseAmmortizzatore - p.LunghezzaStaticaAmmortizzatore);
}

double PrecaricoMassimoMm(const Progetto& p) {
    // No static curve (no spring, or one that does not fit): the spring sets no limit.
    if (p.NumPuntiAmmortizzatore < 0) return 1000;
    const double massimo = p.LungMollaLibera - p.LungMollaMaxCompressione -
                           p.NumPuntiAmmortizzatore -
                           std::fabs(PrecaricoAlloggiamento(p) - p.PrecaricoMollaInserita);
    return massimo <= 0 ? 1000 : massimo;
}

bool ConfermaPrecarico(double setupMm) {
    const int16_t q = ProgettoSelezionato;
    if (!ProgettoValido(q)) return false;
    Progetto& p = Progetti[q];
    if (Vero(p.MollaInserita) &&
        !VerificaDifferenzaMaggiore(p.LungMollaLibera, p.PrecaricoMollaInserita,
                                    p.LungMollaMaxCompressione))
        return false;
    const double setupPrima = p.PrecaricoSetup;
    const int16_t impostatoPrima = p.PrecaricoImpostato;
    p.PrecaricoSetup = ComeSingolo(setupMm);
    if (Vero(p.MollaInserita)) {
        p.PrecaricoImpostato = VERO;
        // The spring is judged again with the preload now in force.
        AggiornaCompatibilita(p);
        CalcolaDatiStaticiAmmortizzatore(); // it follows every spring that fits
    }
    // The preloads are kept in the project file only; they are the spring's setting, so a
    // change marks the spring changed and with it the project.
    if (p.PrecaricoSetup != setupPrima || p.PrecaricoImpostato != impostatoPrima) {
        p.ModificatoFile[MOD_MOLLA] = VERO;
        AggiornaModificatoProgetto(q);
    }
    // The total preload is a result even without a spring.
    RisolviProgetto(q);
    return true;
}

} // namespace kelvra
