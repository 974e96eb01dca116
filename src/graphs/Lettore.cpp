#include "graphs/Lettore.h"

#include "core/Azzeramento.h"
#include "core/Formato.h"
#include "core/Impostazioni.h"
#include "core/Lingua.h"
#include "core/Unita.h"
#include "graphs/Curve01.h"
#include "graphs/Sovrapposizione.h"
#include "graphs/StatoGrafico.h"
#include "platform/Dialoghi.h"
#include "platform/FiltroTasti.h"
#include "platform/Guida.h"
#include "platform/Posizione.h"
#include "platform/SuperficieQt.h"
#include "platform/Testo.h"
#include "shell/Main.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMargins>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>

namespace kelvra {

namespace {

QPointer<LETTORE> istanza;

constexpr int32_t GRIGIO = 0x808080;
constexpr int32_t GRIGIO_CHIARO = 0xC0C0C0;
constexpr float LARGHEZZA = 12030;

// Every move of the reader colours its labels again: a colour already in place is left alone,
// since a new palette costs more than the rest of the move.
void Colora(QWidget* w, int32_t colore, QPalette::ColorRole ruolo) {
    const QColor c = ColoreQt(colore);
    if (w->palette().color(ruolo) == c) return;
    QPalette p = w->palette();
    p.setColor(ruolo, c);
    w->setPalette(p);
}

QLabel* Etichetta(QWidget* genitore, float sopra, float sinistra, float altezza, float larghezza) {
    auto* l = new QLabel(genitore);
    PosizionaControllo(l, sopra, sinistra, altezza, larghezza);
    return l;
}

int16_t N() {
    return static_cast<int16_t>(std::clamp<int>(NumeroProgetti, 0, MAX_PROGETTI));
}

// The height that shows every control not hidden, with the controls' own margin from the
// window's edge below the lowest one.
constexpr float MARGINE = 120;
float AltezzaContenuto(const QWidget* w) {
    int basso = 0;
    for (const QWidget* c : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!c->isHidden()) basso = std::max(basso, c->geometry().bottom() + 1);
    return static_cast<float>(basso) * TwipsPerPixelY(w) + MARGINE;
}

// What the desktop's title bar and borders add round a window: nothing known until the window
// has been shown once.
QMargins Cornice(const QWidget* w) {
    const QRect finestra = w->geometry(), cornice = w->frameGeometry();
    return {finestra.left() - cornice.left(), finestra.top() - cornice.top(),
            cornice.right() - finestra.right(), cornice.bottom() - finestra.bottom()};
}

// The frame the desktop last drew round the reader; none known at start-up.
QMargins corniceNota;
[[maybe_unused]] const bool CorniceAzzerabile = RegistraAzzeramento([] { corniceNota = {}; });

} // namespace

LETTORE::LETTORE(QWidget* genitore) : QDialog(genitore) {
    setObjectName("LETTORE");
    LblEtich[0] = Etichetta(this, 60, 120, 255, 3000);
    TxTInfoCurva = new QLineEdit(this);
    PosizionaControllo(TxTInfoCurva, 360, 120, 315, 1200);
    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    PosizionaControllo(HScroll1, 720, 120, 255, 3000);
    ChkMemo = new QCheckBox(this);
    PosizionaControllo(ChkMemo, 360, 1440, 315, 1500);
    LblEtich[1] = Etichetta(this, 60, 3360, 255, 5400);
    for (int i = 1; i <= 12; ++i) {
        const int q = (i - 1) % MAX_PROGETTI;
        const float sopra = i <= MAX_PROGETTI ? 360 : 720;
        LblInfoCurva[i] = Etichetta(this, sopra, 3360 + 900.0f * q, 315, 855);
        LblInfoCurva[i]->setAlignment(Qt::AlignCenter);
        if (i <= MAX_PROGETTI) {
            LblInfoCurva[i]->setCursor(Qt::PointingHandCursor);
            LblInfoCurva[i]->installEventFilter(this);
        }
    }
    Label2 = Etichetta(this, 1080, 3360, 255, 5400);
    Label1 = Etichetta(this, 60, 8880, 255, 3000);
    LblDifference = Etichetta(this, 360, 9300, 315, 2500);
    Label3 = Etichetta(this, 720, 8880, 255, 3000);
    LblRatio = Etichetta(this, 1020, 9300, 315, 2500);
    for (int k = 0; k < 4; ++k) {
        LineEtich[k] = new QFrame(this);
        LineEtich[k]->setAutoFillBackground(true);
        PosizionaControllo(LineEtich[k], k < 2 ? 420.0f + 90 * k : 1080.0f + 90 * k - 180, 8880, 60,
                           360);
    }
    CommandChiudi4 = new QPushButton(this);
    PosizionaControllo(CommandChiudi4, 1380, 120, 375, 1215);

    FiltroTasti::Numerico(
        TxTInfoCurva, [] { return 0.0; }, [] { return Grafico.XMax; },
        [] { return DecimaliUnita[UNITA_LUNGHEZZA]; });
    connect(TxTInfoCurva, &QLineEdit::textChanged, this, [this] { LeggiValoriCurve(); });
    // Enter in the travel box takes the travel typed, selected so that the next one replaces
    // it; only the close button itself closes the reader, which has no default button.
    CommandChiudi4->setAutoDefault(false);
    connect(TxTInfoCurva, &QLineEdit::returnPressed, this, [this] {
        LeggiValoriCurve();
        TxTInfoCurva->selectAll();
    });
    auto testo = [this] {
        if (LettoreAttivo) TxTInfoCurva->setText(QString::number(HScroll1->value()));
    };
    connect(HScroll1, &QScrollBar::valueChanged, this, testo);
    connect(ChkMemo, &QCheckBox::clicked, this, [this] { MemorizzaValori(); });
    connect(CommandChiudi4, &QPushButton::clicked, this, [this] { Scarica(); });
    ImpostaTesto();
}

LETTORE* LETTORE::Istanza() {
    return istanza.data();
}

LETTORE& LETTORE::Crea() {
    if (!istanza) istanza = new LETTORE(MAIN::Istanza());
    return *istanza;
}

void LETTORE::ImpostaTesto() {
    setWindowTitle(DaAnsi(Riga(TestiLettore, 0)));
    Label2->setText(DaAnsi(Riga(TestiLettore, 1)));
    ChkMemo->setText(DaAnsi(Riga(TestiLettore, 2)));
    Label3->setText(DaAnsi(Riga(TestiLettore, 4) + " [%]"));
    CommandChiudi4->setText(DaAnsi(Riga(TestiCommon, 1)));
}

void LETTORE::ImpostaFinestra() {
    ImpostaFileGuida(PercorsoApplicazione + "PLIMOR.HLP");
    Confronto = ConfrontoCurve{};
    MostraConfronto();
    Label2->setVisible(ContaCurveVisibili(Grafico.CurvaEsclusa) > 1);
    for (int i = 7; i <= 12; ++i) LblInfoCurva[i]->hide();
}

void LETTORE::Apri(CURVE01& grafico, double x) {
    grafico_ = &grafico;
    vivo_ = &grafico;
    const StatoGrafico& g = Grafico;
    const TipoGrafico* tipo = DatiTipoGrafico(g.TipoGrafico);
    if (!tipo) return;
    LettoreAttivo = true;
    LblEtich[0]->setText(DaAnsi(TitoloAsseXTipo(*tipo)));
    const bool componente = g.TipoGrafico >= 7 && g.TipoGrafico <= 9;
    HScroll1->setSingleStep(1);
    HScroll1->setPageStep(componente ? 2 : 5);
    scala_ = 1;
    LettoreAttivo = false;
    HScroll1->setRange(CInt(g.XMin * scala_), CInt(g.XMax * scala_));
    LettoreAttivo = true;
    LblEtich[1]->setText(DaAnsi(g.TitoloY + " " + g.UnitaY));
    Label1->setText(DaAnsi(Riga(TestiLettore, 3) + " " + g.UnitaY));
    for (int i = 1; i <= MAX_PROGETTI; ++i) LblInfoCurva[i]->setVisible(i <= N());
    ImpostaFinestra();
    if (x == 0) x = g.XMin;
    const int valore = CInt(scala_ * x);
    if (HScroll1->value() == valore)
        TxTInfoCurva->setText(QString::number(valore));
    else
        HScroll1->setValue(valore);
    // Shorter with one project, which has no values to compare, yet never over a control.
    const float altezza = std::max(N() < 2 ? 1335.0f : 2130.0f, AltezzaContenuto(this));
    PosizionaForm(this, AltezzaSchermo(this) - altezza, altezza,
                  (LarghezzaSchermo(this) - LARGHEZZA) / 2, LARGHEZZA);
    CollocaSulloSchermo();
    MostraModale(this);
}

void LETTORE::CollocaSulloSchermo() {
    const QScreen* schermo = screen();
    if (!schermo) return;
    // Before it is shown the reader's own frame is unknown; the frame the desktop drew round it
    // last time stands in for it, or else the main window's. Either may differ from the one it
    // gets (a maximized main window has no bottom border), so the first frame the desktop
    // reports places it again (event).
    QMargins cornice = Cornice(this);
    collocatoConCornice_ = !cornice.isNull();
    if (cornice.isNull()) cornice = corniceNota;
    if (cornice.isNull())
        if (const MAIN* main = MAIN::Istanza(); main && main->isVisible()) cornice = Cornice(main);
    const QRect area = schermo->availableGeometry();
    const Riquadro r = CollocaInBasso({area.x(), area.y(), area.width(), area.height()},
                                      width() + cornice.left() + cornice.right(),
                                      height() + cornice.top() + cornice.bottom());
    // A window is moved by the top-left corner of its frame.
    move(r.sinistra, r.sopra);
}

void LETTORE::LeggiValoriCurve() {
    if (!vivo_) grafico_ = nullptr; // the graph window was closed
    const StatoGrafico& g = Grafico;
    const TipoGrafico* tipo = DatiTipoGrafico(g.TipoGrafico);
    if (!tipo || !grafico_) return;
    const double fx = FattoreUnita[UNITA_LUNGHEZZA];
    const double xd = Val(AdAnsi(TxTInfoCurva->text()));
    const double x = fx != 0 ? xd / fx : 0;
    // The scroll bar runs in shown units, like the text.
    LettoreAttivo = false;
    const double s = scala_ * xd;
    if (HScroll1->minimum() <= s && s <= HScroll1->maximum())
        HScroll1->setValue(static_cast<int>(std::lround(s)));
    LettoreAttivo = true;

    valori_ = ValoriCurve(*tipo, x);
    const std::string& f = FormatoUnita[static_cast<size_t>(RigaFormatoLettore(g.TipoGrafico))];
    SovrapposizioneGrafico& sopra = *grafico_->Sovrapposizione;
    if (g.ScalaX > 0 && g.ScalaY > 0) {
        const double xp = (fx * x - g.XMin) / g.ScalaX + g.MargineSinistro;
        auto h = [&g](double v) { return g.BordoInferiore - (g.FattoreY * v - g.YMin) / g.ScalaY; };
        const double m = *std::max_element(valori_.begin() + 1, valori_.begin() + 1 + N());
        sopra.LineInfo[LINEA_CURSORE] = {true,          xp,   h(m), xp, g.BordoInferiore,
                                         GRIGIO_CHIARO, false};
        for (int q = 1; q <= N(); ++q) {
            const double y = h(valori_[static_cast<size_t>(q)]);
            sopra.LineInfo[q] = {
                !Vero(g.CurvaEsclusa[static_cast<size_t>(q)]), xp,   y, g.MargineSinistro, y,
                ColoreCurva[static_cast<size_t>(q)],           false};
        }
    }
    for (int q = 1; q <= N(); ++q) {
        const auto qi = static_cast<size_t>(q);
        const int32_t colore = Vero(g.CurvaEsclusa[qi]) ? GRIGIO_CHIARO : ColoreCurva[qi];
        LblInfoCurva[q]->setText(DaAnsi(FormattaNumero(g.FattoreY * valori_[qi], f)));
        Colora(LblInfoCurva[q], colore, QPalette::WindowText);
        Colora(LblInfoCurva[q + 6], colore, QPalette::WindowText);
    }
    if (!Memo) {
        sopra.LineInfo.erase(LINEA_MEMO);
    } else if (g.ScalaX > 0 && g.ScalaY > 0) {
        const double mm = *std::max_element(ValoreMemo.begin() + 1, ValoreMemo.begin() + 1 + N());
        const double xm = (XMemo - g.XMin) / g.ScalaX + g.MargineSinistro;
        sopra.LineInfo[LINEA_MEMO] = {
            true,          xm,  g.BordoInferiore - (mm - g.YMin) / g.ScalaY, xm, g.BordoInferiore,
            GRIGIO_CHIARO, true};
        for (int q = 1; q <= N(); ++q) {
            const auto qi = static_cast<size_t>(q);
            LblInfoCurva[q + 6]->setText(
                valori_[qi] == 0
                    ? QString()
                    : DaAnsi(FormattaNumero(g.FattoreY * valori_[qi] - ValoreMemo[qi], f)));
        }
    }
    sopra.Aggiorna();
    MostraConfronto();
}

void LETTORE::MemorizzaValori() {
    Memo = ChkMemo->isChecked();
    for (int q = 1; q <= N(); ++q) {
        LblInfoCurva[q + 6]->setVisible(Memo);
        LblInfoCurva[q + 6]->setText(QString());
    }
    if (Memo) {
        XMemo = static_cast<float>(Val(AdAnsi(TxTInfoCurva->text())));
        for (int q = 1; q <= N(); ++q)
            ValoreMemo[static_cast<size_t>(q)] = Val(AdAnsi(LblInfoCurva[q]->text()));
    } else if (grafico_) {
        grafico_->Sovrapposizione->LineInfo.erase(LINEA_MEMO);
        grafico_->Sovrapposizione->Aggiorna();
    }
    HScroll1->setFocus();
}

void LETTORE::LblInfoCurva_Click(int Index) {
    if (Index < 1 || Index > N() || Vero(Grafico.CurvaEsclusa[static_cast<size_t>(Index)])) return;
    Confronto.Seleziona(static_cast<int16_t>(Index), ContaCurveVisibili(Grafico.CurvaEsclusa));
    MostraConfronto();
}

// The two picks' colour bars, and their difference and ratio once both are made.
void LETTORE::MostraConfronto() {
    const auto [a, b] = Confronto.Coppia();
    const bool due = Confronto.seconda && a > 0 && b > 0;
    const int32_t titoli = due ? 0 : GRIGIO;
    Colora(Label1, titoli, QPalette::WindowText);
    Colora(Label3, titoli, QPalette::WindowText);
    const int32_t primo =
        a > 0 && Confronto.confrontate > 0 ? ColoreCurva[static_cast<size_t>(a)] : GRIGIO;
    const int32_t secondo = due ? ColoreCurva[static_cast<size_t>(b)] : GRIGIO;
    for (int k = 0; k < 4; ++k)
        Colora(LineEtich[k], k % 2 == 0 ? primo : secondo, QPalette::Window);
    LblDifference->clear();
    LblRatio->clear();
    if (!due) return;
    const double y1 = Val(AdAnsi(LblInfoCurva[a]->text()));
    const double y2 = Val(AdAnsi(LblInfoCurva[b]->text()));
    if (const auto d = DifferenzaLettore(y1, y2, Grafico.ArrotondamentoY))
        LblDifference->setText(DaAnsi(FormattaNumero(*d, "##0.000###")));
    if (const auto r = RapportoLettore(y1, y2))
        LblRatio->setText(DaAnsi(FormattaNumero(*r, "###.##")));
}

bool LETTORE::event(QEvent* evento) {
    const QEvent::Type tipo = evento->type();
    const bool fatto = QDialog::event(evento);
    // Only these three are looked at: after any other (a deferred delete) the reader may be gone.
    if (tipo != QEvent::Show && tipo != QEvent::Move && tipo != QEvent::Resize) return fatto;
    // The desktop frames a window after showing it, and says so by moving or resizing it: the
    // first frame it reports puts the reader back on the bottom edge. Later moves are the user's.
    if (!collocatoConCornice_ && isVisible()) {
        if (const QMargins cornice = Cornice(this); !cornice.isNull()) {
            corniceNota = cornice;
            CollocaSulloSchermo();
        }
    }
    return fatto;
}

bool LETTORE::eventFilter(QObject* oggetto, QEvent* evento) {
    if (evento->type() == QEvent::MouseButtonPress)
        for (int i = 1; i <= MAX_PROGETTI; ++i)
            if (oggetto == LblInfoCurva[i]) {
                LblInfoCurva_Click(i);
                return true;
            }
    return QDialog::eventFilter(oggetto, evento);
}

void LETTORE::closeEvent(QCloseEvent* evento) {
    evento->ignore();
    Scarica();
}

void LETTORE::Scarica() {
    if (scaricato_) return;
    scaricato_ = true;
    LettoreAttivo = false;
    if (grafico_ && vivo_) {
        SovrapposizioneGrafico& sopra = *grafico_->Sovrapposizione;
        sopra.Scarica(0, 7);
        sopra.LineInfo.erase(LINEA_CURSORE);
        sopra.LineInfo.erase(LINEA_MEMO);
        sopra.Aggiorna();
    }
    Memo = false;
    Confronto = ConfrontoCurve{};
    hide();
    if (istanza == this) istanza = nullptr;
    deleteLater();
}

} // namespace kelvra
