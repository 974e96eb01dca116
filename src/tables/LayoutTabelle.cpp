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
    return {FormatoColonna::Unita, riga, ""};
}
constexpr FormatoColonna FMT_CORSA{FormatoColonna::Corsa, 0, ""};
constexpr FormatoColonna FMT_LUNGHEZZA_FINE{FormatoColonna::Fisso, 0, "000.000000"};
constexpr int NESSUNA = -1;
constexpr const char* GRADI = "[\xB0]";

// The kinematics group, whose first column is the wheel travel.
constexpr ColonnaTabella CINEMATICA[] = {
    {27, 0, 0, 0, "", Curva<&Progetto::AsseCorsaRuota>, 0, true, FMT_CORSA, {}},
    {34, 0, 0, NESSUNA, GRADI, Curva<&Progetto::AngoloForcellone>, 4, false, Fmt(4), {}},
    {29,
     0,
     0,
     0,
     "",
     Curva<&Progetto::LunghezzaAmmortizzatore>,
     0,
     false,
     Fmt(0),
     {{Codici({1}), FMT_LUNGHEZZA_FINE}, {}}},
    {30,
     0,
     0,
     0,
     "",
     Curva<&Progetto::EscursioneAmmortizzatore>,
     0,
     false,
     Fmt(0),
     {{Codici({1}), FMT_LUNGHEZZA_FINE}, {}}},
    {31, 0, 0, NESSUNA, "", Curva<&Progetto::Leveraggio>, NESSUNA, false, Fmt(4), {}},
    {67, 0, 0, NESSUNA, "", Curva<&Progetto::RapportoVelocita>, NESSUNA, false, Fmt(4), {}},
    {39, 0, 0, NESSUNA, "[%]", Curva<&Progetto::Progressivita>, NESSUNA, false, Fmt(4), {}},
};

// The wheel-load group; its short form leaves out the first column.
constexpr ColonnaTabella CARICHI_RUOTA[] = {
    {48, 0, 0, NESSUNA, "", Curva<&Progetto::ProgressivitaCarico>, NESSUNA, false, Fmt(4), {}},
    {68, 0, 0, 1, "", Curva<&Progetto::ForzaAmmortizzatore>, 1, false, Fmt(1), {}},
    {55, 0, 0, 5, "", Curva<&Progetto::MomentoForcellone>, 5, false, Fmt(5), {}},
    {51, 0, 0, 1, "", Curva<&Progetto::CaricoRuota>, 1, false, Fmt(1), {}},
    {52, Codici({7}), 57, 2, "", Curva<&Progetto::RigidezzaRuota>, 2, false, Fmt(2), {}},
};

constexpr ColonnaTabella MOLLA[] = {
    {28,
     0,
     0,
     0,
     "",
     Curva<&Progetto::EscursioneMolla>,
     0,
     false,
     Fmt(0),
     {{Codici({15}), FMT_CORSA}, {}}},
    {10, 0, 0, 1, "", Curva<&Progetto::ForzaMolla>, 1, false, Fmt(1), {{Codici({2}), Fmt(0)}, {}}},
};

constexpr ColonnaTabella STATICA[] = {
    {69, Codici({7}), 44, 0, "", Curva<&Progetto::AsseCorsaAmmortizzatore>, 0, false, Fmt(0), {}},
    {70, 0, 0, 1, "", Curva<&Progetto::ForzaStaticaAmmortizzatore>, 1, false, Fmt(1), {}},
};

constexpr ColonnaTabella TAMPONE[] = {
    {46, 0, 0, 0, "", Curva<&Progetto::EscursioneTampone>, 0, false, Fmt(0), {}},
    {11,
     0,
     0,
     1,
     "",
     Curva<&Progetto::ForzaTampone>,
     1,
     false,
     Fmt(1),
     {{Codici({10}), Fmt(4)}, {Codici({8, 12}), Fmt(0)}}},
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
    {{}, 0},                                                                 // 0
    {{G::Cinematica}, 1},                                                    // 1
    {{G::Molla}, 1},                                                         // 2
    {{G::Cinematica, G::Molla}, 2},                                          // 3
    {{}, 0},                                                                 // 4
    {{G::Cinematica}, 1},                                                    // 5
    {{G::Molla, G::Statica}, 2},                                             // 6
    {{G::Cinematica, G::CarichiRuota, G::Molla, G::Statica}, 4},             // 7
    {{G::Tampone}, 1},                                                       // 8
    {{G::Cinematica, G::Tampone}, 2},                                        // 9
    {{G::Molla, G::Tampone}, 2},                                             // 10
    {{G::Cinematica, G::Molla, G::Tampone}, 3},                              // 11
    {{G::Tampone}, 1},                                                       // 12
    {{G::Cinematica, G::CarichiRuotaCorto, G::Tampone}, 3},                  // 13
    {{G::Molla, G::Statica, G::Tampone}, 3},                                 // 14
    {{G::Cinematica, G::CarichiRuota, G::Molla, G::Statica, G::Tampone}, 5}, // 15
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
