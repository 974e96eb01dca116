// The graph window's toolbar strip and its status hints: the twelve buttons with their
// pictures and captions, laid out in PicCommand(1), and the hint every control writes into
// the main window's status panel as the mouse passes over it.
#include "core/Lingua.h"
#include "graphs/Curve01.h"
#include "graphs/IconePulsantiera.h"
#include "graphs/Pulsantiera.h"
#include "graphs/StatoGrafico.h"
#include "platform/CorniceMdi.h"
#include "platform/Guida.h"
#include "platform/Testo.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <algorithm>
#include <cmath>

namespace kelvra {

namespace {

// Hints of the chart buttons 1..14.
constexpr std::array<int, NUMERO_TIPI_GRAFICO> SUGGERIMENTI_CURVE{13, 14, 15, 68, 69, 70, 71,
                                                                  72, 73, 74, 75, 76, 77, 78};
constexpr int SUGGERIMENTO_TITOLI = 18;
constexpr int SUGGERIMENTO_ASSE_X = 19;
constexpr int SUGGERIMENTO_ASSE_Y = 20;
constexpr int SUGGERIMENTO_SCELTA_GRAFICO = 22;

// Help topics of the axes and of the chart.
constexpr int CONTESTO_ASSI = 34;
constexpr int CONTESTO_GRAFICO = 23;

constexpr int LATO_ICONA = 24;
// The smallest face the toolbar's captions shrink to in a narrow window.
constexpr double MINIMO_PUNTI = 6.0;

const SezioneTesti& Sezione(SezionePulsante s) {
    return s == SezionePulsante::Common ? TestiCommon : TestiCurve;
}

} // namespace

void CURVE01::CreaPulsantiera() {
    for (int i = 0; i < NUMERO_PULSANTI_GRAFICO; ++i) {
        auto* b = new QToolButton(PicCommand[1]);
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setIcon(IconaPulsantiera(i, 2 * LATO_ICONA));
        b->setIconSize(QSize(LATO_ICONA, LATO_ICONA));
        b->setFocusPolicy(Qt::StrongFocus);
        // The buttons keep the desktop's colours whatever the chart's background.
        QPalette tavolozza = QApplication::palette();
        for (QPalette::ColorRole r :
             {QPalette::Window, QPalette::WindowText, QPalette::Button, QPalette::ButtonText})
            tavolozza.setColor(r, tavolozza.color(r));
        b->setPalette(tavolozza);
        b->setAutoFillBackground(true);
        CmdPulsantiera[static_cast<size_t>(i)] = b;
        connect(b, &QToolButton::clicked, this, [this, i] { CmdPulsantiera_Click(i); });
    }
}

void CURVE01::ImpostaTestoPulsantiera() {
    for (int i = 0; i < NUMERO_PULSANTI_GRAFICO; ++i) {
        const PulsanteBarra& p = PULSANTI_BARRA[static_cast<size_t>(i)];
        CmdPulsantiera[static_cast<size_t>(i)]->setText(
            DaAnsi(Riga(Sezione(p.sezione), p.rigaCaption)));
    }
}

// The buttons side by side, all as wide as the widest caption needs, the strip centred under
// the bottom title; in a narrow window the captions take a smaller face so that they still
// read whole.
void CURVE01::PosizionaPulsantiera() {
    const int W = width();
    const int disponibile = std::max(W - 6, NUMERO_PULSANTI_GRAFICO);
    QFont carattere = font();
    auto larghezzaPulsante = [this] {
        int l = 0;
        for (QToolButton* b : CmdPulsantiera) l = std::max(l, b->sizeHint().width());
        return l;
    };
    for (QToolButton* b : CmdPulsantiera) b->setFont(carattere);
    int larghezza = larghezzaPulsante();
    if (larghezza * NUMERO_PULSANTI_GRAFICO > disponibile && carattere.pointSizeF() > 0) {
        int testo = 0;
        for (QToolButton* b : CmdPulsantiera)
            testo = std::max(testo, QFontMetrics(carattere).horizontalAdvance(b->text()));
        const int margine = larghezza - testo;
        const double punti = carattere.pointSizeF() *
                             (disponibile / NUMERO_PULSANTI_GRAFICO - margine) / std::max(testo, 1);
        carattere.setPointSizeF(std::max(MINIMO_PUNTI, punti));
        for (QToolButton* b : CmdPulsantiera) b->setFont(carattere);
        larghezza = std::min(larghezzaPulsante(), disponibile / NUMERO_PULSANTI_GRAFICO);
    }
    int altezza = 0;
    for (QToolButton* b : CmdPulsantiera) altezza = std::max(altezza, b->sizeHint().height());
    const int striscia = larghezza * NUMERO_PULSANTI_GRAFICO;
    const int sopra = static_cast<int>(std::lround(0.854 * height()));
    for (QWidget* p : {PicCommand[1], PicCommand[2]})
        p->setGeometry((W - striscia) / 2, sopra, striscia, altezza);
    for (int i = 0; i < NUMERO_PULSANTI_GRAFICO; ++i)
        CmdPulsantiera[static_cast<size_t>(i)]->setGeometry(i * larghezza, 0, larghezza, altezza);
}

void CURVE01::CmdPulsantiera_Click(int Index) {
    ComandoPulsantiera(Index, *this);
}

void CURVE01::RegistraSuggerimenti() {
    for (int i = 1; i <= NUMERO_TIPI_GRAFICO; ++i)
        suggerimenti_[CmdCurve[i]] = SUGGERIMENTI_CURVE[static_cast<size_t>(i - 1)];
    for (int i = 0; i < NUMERO_PULSANTI_GRAFICO; ++i)
        suggerimenti_[CmdPulsantiera[static_cast<size_t>(i)]] = PRIMO_SUGGERIMENTO_BARRA + i;
    for (QObject* o : std::initializer_list<QObject*>{LblTitleGrafico, LblTitleBottom,
                                                      PicTitleGrafico, PicTitleBottom, PicAsseY[1]})
        suggerimenti_[o] = SUGGERIMENTO_TITOLI;
    suggerimenti_[PicAsseX] = SUGGERIMENTO_ASSE_X;
    suggerimenti_[PicAsseY[0]] = SUGGERIMENTO_ASSE_Y;
    for (int j = 0; j <= MASSIMO_ETICHETTE; ++j) {
        suggerimenti_[LblX[j]] = SUGGERIMENTO_ASSE_X;
        suggerimenti_[LblY1[j]] = SUGGERIMENTO_ASSE_Y;
    }
    suggerimenti_[PicCommand[0]] = SUGGERIMENTO_SCELTA_GRAFICO;
    for (const auto& [o, riga] : suggerimenti_) o->installEventFilter(this);

    // The picture boxes follow the mouse without a button held, for their hints and focus.
    for (QWidget* w : {PicAsseX, PicAsseY[0], PicAsseY[1], PicTitleGrafico, PicTitleBottom, PicUnit,
                       PicCommand[0], PicCommand[1], PicCommand[2]}) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{PicGrafico, CmdSalvaColori, CommandOK2})
        w->installEventFilter(this);
    for (auto& [k, b] : CommandColor) b->installEventFilter(this);
    for (QWidget* w : {PicAsseX, PicAsseY[0], PicAsseY[1]}) ImpostaContestoGuida(w, CONTESTO_ASSI);
    for (QWidget* w : {static_cast<QWidget*>(PicGrafico), PicTitleGrafico, PicTitleBottom})
        ImpostaContestoGuida(w, CONTESTO_GRAFICO);
}

// The mouse over a control: its hint in the status panel, and the keyboard focus to it while
// the window is the active one (the plot not while a typed range is being chosen).
void CURVE01::PassaggioMouse(QObject* oggetto) {
    if (auto it = suggerimenti_.find(oggetto); it != suggerimenti_.end())
        ImpostaSuggerimento(Riga(TestiToolbar, it->second));
    auto* w = qobject_cast<QWidget*>(oggetto);
    if (!w || Vero(FinestraDisattivata) || qobject_cast<QLabel*>(w)) return;
    if (w == PicGrafico && Grafico.ModoZoom == ZOOM_RANGE) return;
    if (w->isEnabled() && !w->hasFocus()) w->setFocus(Qt::MouseFocusReason);
}

} // namespace kelvra
