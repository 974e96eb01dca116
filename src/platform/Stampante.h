// The program's one printer, shared by every window: the set-up dialog edits it (a printer of
// the desktop, or a PDF file with its name), and every Print command prints on it.
#pragma once

#include <QSize>
#include <QString>
#include <string>
#include <vector>

class QImage;
class QPrinter;

namespace kelvra {

// True when printing can go somewhere: the set-up holds an output file, or a printer is
// available (asked through the dialog services, so tests answer it). Otherwise shows
// `messaggio` followed by "." in a message box with the critical icon and returns false.
bool VerificaStampante(const std::string& messaggio);

// The output file the set-up chose (a PDF written instead of a printed page), or "" when
// printing goes to a printer.
QString FileStampa();

// Draws one page on a printer: the title (UTF-8) on top, the picture under it scaled to the rest of
// the page. False when the printer could not be opened or the page not finished.
bool DisegnaPagina(QPrinter& stampante, const QImage& immagine, const std::string& titolo);
// The same for several pages of one document.
bool DisegnaPagine(QPrinter& stampante, const std::vector<QImage>& pagine,
                   const std::string& titolo);

// Prints one page into the set-up's output file and reads back what was written: false
// unless the file holds a whole PDF document. A file this call emptied and could not fill is
// removed, so no empty or broken document is left behind.
bool StampaSuFile(const QImage& immagine, const std::string& titolo);
bool StampaSuFile(const std::vector<QImage>& pagine, const std::string& titolo);

// A table drawn as one picture (heading rows of `intestazione` pixels on top, then rows of
// `altezzaRiga` pixels each) printed at its own size, or smaller when it is wider than the
// page, over as many pages as its rows need, each page under the heading again. A table
// wider than a portrait page prints on landscape pages; the set-up's orientation is kept for
// what is printed next.
bool StampaTabella(const QImage& tabella, int intestazione, int altezzaRiga,
                   const std::string& titolo);

// The pages StampaTabella prints, for a page whose picture area is `area` printer pixels at
// `dpi` dots per inch: each page as wide as the area allows at the table's own size, the table's
// slice at its top-left corner.
std::vector<QImage> PagineTabella(const QImage& tabella, int intestazione, int altezzaRiga,
                                  const QSize& area, double dpi);

} // namespace kelvra
