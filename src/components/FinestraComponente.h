// What every component window shares: a top-level window shown modal over the main window,
// closed when it loses the activation (but never when its own message box takes it), hover
// hints written to the main window's status panel, and the shown-number formatting.
#pragma once

#include <QAbstractButton>
#include <QLineEdit>
#include <QMap>
#include <QWidget>
#include <functional>
#include <string>

class QLabel;
class QLineEdit;

namespace kelvra {

class FinestraComponente : public QWidget {
    Q_OBJECT
  public:
    explicit FinestraComponente(QWidget* genitore = nullptr);

    // Closes the window (the modal loop that shows it then returns).
    void Chiudi();
    // Runs when the window is deactivated: it closes, unless one of its own message boxes or
    // print dialogs is up.
    virtual void Form_Deactivate();

  protected:
    // A message box of this window: its deactivation does not close the window.
    int Messaggio(const std::string& testo, int stile);
    // Runs `azione` while the window keeps itself open through a deactivation.
    void SenzaChiusura(const std::function<void()>& azione);
    // The hint shown while the pointer is over `controllo` (or the window itself).
    void Suggerimento(QWidget* controllo, std::function<std::string()> testo);
    // Enter in any of the boxes presses the button, when it is enabled and shown.
    void InvioPreme(std::initializer_list<QLineEdit*> caselle, QAbstractButton* pulsante);

    static QString Q(const std::string& testo);
    static std::string T(const QLineEdit* casella);
    static void Scrivi(QLineEdit* casella, const std::string& testo);
    static void Scrivi(QLabel* etichetta, const std::string& testo);

    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void changeEvent(QEvent* evento) override;

  private:
    int protezioni_ = 0;
    QMap<QObject*, std::function<std::string()>> suggerimenti_;
};

} // namespace kelvra
