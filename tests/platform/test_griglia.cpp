// The grid stand-in: rows appended from tab-separated text, widths in twips, removal, the
// fixed rows as a heading or as cells, and the selection in the grid's own row numbers.
#include "platform/Griglia.h"
#include "platform/Posizione.h"

#include <QHeaderView>
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
            g.SetFixedRows(0);
            g.SetFixedCols(0);
            g.SetRows(0);
            g.SetCols(3);
            g.AddItem("a\tb\tc\td"); // the fourth cell has no column
            g.AddItem("spare");
            g.AddItem("1\t\t3");
            g.SetFixedRows(1);
            g.RemoveItem(0); // a fixed row stays
            g.RemoveItem(1);
            g.SetColWidth(1, 0);
            g.SetColWidth(2, 1500);
            g.SetFixedAlignment(0, 2);
        }
        g.AddItem("x", 1);
        g.SetTextMatrix(1, 1, "\xB0");
        const int scarto = comeCelle ? 0 : 1; // the heading is no row of the widget
        EXPECT_EQ(g.Rows(), 3);
        EXPECT_EQ(g.rowCount(), 3 - scarto);
        EXPECT_EQ(g.TextMatrix(0, 2), "c");
        EXPECT_EQ(g.TextMatrix(2, 2), "3");
        EXPECT_EQ(g.TextMatrix(9, 0), "");
        EXPECT_EQ(g.item(1 - scarto, 1)->text(), QString::fromUtf8("\u00B0"));
        EXPECT_TRUE(g.isColumnHidden(1));
        EXPECT_EQ(g.columnWidth(2), static_cast<int>(std::lround(1500 / TwipsPerPixelX(&g))));
        const QTableWidgetItem* a = comeCelle ? g.item(0, 0) : g.horizontalHeaderItem(0);
        EXPECT_EQ(a->text(), "a");
        EXPECT_EQ(g.horizontalHeader()->isHidden(), comeCelle);
        EXPECT_EQ(bool(a->flags() & Qt::ItemIsSelectable), !comeCelle);

        // The user's block and the program's; only the user's release of the mouse tells
        // that a selection is finished.
        g.show();
        QSignalSpy fine(&g, &Griglia::FineSelezione);
        g.setRangeSelected(QTableWidgetSelectionRange(1 - scarto, 0, 2 - scarto, 1), true);
        EXPECT_EQ(g.SelStartRow(), 1);
        EXPECT_EQ(g.SelEndRow(), 2);
        g.Seleziona(0, 0, 2, 2); // the fixed row is left out of what shows
        EXPECT_EQ(g.selectedRanges().front().topRow(), 1 - scarto);
        EXPECT_EQ(g.Row(), 0);
        EXPECT_EQ(fine.count(), 0);
        const QPoint punto = g.visualItemRect(g.item(2 - scarto, 0)).center();
        QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, punto);
        EXPECT_EQ(fine.count(), 1);
        EXPECT_EQ(g.Text(), "1");
    }
}
