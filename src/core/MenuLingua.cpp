#include "core/MenuLingua.h"

#include "core/Lingua.h"

namespace kelvra {

std::array<std::array<std::string, MassimoVociMenu + 1>, MassimoMenu + 1> TabellaMenu;
std::array<int16_t, MassimoMenu + 1> NumeroVociMenu{};
int16_t NumeroMenu = 0;

namespace {

std::string TogliSpazi(const std::string& s) {
    size_t inizio = s.find_first_not_of(' ');
    if (inizio == std::string::npos) return {};
    size_t fine = s.find_last_not_of(' ');
    return s.substr(inizio, fine - inizio + 1);
}

// A text as a fixed-length cell: cut or padded with spaces.
std::string Cella(const std::string& testo) {
    std::string c = testo.substr(0, LunghezzaCellaMenu);
    c.resize(LunghezzaCellaMenu, ' ');
    return c;
}

void SvuotaTabella() {
    for (auto& riga : TabellaMenu) riga.fill(Cella(""));
    NumeroVociMenu.fill(0);
    NumeroMenu = 0;
}

} // namespace

bool EstraiCampo(const std::string& testo, char separatore, int16_t& posizione,
                 std::string& uscita) {
    uscita.clear();
    const int lunghezza = static_cast<int>(testo.size());
    if (posizione < 1) posizione = 1;
    while (posizione <= lunghezza) {
        char c = testo[static_cast<size_t>(posizione - 1)];
        ++posizione;
        if (c == separatore) break;
        uscita.push_back(c);
    }
    // The trimmed length: the text without its trailing spaces, counted from the start.
    size_t ultimo = testo.find_last_not_of(' ');
    const int lunghezzaUtile = ultimo == std::string::npos ? 0 : static_cast<int>(ultimo + 1);
    return posizione <= lunghezzaUtile;
}

bool LeggiMenuLingua(const std::string& sezione) {
    SvuotaTabella();
    const std::string intestazione = "[" + TogliSpazi(sezione) + "]";
    size_t i = 0;
    while (i < LineeLingua.size() && LineeLingua[i].find(intestazione) == std::string::npos) ++i;
    if (i == LineeLingua.size()) return false;

    int r = 0;
    int16_t c = 0;
    for (++i; i < LineeLingua.size(); ++i) {
        const std::string riga = TogliSpazi(LineeLingua[i].substr(0, MassimaLunghezzaRiga));
        if (riga.empty()) break;
        if (r == MassimoMenu) continue;

        ++r;
        int16_t posizione = 1;
        std::string titolo;
        EstraiCampo(riga, '=', posizione, titolo);
        if (r > 1 && Cella(titolo) == TabellaMenu[r - 1][0]) {
            --r; // the same caption again: more items of the previous menu
        } else {
            c = 0;
        }
        TabellaMenu[r][0] = Cella(TogliSpazi(titolo));

        if (riga.find('=') != std::string::npos) {
            const int16_t lunghezza = static_cast<int16_t>(riga.size());
            std::string voce;
            while (posizione <= lunghezza && c < MassimoVociMenu) {
                bool altro = EstraiCampo(riga, ',', posizione, voce);
                ++c;
                TabellaMenu[r][c] = Cella(voce);
                if (!altro) break;
            }
            NumeroVociMenu[r] = c;
        } else {
            NumeroVociMenu[r] = 0;
        }
    }
    NumeroMenu = static_cast<int16_t>(r);
    return true;
}

std::string VoceMenu(int riga, int voce) {
    if (riga < 0 || riga > MassimoMenu || voce < 0 || voce > MassimoVociMenu) return {};
    return TogliSpazi(TabellaMenu[static_cast<size_t>(riga)][static_cast<size_t>(voce)]);
}

} // namespace kelvra
