#include "core/Unita.h"

#include "core/Formato.h"
#include "core/Lingua.h"
#include "core/Progetti.h"

#include <cmath>

namespace kelvra {

int16_t SistemaUnita = 0;

std::array<float, RIGHE_TABELLA_UNITA> FattoreUnita{};
std::array<std::string, RIGHE_TABELLA_UNITA> EtichettaUnita{};
std::array<std::string, RIGHE_TABELLA_UNITA> SiglaUnita{};
std::array<std::string, RIGHE_TABELLA_UNITA> NomeUnita{};
std::array<int16_t, RIGHE_TABELLA_UNITA> DecimaliUnita{};
std::array<float, RIGHE_TABELLA_UNITA> ArrotondamentoUnita{};
std::array<std::string, RIGHE_TABELLA_UNITA> FormatoUnita{};

namespace {

struct DefinizioneRiga {
    double fattore;
    const char* etichetta;
    const char* sigla;
    int rigaNome;          // line of the "Unità" section, or -1 for the literal below
    const char* nomeFisso; // used when rigaNome is -1
    int16_t decimali;
    const char* formato;
};

// Constants of the imperial system, in double precision; each factor is then held as a
// 4-byte real like every entry of the table.
constexpr double MM_PER_POLLICE = 25.4;
constexpr double N_PER_LIBBRA = 4.448222;
constexpr double M_PER_PIEDE = 0.3048;
constexpr double PSI_PER_BAR = 14.5;

const DefinizioneRiga METRICO[RIGHE_UNITA_USATE] = {
    {1.0, "[mm]", "mm", 0, nullptr, 6, "###0.00####"},
    {1.0, "[N]", "N", 1, nullptr, 2, "#####0.0#"},
    {1.0, "[N/mm]", "N/mm", 2, nullptr, 2, "#0.0#"},
    {1.0, "[\xB0]", "\xB0", 3, nullptr, 3, "##0.0##"},
    {1.0, "", "", 4, nullptr, 3, "##0.0##"},
    {1.0, "[N.m]", "N.m", 5, nullptr, 3, "#0.0##"},
    {1.0, "[mm/s]", "mm/s", 10, nullptr, 1, "####0"},
    {1.0, "[Bar]", "Bar", -1, "Bar", 3, "####0.0##"},
};

// Speed is held in mm/s; in the imperial system it is shown in inches per second, so that
// factor, label, short name and the name (its own line of "Unità") agree with one another.
const DefinizioneRiga IMPERIALE[RIGHE_UNITA_USATE] = {
    {1.0 / MM_PER_POLLICE, "[in]", "in", 6, nullptr, 6, "###0.00#####"},
    {1.0 / N_PER_LIBBRA, "[Lb]", "Lb", 7, nullptr, 2, "#####0.0#"},
    {(1.0 / N_PER_LIBBRA) / (1.0 / MM_PER_POLLICE), "[Lb/in]", "Lb/in", 8, nullptr, 2, "#0.0#"},
    {1.0, "[\xB0]", "\xB0", 3, nullptr, 3, "##0.0##"},
    {1.0, "", "", 4, nullptr, 3, "##0.0##"},
    {1.0 / N_PER_LIBBRA / M_PER_PIEDE, "[Lb.ft]", "Lb.ft", 9, nullptr, 3, "#0.0##"},
    {1.0 / MM_PER_POLLICE, "[in/s]", "in/s", 11, nullptr, 1, "###0"},
    {PSI_PER_BAR, "[PSI]", "PSI", -1, "PSI", 3, "####0.0##"},
};

} // namespace

void ImpostaUnitaMisura(int16_t sistema) {
    const DefinizioneRiga* righe = nullptr;
    if (sistema == SISTEMA_METRICO) righe = METRICO;
    if (sistema == SISTEMA_IMPERIALE) righe = IMPERIALE;
    if (righe != nullptr) {
        for (int r = 0; r < RIGHE_UNITA_USATE; ++r) {
            const DefinizioneRiga& d = righe[r];
            FattoreUnita[r] = static_cast<float>(d.fattore);
            EtichettaUnita[r] = d.etichetta;
            SiglaUnita[r] = d.sigla;
            NomeUnita[r] = d.rigaNome >= 0 ? Riga(TestiUnita, d.rigaNome) : d.nomeFisso;
            DecimaliUnita[r] = d.decimali;
            ArrotondamentoUnita[r] = static_cast<float>(std::pow(10.0, d.decimali));
            FormatoUnita[r] = d.formato;
        }
    }
    PassoTabella = 1.0f;
}

void AzzeraUnitaMisura() {
    SistemaUnita = 0;
    FattoreUnita.fill(0.0f);
    for (auto& s : EtichettaUnita) s.clear();
    for (auto& s : SiglaUnita) s.clear();
    for (auto& s : NomeUnita) s.clear();
    DecimaliUnita.fill(0);
    ArrotondamentoUnita.fill(0.0f);
    for (auto& s : FormatoUnita) s.clear();
}

std::string MostraValore(double valoreInterno, int riga) {
    if (riga < 0 || riga >= RIGHE_TABELLA_UNITA) return FormattaNumero(valoreInterno, "");
    return FormattaNumero(valoreInterno * FattoreUnita[riga], FormatoUnita[riga]);
}

double LeggiValore(const std::string& testo, int riga) {
    if (riga < 0 || riga >= RIGHE_TABELLA_UNITA) return Val(testo);
    if (FattoreUnita[riga] == 0.0f) return 0.0;
    return Val(testo) / FattoreUnita[riga];
}

} // namespace kelvra
