#include "platform/Stampante.h"

#include "core/Seams.h"
#include "platform/Dialoghi.h"
#include "platform/Testo.h"

#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

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
                     Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(titolo));
    const QRect area(pagina.left(), pagina.top() + altezzaTitolo, pagina.width(),
                     pagina.height() - altezzaTitolo);
    QSize misura = immagine.size();
    misura.scale(area.size(), Qt::KeepAspectRatio);
    pittore.drawImage(QRect(area.topLeft(), misura), immagine);
}

// Every page under the title; false when a new page could not be started.
bool DisegnaTutte(QPainter& pittore, QPrinter& stampante, const std::vector<QImage>& pagine,
                  const std::string& titolo) {
    for (size_t k = 0; k < pagine.size(); ++k) {
        if (k > 0 && !stampante.newPage()) return false;
        Disegna(pittore, pagine[k], titolo);
    }
    return true;
}

// Dots per inch of a picture (a picture that does not say is taken at the screen's 96).
double DpiImmagine(const QImage& immagine) {
    constexpr double POLLICI_PER_METRO = 0.0254;
    return immagine.dotsPerMeterX() > 0 ? immagine.dotsPerMeterX() * POLLICI_PER_METRO : 96.0;
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
    return DisegnaPagine(stampante, {immagine}, titolo);
}

bool DisegnaPagine(QPrinter& stampante, const std::vector<QImage>& pagine,
                   const std::string& titolo) {
    QPainter pittore;
    if (!pittore.begin(&stampante)) return false;
    const bool tutte = DisegnaTutte(pittore, stampante, pagine, titolo);
    return pittore.end() && tutte;
}

bool StampaSuFile(const QImage& immagine, const std::string& titolo) {
    return StampaSuFile(std::vector<QImage>{immagine}, titolo);
}

bool StampaSuFile(const std::vector<QImage>& pagine, const std::string& titolo) {
    QPrinter& stampante = StampanteImpostata();
    const QString nome = stampante.outputFileName();
    if (nome.isEmpty()) return false;
    QPainter pittore;
    if (!pittore.begin(&stampante)) return false; // not opened: nothing was touched
    const bool tutte = DisegnaTutte(pittore, stampante, pagine, titolo);
    if (pittore.end() && tutte && DocumentoPdfIntero(nome)) return true;
    // The file was opened, and so emptied: an ordinary one goes, a device stays.
    const QFileInfo scritto(nome);
    if (scritto.isFile() && !scritto.isSymLink()) QFile::remove(nome);
    return false;
}

std::vector<QImage> PagineTabella(const QImage& tabella, int intestazione, int altezzaRiga,
                                  const QSize& area, double dpi) {
    std::vector<QImage> pagine;
    if (tabella.isNull() || area.isEmpty() || altezzaRiga <= 0 || dpi <= 0) return pagine;
    intestazione = std::clamp(intestazione, 0, tabella.height());
    // Printer pixels per table pixel at the table's own size; a wider table is made smaller to
    // fit across, a narrower one keeps its size and leaves the rest of the page white.
    const double naturale = dpi / DpiImmagine(tabella);
    const int larghezza = std::max(tabella.width(), static_cast<int>(area.width() / naturale));
    const int altezza =
        static_cast<int>(static_cast<double>(larghezza) * area.height() / area.width());
    const int perPagina = std::max(1, (altezza - intestazione) / altezzaRiga);
    const int righe = (tabella.height() - intestazione) / altezzaRiga;
    for (int prima = 0; prima < std::max(righe, 1); prima += perPagina) {
        const int sopra = intestazione + prima * altezzaRiga;
        // The last page takes what is left below its rows too.
        const int alta =
            prima + perPagina >= righe ? tabella.height() - sopra : perPagina * altezzaRiga;
        QImage pagina(larghezza, std::max(altezza, intestazione + alta), QImage::Format_RGB32);
        pagina.setDotsPerMeterX(tabella.dotsPerMeterX());
        pagina.setDotsPerMeterY(tabella.dotsPerMeterY());
        pagina.fill(Qt::white);
        QPainter pittore(&pagina);
        pittore.drawImage(QPoint(0, 0), tabella, QRect(0, 0, tabella.width(), intestazione));
        pittore.drawImage(QPoint(0, intestazione), tabella,
                          QRect(0, sopra, tabella.width(), std::max(0, alta)));
        pittore.end();
        pagine.push_back(std::move(pagina));
    }
    return pagine;
}

bool StampaTabella(const QImage& tabella, int intestazione, int altezzaRiga,
                   const std::string& titolo) {
    QPrinter& stampante = StampanteImpostata();
    const QPageLayout::Orientation prima = stampante.pageLayout().orientation();
    QPageLayout verticale = stampante.pageLayout();
    verticale.setOrientation(QPageLayout::Portrait);
    if (tabella.width() / DpiImmagine(tabella) > verticale.paintRect(QPageLayout::Inch).width())
        stampante.setPageOrientation(QPageLayout::Landscape);
    const QRect pagina = stampante.pageLayout().paintRectPixels(stampante.resolution());
    // The title line over the picture, as DisegnaPagine draws it.
    const int riga = QFontMetrics(QFont(), &stampante).height() * 2;
    const std::vector<QImage> pagine = PagineTabella(
        tabella, intestazione, altezzaRiga,
        QSize(pagina.width(), std::max(1, pagina.height() - riga)), stampante.resolution());
    const bool stampato = StampaDocumento(pagine, titolo);
    stampante.setPageOrientation(prima);
    return stampato;
}

} // namespace kelvra
