// The entry filters of the numeric text boxes: from the text a key would produce, they decide
// whether the key may pass. They work on a plain description of the box, so that any text
// control (and the tests) can use them.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace kelvra {

// What the filters need of a text box: its text, the caret (characters before it, from 0,
// the start of the selection when there is one) and the selection length (0 when none).
struct CasellaTesto {
    std::string Text;
    int SelStart = 0;
    int SelLength = 0;
};

// Key codes the filters know besides the characters.
constexpr int16_t TASTO_INVIO = 13;
constexpr int16_t TASTO_BACKSPACE = 8;
constexpr int16_t TASTO_CANC = -8;    // the Delete key, passed from the key-down handler
constexpr int TASTO_CANC_CODICE = 46; // key-down code of the Delete key

// The verdicts alone: true means reject the key. They neither beep nor change anything.
bool RifiutaTastoNumerico(const CasellaTesto& casella, double minimo, double massimo,
                          int16_t decimali, int16_t tasto);
bool RifiutaTastoIntero(const CasellaTesto& casella, double minimo, double massimo, int16_t tasto);

// The box's filters: the verdict above, with a beep when (and only when) the key is rejected.
// The caller drops a rejected key; the box is never changed here.
bool ControlloTastoNumerico(const CasellaTesto& casella, double minimo, double massimo,
                            int16_t decimali, int16_t tasto);
bool ControlloTastoIntero(const CasellaTesto& casella, double minimo, double massimo,
                          int16_t tasto);

// The box after the key is applied, as a text control applies it (characters replace the
// selection; Backspace and Delete remove the selection or one character). Enter and other
// keys leave it unchanged.
CasellaTesto ApplicaTasto(const CasellaTesto& casella, int16_t tasto);

// Whether a number leaves the range of the 4-byte reals the records hold.
bool FuoriCampoSingola(double valore);

// Verdicts on a piece of text inserted at once (pasted, dropped, composed) in place of the
// selection: the text it would leave in the box is judged once, as a whole, with the rules
// the keys obey (allowed characters, sign at the start, one point, the decimals limit, the
// range). A removal without insertion (cutting the selection) is judged as Delete of the
// selection. True means refuse.
using VerdettoTasto = std::function<bool(const CasellaTesto&, int16_t tasto)>;
using VerdettoInserimento = std::function<bool(const CasellaTesto&, const std::string& inserito)>;
bool RifiutaInserimentoNumerico(const CasellaTesto& casella, const std::string& inserito,
                                double minimo, double massimo, int16_t decimali);
bool RifiutaInserimentoIntero(const CasellaTesto& casella, const std::string& inserito,
                              double minimo, double massimo);

// A box that takes any text `rifiuta` does not refuse, judged on the whole text a key or an
// insertion would leave.
using VerdettoTesto = std::function<bool(const std::string& testo)>;
bool RifiutaTastoTesto(const CasellaTesto& casella, int16_t tasto, const VerdettoTesto& rifiuta);
bool RifiutaInserimentoTesto(const CasellaTesto& casella, const std::string& inserito,
                             const VerdettoTesto& rifiuta);

} // namespace kelvra
