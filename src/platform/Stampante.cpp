#include "platform/Stampante.h"

#include "core/Seams.h"
#include "platform/Dialoghi.h"
#include "platform/Testo.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPrinter>

namespace kelvra {

namespace {

// A whole PDF document: its header at the start and its end-of-file mark in its last bytes.
// A device that swallows what it is given (a full disc, /dev/full) reads back otherwise.
bool DocumentoPdfIntero(const QString& nome) {
    QFile file(nome);
    if (!file.open(QIODevice::ReadOnly)) return false;
    if (file.read(5) != "%PDF-") return false;
    const qint64 dimensione = file.size();
    constexpr qint64 CODA = 64;
    if (dimensione <= CODA || !file.seek(dimensione - CODA)) return false;
    return file.read(CODA).contains("%%EOF");
}

void Disegna(QPainter& pittore, const QImage& immagine, const std::string& titolo) {
    const QRect pagina = pittore.viewport();
    const int altezzaTitolo = pittore.fontMetrics().height() * 2;
    pittore.drawText(QRect(pagina.left(), pagina.top(), pagina.width(), altezzaTitolo),
                     Qt::AlignLeft | Qt::AlignVCenter, DaAnsi(titolo));
    const QRect area(pagina.left(), pagina.top() + altezzaTitolo, pagina.width(),
                     pagina.height() - altezzaTitolo);
    QSize misura = immagine.size();
    misura.scale(area.size(), Qt::KeepAspectRatio);
    pittore.drawImage(QRect(area.topLeft(), misura), immagine);
}

} // namespace

bool VerificaStampante(const std::string& messaggio) {
    if (!FileStampa().isEmpty() || StampantePresente()) return true;
    MsgBox(messaggio + ".", vbCritical);
    return false;
}

QString FileStampa() {
    return StampanteImpostata().outputFileName();
}

bool DisegnaPagina(QPrinter& stampante, const QImage& immagine, const std::string& titolo) {
    QPainter pittore;
    if (!pittore.begin(&stampante)) return false;
    Disegna(pittore, immagine, titolo);
    return pittore.end();
}

bool StampaSuFile(const QImage& immagine, const std::string& titolo) {
    QPrinter& stampante = StampanteImpostata();
    const QString nome = stampante.outputFileName();
    if (nome.isEmpty()) return false;
    QPainter pittore;
    if (!pittore.begin(&stampante)) return false; // not opened: nothing was touched
    Disegna(pittore, immagine, titolo);
    if (pittore.end() && DocumentoPdfIntero(nome)) return true;
    // The file was opened, and so emptied: an ordinary one goes, a device stays.
    const QFileInfo scritto(nome);
    if (scritto.isFile() && !scritto.isSymLink()) QFile::remove(nome);
    return false;
}

} // namespace kelvra
