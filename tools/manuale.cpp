// Makes the user's guide that the Help menu opens: reads the guide's Markdown source with its
// pictures and prints it, page-numbered, to a PDF file.
//
//   manuale <guide.md> <Kelvra.Pdf>
//
// Pictures are named relative to the source's folder; one that cannot be read stops the tool
// with an error, so a broken guide never reaches the program's folder.
#include <QColor>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextFrame>
#include <QTextImageFormat>
#include <QTextTable>
#include <QTextTableFormat>
#include <QUrl>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// The widest a picture is set, in the document's pixels: a little less than the text width
// of an A4 page with 20 mm margins.
constexpr double LARGHEZZA_MASSIMA_FIGURA = 600;
// Small pictures (a dialog, a menu) keep their own size; larger ones, whole windows, are set
// at this fraction of it, so that a window and its text around fit on one page.
constexpr double LARGHEZZA_PICCOLA = 400, RIDUZIONE_GRANDI = 0.6;

// The width a picture of `pixel` pixels takes in the document.
double LarghezzaFigura(int pixel) {
    const double w =
        pixel <= LARGHEZZA_PICCOLA ? pixel : std::max(LARGHEZZA_PICCOLA, pixel * RIDUZIONE_GRANDI);
    return std::min(w, LARGHEZZA_MASSIMA_FIGURA);
}

int Errore(const QString& testo) {
    std::fprintf(stderr, "manuale: %s\n", qPrintable(testo));
    return 1;
}

// Loads every picture the guide names into the document and fits it to the page width.
// Returns the name of a picture that could not be read, or an empty string.
QString CaricaFigure(QTextDocument& guida, const QString& cartella) {
    struct Figura {
        int inizio, lunghezza;
        QTextImageFormat formato;
    };
    std::vector<Figura> figure;
    for (QTextBlock blocco = guida.begin(); blocco.isValid(); blocco = blocco.next()) {
        for (auto it = blocco.begin(); !it.atEnd(); ++it) {
            const QTextFragment pezzo = it.fragment();
            const QTextImageFormat formato = pezzo.charFormat().toImageFormat();
            if (formato.isValid()) figure.push_back({pezzo.position(), pezzo.length(), formato});
        }
    }
    for (Figura& f : figure) {
        const QImage figura(cartella + "/" + f.formato.name());
        if (figura.isNull()) return f.formato.name();
        guida.addResource(QTextDocument::ImageResource, QUrl(f.formato.name()), figura);
        const double larghezza = LarghezzaFigura(figura.width());
        f.formato.setWidth(larghezza);
        f.formato.setHeight(larghezza * figura.height() / figura.width());
        QTextCursor cursore(&guida);
        cursore.setPosition(f.inizio);
        cursore.setPosition(f.inizio + f.lunghezza, QTextCursor::KeepAnchor);
        cursore.setCharFormat(f.formato);
    }
    return {};
}

// A heading whose section opens with a picture starts a new page, so it is never left alone
// at the foot of a page while its picture moves to the next.
void TieniTitoliConFigure(QTextDocument& guida) {
    const auto haFigura = [](const QTextBlock& blocco) {
        for (auto it = blocco.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat()) return true;
        return false;
    };
    for (QTextBlock blocco = guida.begin(); blocco.isValid(); blocco = blocco.next()) {
        const QTextBlock seguente = blocco.next();
        if (blocco.blockFormat().headingLevel() == 0 || !seguente.isValid() ||
            !haFigura(seguente) || blocco == guida.begin())
            continue;
        QTextBlockFormat formato = blocco.blockFormat();
        formato.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(blocco).setBlockFormat(formato);
    }
}

// Tables take the whole text width, with thin ruled cells and their heading row repeated on
// every page they run onto.
void ImpaginaTabelle(QTextDocument& guida) {
    std::vector<QTextTable*> tabelle;
    for (QTextFrame* f : guida.rootFrame()->childFrames())
        if (auto* t = qobject_cast<QTextTable*>(f)) tabelle.push_back(t);
    for (QTextTable* t : tabelle) {
        QTextTableFormat formato = t->format();
        formato.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        formato.setBorder(0.5);
        formato.setBorderBrush(QColor(150, 150, 150));
        formato.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        formato.setBorderCollapse(true);
        formato.setCellPadding(3);
        formato.setCellSpacing(0);
        formato.setHeaderRowCount(1);
        t->setFormat(formato);
    }
}

} // namespace

int main(int argc, char** argv) {
    // No display is needed: the text is laid out on the offscreen platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) return Errore("usage: manuale <guide.md> <output.pdf>");
    const QString sorgente = QString::fromLocal8Bit(argv[1]);
    const QString uscita = QString::fromLocal8Bit(argv[2]);

    QFile file(sorgente);
    if (!file.open(QIODevice::ReadOnly)) return Errore("cannot read " + sorgente);
    QTextDocument guida;
    QFont carattere("Sans Serif", 10);
    guida.setDefaultFont(carattere);
    guida.setMarkdown(QString::fromUtf8(file.readAll()));
    if (guida.isEmpty()) return Errore(sorgente + " is empty");
    if (const QString mancante = CaricaFigure(guida, QFileInfo(sorgente).absolutePath());
        !mancante.isEmpty())
        return Errore("cannot read the picture " + mancante);
    TieniTitoliConFigure(guida);
    ImpaginaTabelle(guida);

    QPdfWriter pdf(uscita);
    pdf.setTitle("Kelvra - User's guide");
    pdf.setCreator("Kelvra");
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter));
    guida.print(&pdf);
    if (QFileInfo(uscita).size() == 0) return Errore("nothing was written to " + uscita);
    return 0;
}
