#include "platform/FiltroTasti.h"

#include "core/Seams.h"
#include "platform/Testo.h"

#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMouseEvent>
#include <QValidator>

namespace kelvra {

namespace {
const char* const PROPRIETA_FILTRO = "kelvraFiltroTasti";
}

// Judges every change of the text that reaches the line edit's control: changes made while
// the filter hands over a user's event are checked, all others pass. QLineEdit undoes a
// change its validator calls Invalid before any signal is sent.
class ValidatoreFiltro : public QValidator {
  public:
    ValidatoreFiltro(FiltroTasti* filtro) : QValidator(filtro), filtro_(filtro) {}
    State validate(QString& input, int& /*pos*/) const override {
        return filtro_->ModificaAccettabile(input) ? Acceptable : Invalid;
    }

  private:
    FiltroTasti* filtro_;
};

namespace {
// Characters in the first `unita` UTF-16 units of a text.
int Caratteri(const QString& testo, qsizetype unita) {
    int n = 0;
    for (qsizetype i = 0; i < unita && i < testo.size(); ++i, ++n)
        if (testo[i].isHighSurrogate() && i + 1 < testo.size() && testo[i + 1].isLowSurrogate())
            ++i;
    return n;
}
} // namespace

CasellaTesto CasellaDa(const QLineEdit* casella) {
    CasellaTesto b;
    if (casella == nullptr) return b;
    const QString testo = casella->text();
    b.Text = AdAnsi(testo);
    if (casella->hasSelectedText()) {
        const int inizio = casella->selectionStart();
        b.SelStart = Caratteri(testo, inizio);
        b.SelLength = Caratteri(testo, inizio + casella->selectedText().size()) - b.SelStart;
    } else {
        b.SelStart = Caratteri(testo, casella->cursorPosition());
        b.SelLength = 0;
    }
    return b;
}

FiltroTasti::FiltroTasti(QLineEdit* casella, VerdettoTasto rifiuta, VerdettoInserimento inserimento)
    : QObject(casella), casella_(casella), rifiuta_(std::move(rifiuta)),
      inserimento_(std::move(inserimento)) {
    if (casella == nullptr) return;
    accettato_ = casella->text();
    casella->setProperty(PROPRIETA_FILTRO, QVariant::fromValue(static_cast<QObject*>(this)));
    casella->setValidator(new ValidatoreFiltro(this));
    casella->installEventFilter(this);
    connect(casella, &QLineEdit::textChanged, this,
            [this](const QString& testo) { accettato_ = testo; });
}

FiltroTasti::~FiltroTasti() {
    if (QLineEdit* casella = Casella()) {
        casella->removeEventFilter(this);
        casella->setProperty(PROPRIETA_FILTRO, QVariant());
    }
}

FiltroTasti* FiltroTasti::Numerico(QLineEdit* casella, std::function<double()> minimo,
                                   std::function<double()> massimo,
                                   std::function<int16_t()> decimali) {
    return new FiltroTasti(
        casella,
        [minimo, massimo, decimali](const CasellaTesto& b, int16_t tasto) {
            return RifiutaTastoNumerico(b, minimo(), massimo(), decimali(), tasto);
        },
        [minimo, massimo, decimali](const CasellaTesto& b, const std::string& inserito) {
            return RifiutaInserimentoNumerico(b, inserito, minimo(), massimo(), decimali());
        });
}

FiltroTasti* FiltroTasti::Numerico(QLineEdit* casella, double minimo, double massimo,
                                   int16_t decimali) {
    return Numerico(
        casella, [minimo] { return minimo; }, [massimo] { return massimo; },
        [decimali] { return decimali; });
}

FiltroTasti* FiltroTasti::Intero(QLineEdit* casella, std::function<double()> minimo,
                                 std::function<double()> massimo) {
    return new FiltroTasti(
        casella,
        [minimo, massimo](const CasellaTesto& b, int16_t tasto) {
            return RifiutaTastoIntero(b, minimo(), massimo(), tasto);
        },
        [minimo, massimo](const CasellaTesto& b, const std::string& inserito) {
            return RifiutaInserimentoIntero(b, inserito, minimo(), massimo());
        });
}

FiltroTasti* FiltroTasti::Intero(QLineEdit* casella, double minimo, double massimo) {
    return Intero(
        casella, [minimo] { return minimo; }, [massimo] { return massimo; });
}

FiltroTasti* FiltroTasti::Testo(QLineEdit* casella, VerdettoTesto rifiuta) {
    return new FiltroTasti(
        casella,
        [rifiuta](const CasellaTesto& b, int16_t tasto) {
            return RifiutaTastoTesto(b, tasto, rifiuta);
        },
        [rifiuta](const CasellaTesto& b, const std::string& inserito) {
            return RifiutaInserimentoTesto(b, inserito, rifiuta);
        });
}

FiltroTasti* FiltroTasti::Di(const QLineEdit* casella) {
    if (casella == nullptr) return nullptr;
    return qobject_cast<FiltroTasti*>(casella->property(PROPRIETA_FILTRO).value<QObject*>());
}

QLineEdit* FiltroTasti::Casella() const {
    return qobject_cast<QLineEdit*>(casella_.data());
}

bool FiltroTasti::ModificaAccettabile(const QString& nuovo) const {
    if (modo_ != Modo::Utente) return true;
    // The change as one replacement: the characters both texts share at the start and at
    // the end stay, those between were replaced.
    const std::string prima = AdAnsi(accettato_);
    const std::string dopo = AdAnsi(nuovo);
    if (prima == dopo) return true;
    size_t inizio = 0;
    while (inizio < prima.size() && inizio < dopo.size() && prima[inizio] == dopo[inizio]) ++inizio;
    size_t fine = 0;
    while (fine < prima.size() - inizio && fine < dopo.size() - inizio &&
           prima[prima.size() - 1 - fine] == dopo[dopo.size() - 1 - fine])
        ++fine;
    CasellaTesto b;
    b.Text = prima;
    b.SelStart = static_cast<int>(inizio);
    b.SelLength = static_cast<int>(prima.size() - inizio - fine);
    const std::string inserito = dopo.substr(inizio, dopo.size() - inizio - fine);
    if (inserimento_(b, inserito)) {
        Beep();
        return false;
    }
    return true;
}

bool FiltroTasti::Consegna(QEvent* evento, Modo modo) {
    Modo precedente = modo_;
    modo_ = modo;
    // Delivered here, so that the mode holds for the whole handling of the event (a context
    // menu's paste happens inside it).
    casella_->event(evento);
    modo_ = precedente;
    return true;
}

namespace {
// Shortcuts of a line edit that change its text other than by typing a character.
bool ScorciatoiaDiModifica(const QKeyEvent* tasto) {
    static const QKeySequence::StandardKey modifiche[] = {
        QKeySequence::Paste,
        QKeySequence::Cut,
        QKeySequence::DeleteStartOfWord,
        QKeySequence::DeleteEndOfWord,
        QKeySequence::DeleteEndOfLine,
        QKeySequence::DeleteCompleteLine,
    };
    for (auto m : modifiche)
        if (tasto->matches(m)) return true;
    return false;
}

enum class TipoAccordo { Nessuno, Comando, SenzaTasto };

// What a key with Ctrl, Alt or the system key held means to a box. Ctrl and Alt together are
// the AltGr of some desktops and type the character they give, like a plain key. Ctrl alone
// (or with Shift) is one of the line edit's commands, which types nothing. Alt or the system
// key with a character is an access key that no control took (see AccessoSenzaControllo).
TipoAccordo Accordo(const QKeyEvent* tasto) {
    const Qt::KeyboardModifiers comandi =
        tasto->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (comandi == 0 || comandi == (Qt::ControlModifier | Qt::AltModifier))
        return TipoAccordo::Nessuno;
    if (comandi == Qt::ControlModifier) return TipoAccordo::Comando;
    const QString testo = tasto->text();
    if (testo.isEmpty() || !testo.at(0).isPrint()) return TipoAccordo::Comando;
    return TipoAccordo::SenzaTasto;
}
} // namespace

bool AccessoSenzaControllo(const QKeyEvent* tasto) {
    return tasto != nullptr && Accordo(tasto) == TipoAccordo::SenzaTasto;
}

bool FiltroTasti::eventFilter(QObject* oggetto, QEvent* evento) {
    if (casella_.isNull() || oggetto != casella_.data()) return false;
    QLineEdit* casella = Casella();
    if (casella == nullptr) return false; // the box is being destroyed
    switch (evento->type()) {
    case QEvent::KeyPress: {
        auto* tasto = static_cast<QKeyEvent*>(evento);
        if (tasto->matches(QKeySequence::Undo) || tasto->matches(QKeySequence::Redo))
            return false; // back to texts already accepted
        if (ScorciatoiaDiModifica(tasto)) return Consegna(evento, Modo::Utente);
        switch (Accordo(tasto)) {
        case TipoAccordo::Nessuno:
            break;
        case TipoAccordo::Comando:
            return false; // the line edit's own commands (select all, copy, word moves)
        case TipoAccordo::SenzaTasto:
            // Alt and a letter that no control of the window took: nothing is typed.
            Beep();
            evento->accept();
            return true;
        }
        int16_t codice = 0;
        bool rifiutato = false;
        if (tasto->key() == Qt::Key_Delete) {
            codice = TASTO_CANC;
        } else if (tasto->key() == Qt::Key_Backspace) {
            codice = TASTO_BACKSPACE;
        } else if (tasto->key() == Qt::Key_Return || tasto->key() == Qt::Key_Enter) {
            codice = TASTO_INVIO;
        } else if (!tasto->text().isEmpty() && tasto->text().at(0) >= QChar(' ') &&
                   tasto->text().at(0) != QChar(0x7F)) {
            // Whatever its length: one character (of one or two units) is a key, more are
            // judged as an insertion.
            const std::string caratteri = AdAnsi(tasto->text());
            if (caratteri.size() != 1) {
                rifiutato = inserimento_(CasellaDa(casella), caratteri);
            } else {
                codice = static_cast<int16_t>(static_cast<unsigned char>(caratteri[0]));
            }
        } else {
            return false; // navigation, Tab, Escape, function keys
        }
        if (rifiutato || (codice != 0 && rifiuta_(CasellaDa(casella), codice))) {
            Beep();
            evento->accept();
            return true;
        }
        return false; // the line edit applies the key (Enter goes on to the window)
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(evento)->button() != Qt::MiddleButton) return false;
        return Consegna(evento, Modo::Utente); // pasting the selection of the desktop
    case QEvent::InputMethod:
    case QEvent::Drop:
    case QEvent::ContextMenu:
        return Consegna(evento, Modo::Utente);
    default:
        return false;
    }
}

} // namespace kelvra
