// What the core asks of the user interface without knowing it: message boxes and the beep.
// The program connects these to real dialogs at start-up; tests connect them to recorded
// answers, so no test ever waits on a dialog.
#pragma once

#include <functional>
#include <string>

namespace kelvra {

// Message box styles: one button set plus one icon, and the default button when it is not the
// first of the set.
enum StileMessaggio : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton1 = 0,
    vbDefaultButton2 = 256,
    vbDefaultButton3 = 512,
};

// Added to a style when the text is UTF-8 rather than the language's code page: a message
// that names a file is composed so (TestoConPercorso, core/Lingua.h), because a path is shown
// as the file system names it, whatever characters it holds.
constexpr int TESTO_UTF8 = 0x1000000;

// Message box answers.
enum RispostaMessaggio : int {
    vbOK = 1,
    vbCancel = 2,
    vbAbort = 3,
    vbRetry = 4,
    vbIgnore = 5,
    vbYes = 6,
    vbNo = 7,
};

// Texts are bytes in the language file's code page, or UTF-8 with TESTO_UTF8 in the style.
using GestoreMessaggio =
    std::function<int(const std::string& testo, int stile, const std::string& titolo)>;
using GestoreBeep = std::function<void()>;

// Installs the handler that shows message boxes; an empty handler restores the default,
// which shows nothing and gives the answer that changes nothing (OK, Cancel or No).
void ImpostaGestoreMessaggio(GestoreMessaggio gestore);
void ImpostaGestoreBeep(GestoreBeep gestore);

int MsgBox(const std::string& testo, int stile = vbOKOnly, const std::string& titolo = {});
void Beep();

// The answer the default handler gives for a style.
int RispostaPrudente(int stile);

} // namespace kelvra
