// The program's one printer, shared by every window: the set-up dialog edits it (a printer of
// the desktop, or a PDF file with its name), and every Print command prints on it.
#pragma once

#include <QString>
#include <string>

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

// Draws one page on a printer: the title on top, the picture under it scaled to the rest of
// the page. False when the printer could not be opened or the page not finished.
bool DisegnaPagina(QPrinter& stampante, const QImage& immagine, const std::string& titolo);

// Prints one page into the set-up's output file and reads back what was written: false
// unless the file holds a whole PDF document. A file this call emptied and could not fill is
// removed, so no empty or broken document is left behind.
bool StampaSuFile(const QImage& immagine, const std::string& titolo);

} // namespace kelvra
