// Connects the entry filters of the numeric boxes to a QLineEdit.
//
// Every key that would change the text is put to the box's verdict first: a rejected key
// beeps and is dropped. Delete reaches the verdict as -8, Backspace as 8, Enter as 13, a
// typed character as its code. Navigation keys, Tab and shortcuts that change nothing pass.
// Text that arrives at once (pasted by key or menu, dropped, composed by an input method) must
// pass the same verdict as the same characters typed one after the other in place of the
// selection; otherwise it beeps and the box keeps its text. Undo and redo only go back to
// texts the box already accepted. Text set by the program is never filtered.
#pragma once

#include "core/FiltriTasti.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class QLineEdit;
class QEvent;

namespace kelvra {

// What the filters see of a line edit: its text in the code page, the caret (or the start of
// the selection) and the selection length.
CasellaTesto CasellaDa(const QLineEdit* casella);

class FiltroTasti : public QObject {
    Q_OBJECT
  public:
    // Installs itself on `casella` (which owns it) with a verdict that says, without beeping,
    // whether a key must be rejected.
    FiltroTasti(QLineEdit* casella, VerdettoTasto rifiuta);
    ~FiltroTasti() override;

    // Decimal box: limits and decimals are read at every key, so a window may change them.
    static FiltroTasti* Numerico(QLineEdit* casella, std::function<double()> minimo,
                                 std::function<double()> massimo,
                                 std::function<int16_t()> decimali);
    static FiltroTasti* Numerico(QLineEdit* casella, double minimo, double massimo,
                                 int16_t decimali);
    // Whole-number box.
    static FiltroTasti* Intero(QLineEdit* casella, std::function<double()> minimo,
                               std::function<double()> massimo);
    static FiltroTasti* Intero(QLineEdit* casella, double minimo, double massimo);

    // The filter installed on a line edit, if any.
    static FiltroTasti* Di(const QLineEdit* casella);

    QLineEdit* Casella() const;

  protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

  private:
    friend class ValidatoreFiltro;
    enum class Modo { Programma, Utente };
    bool ModificaAccettabile(const QString& nuovo) const;
    bool Consegna(QEvent* evento, Modo modo);

    // Held as a plain QObject: events still reach the filter while the box is being
    // destroyed, when it is no longer a QLineEdit, so it is cast only through qobject_cast.
    QPointer<QObject> casella_;
    VerdettoTasto rifiuta_;
    QString accettato_; // the text the box holds as far as the filter knows
    Modo modo_ = Modo::Programma;
};

} // namespace kelvra
