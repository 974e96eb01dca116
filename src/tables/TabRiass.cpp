#include "tables/TabRiass.h"

#include "core/Lingua.h"
#include "core/Seams.h"
#include "core/Unita.h"
#include "platform/CorniceMdi.h"
#include "platform/Dialoghi.h"
#include "platform/FiltroTasti.h"
#include "platform/Messaggi.h"
#include "platform/Posizione.h"
#include "platform/Stampante.h"
#include "platform/Testo.h"
#include "tables/Tab01.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>
#include <cmath>
#include <functional>

namespace kelvra {

namespace {

constexpr int SUGGERIMENTO_MAX = 67;
constexpr int SUGGERIMENTO_FINESTRA = 66;
constexpr int SUGGERIMENTO_TXT_ESC = -1; // built from the limits
constexpr QColor BLU(0, 0, 255);
constexpr int SPAZIO_RISULTATI = 6; // pixels between the columns of the results

QString Comando(int riga) {
    return ConTastoAccesso(Riga(TestiCommon, riga));
}

QLabel* Pannello(QWidget* genitore) {
    auto* l = new QLabel(genitore);
    l->setFrameStyle(QFrame::Panel | QFrame::Raised);
    l->setMargin(2);
    return l;
}

// The picture of the linkage's dimensions: it asks for its design size, and gives some of
// it up on a screen too narrow for the whole window.
class PictureSchema : public PictureBox {
  public:
    explicit PictureSchema(QWidget* genitore) : PictureBox(genitore) {
        setMinimumSize(static_cast<int>(MINIMO_SCHEMA / TwipsPerPixelX(this)),
                       static_cast<int>(ALTEZZA_SCHEMA / TwipsPerPixelY(this)));
    }
    // The picture also asks for the room the travels of the maxima take when a row is
    // ticked: the window is made wide enough for both, and while no row shows its maximum
    // that room is the picture's.
    QSize sizeHint() const override {
        const int disegno = static_cast<int>(LARGHEZZA_SCHEMA / TwipsPerPixelX(this));
        return {std::max(disegno, contenuto_) + riserva_, minimumHeight()};
    }
    void Riserva(int pixel) {
        if (pixel == riserva_) return;
        riserva_ = pixel;
        updateGeometry();
    }
    // The width in mm that the list drawn last needs: the picture asks for that much room.
    void Contenuto(double mm) {
        const double scala = LarghezzaScala();
        if (!(scala > 0)) return;
        const int pixel =
            static_cast<int>(std::ceil(mm * LarghezzaPixel() / scala)) + 2 * BORDO_PICTURE + 2;
        if (pixel == contenuto_) return;
        contenuto_ = pixel;
        updateGeometry();
    }
    // Writes the list in the picture's type, and in a smaller one, down to PUNTI_MINIMI, when
    // the picture is narrower than the list (a small screen), so that every line reads whole.
    void Disegna(const std::vector<RigaDimensione>& righe) {
        double punti = PUNTI_SCHEMA;
        ImpostaCarattere("", punti, false);
        Contenuto(LarghezzaDimensioni(*this, righe));
        while (punti > PUNTI_MINIMI && LarghezzaDimensioni(*this, righe) > LarghezzaScala())
            ImpostaCarattere("", punti -= 0.25, false);
        DisegnaDimensioni(*this, righe);
    }
    // Drawn again whenever its size changes: the window takes its final size only after its
    // texts, and so the dimensions, are written.
    std::function<void()> Ridisegna;

  protected:
    void resizeEvent(QResizeEvent* evento) override {
        PictureBox::resizeEvent(evento);
        if (Ridisegna) Ridisegna();
    }

