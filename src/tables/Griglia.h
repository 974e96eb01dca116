// A grid of text cells on a QTableWidget, as the windows of the program reason about one:
// a number of rows and columns counted together with the fixed (heading) rows at the top and
// the fixed columns at the left, text per cell, column widths in twips, alignment per column
// for the fixed and the other cells (0 left, 1 right, 2 centred), rows appended as one text
// with a tab between the cells, rows removed.
//
// The fixed rows are shown as the heading of the columns (one text line per fixed row) and
// the fixed columns as the heading of the rows, so they stay in place while the rest
// scrolls. The cells are held by the grid; the widget shows them. Many changes in a row are
// grouped in a Blocco: the widget is brought up to date once, when the last Blocco ends.
#pragma once

#include <QImage>
#include <QTableWidget>
#include <string>
#include <vector>

namespace kelvra {

class Griglia : public QTableWidget {
    Q_OBJECT
  public:
    explicit Griglia(QWidget* genitore = nullptr);

    // Counts include the fixed rows and columns. Growing adds empty cells, shrinking drops
    // cells; the fixed counts stay below the totals.
    int Rows() const { return static_cast<int>(celle_.size()); }
    int Cols() const { return colonne_; }
    void SetRows(int righe);
    void SetCols(int colonne);
    int FixedRows() const { return fisseRighe_; }
    int FixedCols() const { return fisseColonne_; }
    // Refused (no change) when it would leave no other row or column.
    void SetFixedRows(int righe);
    void SetFixedCols(int colonne);

    // Text of a cell in the code page of the language file; "" outside the grid.
    std::string TextMatrix(int riga, int colonna) const;
    void SetTextMatrix(int riga, int colonna, const std::string& testo);

    // Width of a column in twips; 0 hides it.
    int ColWidth(int colonna) const;
    void SetColWidth(int colonna, int twips);
    int ColAlignment(int colonna) const;
    void SetColAlignment(int colonna, int allineamento);
    int FixedAlignment(int colonna) const;
    void SetFixedAlignment(int colonna, int allineamento);

    // Appends a row: the cells of `riga` separated by tabs; cells past the column count are
    // not kept.
    void AddItem(const std::string& riga);
    // Removes row `riga`; ignored outside the grid or when it is the last row.
    void RemoveItem(int riga);

    // Every cell of the shown columns drawn as a page would show it: the fixed rows on top,
    // a line under them, the columns at their widths.
    QImage Immagine() const;

    // Widens every shown column whose fixed text does not fit it.
    void AdattaLarghezzeIntestazioni();

    // Groups changes: the widget is brought up to date when the outermost one ends.
    class Blocco {
      public:
        explicit Blocco(Griglia& g) : g_(g) { ++g_.blocchi_; }
        ~Blocco() {
            if (--g_.blocchi_ == 0) g_.Aggiorna();
        }
        Blocco(const Blocco&) = delete;
        Blocco& operator=(const Blocco&) = delete;

      private:
        Griglia& g_;
    };

  private:
    void Cambiato();
    void Aggiorna();
    void AggiornaLarghezze();
    static Qt::Alignment Allineamento(int valore);

    std::vector<std::vector<QString>> celle_;
    int colonne_ = 2;
    int fisseRighe_ = 1;
    int fisseColonne_ = 1;
    std::vector<int> larghezze_;
    std::vector<int> allineamenti_;
    std::vector<int> allineamentiFissi_;
    int blocchi_ = 0;
};

} // namespace kelvra
