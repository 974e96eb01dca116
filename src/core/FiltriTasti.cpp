#include "core/FiltriTasti.h"

#include "core/Formato.h"
#include "core/Seams.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace kelvra {

namespace {

// The box with caret and selection brought within its text.
CasellaTesto Normalizza(const CasellaTesto& c) {
    CasellaTesto n = c;
    int lunghezza = static_cast<int>(n.Text.size());
    n.SelStart = std::clamp(n.SelStart, 0, lunghezza);
    n.SelLength = std::clamp(n.SelLength, 0, lunghezza - n.SelStart);
    return n;
}

// The text with `c` in place of the selection.
std::string AlPostoDellaSelezione(const CasellaTesto& b, const std::string& c) {
    return b.Text.substr(0, static_cast<size_t>(b.SelStart)) + c +
           b.Text.substr(static_cast<size_t>(b.SelStart + b.SelLength));
}

std::string SenzaCarattere(const std::string& t, int posizione) {
    return t.substr(0, static_cast<size_t>(posizione)) +
           t.substr(static_cast<size_t>(posizione) + 1);
}

// The value as a 4-byte real: a number beyond that range fails whatever the limits.
bool FuoriLimitiSingola(const std::string& r, double minimo, double massimo) {
    const double letto = Val(r);
    if (FuoriCampoSingola(letto)) return true;
    double v = static_cast<float>(letto);
    return v < minimo || v > massimo;
}

bool FuoriLimitiDoppia(const std::string& r, double minimo, double massimo) {
    double v = Val(r);
    return !std::isfinite(v) || v < minimo || v > massimo;
}

bool Cifra(int16_t tasto) {
    return tasto >= '0' && tasto <= '9';
}

// Delete and Backspace, shared by both filters: the text left after the deletion must be in
// range, except when nothing would be deleted.
template <class Limiti>
bool RifiutaCancellazione(const CasellaTesto& b, int16_t tasto, Limiti fuoriLimiti) {
    int lunghezza = static_cast<int>(b.Text.size());
    if (b.SelLength > 0) return fuoriLimiti(AlPostoDellaSelezione(b, ""));
    if (tasto == TASTO_CANC) {
        if (b.SelStart >= lunghezza) return false;
        return fuoriLimiti(SenzaCarattere(b.Text, b.SelStart));
    }
    if (b.SelStart == 0) return false;
    return fuoriLimiti(SenzaCarattere(b.Text, b.SelStart - 1));
}

} // namespace

bool RifiutaTastoNumerico(const CasellaTesto& casella, double minimo, double massimo,
                          int16_t decimali, int16_t tasto) {
    const CasellaTesto b = Normalizza(casella);
    auto fuoriLimiti = [&](const std::string& r) { return FuoriLimitiSingola(r, minimo, massimo); };
    const int lunghezza = static_cast<int>(b.Text.size());
    const size_t trovato = b.Text.find('.');
    const int punto = trovato == std::string::npos ? 0 : static_cast<int>(trovato) + 1; // 1-based

    if (!Cifra(tasto) && tasto != '-' && tasto != '.' && tasto != TASTO_INVIO &&
        tasto != TASTO_BACKSPACE && tasto != TASTO_CANC)
        return true;

    if (tasto == '.') {
        std::string r = AlPostoDellaSelezione(b, ".");
        if (punto == 0) {
            int decimaliDopo = static_cast<int>(r.size()) - b.SelStart - 1;
            return decimaliDopo > decimali;
        }
        bool coperto =
            b.SelLength > 0 && b.SelStart + 1 <= punto && punto <= b.SelStart + b.SelLength;
        if (!coperto) return true;
        return fuoriLimiti(r);
    }
    if (tasto == '-') {
        if (b.SelStart != 0) return true;
        if (b.SelLength == 0 && !b.Text.empty() && b.Text.front() == '-') return true;
        return fuoriLimiti(AlPostoDellaSelezione(b, "-"));
    }
    if (tasto == TASTO_CANC || tasto == TASTO_BACKSPACE)
        return RifiutaCancellazione(b, tasto, fuoriLimiti);
    if (Cifra(tasto)) {
        if (fuoriLimiti(AlPostoDellaSelezione(b, std::string(1, static_cast<char>(tasto)))))
            return true;
        if (punto > 0 && b.SelStart >= punto) return !(lunghezza - b.SelLength - punto < decimali);
        return false;
    }
    return false; // Enter
}

