#include "core/DatiStatici.h"

#include "core/Formato.h"
#include "core/Progetti.h"

#include <cmath>

namespace kelvra {

double PrecaricoMollaPrevisto(const Progetto& p, double libera, double sede) {
    if (Vero(p.PrecaricoImpostato)) return p.PrecaricoMollaInserita;
    return ComeSingolo(std::fabs(libera - sede));
}

SistemazioneMolla GiudicaMolla(const Progetto& p, double libera, double compressa, double sede) {
    if (!Vero(p.PrecaricoImpostato)) {
        // Pressed by the gap between its free length and the seat: a spring that reaches the
        // seat sits at the seat's length, a shorter one is left short by the gap once more.
        const double resto = libera >= sede ? sede : libera - (sede - libera);
        return {resto > compressa, libera >= sede};
    }
    // The preload as the window left it; lengths and preload are all held as Singles, so a
    // preload taken from a spring in its seat leaves that spring exactly at the seat.
    const double resto = libera - p.PrecaricoMollaInserita;
    return {resto > compressa, resto >= sede};
}

bool EntraAmmortizzatore(const Progetto& p, double libera, double compressa, double sede,
                         double interasse) {
    return p.LunghezzaStaticaAmmortizzatore <= interasse &&
           GiudicaMolla(p, libera, compressa, sede).Entra();
}

void AggiornaCompatibilita(Progetto& p) {
    if (!Vero(p.AmmortizzatoreInserito)) return;
    // Judged with the preload the static step is about to give this spring in this seat.
    const bool entra =
        GiudicaMolla(p, p.LungMollaLibera, p.LungMollaMaxCompressione, p.LungMollaAmmortizzatore)
            .Entra();
    if (Vero(p.MollaInserita)) p.MollaCompatibile = entra ? 1 : 0;
    if (Vero(p.GeometriaInserita))
        p.AmmortizzatoreCompatibile =
            EntraAmmortizzatore(p, p.LungMollaLibera, p.LungMollaMaxCompressione,
                                p.LungMollaAmmortizzatore, p.InterasseAmmortizzatore)
                ? 1
                : 0;
    if (Vero(p.TamponeInserito))
        p.TamponeCompatibile =
            static_cast<float>(p.CorsaAmmortizzatore) > static_cast<float>(p.LungTamponeScarico)
                ? 1
                : 0;
}

void AggiornaInterasseMinimo(Progetto& p) {
    p.InterasseMinimo = static_cast<float>(p.InterasseAmmortizzatore - p.CorsaAmmortizzatore);
}

void CalcolaDatiStaticiAmmortizzatore() {
    const int16_t q = ProgettoSelezionato;
    if (!ProgettoValido(q)) return;
    Progetto& p = Progetti[q];
    if (p.MollaCompatibile != 1) {
        // What an earlier spring or seat gave is no curve of this one.
        if (!Vero(p.AcquisizioneAttiva)) p.NumPuntiAmmortizzatore = -1;
        return;
    }

    p.PrecaricoMollaInserita =
        PrecaricoMollaPrevisto(p, p.LungMollaLibera, p.LungMollaAmmortizzatore);

    // Usable travel: until the spring is coil-bound or the bump stop fully compressed.
    float corsaUtile =
        static_cast<float>(std::fmin(p.LungMollaAmmortizzatore - p.LungMollaMaxCompressione,
                                     p.CorsaAmmortizzatore - p.LungTamponeMaxCompressione));
    corsaUtile = corsaUtile / PassoTabella;
    // Travel at which the bump stop is touched, in rows.
    const float contattoTampone =
        static_cast<float>(p.CorsaAmmortizzatore - p.LungTamponeScarico) / PassoTabella;
    const double ultimaRiga = std::fabs(Int(corsaUtile));

    if (Vero(p.AcquisizioneAttiva)) return; // the acquired curve stays as it is

    const double rigaMolla0 = (p.PrecaricoSetup + p.PrecaricoMollaInserita) / PassoTabella;
    int ultimaScritta = -1;
    for (int i = 0; i <= MAX_PUNTI && i <= ultimaRiga; ++i) {
        const double s = Int(rigaMolla0 + i);
        if (!(s >= 0 && s <= MAX_RIGHE)) break;
        double forza = p.ForzaMolla[static_cast<size_t>(s)] + p.ForzaGas;
        if (contattoTampone <= static_cast<float>(i)) {
            const double t = Int(static_cast<float>(static_cast<float>(i) - contattoTampone));
            if (!(t >= 0 && t <= MAX_RIGHE)) break;
            forza = p.ForzaTampone[static_cast<size_t>(t)] + p.ForzaMolla[static_cast<size_t>(s)] +
                    p.ForzaGas;
        }
        p.ForzaStaticaAmmortizzatore[static_cast<size_t>(i)] = forza;
        p.AsseCorsaAmmortizzatore[static_cast<size_t>(i)] = i;
        ultimaScritta = i;
    }
    p.NumPuntiAmmortizzatore = static_cast<int16_t>(ultimaScritta);
}

} // namespace kelvra
