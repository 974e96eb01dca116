// The grid: fixed rows as the heading, rows computed when shown, the grid's numbers in every
// call, and the end of a selection by the mouse and by the keyboard.
#include "platform/Griglia.h"
#include "platform/Posizione.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace kelvra;

TEST(Griglia, TheGridsNumbersRowsMadeWhenShownAndTheEndOfASelection) {
    Griglia g;
    int fatte = 0;
    {
        Griglia::Blocco blocco(g);
        g.SetFixedRows(0), g.SetFixedCols(0), g.SetRows(0), g.SetCols(3);
        for (const char* riga : {"a\tb\tc\td", "spare", "1\t\t3"}) g.AddItem(riga);
        g.SetFixedRows(1);
        g.RemoveItem(0), g.RemoveItem(1); // a fixed row stays
        g.AddItemsCalcolati(
            500, [&fatte](int k, int c) { return ++fatte, std::to_string(k) + char('a' + c); });
        g.SetColWidth(1, 0), g.SetColWidth(2, 1500);
    }
    g.AddItem("x", 1);
    g.SetTextMatrix(1, 1, "\xB0"); // in the language file's code page
    g.SetTextMatrix(400, 0, "typed");
    const QAbstractItemModel& m = *g.model();
    EXPECT_EQ(std::pair(g.Rows(), m.rowCount()), std::pair(503, 502));
    EXPECT_EQ(g.TextMatrix(0, 2) + g.TextMatrix(2, 2) + g.TextMatrix(9999, 0), "c3");
    EXPECT_EQ(g.TextMatrix(400, 0) + g.TextMatrix(400, 1) + g.TextMatrix(502, 2), "typed397b499c");
    EXPECT_EQ(m.index(0, 1).data().toString() + m.headerData(0, Qt::Horizontal).toString(),
              QString::fromUtf8("\u00B0a"));
    EXPECT_TRUE(g.isColumnHidden(1) && !g.isColumnHidden(2));
    EXPECT_EQ(g.columnWidth(2), static_cast<int>(std::lround(1500 / TwipsPerPixelX(&g))));
    g.resize(300, 200);
    g.show();
    QCoreApplication::processEvents();
    EXPECT_LT(fatte, 3 * 40); // the rows on the screen, not the 500

    QSignalSpy fine(&g, &Griglia::FineSelezione);
    g.Seleziona(0, 0, 3, 2); // the fixed row is left out of what shows; no event
    EXPECT_EQ(g.selectionModel()->selection().front().top() + fine.count(), 0);
    QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, g.visualRect(m.index(2, 0)).center());
    EXPECT_EQ(g.Text() + std::to_string(fine.count()), "0a1");
    // Shift held over several moving keys makes one block, finished when Shift is let go.
    auto tasto = [&g](bool premuto, int codice, Qt::KeyboardModifiers m = Qt::ShiftModifier) {
        QTest::simulateEvent(&g, premuto, codice, m, {}, false);
    };
    tasto(true, Qt::Key_Shift, {});
    for (int k : {Qt::Key_Down, Qt::Key_Down, Qt::Key_PageDown}) tasto(true, k), tasto(false, k);
    EXPECT_EQ(fine.count(), 1);
    tasto(false, Qt::Key_Shift);
    EXPECT_EQ(fine.count(), 2);
    EXPECT_EQ(g.SelStartRow(), 3);
    EXPECT_GT(g.SelEndRow(), 6);
    QTest::keyClick(&g, Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(std::pair(g.SelStartRow(), g.SelEndRow()), std::pair(3, 502));
    QTest::keyClick(&g, Qt::Key_Up); // a plain moving key ends the selection at once
    EXPECT_EQ(std::tuple(fine.count(), g.SelStartRow(), g.SelEndRow()), std::tuple(4, 501, 501));
}

// The printed picture: each shown column as wide as its longest figure or heading word, the
// heading wrapped between words, a line under it where the rows begin.
TEST(Griglia, ThePrintedPictureWrapsHeadingsAndFitsColumnsToTheirFigures) {
    Griglia g;
    {
        Griglia::Blocco blocco(g);
        g.SetFixedCols(0), g.SetRows(1), g.SetCols(3);
        g.SetTextMatrix(0, 0, "Static shock absorber force");
        g.SetTextMatrix(0, 1, "Hidden");
        g.SetTextMatrix(0, 2, "Wheel");
        for (int r = 0; r < 20; ++r) g.AddItem("12.5\tx\t" + std::to_string(1000 * r));
        g.SetColWidth(0, 6000), g.SetColWidth(1, 0), g.SetColWidth(2, 6000);
    }
    int intestazione = 0, riga = 0;
    const QImage immagine = g.Immagine(&intestazione, &riga);
    const QFontMetrics m(g.font());
    const int parola = m.horizontalAdvance(QStringLiteral("absorber"));
    const int cifre = m.horizontalAdvance(QStringLiteral("19000"));
    EXPECT_EQ(immagine.width(), parola + cifre + 4 * 4); // two columns, 4 pixels each side
    EXPECT_GE(intestazione, 3 * m.height());             // "Static shock / absorber / force"
    EXPECT_EQ(riga, m.height() + 4);
    EXPECT_EQ(immagine.height(), intestazione + 20 * riga + 1);
    // The line under the heading, and nothing but white in the row under it to the left.
    EXPECT_EQ(qRed(immagine.pixel(immagine.width() / 2, intestazione - 1)), 0);
    EXPECT_EQ(qRed(immagine.pixel(0, intestazione + 1)), 255);
}
