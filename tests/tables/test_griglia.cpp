// The grid stand-in: rows appended from tab-separated text, fixed rows shown as the heading,
// widths in twips, removal, and the widget kept in step with the cells.
#include "platform/Posizione.h"
#include "tables/Griglia.h"

#include <gtest/gtest.h>

using namespace kelvra;

TEST(Griglia, RowsFromTabbedTextWithFixedRowsAsTheHeading) {
    Griglia g;
    {
        Griglia::Blocco blocco(g);
        g.SetFixedRows(0);
        g.SetFixedCols(0);
        g.SetCols(3);
        g.SetRows(1);
        g.AddItem("a\tb\tc\td"); // the fourth cell has no column
        g.AddItem("1\t\t3");
        g.AddItem("x");
        g.RemoveItem(0);
        g.SetFixedRows(1);
        g.SetColWidth(1, 0);
        g.SetColWidth(2, 1500);
        g.SetFixedAlignment(0, 2);
    }
    EXPECT_EQ(g.Rows(), 3);
    EXPECT_EQ(g.TextMatrix(0, 2), "c");
    EXPECT_EQ(g.TextMatrix(1, 1), "");
    EXPECT_EQ(g.TextMatrix(2, 0), "x");
    EXPECT_EQ(g.TextMatrix(2, 1), "");
    EXPECT_EQ(g.TextMatrix(9, 0), "");
    // The widget: the fixed row heads the columns, the others are its rows.
    EXPECT_EQ(g.rowCount(), 2);
    EXPECT_EQ(g.columnCount(), 3);
    EXPECT_EQ(g.horizontalHeaderItem(0)->text(), "a");
    EXPECT_EQ(g.horizontalHeaderItem(0)->textAlignment(), int(Qt::AlignCenter));
    EXPECT_EQ(g.item(0, 2)->text(), "3");
    EXPECT_TRUE(g.isColumnHidden(1));
    EXPECT_EQ(g.columnWidth(2), static_cast<int>(std::lround(1500 / TwipsPerPixelX(&g))));
    // Fixed rows and the last row stay.
    g.SetFixedRows(3);
    EXPECT_EQ(g.FixedRows(), 1);
    g.RemoveItem(1);
    g.RemoveItem(1);
    EXPECT_EQ(g.Rows(), 2);
    g.SetTextMatrix(1, 1, "\xB0");
    EXPECT_EQ(g.item(0, 1)->text(), QString::fromUtf8("\u00B0"));
}
