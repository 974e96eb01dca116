#include "files/Integrita.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string_view>

namespace kelvra::files {

namespace {

// The bounds are far beyond what the editors accept (a shock absorber of 2000 mm, rates and
// forces of 999999 in the units shown, over 1000 rows), so no file the program writes can
// reach them, and well below what arbitrary bytes give as a Single most of the time.
constexpr double MASSIMA_LUNGHEZZA = 1e6;  // mm, and bar for the gas pressure
constexpr double MASSIMA_COORDINATA = 1e9; // mm; the drawing's coordinates are typed freely
constexpr double MASSIMA_FORZA = 1e15;     // N, N/mm, N/mm²
constexpr int16_t MASSIMO_MOLLE = 100;     // the spring count's box; 0 loads as 1

bool Flag(int16_t v) {
    return v == -1 || v == 0;
}
bool UnoZero(int16_t v) {
    return v == 0 || v == 1;
}
bool Modo(int16_t v) {
    return v >= 0 && v <= 2;
}
bool Entro(int16_t v, int minimo, int massimo) {
    return v >= minimo && v <= massimo;
}
// A measure that cannot be negative (a typed length, a pressure).
bool Lunghezza(float x) {
    return std::isfinite(x) && x >= 0 && x <= MASSIMA_LUNGHEZZA;
}
// A length the program derives, which may come out negative (the spring seat, a preload).
bool Derivata(float x) {
    return std::isfinite(x) && std::fabs(x) <= MASSIMA_LUNGHEZZA;
}
bool Forza(float x) {
    return std::isfinite(x) && std::fabs(x) <= MASSIMA_FORZA;
}
template <class C> bool Forze(const C& colonna) {
    return std::all_of(colonna.begin(), colonna.end(), [](float x) { return Forza(x); });
}
bool Coordinata(float x) {
    return std::isfinite(x) && std::fabs(x) <= MASSIMA_COORDINATA;
}
template <class P> bool Coordinate(const P& punti) {
    return std::all_of(punti.P.begin(), punti.P.end(),
                       [](const Punto& p) { return Coordinata(p.X) && Coordinata(p.Y); });
}

// A text as the reader takes it, without the spaces around it.
std::string_view Spogliato(std::string_view t) {
    const size_t inizio = t.find_first_not_of(' ');
    if (inizio == std::string_view::npos) return {};
    return t.substr(inizio, t.find_last_not_of(' ') - inizio + 1);
}
bool Tra(std::string_view t, std::initializer_list<std::string_view> ammessi) {
    return std::find(ammessi.begin(), ammessi.end(), Spogliato(t)) != ammessi.end();
}

// The chain as the reader takes it: slots 0..last, junctions 1..count.
bool Geometria(const RecordGeometria& g) {
    if (!Entro(g.UltimoElemento, 0, MAX_ELEMENTI) || !Entro(g.NumeroGiunzioni, 0, MAX_GIUNZIONI))
        return false;
    if (g.ContaAste < 0 || g.ContaSquadrette < 0 || g.ContaAmmortizzatori < 0) return false;
    if (!UnoZero(g.AmmortizzatoreFisso) || !Coordinate(g.Forcellone)) return false;
    const auto u = static_cast<size_t>(g.UltimoElemento);
    for (size_t k = 0; k <= u; ++k) {
        const std::string& lettera = g.TipoElemento[k];
        if (!Tra(lettera, {"", "F", "A", "S", "M"})) return false;
        if (Spogliato(lettera) == "A" && k > 0 && !Coordinate(g.Asta[k])) return false;
        if (Spogliato(lettera) == "S" && k > 0 && !Coordinate(g.Squadretta[k])) return false;
        for (const auto& opzione : g.OpzioneFix)
            if (opzione[k] < -1 || opzione[k] > 1) return false;
    }
    if (!Coordinate(g.Molla[u])) return false;
    for (size_t j = 1; j <= static_cast<size_t>(g.NumeroGiunzioni); ++j)
        if (!Tra(g.TipoGiunzione[j], {"", "ASTA_TRIANG", "TRIANG_ASTA", "ASTA_ASTA"})) return false;
    return true;
}

// A spring or bump-stop block; `vecchie` when its whole-millimetre lengths are the ones read.
bool Blocco(const BloccoComponente& b, bool vecchie) {
    if (vecchie && (b.VecchiaLunghezza1 < 0 || b.VecchiaLunghezza2 < 0)) return false;
    return Flag(b.Inserito) && Modo(b.Modo) && Forze(b.Costante) && Forze(b.Forza);
}

bool Molle(int16_t n) {
    return Entro(n, 0, MASSIMO_MOLLE);
}

// Dimensions A, B, stroke and eye-to-eye are typed; the spring seat distance is derived.
bool Quote(const std::array<float, 5>& q) {
    return Lunghezza(q[0]) && Lunghezza(q[1]) && Lunghezza(q[2]) && Derivata(q[3]) &&
           Lunghezza(q[4]);
}

bool Gas(const std::array<float, 3>& g) {
    return Lunghezza(g[0]) && Lunghezza(g[1]) && Forza(g[2]);
}

} // namespace

bool RecordIntegro(const RecordSchema& r) {
    return Geometria(r.Geometria) && Coordinata(r.RaggioRuota);
}

bool RecordIntegro(const RecordTampone& r) {
    return Blocco(r.Tampone, r.LungScarico == 0) && Lunghezza(r.LungScarico) &&
           Lunghezza(r.LungMaxCompressione);
}

bool RecordIntegro(const RecordMolla& r) {
    return Blocco(r.Molla, r.LungLibera == 0) && Molle(r.NumeroMolle) && Lunghezza(r.LungLibera) &&
           Lunghezza(r.LungMaxCompressione);
}

bool RecordIntegro(const RecordAmmortizzatore& r) {
    const auto& l = r.Lunghezze;
    return Quote(r.Quote) && Flag(r.Inserito) && UnoZero(r.MollaCompatibile) &&
           UnoZero(r.TamponeCompatibile) && Blocco(r.Molla, l[0] == 0) &&
           Blocco(r.Tampone, l[2] == 0) && Molle(r.NumeroMolle) &&
           std::all_of(l.begin(), l.end(), [](float x) { return Lunghezza(x); }) && Gas(r.Gas);
}

bool RecordIntegro(const RecordProgetto& r) {
    const auto& l = r.Lunghezze;
    const bool flag = Flag(r.GeometriaInserita) && Flag(r.MollaInserita) &&
                      Flag(r.AmmortizzatoreInserito) && Flag(r.TamponeInserito) &&
                      std::all_of(r.Inseriti.begin(), r.Inseriti.end(), Flag) &&
                      UnoZero(r.AmmortizzatoreCompatibile) && UnoZero(r.MollaCompatibile) &&
                      UnoZero(r.TamponeCompatibile);
    const bool conteggi = Modo(r.ModoMolla) && Modo(r.ModoTampone) && Molle(r.NumeroMolle) &&
                          Entro(r.StatoDatiProgetto, 0, 15) &&
                          Entro(r.NumPunti[0], -2, MAX_PUNTI) &&
                          Entro(r.NumPunti[1], -1, MAX_PUNTI) &&
                          Entro(r.NumPunti[2], 0, MAX_RIGHE) && Entro(r.NumPunti[3], 0, MAX_RIGHE);
    const bool vecchie =
        (l[0] != 0 || (r.VecchieLunghezzeMolla[0] >= 0 && r.VecchieLunghezzeMolla[1] >= 0)) &&
        (l[3] != 0 || (r.VecchieLunghezzeTampone[0] >= 0 && r.VecchieLunghezzeTampone[1] >= 0));
    const bool misure = Lunghezza(l[0]) && Lunghezza(l[1]) && Derivata(l[2]) && Lunghezza(l[3]) &&
                        Lunghezza(l[4]) && Quote(r.Quote) && Gas(r.Gas) &&
                        Derivata(r.PrecaricoSetupEsatto) && Forze(r.CostanteMolla) &&
                        Forze(r.ForzaMolla) && Forze(r.CostanteTampone) && Forze(r.ForzaTampone);
    return Geometria(r.Geometria) && flag && conteggi && vecchie && misure;
}

} // namespace kelvra::files
