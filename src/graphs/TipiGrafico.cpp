#include "graphs/TipiGrafico.h"

#include "core/Lingua.h"
#include "core/Unita.h"

#include <algorithm>
#include <array>

namespace kelvra {

namespace {

template <auto Membro> std::span<const double> Tab(const Progetto& p) {
    return p.*Membro;
}

constexpr auto CORSA = &Tab<&Progetto::AsseCorsaRuota>;

// clang-format off
const std::array<TipoGrafico, NUMERO_TIPI_GRAFICO> TIPI{{
    // Y curve, X curve, count, unit row, fixed UnitaY, empty SiglaY, format,
    // title line, title with unit, TitoloY section and line, Y label row, X title line
    {&Tab<&Progetto::AngoloForcellone>, CORSA, &Progetto::NumPunti, UNITA_ANGOLO, nullptr, false, "00.00",
     0, true, SezioneTesto::Unita, 3, UNITA_LUNGHEZZA, 13},
    {&Tab<&Progetto::LunghezzaAmmortizzatore>, CORSA, &Progetto::NumPunti, UNITA_LUNGHEZZA, nullptr, false, "0000.00",
     1, true, SezioneTesto::Quantita, 29, UNITA_LUNGHEZZA, 13},
    {&Tab<&Progetto::EscursioneAmmortizzatore>, CORSA, &Progetto::NumPunti, UNITA_LUNGHEZZA, nullptr, false, "000.00",
     2, true, SezioneTesto::Quantita, 30, UNITA_LUNGHEZZA, 13},
    {&Tab<&Progetto::Leveraggio>, CORSA, &Progetto::NumPunti, UNITA_NUMERO, "", false, "000.00",
     75, false, SezioneTesto::Quantita, 31, UNITA_NUMERO, 13},
    {&Tab<&Progetto::RapportoVelocita>, CORSA, &Progetto::NumPunti, UNITA_NUMERO, "", false, "000.00",
     33, false, SezioneTesto::Quantita, 38, UNITA_NUMERO, 13},
    {&Tab<&Progetto::Progressivita>, CORSA, &Progetto::NumPunti, UNITA_NUMERO, "[%]", true, "000.00",
     5, true, SezioneTesto::Quantita, 19, UNITA_NUMERO, 13},
    {&Tab<&Progetto::ForzaMolla>, &Tab<&Progetto::EscursioneMolla>, &Progetto::NumPuntiMolla, UNITA_FORZA, nullptr, false, "000.00",
     10, true, SezioneTesto::Quantita, 10, UNITA_FORZA, 28},
    {&Tab<&Progetto::ForzaStaticaAmmortizzatore>, &Tab<&Progetto::AsseCorsaAmmortizzatore>, &Progetto::NumPuntiAmmortizzatore, UNITA_FORZA, nullptr, false, "000.00",
     7, true, SezioneTesto::Quantita, 7, UNITA_FORZA, 44},
    {&Tab<&Progetto::ForzaTampone>, &Tab<&Progetto::EscursioneTampone>, &Progetto::NumPuntiTampone, UNITA_FORZA, nullptr, false, "000.00",
     11, true, SezioneTesto::Quantita, 11, UNITA_FORZA, 45},
    {&Tab<&Progetto::ProgressivitaCarico>, CORSA, &Progetto::NumPunti, UNITA_NUMERO, nullptr, false, "000.00",
     6, true, SezioneTesto::Quantita, 6, UNITA_FORZA, 13},
    {&Tab<&Progetto::ForzaAmmortizzatore>, CORSA, &Progetto::NumPunti, UNITA_FORZA, nullptr, false, "000.00",
     54, true, SezioneTesto::Quantita, 54, UNITA_FORZA, 13},
    {&Tab<&Progetto::MomentoForcellone>, CORSA, &Progetto::NumPunti, UNITA_MOMENTO, nullptr, false, "000.00",
     55, true, SezioneTesto::Quantita, 55, UNITA_FORZA, 13},
    {&Tab<&Progetto::CaricoRuota>, CORSA, &Progetto::NumPunti, UNITA_FORZA, nullptr, false, "000.00",
     56, true, SezioneTesto::Quantita, 56, UNITA_FORZA, 13},
    {&Tab<&Progetto::RigidezzaRuota>, CORSA, &Progetto::NumPunti, UNITA_RIGIDEZZA, nullptr, false, "000.00",
     57, true, SezioneTesto::Quantita, 57, UNITA_FORZA, 13},
}};
// clang-format on

// The first chart by state code (geometry 1, spring 2, shock absorber 4, bump stop 8).
constexpr std::array<int16_t, 16> PRIMA_CURVA{1, 1, 7, 1, 7, 1, 7, 1, 9, 1, 7, 1, 9, 1, 7, 1};

} // namespace

const TipoGrafico* DatiTipoGrafico(int16_t tipo) {
    if (tipo < 1 || tipo > NUMERO_TIPI_GRAFICO) return nullptr;
    return &TIPI[static_cast<size_t>(tipo - 1)];
}

int16_t UltimoPuntoSicuro(const TipoGrafico& tipo, const Progetto& p) {
    const auto limite = std::min(tipo.Y(p).size(), tipo.X(p).size());
    const int n = std::clamp<int>(p.*tipo.Conteggio, 0, static_cast<int>(limite) - 1);
    return static_cast<int16_t>(n);
}

std::string UnitaYTipo(const TipoGrafico& tipo) {
    return tipo.unitaFissa ? std::string(tipo.unitaFissa) : EtichettaUnita[tipo.rigaUnita];
}

std::string SiglaYTipo(const TipoGrafico& tipo) {
    return tipo.siglaVuota ? std::string() : SiglaUnita[tipo.rigaUnita];
}

std::string TitoloTipo(const TipoGrafico& tipo) {
    const std::string& quantita = Riga(TestiQuantity, tipo.rigaTitolo);
    return tipo.titoloConUnita ? quantita + " " + UnitaYTipo(tipo) : quantita;
}

std::string TitoloYTipo(const TipoGrafico& tipo) {
    const SezioneTesti& s = tipo.sezioneTitoloY == SezioneTesto::Unita ? TestiUnita : TestiQuantity;
    return Riga(s, tipo.rigaTitoloY);
}

std::string TitoloAsseXTipo(const TipoGrafico& tipo) {
    return Riga(TestiQuantity, tipo.rigaTitoloX) + " " + EtichettaUnita[UNITA_LUNGHEZZA];
}

int16_t PrimaCurva() {
    if (!ProgettoValido(NumeroProgetti)) return 1;
    const Progetto& p = Progetti[NumeroProgetti];
    if (Vero(p.AcquisizioneAttiva)) return 8;
    const int c = p.StatoDatiProgetto;
    return (c >= 0 && c <= 15) ? PRIMA_CURVA[static_cast<size_t>(c)] : 1;
}

} // namespace kelvra