  private:
    static constexpr float LARGHEZZA_SCHEMA = 6000, ALTEZZA_SCHEMA = 3600, MINIMO_SCHEMA = 3600;
    static constexpr double PUNTI_SCHEMA = 8, PUNTI_MINIMI = 6;
    int contenuto_ = 0;
    int riserva_ = 0;
};

} // namespace

TABRIASS::TABRIASS(QWidget* genitore) : QDialog(genitore) {
    setObjectName(QStringLiteral("TABRIASS"));
    CostruisciControlli();
}

QWidget* TABRIASS::CostruisciRisultati() {
    auto* risultati = new QWidget(this);
    auto* griglia = new QGridLayout(risultati);
    griglia->setContentsMargins(0, 0, 0, 0);
    griglia->setHorizontalSpacing(SPAZIO_RISULTATI);
    for (int k = 0; k <= RIGHE_RIASSUNTO; ++k) {
        const auto i = static_cast<std::size_t>(k);
        PanelDati[i] = Pannello(risultati);
        griglia->addWidget(PanelDati[i], k, 0);
        suggerimenti_[PanelDati[i]] = SUGGERIMENTO_FINESTRA;
        if (k == RIGHE_RIASSUNTO) break;
        ChkMAX[i] = new QCheckBox(QStringLiteral("MAX"), risultati);
        LblRisultatiX[i] = new QLabel(risultati);
        LblRisultatiY[i] = new QLabel(risultati);
        for (QLabel* l : {LblRisultatiX[i], LblRisultatiY[i]})
            l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        griglia->addWidget(ChkMAX[i], k, 1);
        griglia->addWidget(LblRisultatiX[i], k, 2);
        griglia->addWidget(LblRisultatiY[i], k, 3);
        suggerimenti_[ChkMAX[i]] = SUGGERIMENTO_MAX;
        connect(ChkMAX[i], &QCheckBox::clicked, this, [this, k] { ChkMAX_Click(k); });
    }
    TxtEsc = new QLineEdit(risultati);
    TxtEsc->setAlignment(Qt::AlignRight);
    TxtEsc->setMaximumWidth(90); // a travel of a few figures: the room goes to the dimensions
    griglia->addWidget(TxtEsc, RIGHE_RIASSUNTO, 3);
    suggerimenti_[TxtEsc] = SUGGERIMENTO_TXT_ESC;
    griglia->setColumnStretch(0, 1);
    return risultati;
}

void TABRIASS::CostruisciControlli() {
    QWidget* risultati = CostruisciRisultati();
    PanelSchema = Pannello(this);
    auto* figura = new PictureSchema(this);
    figura->Ridisegna = [this] { AggiornaDimensioniSchema(); };
    PicSchema = figura;
    CmbSceltaConf = new QComboBox(this);
    CmbSceltaConf->setMinimumContentsLength(18);
    LblSceltaConfig = new QLabel(this);
    CmdStampa = new QPushButton(this);
    CmdChiudi = new QPushButton(this);

    auto* schema = new QVBoxLayout;
    schema->addWidget(PanelSchema);
    schema->addWidget(PicSchema, 1);
    auto* centro = new QHBoxLayout;
    // The results keep the width they ask for; the picture takes the rest, and what a wider
    // window adds.
    centro->addWidget(risultati);
    centro->addSpacing(8);
    centro->addLayout(schema, 1);
    auto* comandi = new QHBoxLayout;
    comandi->addWidget(LblSceltaConfig);
    comandi->addWidget(CmbSceltaConf);
    comandi->addStretch(1);
    comandi->addWidget(CmdStampa);
    comandi->addWidget(CmdChiudi);
    auto* finestra = new QVBoxLayout(this);
    finestra->addLayout(centro, 1);
    finestra->addLayout(comandi);

    // The travel takes whole numbers up to the shown project's last computed point.
    FiltroTasti::Intero(
        TxtEsc, [] { return 0.0; }, [this] { return LimiteCorsa(Configurazione); });
    connect(TxtEsc, &QLineEdit::textChanged, this, [this] { TxtEsc_Change(); });
    connect(CmbSceltaConf, qOverload<int>(&QComboBox::activated), this,
            [this](int) { CmbSceltaConf_Click(); });
    connect(CmdChiudi, &QPushButton::clicked, this, [this] { CmdChiudi_Click(); });
    connect(CmdStampa, &QPushButton::clicked, this, [this] { CmdStampa_Click(); });

    suggerimenti_[CmdChiudi] = 56;
    suggerimenti_[CmdStampa] = 38;
    suggerimenti_[this] = SUGGERIMENTO_FINESTRA;
    suggerimenti_[LblSceltaConfig] = 37;
    for (auto& [oggetto, riga] : suggerimenti_) {
        static_cast<QWidget*>(oggetto)->setMouseTracking(true);
        oggetto->installEventFilter(this);
    }
}

bool TABRIASS::eventFilter(QObject* oggetto, QEvent* evento) {
    // Enter in the travel box takes the travel; it presses no button of the window.
    if (oggetto == TxtEsc && evento->type() == QEvent::KeyPress) {
        const int tasto = static_cast<QKeyEvent*>(evento)->key();
        if (tasto == Qt::Key_Return || tasto == Qt::Key_Enter) {
            TxtEsc_Change();
            return true;
        }
    }
    if (evento->type() == QEvent::Enter || evento->type() == QEvent::MouseMove) {
        if (auto it = suggerimenti_.find(oggetto); it != suggerimenti_.end())
            ImpostaSuggerimento(it->second == SUGGERIMENTO_TXT_ESC
                                    ? SuggerimentoLimiti(Configurazione)
                                    : Riga(TestiToolbar, it->second));
    }
    return QDialog::eventFilter(oggetto, evento);
}

void TABRIASS::Form_Activate() {
    ImpostaTesto();
    ImpostaFinestra();
}

void TABRIASS::ImpostaTesto() {
    for (int k = 0; k <= RIGHE_RIASSUNTO; ++k)
        PanelDati[static_cast<std::size_t>(k)]->setText(DaAnsi(DidascaliaRiassunto(k)));
    PanelSchema->setText(DaAnsi(Riga(TestiTabelle, 13) + " " + EtichettaUnita[UNITA_LUNGHEZZA]));
    setWindowTitle(DaAnsi(Riga(TestiTabelle, 2)));
    LblSceltaConfig->setText(DaAnsi(Riga(TestiTabelle, 1)));
    CmdStampa->setText(Comando(4));
    CmdChiudi->setText(Comando(1));
    LarghezzeRisultati();
}

// The rows follow the state code of the project shown: a row its data do not compute is
// greyed and cannot show its maximum; its value at the travel is still written.
void TABRIASS::AttivaLabels() {
    const int stato =
        ProgettoValido(Configurazione) ? Progetti[Configurazione].StatoDatiProgetto : 0;
    const auto abilitate = RigheAbilitate(stato);
    for (std::size_t k = 0; k < abilitate.size(); ++k) {
        for (QWidget* w :
             {static_cast<QWidget*>(LblRisultatiX[k]), static_cast<QWidget*>(LblRisultatiY[k]),
              static_cast<QWidget*>(ChkMAX[k])})
            w->setEnabled(abilitate[k]);
        if (!abilitate[k] && ChkMAX[k]->isChecked()) {
            ChkMAX[k]->setChecked(false);
            ChkMAX_Click(static_cast<int>(k));
        }
    }
}

void TABRIASS::ImpostaFinestra() {
    CmbSceltaConf->clear();
    for (int16_t p = 1; p <= NumeroProgetti && p <= MAX_PROGETTI; ++p)
        CmbSceltaConf->addItem(VoceProgetto(p));
    Configurazione = ProgettoValido(NumeroProgetti) ? NumeroProgetti : int16_t{1};
    CmbSceltaConf->setCurrentIndex(Configurazione - 1);
    for (int k = 0; k < RIGHE_RIASSUNTO; ++k) {
        LblRisultatiX[static_cast<std::size_t>(k)]->setVisible(false);
        ChkMAX[static_cast<std::size_t>(k)]->setChecked(false);
    }
    AttivaLabels();
    if (TxtEsc->text() == QLatin1String("0")) TxtEsc_Change();
    TxtEsc->setText(QStringLiteral("0"));
    AggiornaDimensioniSchema();
}

void TABRIASS::AggiornaDimensioniSchema() {
    if (auto* figura = dynamic_cast<PictureSchema*>(PicSchema))
        figura->Disegna(DimensioniSchema(Configurazione));
    else
        DisegnaDimensioni(*PicSchema, DimensioniSchema(Configurazione));
}

// The result labels keep the room of the widest text they show in the unit system in use; the
// dimension picture asks for the travels' column besides its own width.
void TABRIASS::LarghezzeRisultati() {
    const auto larghezza = [this](const std::vector<std::string>& testi) {
        const QLabel& l = *LblRisultatiY[0];
        int massima = 0;
        for (const std::string& t : testi)
            massima = std::max(massima, l.fontMetrics().horizontalAdvance(DaAnsi(t)));
        const QMargins m = l.contentsMargins();
        return massima + m.left() + m.right() + 2 * l.margin() + 2;
    };
    const int x = larghezza(CampioniX()), y = larghezza(CampioniY());
    for (int k = 0; k < RIGHE_RIASSUNTO; ++k) {
        LblRisultatiX[static_cast<std::size_t>(k)]->setMinimumWidth(x);
        LblRisultatiY[static_cast<std::size_t>(k)]->setMinimumWidth(y);
    }
    if (auto* figura = dynamic_cast<PictureSchema*>(PicSchema))
        figura->Riserva(x + SPAZIO_RISULTATI);
}

void TABRIASS::ColoreRisultato(int k, bool massimo) {
    for (QLabel* l :
         {LblRisultatiX[static_cast<std::size_t>(k)], LblRisultatiY[static_cast<std::size_t>(k)]}) {
        // A greyed row keeps the greyed colour of the style.
        QPalette tavolozza = l->palette();
        for (auto gruppo : {QPalette::Active, QPalette::Inactive})
            tavolozza.setColor(gruppo, QPalette::WindowText, massimo ? BLU : QColor(Qt::black));
        l->setPalette(tavolozza);
    }
}

void TABRIASS::ChkMAX_Click(int Index) {
    if (Index < 0 || Index >= RIGHE_RIASSUNTO) return;
    const auto k = static_cast<std::size_t>(Index);
    if (ChkMAX[k]->isChecked() && ChkMAX[k]->isEnabled()) {
        const MassimoRiassunto m = MassimoRigaRiassunto(Index, Configurazione);
        LblRisultatiX[k]->setText(DaAnsi(m.x));
        LblRisultatiY[k]->setText(DaAnsi(m.y));
        ColoreRisultato(Index, true);
        LblRisultatiX[k]->setVisible(true);
    } else {
        LblRisultatiX[k]->setVisible(false);
        LblRisultatiX[k]->clear();
        LblRisultatiY[k]->clear();
        ColoreRisultato(Index, false);
    }
}

void TABRIASS::CmbSceltaConf_Click() {
    Configurazione = static_cast<int16_t>(CmbSceltaConf->currentIndex() + 1);
    AttivaLabels();
    for (int k = 0; k < RIGHE_RIASSUNTO; ++k)
        if (ChkMAX[static_cast<std::size_t>(k)]->isChecked()) ChkMAX_Click(k);
    TxtEsc_Change();
    AggiornaDimensioniSchema();
}

// Rows not ticked, greyed ones included, show their value at the typed travel; a travel the
// shown project did not compute, or text that is no whole number, shows nothing.
void TABRIASS::TxtEsc_Change() {
    const std::optional<int> punto = PuntoCorsa(AdAnsi(TxtEsc->text()), Configurazione);
    for (int k = 0; k < RIGHE_RIASSUNTO; ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (ChkMAX[i]->isChecked()) continue;
        LblRisultatiY[i]->setText(punto ? DaAnsi(ValoreRiassunto(k, Configurazione, *punto))
                                        : QString());
        ColoreRisultato(k, false);
    }
}

void TABRIASS::CmdChiudi_Click() {
    done(0);
}

void TABRIASS::CmdStampa_Click() {
    if (!VerificaStampante(Riga(Messaggi, 46))) return;
    bool stampato = false;
    {
        CursoreAttesa attesa;
        stampato = StampaImmagine(grab().toImage(), InUtf8(Riga(TestiTabelle, 2) + " - ") +
                                                        VoceProgetto(Configurazione).toStdString());
    }
    if (!stampato) MsgBox(Riga(Messaggi, 79), vbExclamation);
}

} // namespace kelvra
