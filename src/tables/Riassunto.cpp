#include "tables/Riassunto.h"

#include "core/Cinematica.h"
#include "core/Curve.h"
#include "core/Formato.h"
#include "core/Lingua.h"
#include "core/Unita.h"

#include <algorithm>
#include <cctype>

namespace kelvra {

namespace {

constexpr int NESSUNA = -1;

struct RigaRiassunto {
    int didascalia;    // line of section Quantity
    int rigaEtichetta; // unit label row, or -1 for `etichetta` ("" for none)
    const char* etichetta;
    Curva Progetto::*curva;
    int rigaFattore;
    int formatoValore; // unit table rows of the formats
    int formatoMassimo;
};

constexpr RigaRiassunto RIGHE[RIGHE_RIASSUNTO] = {
    {0, NESSUNA, "[\xB0]", &Progetto::AngoloForcellone, 4, 4, 4},
    {1, 0, "", &Progetto::LunghezzaAmmortizzatore, 0, 0, 0},
    {16, 0, "", &Progetto::EscursioneAmmortizzatore, 0, 0, 0},
    {31, NESSUNA, "", &Progetto::Leveraggio, 4, 4, 4},
    {32, NESSUNA, "", &Progetto::RapportoVelocita, 4, 4, 4},
    {5, NESSUNA, "[%]", &Progetto::Progressivita, 4, 4, 4},
    {6, NESSUNA, "", &Progetto::ProgressivitaCarico, 4, 4, 1},
    {54, 1, "", &Progetto::ForzaAmmortizzatore, 1, 1, 1},
    {55, 5, "", &Progetto::MomentoForcellone, 5, 5, 5},
    {23, 1, "", &Progetto::CaricoRuota, 1, 1, 1},
    {52, 2, "", &Progetto::RigidezzaRuota, 2, 2, 2},
};
constexpr int DIDASCALIA_CORSA = 13;

float Fattore(int riga) {
    return FattoreUnita[static_cast<std::size_t>(riga)];
}
const std::string& FormatoRiga(int riga) {
    return FormatoUnita[static_cast<std::size_t>(riga)];
}

// The last computed point of a project, within the curves.
int UltimoPunto(int16_t progetto) {
    if (!ProgettoValido(progetto)) return -1;
    return std::min<int>(Progetti[progetto].NumPunti, MAX_PUNTI);
}

std::string Lunghezza(double mm) {
    return ": " + FormattaNumero(mm * Fattore(UNITA_LUNGHEZZA), FormatoRiga(UNITA_LUNGHEZZA));
}

std::string Intestazione(int rigaElemento, int k, int rigaTabelle) {
    return Riga(TestiInsGeo01, rigaElemento) + " " + FormattaNumero(k, "00") + " - " +
           Riga(TestiTabelle, rigaTabelle);
}

std::string Maiuscolo(std::string testo) {
    for (char& c : testo) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return testo;
}

} // namespace

std::string DidascaliaRiassunto(int k) {
    if (k == RIGHE_RIASSUNTO)
        return Riga(TestiQuantity, DIDASCALIA_CORSA) + " " + EtichettaUnita[UNITA_LUNGHEZZA] + ":";
    if (k < 0 || k > RIGHE_RIASSUNTO) return {};
    const RigaRiassunto& r = RIGHE[k];
    std::string unita = r.rigaEtichetta == NESSUNA
                            ? std::string(r.etichetta)
                            : EtichettaUnita[static_cast<std::size_t>(r.rigaEtichetta)];
    std::string testo = Riga(TestiQuantity, r.didascalia);
    if (!unita.empty()) testo += " " + unita;
    return testo + ":";
}

std::array<bool, RIGHE_RIASSUNTO> RigheAbilitate(int stato) {
    std::array<bool, RIGHE_RIASSUNTO> abilitate{};
    if (stato < 1 || stato > 15 || (stato & 1) == 0) return abilitate;
    // With the geometry: the wheel loads need the spring and the shock absorber, or the
    // shock absorber and the bump stop.
    const bool carichi = stato == 7 || stato == 13 || stato == 15;
    for (int k = 0; k < RIGHE_RIASSUNTO; ++k)
        abilitate[static_cast<std::size_t>(k)] = k < 6 || carichi;
    return abilitate;
}

std::optional<int> PuntoCorsa(const std::string& testo, int16_t progetto) {
    // A whole number of at most six digits: no curve reaches further in any unit.
    if (testo.size() > 6 ||
        !std::all_of(testo.begin(), testo.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const float f = Fattore(UNITA_LUNGHEZZA);
    if (f <= 0) return std::nullopt;
    const int32_t punto = CLng(Val(testo) / f);
    if (punto < 0 || punto > UltimoPunto(progetto)) return std::nullopt;
    return punto;
}

std::string ValoreRiassunto(int k, int16_t progetto, int i) {
    if (k < 0 || k >= RIGHE_RIASSUNTO || i < 0 || i > UltimoPunto(progetto)) return {};
    const RigaRiassunto& r = RIGHE[k];
    const auto valore = static_cast<float>(
        Fattore(r.rigaFattore) * (Progetti[progetto].*r.curva)[static_cast<std::size_t>(i)]);
    return FormattaNumero(valore, FormatoRiga(r.formatoValore));
}

MassimoRiassunto MassimoRigaRiassunto(int k, int16_t progetto) {
    const int n = UltimoPunto(progetto);
    if (k < 0 || k >= RIGHE_RIASSUNTO || n < 0) return {};
    const RigaRiassunto& r = RIGHE[k];
    const Progetto& p = Progetti[progetto];
    int16_t indice = 0;
    const float y =
        MassimoCurvaTabella(r.curva, Fattore(r.rigaFattore), 0.0f, p.AsseCorsaRuota[0],
                            p.AsseCorsaRuota[static_cast<std::size_t>(n)], progetto, indice);
    const auto x = static_cast<float>(indice * Fattore(UNITA_LUNGHEZZA));
    return {"X:" + FormattaNumero(x, FormatoRiga(UNITA_LUNGHEZZA)),
            "Y:" + FormattaNumero(y, FormatoRiga(r.formatoMassimo))};
}

std::vector<std::string> CampioniX() {
    std::vector<std::string> testi;
    for (int i = 0; i <= MAX_PUNTI; ++i)
        testi.push_back("X:" + FormattaNumero(static_cast<float>(i * Fattore(UNITA_LUNGHEZZA)),
                                              FormatoRiga(UNITA_LUNGHEZZA)));
    return testi;
}

std::vector<std::string> CampioniY() {
    constexpr double CAMPIONE = 987.6543219;
    std::vector<std::string> testi;
    for (const RigaRiassunto& r : RIGHE) {
        const auto valore = static_cast<float>(Fattore(r.rigaFattore) * CAMPIONE);
        for (int formato : {r.formatoValore, r.formatoMassimo})
            testi.push_back("Y:" + FormattaNumero(valore, FormatoRiga(formato)));
    }
    return testi;
}

double LimiteCorsa(int16_t progetto) {
    return static_cast<float>(std::max(UltimoPunto(progetto), 0) * Fattore(UNITA_LUNGHEZZA));
}

std::string SuggerimentoLimiti(int16_t progetto) {
    return Maiuscolo(Riga(TestiCommon, 14)) + ": (0; " +
           FormattaNumero(LimiteCorsa(progetto), FormatoRiga(UNITA_LUNGHEZZA)) + ") " +
           SiglaUnita[UNITA_LUNGHEZZA];
}

std::vector<RigaDimensione> DimensioniSchema(int16_t progetto) {
    std::vector<RigaDimensione> righe;
    if (!ProgettoValido(progetto) || !Vero(Progetti[progetto].GeometriaInserita)) return righe;
    const Progetto& p = Progetti[progetto];
    const int ultimo = std::clamp<int>(p.UltimoElemento, -1, MAX_ELEMENTI);
    const Punto perno = p.DatiForcellone.P[0];
    for (int k = 0; k <= ultimo; ++k) {
        const std::string& tipo = p.TipoElemento[static_cast<std::size_t>(k)];
        if (tipo == "F") {
            const auto& f = p.DatiForcellone.P;
            righe.push_back({Riga(TestiTabelle, 3), Lunghezza(Distanza(f[0], f[1]))});
            righe.push_back({Riga(TestiTabelle, 4), Lunghezza(Distanza(f[2], f[0]))});
            righe.push_back({Riga(TestiTabelle, 5), Lunghezza(Distanza(f[2], f[1]))});
            righe.push_back({Riga(TestiTabelle, 6), Lunghezza(f[0].Y)});
            righe.push_back({Riga(TestiTabelle, 7), Lunghezza(p.RaggioRuota)});
        } else if (tipo == "A") {
            const auto& a = p.DatiAsta[static_cast<std::size_t>(k)].P;
            righe.push_back({Intestazione(2, k, 8), Lunghezza(Distanza(a[0], a[1]))});
        } else if (tipo == "S") {
            const auto& s = p.DatiSquadretta[static_cast<std::size_t>(k)].P;
            righe.push_back({Intestazione(3, k, 9), Lunghezza(Distanza(s[0], s[1]))});
            righe.push_back({Intestazione(3, k, 10), Lunghezza(Distanza(s[0], s[2]))});
            righe.push_back({Intestazione(3, k, 11), Lunghezza(Distanza(s[1], s[2]))});
        } else if (tipo == "M") {
            const auto& m = p.DatiMolla[static_cast<std::size_t>(k)].P;
            righe.push_back({Intestazione(15, k, 8), Lunghezza(Distanza(m[0], m[1]))});
            righe.push_back({Intestazione(15, k, 12), Lunghezza(Distanza(m[1], perno))});
        }
    }
    return righe;
}

namespace {

constexpr double MARGINE_DIMENSIONI = 0.5;

// The x of the values' column: 53 mm, or further right when a label would reach it.
double ColonnaValori(const Superficie& s, const std::vector<RigaDimensione>& righe) {
    double colonna = 53;
    for (const RigaDimensione& r : righe)
        colonna = std::max(colonna, MARGINE_DIMENSIONI + s.LarghezzaTesto(r.etichetta) + 1.5);
    return colonna;
}

} // namespace

double LarghezzaDimensioni(const Superficie& s, const std::vector<RigaDimensione>& righe) {
    const double colonna = ColonnaValori(s, righe);
    double fine = 0;
    for (const RigaDimensione& r : righe)
        fine = std::max(fine, colonna + s.LarghezzaTesto(r.valore));
    return fine;
}

double DisegnaDimensioni(Superficie& s, const std::vector<RigaDimensione>& righe) {
    constexpr double INTERLINEA = 0.8;
    const double colonna = ColonnaValori(s, righe);
    s.Cancella();
    s.ImpostaPosizione(MARGINE_DIMENSIONI, MARGINE_DIMENSIONI);
    for (const RigaDimensione& r : righe) {
        const double y = s.PosizioneY();
        s.ImpostaPosizione(MARGINE_DIMENSIONI, y);
        s.Scrivi(r.etichetta);
        s.ImpostaPosizione(colonna, y);
        s.Scrivi(r.valore);
        s.ImpostaPosizione(MARGINE_DIMENSIONI, s.PosizioneY() + INTERLINEA);
    }
    return LarghezzaDimensioni(s, righe);
}

} // namespace kelvra
