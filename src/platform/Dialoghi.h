// The common dialogs (open file, save file, colour, printer set-up), the printer-present
// test, the showing of a modal window and the opening of a document with the desktop's
// viewer, as one service with an installable respondent. The program uses the real
// dialogs; a test installs a respondent that answers from queues and records what was
// asked (RisposteDialoghi), so that no test ever waits on a dialog.
#pragma once

#include <string>
#include <vector>

class QImage;
class QPrinter;
class QString;
class QWidget;

namespace kelvra {

// What an open or save dialog is asked for. Texts are bytes in the language file's code
// page; folder and name are file-system paths.
struct RichiestaFile {
    std::string titolo;
    // Description and pattern pairs joined by "|": "Project (*.kvp)|*.kvp"; several
    // patterns of one pair are separated by ";".
    std::string filtro;
    std::string cartella; // initial folder; empty: the dialog's own choice
    std::string nome;     // initial file name
};

// The colour dialog's answer: `errore` is set when the user cancelled, and the caller tests
// it before using `colore` (a colour number, red in the low byte).
struct SceltaColore {
    long colore = 0;
    bool errore = false;
};

class RispondenteDialoghi {
  public:
    virtual ~RispondenteDialoghi() = default;
    // The chosen file's path, or "" when the user cancelled.
    virtual std::string ApriFile(const RichiestaFile& richiesta) = 0;
    virtual std::string SalvaFile(const RichiestaFile& richiesta) = 0;
    virtual SceltaColore ScegliColore(long iniziale) = 0;
    // False when the user cancelled.
    virtual bool ImpostaStampante() = 0;
    virtual bool StampantePresente() = 0;
    // Prints one page on the printer: the title (UTF-8, as it may name a file) on top, the
    // picture under it scaled to the page; false when printing failed. (A PDF file chosen in the
    // set-up is written by StampaImmagine itself, whoever answers.)
    virtual bool Stampa(const QImage& immagine, const std::string& titolo) = 0;
    // Prints the pages of one document, each with the title on top and its picture scaled to
    // the page; by default each page through Stampa.
    virtual bool StampaPagine(const std::vector<QImage>& pagine, const std::string& titolo);
    // Shows a window modal and returns when it is closed, with the dialog's result code
    // (0 for a window that is not a dialog).
    virtual int MostraModale(QWidget* finestra) = 0;
    // Opens a document with the desktop's default viewer; false when that failed.
    virtual bool ApriDocumento(const std::string& percorso) = 0;
};

// Installs the respondent that answers every dialog from now on; nullptr restores the real
// dialogs. Returns the one installed before. The caller keeps ownership.
RispondenteDialoghi* ImpostaRispondenteDialoghi(RispondenteDialoghi* rispondente);

// The services, each answered by the installed respondent.
std::string DialogoApriFile(const RichiestaFile& richiesta);
std::string DialogoSalvaFile(const RichiestaFile& richiesta);
SceltaColore DialogoColore(long iniziale);
bool DialogoImpostaStampante();
bool StampantePresente();
// `titolo` is UTF-8: language texts converted from their code page, file names as named.
bool StampaImmagine(const QImage& immagine, const std::string& titolo);
// Several pages, printed as one document.
bool StampaDocumento(const std::vector<QImage>& pagine, const std::string& titolo);
int MostraModale(QWidget* finestra);
bool ApriDocumento(const std::string& percorso);

// The program's one printer, shared by every window: the set-up dialog edits it (a desktop
// printer, or a PDF output file), and printing uses it. Back to the default at a reset.
QPrinter& StampanteImpostata();

// The "desc|*.ext" filter in the form the toolkit's file dialogs take.
QString FiltroQt(const std::string& filtro);

} // namespace kelvra
