// A grid of text cells as the windows of the program reason about one: rows and columns
// counted together with the fixed (title) rows at the top and the fixed columns at the left,
// text per cell, column widths in twips, alignment per column for the fixed and the other
// cells, rows appended as one text with a tab between the cells, rows removed, a current cell,
// a selected block, and one event when the user has finished selecting (the mouse released, a
// moving key let go, or Shift let go after the keyboard stretched the block). Writes by the
// program never raise that event. Every row and column number is the grid's, fixed ones
// included, whatever the view shows.
//
// The grid is a table view over a model of its own cells: the fixed rows are the heading of
// the columns (one text line per fixed row) and the fixed columns the heading of the rows, so
// they stay in place while the rest scrolls. Rows can also be computed: their cells are made
// by a function of the grid's owner when they are first shown or read, so a long table costs
// only what is on the screen. Many changes in a row are grouped in a Blocco: the view is
// brought up to date once, when the last Blocco ends; single cells and rows appended or
// removed outside the fixed ones are brought up to date one by one.
#pragma once

#include <QImage>
#include <QTableView>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class QFontMetrics;

namespace kelvra {

class ModelloGriglia;

class Griglia : public QTableView {
    Q_OBJECT
  public:
    explicit Griglia(QWidget* genitore = nullptr);

    // Alignments of a column's cells.
    static constexpr int SINISTRA = 0, DESTRA = 1, CENTRATO = 2;

    // Counts include the fixed rows and columns, and never go below them. Growing adds empty
    // cells, shrinking drops cells.
    int Rows() const { return static_cast<int>(righe_.size()); }
    int Cols() const { return colonne_; }
    void SetRows(int righe);
    void SetCols(int colonne);
    int FixedRows() const { return fisseRighe_; }
    int FixedCols() const { return fisseColonne_; }
    // Refused (no change) when above the count of rows or columns.
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

    // Adds a row at the end (or before row `prima`): the cells of `riga` separated by tabs;
    // cells past the column count are not kept.
    void AddItem(const std::string& riga, int prima = -1);
    // Adds `righe` rows at the end whose cell (k, colonna) is `cella`(k, colonna), k counting
    // the added rows from 0, in the code page; made when first shown or read.
    using CellaCalcolata = std::function<std::string(int k, int colonna)>;
    void AddItemsCalcolati(int righe, CellaCalcolata cella);
    // Removes row `riga`; ignored for a fixed row or outside the grid.
    void RemoveItem(int riga);

    // The current cell.
    int Row() const { return riga_; }
    int Col() const { return colonna_; }
    void SetRow(int riga) { riga_ = riga; }
    void SetCol(int colonna) { colonna_ = colonna; }
    std::string Text() const { return TextMatrix(riga_, colonna_); }

    // The selected block, as the user or the program left it; the program's selection
    // starts the current cell at its first row.
    int SelStartRow() const { return selInizioRiga_; }
    int SelEndRow() const { return selFineRiga_; }
    int SelStartCol() const { return selInizioColonna_; }
    int SelEndCol() const { return selFineColonna_; }
    void Seleziona(int primaRiga, int primaColonna, int ultimaRiga, int ultimaColonna);

    // Every cell of the shown columns drawn as a printed page shows it: the fixed rows on top,
    // a line under them; each column as wide as its longest figure or heading word, the
    // headings wrapped between words onto the lines they need. When given, `intestazione`
    // takes the heading's height with its line (where the other rows begin) and `altezzaRiga`
    // one row's, in pixels.
    QImage Immagine(int* intestazione = nullptr, int* altezzaRiga = nullptr) const;

    // Widens every shown column whose fixed text does not fit it.
    void AdattaLarghezzeIntestazioni();

    // Groups changes: the view is brought up to date when the outermost one ends.
    class Blocco {
      public:
        explicit Blocco(Griglia& g);
        ~Blocco();
        Blocco(const Blocco&) = delete;
        Blocco& operator=(const Blocco&) = delete;

      private:
        Griglia& g_;
    };

  signals:
    // The user has finished selecting cells.
    void FineSelezione();
    // The pointer moves over the grid.
    void MouseMove();

  protected:
    bool viewportEvent(QEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void keyReleaseEvent(QKeyEvent* evento) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& indice,
                                                         const QEvent* evento) const override;

  private:
    friend class ModelloGriglia;

    // A row's cells; a computed row has none until it is first shown.
    struct RigaGriglia {
        std::vector<QString> celle;
        std::shared_ptr<const CellaCalcolata> calcolata; // none: cells of its own
        int k = 0;                                       // the row's k for `calcolata`
    };

    bool Fissa(int riga, int colonna) const {
        return riga < fisseRighe_ || colonna < fisseColonne_;
    }
    const QString& Cella(int riga, int colonna) const; // makes a computed row's cells
    int Allineamento(int riga, int colonna) const;
    static Qt::Alignment Allineamento(int valore);
    QString IntestazioneColonna(int colonna) const; // the fixed rows' texts, one per line
    // The shown columns of Immagine() and their widths in pixels.
    static constexpr int MARGINE_CELLA_IMMAGINE = 4;
    std::vector<std::pair<int, int>> ColonneImmagine(const QFontMetrics& misure) const;
    QString IntestazioneRiga(int riga) const;

    void Aggiorna();
    void AggiornaLarghezze();
    void MostraSelezione();
    void LeggiSelezioneUtente();
    bool SelezioneFinita() const;

    ModelloGriglia* modello_;
    mutable std::vector<RigaGriglia> righe_;
    int colonne_ = 2;
    int fisseRighe_ = 1;
    int fisseColonne_ = 1;
    std::vector<int> larghezze_;
    std::vector<int> allineamenti_;
    std::vector<int> allineamentiFissi_;
    int blocchi_ = 0;
    int riga_ = 0, colonna_ = 0;
    int selInizioRiga_ = 0, selFineRiga_ = 0, selInizioColonna_ = 0, selFineColonna_ = 0;
    bool interno_ = false;           // the program is changing the view
    bool selezioneTastiera_ = false; // Shift and the moving keys are stretching the block
};

} // namespace kelvra