bool RifiutaTastoIntero(const CasellaTesto& casella, double minimo, double massimo, int16_t tasto) {
    const CasellaTesto b = Normalizza(casella);
    auto fuoriLimiti = [&](const std::string& r) { return FuoriLimitiDoppia(r, minimo, massimo); };
    if (tasto == TASTO_CANC || tasto == TASTO_BACKSPACE)
        return RifiutaCancellazione(b, tasto, fuoriLimiti);
    if (Cifra(tasto))
        return fuoriLimiti(AlPostoDellaSelezione(b, std::string(1, static_cast<char>(tasto))));
    return tasto != TASTO_INVIO;
}

bool ControlloTastoNumerico(const CasellaTesto& casella, double minimo, double massimo,
                            int16_t decimali, int16_t tasto) {
    bool rifiuta = RifiutaTastoNumerico(casella, minimo, massimo, decimali, tasto);
    if (rifiuta) Beep();
    return rifiuta;
}

bool ControlloTastoIntero(const CasellaTesto& casella, double minimo, double massimo,
                          int16_t tasto) {
    bool rifiuta = RifiutaTastoIntero(casella, minimo, massimo, tasto);
    if (rifiuta) Beep();
    return rifiuta;
}

CasellaTesto ApplicaTasto(const CasellaTesto& casella, int16_t tasto) {
    CasellaTesto b = Normalizza(casella);
    int lunghezza = static_cast<int>(b.Text.size());
    if (tasto == TASTO_BACKSPACE || tasto == TASTO_CANC) {
        if (b.SelLength > 0) {
            b.Text = AlPostoDellaSelezione(b, "");
        } else if (tasto == TASTO_BACKSPACE && b.SelStart > 0) {
            b.Text = SenzaCarattere(b.Text, b.SelStart - 1);
            --b.SelStart;
        } else if (tasto == TASTO_CANC && b.SelStart < lunghezza) {
            b.Text = SenzaCarattere(b.Text, b.SelStart);
        }
        b.SelLength = 0;
        return b;
    }
    if (tasto >= 32 && tasto <= 255) {
        b.Text = AlPostoDellaSelezione(b, std::string(1, static_cast<char>(tasto)));
        ++b.SelStart;
        b.SelLength = 0;
    }
    return b;
}

bool FuoriCampoSingola(double valore) {
    return !(std::fabs(valore) <= FLT_MAX);
}

bool RifiutaInserimentoNumerico(const CasellaTesto& casella, const std::string& inserito,
                                double minimo, double massimo, int16_t decimali) {
    const CasellaTesto b = Normalizza(casella);
    if (inserito.empty())
        return b.SelLength > 0 && RifiutaTastoNumerico(b, minimo, massimo, decimali, TASTO_CANC);
    if (inserito.find_first_not_of("0123456789-.") != std::string::npos) return true;
    const std::string r = AlPostoDellaSelezione(b, inserito);
    // The sign only as the first character of the text, and only once.
    const size_t segno = inserito.find('-');
    if (segno != std::string::npos &&
        (segno != 0 || b.SelStart != 0 || r.find('-', 1) != std::string::npos))
        return true;
    const size_t punto = r.find('.');
    if (inserito.find('.') != std::string::npos) {
        if (punto != r.rfind('.')) return true;
        if (static_cast<int>(r.size() - punto) - 1 > decimali) return true;
    } else if (punto != std::string::npos && b.SelStart > static_cast<int>(punto)) {
        if (static_cast<int>(r.size() - punto) - 1 > decimali) return true;
    }
    return FuoriLimitiSingola(r, minimo, massimo);
}

bool RifiutaInserimentoIntero(const CasellaTesto& casella, const std::string& inserito,
                              double minimo, double massimo) {
    const CasellaTesto b = Normalizza(casella);
    if (inserito.empty())
        return b.SelLength > 0 && RifiutaTastoIntero(b, minimo, massimo, TASTO_CANC);
    if (inserito.find_first_not_of("0123456789") != std::string::npos) return true;
    return FuoriLimitiDoppia(AlPostoDellaSelezione(b, inserito), minimo, massimo);
}

bool RifiutaTastoTesto(const CasellaTesto& casella, int16_t tasto, const VerdettoTesto& rifiuta) {
    const CasellaTesto b = Normalizza(casella);
    if (tasto == TASTO_INVIO) return false;
    return rifiuta(ApplicaTasto(b, tasto).Text);
}

bool RifiutaInserimentoTesto(const CasellaTesto& casella, const std::string& inserito,
                             const VerdettoTesto& rifiuta) {
    return rifiuta(AlPostoDellaSelezione(Normalizza(casella), inserito));
}

} // namespace kelvra
