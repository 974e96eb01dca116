#include "components/Banco.h"

#include "core/Lingua.h"
#include "core/Seams.h"

#include <algorithm>
#include <cmath>

namespace kelvra {

std::array<ParametriAcquisizione, MAX_PROGETTI + 1> ParametriBanco{};

namespace {

BancoProva* bancoAttivo = nullptr;

constexpr int MSG_NESSUN_BANCO = 57;

bool Dentro(double x, double minimo, double massimo) {
    return x >= minimo && x <= massimo;
}

// The load at stroke x from the measured points (linear between them, the end values
// outside).
double CaricoA(const MisuraBanco& m, double x) {
    const auto& c = m.Corsa;
    if (x <= c.front()) return m.Carico.front();
    for (size_t i = 1; i < c.size(); ++i) {
        if (x <= c[i]) {
            const double t = c[i] == c[i - 1] ? 0 : (x - c[i - 1]) / (c[i] - c[i - 1]);
            return m.Carico[i - 1] + t * (m.Carico[i] - m.Carico[i - 1]);
        }
    }
    return m.Carico.back();
}

} // namespace

int ParametriAcquisizione::NumeroCicli() const {
    return static_cast<int>(std::count(CicloAttivo.begin() + 1, CicloAttivo.end(), true));
}

int ControllaParametri(const ParametriAcquisizione& par) {
    if (!Dentro(par.CorsaMinima, 0, CORSA_MASSIMA_BANCO)) return 72;
    if (!Dentro(par.CorsaMassima, 0, CORSA_MASSIMA_BANCO)) return 73;
    for (int i = 1; i <= CICLI_BANCO; ++i) {
        const auto k = static_cast<size_t>(i);
        if (par.CicloAttivo[k] &&
            !Dentro(par.VelocitaCiclo[k], VELOCITA_MINIMA_BANCO, VELOCITA_MASSIMA_BANCO))
            return 74;
    }
    return 0;
}

BancoProva* ImpostaBancoProva(BancoProva* banco) {
    BancoProva* prima = bancoAttivo;
    bancoAttivo = banco;
    return prima;
}

bool ConfermaAcquisizione(int16_t p) {
    if (!ProgettoValido(p)) return false;
    Progetto& P = Progetti[p];
    P.AcquisizioneAttiva = FALSO;
    MisuraBanco misura;
    const ParametriAcquisizione& par = ParametriBanco[static_cast<size_t>(p)];
    const bool dati = bancoAttivo && bancoAttivo->Acquisisci(par, misura) &&
                      !misura.Corsa.empty() && misura.Corsa.size() == misura.Carico.size();
    if (!dati) {
        MsgBox(Riga(Messaggi, MSG_NESSUN_BANCO), vbInformation);
        return false;
    }
    const double inizio = std::min(par.CorsaMinima, par.CorsaMassima);
    const double fine = std::max(par.CorsaMinima, par.CorsaMassima);
    const int ultima = std::min(static_cast<int>(std::floor(fine - inizio)), MAX_PUNTI);
    for (int i = 0; i <= ultima; ++i) {
        const auto r = static_cast<size_t>(i);
        P.AsseCorsaAmmortizzatore[r] = inizio + i;
        P.ForzaStaticaAmmortizzatore[r] = CaricoA(misura, inizio + i);
    }
    P.NumPuntiAmmortizzatore = static_cast<int16_t>(ultima);
    P.AcquisizioneAttiva = VERO;
    return true;
}

} // namespace kelvra
