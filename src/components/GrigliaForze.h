// A grid control in the manner of the older desktop grid: rows of cells addressed by row and
// column, the first rows fixed as titles, rows appended as one text with a tab between the
// cells, a current cell, a selected block of rows and columns, and one event when the user
// has finished selecting (the mouse released, or a selecting key let go). Writes by the
// program never raise that event.
#pragma once

#include <QTableWidget>
#include <string>

namespace kelvra {

class GrigliaForze : public QTableWidget {
    Q_OBJECT
  public:
    explicit GrigliaForze(QWidget* genitore = nullptr);

    int Rows() const { return rowCount(); }
    void ImpostaRows(int righe);
    int Cols() const { return columnCount(); }
    void ImpostaCols(int colonne);
    int FixedRows() const { return fisse_; }
    // The first `righe` rows become titles: shaded, not selectable.
    void ImpostaFixedRows(int righe);
    // Width of a column in twips.
    void ImpostaColWidth(int colonna, float twips);

    // Appends a row (or inserts it before `prima`); cells are separated by tabs, cells past
    // the column count are dropped. Texts are bytes in the language's code page.
    void AddItem(const std::string& riga, int prima = -1);
    void RemoveItem(int riga);

    std::string TextMatrix(int riga, int colonna) const;
    void ImpostaTextMatrix(int riga, int colonna, const std::string& testo);

    // The current cell.
    int Row() const { return riga_; }
    int Col() const { return colonna_; }
    void ImpostaRow(int riga) { riga_ = riga; }
    void ImpostaCol(int colonna) { colonna_ = colonna; }
    std::string Text() const { return TextMatrix(riga_, colonna_); }

    // The selected block (the current cell alone when nothing is selected).
    int SelStartRow() const { return selInizioRiga_; }
    int SelEndRow() const { return selFineRiga_; }
    int SelStartCol() const { return selInizioColonna_; }
    int SelEndCol() const { return selFineColonna_; }
    void ImpostaSelezione(int primaRiga, int primaColonna, int ultimaRiga, int ultimaColonna);

  signals:
    // The user has finished selecting cells.
    void FineSelezione();
    // The pointer moves over the grid.
    void MouseMove();

  protected:
    bool viewportEvent(QEvent* evento) override;
    void keyReleaseEvent(QKeyEvent* evento) override;

  private:
    void LeggiSelezioneUtente();
    void MostraSelezione();
    void Allinea(int riga);

    int fisse_ = 0;
    int riga_ = 0, colonna_ = 0;
    int selInizioRiga_ = 0, selFineRiga_ = 0, selInizioColonna_ = 0, selFineColonna_ = 0;
    bool interno_ = false;
};

} // namespace kelvra
