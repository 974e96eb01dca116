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

// Each kind names the fields that differ from the usual ones (the header's defaults).
const std::array<TipoGrafico, NUMERO_TIPI_GRAFICO> TIPI{{
    {.Y = &Tab<&Progetto::AngoloForcellone>,
     .X = CORSA,
     .rigaUnita = UNITA_ANGOLO,
     .formatoY = "00.00",
     .rigaTitolo = 0,
     .sezioneTitoloY = SezioneTesto::Unita,
     .rigaTitoloY = 3,
     .rigaFormatoEtichette = UNITA_LUNGHEZZA},
    {.Y = &Tab<&Progetto::LunghezzaAmmortizzatore>,
     .X = CORSA,
     .rigaUnita = UNITA_LUNGHEZZA,
     .formatoY = "0000.00",
     .rigaTitolo = 1,
     .rigaTitoloY = 29,
     .rigaFormatoEtichette = UNITA_LUNGHEZZA},
    {.Y = &Tab<&Progetto::EscursioneAmmortizzatore>,
     .X = CORSA,
     .rigaUnita = UNITA_LUNGHEZZA,
     .rigaTitolo = 2,
     .rigaTitoloY = 30,
     .rigaFormatoEtichette = UNITA_LUNGHEZZA},
    {.Y = &Tab<&Progetto::Leveraggio>,
     .X = CORSA,
     .rigaUnita = UNITA_NUMERO,
     .unitaFissa = "",
     .rigaTitolo = 75,
     .titoloConUnita = false,
     .rigaTitoloY = 31,
     .rigaFormatoEtichette = UNITA_NUMERO},
    {.Y = &Tab<&Progetto::RapportoVelocita>,
     .X = CORSA,
     .rigaUnita = UNITA_NUMERO,
     .unitaFissa = "",
     .rigaTitolo = 33,
     .titoloConUnita = false,
     .rigaTitoloY = 38,
     .rigaFormatoEtichette = UNITA_NUMERO},
    {.Y = &Tab<&Progetto::Progressivita>,
     .X = CORSA,
     .rigaUnita = UNITA_NUMERO,
     .unitaFissa = "[%]",
     .siglaVuota = true,
     .rigaTitolo = 5,
     .rigaTitoloY = 19,
     .rigaFormatoEtichette = UNITA_NUMERO},
    {.Y = &Tab<&Progetto::ForzaMolla>,
     .X = &Tab<&Progetto::EscursioneMolla>,
     .Conteggio = &Progetto::NumPuntiMolla,
     .rigaUnita = UNITA_FORZA,
     .rigaTitolo = 10,
     .rigaTitoloY = 10,
     .rigaFormatoEtichette = UNITA_FORZA,
     .rigaTitoloX = 28},
    {.Y = &Tab<&Progetto::ForzaStaticaAmmortizzatore>,
     .X = &Tab<&Progetto::AsseCorsaAmmortizzatore>,
     .Conteggio = &Progetto::NumPuntiAmmortizzatore,
     .rigaUnita = UNITA_FORZA,
     .rigaTitolo = 7,
     .rigaTitoloY = 7,
     .rigaFormatoEtichette = UNITA_FORZA,
     .rigaTitoloX = 44},
    {.Y = &Tab<&Progetto::ForzaTampone>,
     .X = &Tab<&Progetto::EscursioneTampone>,
     .Conteggio = &Progetto::NumPuntiTampone,
     .rigaUnita = UNITA_FORZA,
     .rigaTitolo = 11,
     .rigaTitoloY = 11,
     .rigaFormatoEtichette = UNITA_FORZA,
     .rigaTitoloX = 45},
    {.Y = &Tab<&Progetto::ProgressivitaCarico>,
     .X = CORSA,
     .rigaUnita = UNITA_NUMERO,
     .rigaTitolo = 6,
     .rigaTitoloY = 6,
     .rigaFormatoEtichette = UNITA_FORZA},
    {.Y = &Tab<&Progetto::ForzaAmmortizzatore>,
     .X = CORSA,
     .rigaUnita = UNITA_FORZA,
     .rigaTitolo = 54,
     .rigaTitoloY = 54,
     .rigaFormatoEtichette = UNITA_FORZA},
    {.Y = &Tab<&Progetto::MomentoForcellone>,
     .X = CORSA,
     .rigaUnita = UNITA_MOMENTO,
     .rigaTitolo = 55,
     .rigaTitoloY = 55,
     .rigaFormatoEtichette = UNITA_FORZA},
    {.Y = &Tab<&Progetto::CaricoRuota>,
     .X = CORSA,
     .rigaUnita = UNITA_FORZA,
     .rigaTitolo = 56,
     .rigaTitoloY = 56,
     .rigaFormatoEtichette = UNITA_FORZA},
    {.Y = &Tab<&Progetto::RigidezzaRuota>,
     .X = CORSA,
     .rigaUnita = UNITA_RIGIDEZZA,
     .rigaTitolo = 57,
     .rigaTitoloY = 57,
     .rigaFormatoEtichette = UNITA_FORZA},
}};

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
