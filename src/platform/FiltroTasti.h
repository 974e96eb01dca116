// Connects the entry filters of the numeric boxes to a QLineEdit.
//
// Every key that would change the text is put to the box's verdict first: a rejected key
// beeps and is dropped. Delete reaches the verdict as -8, Backspace as 8, Enter as 13, a
// typed character as its code. Navigation keys, Tab and shortcuts that change nothing pass.
// Alt (or the system key) and a character that no access key of the window took types
// nothing: it beeps and is dropped. Ctrl and Alt together (AltGr) type like a plain key.
// A key's character is judged whatever its length (one of two UTF-16 units, such as an emoji,
// included). Text that arrives at once (pasted by key or menu, dropped, composed by an input
// method) is judged once, on the text it would leave; a refused one beeps and the box keeps
// its text. Undo and redo only go back to
// texts the box already accepted. Text set by the program is never filtered.
#pragma once

#include "core/FiltriTasti.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class QLineEdit;
class QEvent;
class QKeyEvent;

namespace kelvra {

// What the filters see of a line edit: its text in the code page, the caret (or the start of
// the selection) and the selection length, counted in characters (a pair of UTF-16 units is
// one character, as it is one byte of the text).
CasellaTesto CasellaDa(const QLineEdit* casella);

// Alt (or the system key) and a character: when such a key reaches a box, no access key of the
// window took it, and it must type nothing (Ctrl and Alt together, AltGr, are not such keys).
bool AccessoSenzaControllo(const QKeyEvent* tasto);

class FiltroTasti : public QObject {
    Q_OBJECT
  public:
    // Installs itself on `casella` (which owns it) with the verdicts that say, without
    // beeping, whether a key or an insertion must be rejected.
    FiltroTasti(QLineEdit* casella, VerdettoTasto rifiuta, VerdettoInserimento inserimento);
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
    // A box that takes any text `rifiuta` does not refuse.
    static FiltroTasti* Testo(QLineEdit* casella, VerdettoTesto rifiuta);

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
    VerdettoInserimento inserimento_;
    QString accettato_; // the text the box holds as far as the filter knows
    Modo modo_ = Modo::Programma;
};

} // namespace kelvra
