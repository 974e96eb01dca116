// The graph window's tool controls: the colour frame, the overlay over the plot, and the
// handlers of the plot's mouse, the tick labels and the Info, Scale, Zoom and Units menus.
#include "core/Impostazioni.h"
#include "core/Lingua.h"
#include "graphs/Curve01.h"
#include "graphs/Sovrapposizione.h"
#include "graphs/StatoGrafico.h"
#include "graphs/Strumenti.h"
#include "platform/Posizione.h"
#include "platform/SuperficieQt.h"
#include "platform/Testo.h"

#include <QApplication>
#include <QGridLayout>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace kelvra {

namespace {

// The element buttons of the colour frame and their Curve lines, in the frame's order.
struct PulsanteColore {
    int indice, riga;
};
constexpr std::array<PulsanteColore, 7> PULSANTI_COLORE{
    {{0, 12}, {1, 13}, {2, 14}, {7, 15}, {3, 16}, {5, 17}, {6, 18}}};

} // namespace

void CURVE01::CreaCorniceColori() {
    FrmColor = new QFrame(this);
    FrmColor->setFrameShape(QFrame::Panel);
    FrmColor->setFrameShadow(QFrame::Raised);
    FrmColor->setAutoFillBackground(true);
    // The frame keeps the desktop's colours whatever the chart's background.
    QPalette tavolozza = QApplication::palette();
    for (QPalette::ColorRole r :
         {QPalette::Window, QPalette::WindowText, QPalette::Button, QPalette::ButtonText})
        tavolozza.setColor(r, tavolozza.color(r));
    FrmColor->setPalette(tavolozza);
    auto* griglia = new QGridLayout(FrmColor);
    auto* titolo = new QLabel(DaAnsi(Riga(TestiCurve, 11)), FrmColor);
    QFont f = titolo->font();
    f.setBold(true);
    titolo->setFont(f);
    griglia->addWidget(titolo, 0, 0, 1, 2);
    int riga = 1;
    for (const PulsanteColore& p : PULSANTI_COLORE) {
        auto* b = new QPushButton(DaAnsi(Riga(TestiCurve, p.riga)), FrmColor);
        CommandColor[p.indice] = b;
        const int indice = p.indice;
        connect(b, &QPushButton::clicked, this,
                [this, indice] { CambiaColoreElemento(indice, *this); });
        griglia->addWidget(b, riga++, 0);
    }
    auto* campioni = new QVBoxLayout;
    for (int i = 1; i <= MAX_PROGETTI; ++i) {
        LabCambiaColore[i] = new QLabel(FrmColor);
        LabCambiaColore[i]->setAutoFillBackground(true);
        LabCambiaColore[i]->setFont(f);
        LabCambiaColore[i]->setCursor(Qt::PointingHandCursor);
        LabCambiaColore[i]->installEventFilter(this);
        LabCambiaColore[i]->hide();
        campioni->addWidget(LabCambiaColore[i]);
    }
    campioni->addStretch();
    griglia->addLayout(campioni, 1, 1, 7, 1);
    CmdSalvaColori = new QPushButton(DaAnsi(Riga(TestiCurve, 19)), FrmColor);
    connect(CmdSalvaColori, &QPushButton::clicked, this, [] { SalvaColori(); });
    CommandOK2 = new QPushButton(DaAnsi(Riga(TestiCommon, 0)), FrmColor);
    connect(CommandOK2, &QPushButton::clicked, this, [this] { ApplicaRange(2, *this); });
    griglia->addWidget(CmdSalvaColori, riga, 0);
    griglia->addWidget(CommandOK2, riga, 1);
    FrmColor->hide();
}

// The colour frame in the middle of the window at its own size (larger only when its
// contents need more room), kept inside the window's top-left corner.
void CURVE01::PosizionaCorniceColori() {
    const QSize contenuto = FrmColor->sizeHint();
    const int larghezza =
        std::max(contenuto.width(), static_cast<int>(std::lround(5535 / TwipsPerPixelX(this))));
    const int altezza =
        std::max(contenuto.height(), static_cast<int>(std::lround(4595 / TwipsPerPixelY(this))));
    FrmColor->setGeometry(std::max(0, (width() - larghezza) / 2),
                          std::max(0, (height() - altezza) / 2), larghezza, altezza);
}

void CURVE01::CollegaStrumenti() {
    Sovrapposizione = new SovrapposizioneGrafico(PicGrafico);
    connect(PicGrafico, &PictureBox::MouseDown, this, [this](int b, int s, double x, double y) {
        InizioZoom(b, s, static_cast<float>(x), static_cast<float>(y), *this);
    });
    connect(PicGrafico, &PictureBox::MouseMove, this, [this](int b, int s, double x, double y) {
        TrascinaZoom(b, s, static_cast<float>(x), static_cast<float>(y), *this);
    });
    connect(PicGrafico, &PictureBox::MouseUp, this, [this](int b, int s, double x, double y) {
        FineZoom(b, s, static_cast<float>(x), static_cast<float>(y), *this);
    });
    for (int j = 0; j <= MASSIMO_ETICHETTE; ++j) {
        LblX[j]->installEventFilter(this);
        LblY1[j]->installEventFilter(this);
    }
    auto collega = [this](std::map<int, QAction*>& mappa, void (CURVE01::*gestore)(int)) {
        for (auto& [k, a] : mappa) {
            const int indice = k;
            connect(a, &QAction::triggered, this,
                    [this, indice, gestore] { (this->*gestore)(indice); });
        }
    };
    collega(InfoItem, &CURVE01::InfoItem_Click);
    collega(ScalaItem, &CURVE01::ScalaItem_Click);
    collega(VistaItem, &CURVE01::VistaItem_Click);
    collega(UnitaItem, &CURVE01::UnitaItem_Click);
    for (auto& [k, a] : VistaItem) a->setCheckable(true);
}

bool CURVE01::eventFilter(QObject* oggetto, QEvent* evento) {
    if (evento->type() == QEvent::Enter || evento->type() == QEvent::MouseMove)
        PassaggioMouse(oggetto);
    if (evento->type() == QEvent::MouseButtonPress) {
        for (int j = 0; j <= MASSIMO_ETICHETTE; ++j) {
            if (oggetto == LblX[j]) {
                LblX_Click(j);
                return true;
            }
            if (oggetto == LblY1[j]) {
                LblY1_Click(j);
                return true;
            }
        }
        for (int i = 1; i <= MAX_PROGETTI; ++i)
            if (oggetto == LabCambiaColore[i]) {
                CambiaColoreCurva(i, *this);
                return true;
            }
    }
    return FinestraFiglia::eventFilter(oggetto, evento);
}

void CURVE01::InfoItem_Click(int Index) {
    ImpostaModoInfo(Index, *this, 0);
}

void CURVE01::ScalaItem_Click(int Index) {
    GestioneScala(Index, *this);
}

void CURVE01::VistaItem_Click(int Index) {
    SelezionaVista(Index, *this);
}

void CURVE01::UnitaItem_Click(int Index) {
    CambiaUnitaGrafico(static_cast<int16_t>(Index), *this);
}

void CURVE01::LblX_Click(int Index) {
    ModificaEstremoX(Index, *this);
}

void CURVE01::LblY1_Click(int Index) {
    ModificaEstremoY(Index, *this);
}

} // namespace kelvra
