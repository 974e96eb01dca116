// The grid stand-in: fixed rows shown as a heading or as cells, the grid's numbers either way.
#include "platform/Griglia.h"
#include "platform/Posizione.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace kelvra;

TEST(Griglia, CellsAndSelectionKeepTheGridsNumbersWhicheverWayTheFixedRowsShow) {
    for (bool comeCelle : {false, true}) {
        Griglia g;
        {
            Griglia::Blocco blocco(g);
            g.SetFisseComeCelle(comeCelle);
            g.SetFixedRows(0), g.SetFixedCols(0), g.SetRows(0), g.SetCols(3);
            for (const char* riga : {"a\tb\tc\td", "spare", "1\t\t3"}) g.AddItem(riga);
            g.SetFixedRows(1);
            g.RemoveItem(0); // a fixed row stays
            g.RemoveItem(1);
            g.SetColWidth(1, 0), g.SetColWidth(2, 1500);
        }
        g.AddItem("x", 1);
        g.SetTextMatrix(1, 1, "\xB0");   // in the language file's code page
        const int s = comeCelle ? 0 : 1; // the heading is no row of the widget
        EXPECT_EQ(std::pair(g.Rows(), g.rowCount()), std::pair(3, 3 - s));
        EXPECT_EQ(g.TextMatrix(0, 2) + g.TextMatrix(2, 2) + g.TextMatrix(9, 0), "c3");
        EXPECT_EQ(g.item(1 - s, 1)->text(), QString::fromUtf8("\u00B0"));
        EXPECT_TRUE(g.isColumnHidden(1) && !g.isColumnHidden(2));
        EXPECT_EQ(g.columnWidth(2), static_cast<int>(std::lround(1500 / TwipsPerPixelX(&g))));
        const QTableWidgetItem* a = comeCelle ? g.item(0, 0) : g.horizontalHeaderItem(0);
        EXPECT_EQ(a->text(), "a");
        EXPECT_EQ(bool(a->flags() & Qt::ItemIsSelectable), !comeCelle);

        // Only the user's release of the mouse tells that a selection is finished.
        g.show();
        QSignalSpy fine(&g, &Griglia::FineSelezione);
        g.setRangeSelected(QTableWidgetSelectionRange(1 - s, 0, 2 - s, 1), true);
        EXPECT_EQ(std::pair(g.SelStartRow(), g.SelEndRow()), std::pair(1, 2));
        g.Seleziona(0, 0, 2, 2); // the fixed row is left out of what shows
        EXPECT_EQ(g.selectedRanges().front().topRow() + fine.count(), 1 - s);
        QTest::mouseClick(g.viewport(), Qt::LeftButton, {},
                          g.visualItemRect(g.item(2 - s, 0)).center());
        EXPECT_EQ(fine.count(), 1);
        EXPECT_EQ(g.Text(), "1");
    }
}
