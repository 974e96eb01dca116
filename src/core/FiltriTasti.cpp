#include "core/FiltriTasti.h"

#include "core/Formato.h"
#include "core/Seams.h"

#include <algorithm>

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

bool FuoriLimitiSingola(const std::string& r, double minimo, double massimo) {
    double v = static_cast<float>(Val(r));
    return v < minimo || v > massimo;
}

bool FuoriLimitiDoppia(const std::string& r, double minimo, double massimo) {
    double v = Val(r);
    return v < minimo || v > massimo;
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

bool RifiutaInserimento(const CasellaTesto& casella, const std::string& inserito,
                        const VerdettoTasto& rifiuta) {
    CasellaTesto b = Normalizza(casella);
    if (inserito.empty()) return b.SelLength > 0 && rifiuta(b, TASTO_CANC);
    for (char c : inserito) {
        int16_t tasto = static_cast<int16_t>(static_cast<unsigned char>(c));
        if (rifiuta(b, tasto)) return true;
        b = ApplicaTasto(b, tasto);
    }
    return false;
}

} // namespace kelvra
