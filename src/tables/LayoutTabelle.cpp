#include "tables/LayoutTabelle.h"

#include "core/Formato.h"
#include "core/Lingua.h"
#include "core/Unita.h"

#include <algorithm>
#include <array>

namespace kelvra {

namespace {

template <auto Membro> std::span<const double> Curva(const Progetto& p) {
    return std::span<const double>(p.*Membro);
}

constexpr uint16_t Codici(std::initializer_list<int> codici) {
    uint16_t maschera = 0;
    for (int c : codici) maschera = static_cast<uint16_t>(maschera | (1u << c));
    return maschera;
}

constexpr FormatoColonna Fmt(int riga) {
    return {.tipo = FormatoColonna::Unita, .riga = riga};
}
constexpr FormatoColonna FMT_CORSA{.tipo = FormatoColonna::Corsa};
constexpr FormatoColonna FMT_LUNGHEZZA_FINE{.tipo = FormatoColonna::Fisso, .fisso = "000.000000"};
constexpr int NESSUNA = -1;
constexpr const char* GRADI = "[\xB0]";

// The kinematics group, whose first column is the wheel travel.
constexpr ColonnaTabella CINEMATICA[] = {
    {.intestazione = 27,
     .rigaEtichetta = 0,
     .curva = Curva<&Progetto::AsseCorsaRuota>,
     .rigaFattore = 0,
     .corsaRuota = true,
     .formato = FMT_CORSA},
    {.intestazione = 34,
     .rigaEtichetta = NESSUNA,
     .etichetta = GRADI,
     .curva = Curva<&Progetto::AngoloForcellone>,
     .rigaFattore = 4,
     .formato = Fmt(4)},
    {.intestazione = 29,
     .rigaEtichetta = 0,
     .curva = Curva<&Progetto::LunghezzaAmmortizzatore>,
     .rigaFattore = 0,
     .formato = Fmt(0),
     .eccezioni = {{.codici = Codici({1}), .formato = FMT_LUNGHEZZA_FINE}, {}}},
    {.intestazione = 30,
     .rigaEtichetta = 0,
     .curva = Curva<&Progetto::EscursioneAmmortizzatore>,
     .rigaFattore = 0,
     .formato = Fmt(0),
     .eccezioni = {{.codici = Codici({1}), .formato = FMT_LUNGHEZZA_FINE}, {}}},
    {.intestazione = 31,
     .rigaEtichetta = NESSUNA,
     .curva = Curva<&Progetto::Leveraggio>,
     .rigaFattore = NESSUNA,
     .formato = Fmt(4)},
    {.intestazione = 67,
     .rigaEtichetta = NESSUNA,
     .curva = Curva<&Progetto::RapportoVelocita>,
     .rigaFattore = NESSUNA,
     .formato = Fmt(4)},
    {.intestazione = 39,
     .rigaEtichetta = NESSUNA,
     .etichetta = "[%]",
     .curva = Curva<&Progetto::Progressivita>,
     .rigaFattore = NESSUNA,
     .formato = Fmt(4)},
};

// The wheel-load group; its short form leaves out the first column.
constexpr ColonnaTabella CARICHI_RUOTA[] = {
    {.intestazione = 48,
     .rigaEtichetta = NESSUNA,
     .curva = Curva<&Progetto::ProgressivitaCarico>,
     .rigaFattore = NESSUNA,
     .formato = Fmt(4)},
    {.intestazione = 68,
     .rigaEtichetta = 1,
     .curva = Curva<&Progetto::ForzaAmmortizzatore>,
     .rigaFattore = 1,
     .formato = Fmt(1)},
    {.intestazione = 55,
     .rigaEtichetta = 5,
     .curva = Curva<&Progetto::MomentoForcellone>,
     .rigaFattore = 5,
     .formato = Fmt(5)},
    {.intestazione = 51,
     .rigaEtichetta = 1,
     .curva = Curva<&Progetto::CaricoRuota>,
     .rigaFattore = 1,
     .formato = Fmt(1)},
    {.intestazione = 52,
     .codiciIntestazione = Codici({7}),
     .intestazioneAlternativa = 57,
     .rigaEtichetta = 2,
     .curva = Curva<&Progetto::RigidezzaRuota>,
     .rigaFattore = 2,
     .formato = Fmt(2)},
};

constexpr ColonnaTabella MOLLA[] = {
    {.intestazione = 28,
     .rigaEtichetta = 0,
     .curva = Curva<&Progetto::EscursioneMolla>,
     .rigaFattore = 0,
     .formato = Fmt(0),
     .eccezioni = {{.codici = Codici({15}), .formato = FMT_CORSA}, {}}},
    {.intestazione = 10,
     .rigaEtichetta = 1,
     .curva = Curva<&Progetto::ForzaMolla>,
     .rigaFattore = 1,
     .formato = Fmt(1),
     .eccezioni = {{.codici = Codici({2}), .formato = Fmt(0)}, {}}},
};

constexpr ColonnaTabella STATICA[] = {
    {.intestazione = 69,
     .codiciIntestazione = Codici({7}),
     .intestazioneAlternativa = 44,
     .rigaEtichetta = 0,
     .curva = Curva<&Progetto::AsseCorsaAmmortizzatore>,
     .rigaFattore = 0,
     .formato = Fmt(0)},
    {.intestazione = 70,
     .rigaEtichetta = 1,
     .curva = Curva<&Progetto::ForzaStaticaAmmortizzatore>,
     .rigaFattore = 1,
     .formato = Fmt(1)},
};

constexpr ColonnaTabella TAMPONE[] = {
    {.intestazione = 46,
     .rigaEtichetta = 0,
     .curva = Curva<&Progetto::EscursioneTampone>,
     .rigaFattore = 0,
     .formato = Fmt(0)},
    {.intestazione = 11,
     .rigaEtichetta = 1,
     .curva = Curva<&Progetto::ForzaTampone>,
     .rigaFattore = 1,
     .formato = Fmt(1),
     .eccezioni = {{.codici = Codici({10}), .formato = Fmt(4)},
                   {.codici = Codici({8, 12}), .formato = Fmt(0)}}},
};

struct Gruppo {
    std::span<const ColonnaTabella> colonne;
    int16_t Progetto::*conteggio;
};

Gruppo DatiGruppo(GruppoColonne g) {
    switch (g) {
    case GruppoColonne::Cinematica:
        return {CINEMATICA, &Progetto::NumPunti};
    case GruppoColonne::CarichiRuota:
        return {CARICHI_RUOTA, &Progetto::NumPunti};
    case GruppoColonne::CarichiRuotaCorto:
        return {std::span<const ColonnaTabella>(CARICHI_RUOTA).subspan(1), &Progetto::NumPunti};
    case GruppoColonne::Molla:
        return {MOLLA, &Progetto::NumPuntiMolla};
    case GruppoColonne::Statica:
        return {STATICA, &Progetto::NumPuntiAmmortizzatore};
    case GruppoColonne::Tampone:
        return {TAMPONE, &Progetto::NumPuntiTampone};
    }
    return {{}, &Progetto::NumPunti};
}

using G = GruppoColonne;
struct Layout {
    std::array<G, 5> gruppi;
    int numero;
};
// State code -> groups in column order.
constexpr std::array<Layout, 16> LAYOUT = {{
    {.gruppi = {}, .numero = 0},                                                     // 0
    {.gruppi = {G::Cinematica}, .numero = 1},                                        // 1
    {.gruppi = {G::Molla}, .numero = 1},                                             // 2
    {.gruppi = {G::Cinematica, G::Molla}, .numero = 2},                              // 3
    {.gruppi = {}, .numero = 0},                                                     // 4
    {.gruppi = {G::Cinematica}, .numero = 1},                                        // 5
    {.gruppi = {G::Molla, G::Statica}, .numero = 2},                                 // 6
    {.gruppi = {G::Cinematica, G::CarichiRuota, G::Molla, G::Statica}, .numero = 4}, // 7
    {.gruppi = {G::Tampone}, .numero = 1},                                           // 8
    {.gruppi = {G::Cinematica, G::Tampone}, .numero = 2},                            // 9
    {.gruppi = {G::Molla, G::Tampone}, .numero = 2},                                 // 10
    {.gruppi = {G::Cinematica, G::Molla, G::Tampone}, .numero = 3},                  // 11
    {.gruppi = {G::Tampone}, .numero = 1},                                           // 12
    {.gruppi = {G::Cinematica, G::CarichiRuotaCorto, G::Tampone}, .numero = 3},      // 13
    {.gruppi = {G::Molla, G::Statica, G::Tampone}, .numero = 3},                     // 14
    {.gruppi = {G::Cinematica, G::CarichiRuota, G::Molla, G::Statica, G::Tampone},
     .numero = 5}, // 15
}};

bool Vale(uint16_t codici, int stato) {
    return stato >= 0 && stato < 16 && (codici & (1u << stato)) != 0;
}

std::string Intestazione(const ColonnaTabella& c, int stato) {
    return Riga(TestiQuantity,
                Vale(c.codiciIntestazione, stato) ? c.intestazioneAlternativa : c.intestazione);
}

std::string Etichetta(const ColonnaTabella& c) {
    if (c.rigaEtichetta == NESSUNA) return c.etichetta;
    return EtichettaUnita[static_cast<std::size_t>(c.rigaEtichetta)];
}

std::string Formato(const ColonnaTabella& c, int stato, const FormatoCorsaRuota& corsa) {
    FormatoColonna f = c.formato;
    for (const EccezioneFormato& e : c.eccezioni)
        if (Vale(e.codici, stato)) f = e.formato;
    switch (f.tipo) {
    case FormatoColonna::Corsa:
        return corsa.formato;
    case FormatoColonna::Fisso:
        return f.fisso;
    case FormatoColonna::Unita:
        break;
    }
    return FormatoUnita[static_cast<std::size_t>(f.riga)];
}

// The last point a group's curves are valid at: its count, never below -1 (none).
int UltimoPuntoGruppo(const Progetto& p, const Gruppo& g) {
    return std::max<int>(p.*g.conteggio, -1);
}

template <class F> void PerColonna(int stato, F&& f) {
    for (G g : GruppiLayout(stato)) {
        const Gruppo dati = DatiGruppo(g);
        for (const ColonnaTabella& c : dati.colonne) f(c, dati);
    }
}

std::string Unisci(const std::vector<std::string>& celle) {
    std::string riga;
    for (std::size_t k = 0; k < celle.size(); ++k) {
        if (k) riga += '\t';
        riga += celle[k];
    }
    return riga;
}

} // namespace

FormatoCorsaRuota FormatoCorsaPerSistema(int16_t sistema, const FormatoCorsaRuota& attuale) {
    if (sistema == SISTEMA_METRICO) return {FormatoUnita[UNITA_LUNGHEZZA], 1};
    if (sistema == SISTEMA_IMPERIALE) return {"##0.00", 100};
    return attuale;
}

std::span<const GruppoColonne> GruppiLayout(int stato) {
    if (stato < 0 || stato >= static_cast<int>(LAYOUT.size())) return {};
    const Layout& l = LAYOUT[static_cast<std::size_t>(stato)];
    return std::span<const GruppoColonne>(l.gruppi).first(static_cast<std::size_t>(l.numero));
}

std::vector<const ColonnaTabella*> ColonneLayout(int stato) {
    std::vector<const ColonnaTabella*> colonne;
    PerColonna(stato, [&](const ColonnaTabella& c, const Gruppo&) { colonne.push_back(&c); });
    return colonne;
}

int NumeroColonneLayout(int stato) {
    return static_cast<int>(ColonneLayout(stato).size());
}

std::string RigaIntestazioni(int stato) {
    std::vector<std::string> celle;
    PerColonna(stato, [&](const ColonnaTabella& c, const Gruppo&) {
        celle.push_back(Intestazione(c, stato));
    });
    return Unisci(celle);
}

std::string RigaUnitaMisura(int stato) {
    std::vector<std::string> celle;
    PerColonna(stato,
               [&](const ColonnaTabella& c, const Gruppo&) { celle.push_back(Etichetta(c)); });
    return Unisci(celle);
}

int UltimaRigaTabella(const Progetto& p) {
    const int n =
        std::max({p.NumPuntiTampone, p.NumPunti, p.NumPuntiMolla, p.NumPuntiAmmortizzatore});
    return std::clamp(n, 0, MAX_RIGHE);
}

ValoriTabella::ValoriTabella(const Progetto& p, int stato, const FormatoCorsaRuota& corsa)
    : arrotonda_(corsa.arrotonda) {
    PerColonna(stato, [&](const ColonnaTabella& c, const Gruppo& g) {
        const double fattore =
            c.rigaFattore == NESSUNA ? 1.0 : FattoreUnita[static_cast<std::size_t>(c.rigaFattore)];
        colonne_.push_back(
            {c.curva(p), UltimoPuntoGruppo(p, g), fattore, c.corsaRuota, Formato(c, stato, corsa)});
    });
}

std::string ValoriTabella::Cella(int i, int colonna) const {
    if (colonna < 0 || colonna >= Colonne()) return {};
    const Colonna& c = colonne_[static_cast<std::size_t>(colonna)];
    if (i < 0 || i > c.ultimo || static_cast<std::size_t>(i) >= c.curva.size()) return {};
    double valore = c.fattore * c.curva[static_cast<std::size_t>(i)];
    if (c.corsaRuota) valore = Int(valore * arrotonda_ + 0.5) / arrotonda_;
    return FormattaNumero(valore, c.formato);
}

int RigheValori(const Progetto& p, int stato, int passo) {
    if (GruppiLayout(stato).empty()) return 0;
    return UltimaRigaTabella(p) / std::max(passo, 1) + 1;
}

} // namespace kelvra
