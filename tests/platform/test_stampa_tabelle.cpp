// A table printed over pages: cut between rows under its heading repeated, at its own size or
// made smaller to fit across, and on landscape pages when it is wider than a portrait page.
#include "platform/Dialoghi.h"
#include "platform/Stampante.h"
#include "support/RisposteDialoghi.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <gtest/gtest.h>

using namespace kelvra;

namespace {

constexpr int INTESTAZIONE = 30, RIGA = 10;

// A table `larghezza` pixels wide at 96 dpi: a black heading, then `righe` rows, row r in the
// grey r (0..255), so that a page tells which rows it holds.
QImage Tabella(int larghezza, int righe) {
    QImage t(larghezza, INTESTAZIONE + righe * RIGA, QImage::Format_RGB32);
    t.setDotsPerMeterX(3780);
    t.setDotsPerMeterY(3780);
    QPainter p(&t);
    p.fillRect(0, 0, larghezza, INTESTAZIONE, Qt::black);
    for (int r = 0; r < righe; ++r)
        p.fillRect(0, INTESTAZIONE + r * RIGA, larghezza, RIGA, QColor(r, r, r));
    return t;
}

int Grigio(const QImage& pagina, int riga) {
    return qRed(pagina.pixel(1, INTESTAZIONE + riga * RIGA + RIGA / 2));
}

} // namespace

TEST(TablePrint, RowsRunOnUnderTheHeadingRepeated) {
    // A 1000 x 700 page area at 192 dpi: the table keeps its size, the heading and 32 rows a page.
    const std::vector<QImage> pagine =
        PagineTabella(Tabella(300, 80), INTESTAZIONE, RIGA, QSize(1000, 700), 192);
    ASSERT_EQ(pagine.size(), 3u);
    int prossima = 0;
    for (const QImage& pagina : pagine) {
        EXPECT_EQ(pagina.width(), 500);
        EXPECT_EQ(qRed(pagina.pixel(1, 1)), 0) << "the heading on top";
        EXPECT_EQ(qRed(pagina.pixel(400, 100)), 255) << "white beside the table";
        EXPECT_EQ(Grigio(pagina, 0), prossima);
        prossima += 32;
    }
    EXPECT_EQ(Grigio(pagine[2], 80 - 64 - 1), 79); // the last row, on the last page
    // Twice as wide as the area: made smaller, the page as wide as the table.
    const std::vector<QImage> strette =
        PagineTabella(Tabella(2000, 80), INTESTAZIONE, RIGA, QSize(1000, 700), 192);
    ASSERT_EQ(strette.size(), 1u);
    EXPECT_EQ(strette[0].width(), 2000);
    EXPECT_EQ(strette[0].height(), 1400);
}

// The pages through the printer; the detailed table's test prints the same way to a PDF file.
TEST(TablePrint, ATableWiderThanAPortraitPageTurnsThePage) {
    RisposteDialoghi risposte;
    QPrinter& stampante = StampanteImpostata();
    stampante.setOutputFormat(QPrinter::PdfFormat);
    stampante.setPageSize(QPageSize(QPageSize::A4));
    stampante.setPageOrientation(QPageLayout::Portrait);
    // Pixels at 96 dpi: A4 portrait takes about 740 across.
    for (const auto& [larghezza, orizzontale] : {std::pair{1800, true}, {600, false}}) {
        risposte.stampe.clear();
        ASSERT_TRUE(StampaTabella(Tabella(larghezza, 150), INTESTAZIONE, RIGA, "Table"));
        ASSERT_FALSE(risposte.stampe.empty());
        for (const auto& p : risposte.stampe)
            EXPECT_EQ(p.immagine.width() > p.immagine.height(), orizzontale) << larghezza;
        // The set-up's own orientation is kept for what is printed next.
        EXPECT_EQ(stampante.pageLayout().orientation(), QPageLayout::Portrait);
    }
}
