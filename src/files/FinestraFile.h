// What the save dialogs and the choosers share: a small top-level window shown modal over the
// main window, whose controls write their hover hints (lines of the status-hint section) to the
// main window's status panel. Also the doors through which the rest of the program shows them.
#pragma once

#include <QMap>
#include <QWidget>
#include <string>
#include <vector>

namespace kelvra {

class FinestraFile : public QWidget {
    Q_OBJECT
  public:
    explicit FinestraFile(QWidget* genitore = nullptr);

  protected:
    // The hint line shown while the pointer is over `controllo` (or the window itself).
    void Suggerimento(QWidget* controllo, int riga);
    // A caption with an access key: the text's own "&", or one before its first letter.
    static QString ConTasto(const std::string& testo);
    // The window opens with the keyboard on the first enabled control of `scelte` (a box then
    // has its text selected), or on `riserva` when none is enabled.
    void FuocoIniziale(const std::vector<QWidget*>& scelte, QWidget* riserva);
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

  private:
    QMap<QObject*, int> suggerimenti_;
};

// Shows the save dialog of a kind (0 whole project, 1 geometry, 2 shock absorber, 3 spring,
// 4 bump stop) centred over the main window, modal, filled from the projects held.
void MostraFrmSalva(int tipo);
void MostraSceltaOpen();
void MostraSceltaSave();

} // namespace kelvra
