// The geometry editor's controls as the editor's procedures, the mouse, the view tools and
// the animation see them: the boxes and options by name, the readouts, the rubber shapes over
// the drawing, the animation's scroll bar and the hover hints.
#include "core/Lingua.h"
#include "core/Seams.h"
#include "core/Servizi.h"
#include "geometry_editor/Catena.h"
#include "geometry_editor/InsGeo01.h"
#include "geometry_editor/InsGeo01Comune.h"
#include "platform/Convenzioni.h"
#include "platform/Posizione.h"
#include "platform/Testo.h"
#include "shell/Abilitazione.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLayout>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QSignalBlocker>
#include <cmath>

namespace kelvra {

namespace insgeo01 {

QPointF PixelPicture(const PictureBox& picture, double x, double y) {
    return picture.PixelDa(x, y) + QPointF(BORDO_PICTURE, BORDO_PICTURE);
}

} // namespace insgeo01

using insgeo01::ConTastoAccesso;
using insgeo01::PixelPicture;

namespace {

int Pixel(float twips, float twipsPerPixel) {
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

} // namespace

// ---- the rubber line --------------------------------------------------------------------

LineaGomma::LineaGomma(PictureBox* picture) : QWidget(picture), picture_(picture) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_TranslucentBackground);
    hide();
}

void LineaGomma::Imposta(const LineaPan& linea) {
    linea_ = linea;
    update();
}

void LineaGomma::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(PixelPicture(*picture_, linea_.X1, linea_.Y1),
               PixelPicture(*picture_, linea_.X2, linea_.Y2));
}

// ---- the boxes as the editor's procedures see them ------------------------------------------

QLineEdit* INSGEO01::CasellaDi(Casella c) const {
    const auto i = static_cast<size_t>(c);
    return i < caselle_.size() ? caselle_[i] : nullptr;
}

std::string INSGEO01::Testo(Casella c) const {
    const QLineEdit* casella = CasellaDi(c);
    return casella ? AdAnsi(casella->text()) : std::string();
}

void INSGEO01::Scrivi(Casella c, const std::string& testo, bool eventi) {
    QLineEdit* casella = CasellaDi(c);
    if (!casella) return;
    const QString nuovo = DaAnsi(testo);
    const bool cambiato = casella->text() != nuovo;
    casella->setText(nuovo);
    if (c == Casella::Raggio && eventi && cambiato) TxtRaggio_Change();
}

// The option buttons of the rocker hold -1 when selected, the check boxes 1 when ticked.
namespace {
bool OpzioneFix(Opzione o) {
    return o == Opzione::OptFix0 || o == Opzione::OptFix1;
}
} // namespace

int16_t INSGEO01::Valore(Opzione o) const {
    const auto i = static_cast<size_t>(o);
    if (i >= opzioni_.size() || !opzioni_[i]->isChecked()) return 0;
    return OpzioneFix(o) ? VERO : 1;
}

void INSGEO01::ImpostaValore(Opzione o, int16_t valore) {
    const auto i = static_cast<size_t>(o);
    if (i < opzioni_.size()) opzioni_[i]->setChecked(OpzioneFix(o) ? valore != 0 : valore == 1);
}

void INSGEO01::Conferma(int tipo) {
    ConfermaPannello(tipo);
}

// The drawing writes the swingarm it draws into the boxes; a box the user has typed in and
// not yet confirmed keeps what was typed.
void INSGEO01::ImpostaTxtForcellone(int i, const std::string& x, const std::string& y) {
    if (i < 0 || i > 2) return;
    if (!TxtForcelloneX[i]->isModified()) TxtForcelloneX[i]->setText(DaAnsi(x));
    if (!TxtForcelloneY[i]->isModified()) TxtForcelloneY[i]->setText(DaAnsi(y));
}

void INSGEO01::CaselleForcelloneConfermate() {
    for (QLineEdit* c : pannelli_[PANNELLO_FORCELLONE].caselle) c->setModified(false);
}

bool INSGEO01::CasellaVuota(int tipo) {
    if (tipo < PANNELLO_FORCELLONE || tipo > PANNELLO_MOLLA) return false;
    const PannelloElemento& pannello = pannelli_[tipo];
    for (QLineEdit* c : pannello.caselle) {
        if (!c->text().trimmed().isEmpty()) continue;
        MsgBox(Riga(Messaggi, 94) + " " + Maiuscolo(Riga(TestiInsGeo01, pannello.rigaNome)) +
                   Riga(Messaggi, 2),
               vbOKOnly);
        c->setFocus();
        return true;
    }
    return false;
}

int INSGEO01::ValoreChkModify(int indice) const {
    if (indice < 0 || indice > 1) return 0;
    return ChkModify[indice]->isChecked() ? 1 : 0;
}

void INSGEO01::ScriviChkModify(int indice, int valore) {
    if (indice < 0 || indice > 1) return;
    ChkModify[indice]->setChecked(valore == 1);
}

bool INSGEO01::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == picGeo_ && evento->type() == QEvent::Resize) {
        Line1->setGeometry(picGeo_->rect());
        if (Shape1->isVisibleTo(picGeo_)) ImpostaRettangoloShape1(shape1_);
        Form_Resize();
    }
    if (oggetto == CmdSimula &&
        (evento->type() == QEvent::Enter || evento->type() == QEvent::MouseMove))
        simulazione_.CmdSimula_MouseMove();
    if (evento->type() == QEvent::Enter || evento->type() == QEvent::MouseMove) {
        // A move over a control of the strip that the control does not take reaches the strip
        // as well: the strip's hint is for the strip itself, where no control lies.
        const bool suStriscia =
            oggetto != FrmTool ||
            !FrmTool->childAt(static_cast<QSinglePointEvent*>(evento)->position().toPoint());
        if (auto it = suggerimenti_.find(oggetto); suStriscia && it != suggerimenti_.end()) {
            ImpostaSuggerimento(Riga(TestiToolbar, it->second));
            if (oggetto == FrmTool) {
                for (auto* l : {LblX, LblY, LblL, LblAng}) l->setText("-");
            }
        }
    }
    return FinestraFiglia::eventFilter(oggetto, evento);
}

// ---- the controls as the mouse, the view tools and the animation see them --------------------

QLabel* INSGEO01::LetturaDi(Etichetta e) const {
    const auto i = static_cast<size_t>(e);
    return i < letture_.size() ? letture_[i] : LblX;
}

std::string INSGEO01::TestoEtichetta(Etichetta e) const {
    return AdAnsi(LetturaDi(e)->text());
}

void INSGEO01::ImpostaEtichetta(Etichetta e, const std::string& testo) {
    LetturaDi(e)->setText(DaAnsi(testo));
}

void INSGEO01::PuntatoreCroce() {
    picGeo_->setCursor(Qt::CrossCursor);
}

void INSGEO01::MostraPannelloTipo(int tipo) {
    if (tipo >= PANNELLO_FORCELLONE && tipo <= PANNELLO_MOLLA)
        MostraPannello(pannelli_[tipo].cornice);
}

void INSGEO01::ImpostaTestoCmbModifica(const std::string& testo) {
    // The list is not editable: the entry of that name (with or without its slot number)
    // is shown, and no choice handler runs.
    const QSignalBlocker blocco(CmbModifica);
    const QString nome = DaAnsi(testo);
    for (int i = 0; i < CmbModifica->count(); ++i) {
        const QString voce = CmbModifica->itemText(i);
        const int virgola = voce.lastIndexOf(',');
        if (voce == nome || (virgola >= 0 && voce.left(virgola) == nome)) {
            CmbModifica->setCurrentIndex(i);
            return;
        }
    }
}

void INSGEO01::ImpostaRettangoloShape1(const RettangoloZoom& r) {
    shape1_ = r;
    const QPointF a = PixelPicture(*picGeo_, r.Left, r.Top);
    const QPointF b = PixelPicture(*picGeo_, r.Left + r.Width, r.Top + r.Height);
    Shape1->setGeometry(QRectF(a, b).normalized().toAlignedRect());
}

bool INSGEO01::Shape1Visibile() const {
    return Shape1->isVisibleTo(picGeo_);
}

void INSGEO01::MostraShape1(bool visibile) {
    Shape1->setVisible(visibile);
}

bool INSGEO01::Line1Visibile() const {
    return Line1->isVisibleTo(picGeo_);
}

void INSGEO01::MostraLine1(bool visibile) {
    Line1->setGeometry(picGeo_->rect());
    Line1->setVisible(visibile);
    if (visibile) Line1->raise();
}

void INSGEO01::SpuntaGrigliaItem(int indice, bool spuntato) {
    if (auto it = GrigliaItem.find(indice); it != GrigliaItem.end())
        it->second->setChecked(spuntato);
}

void INSGEO01::SpuntaSimulazioneItem(int indice, bool spuntato) {
    if (auto it = SimulazioneItem.find(indice); it != SimulazioneItem.end())
        it->second->setChecked(spuntato);
}

float INSGEO01::LarghezzaInterna() const {
    return static_cast<float>(width()) * TwipsPerPixelX(this);
}

namespace {
RettangoloTwips Twips(const QWidget* w) {
    const float tx = TwipsPerPixelX(w);
    const float ty = TwipsPerPixelY(w);
    const QRect g = w->geometry();
    return {static_cast<float>(g.y()) * ty, static_cast<float>(g.x()) * tx,
            static_cast<float>(g.height()) * ty, static_cast<float>(g.width()) * tx};
}
} // namespace

RettangoloTwips INSGEO01::PosizionePicGeo() const {
    return Twips(picGeo_);
}

void INSGEO01::PosizionaPicGeo(const RettangoloTwips& r) {
    // The drawing sits in the window's layout, which keeps its top, left and height: only
    // its width is narrowed, or given back in full.
    const int larghezza = Pixel(r.Width, TwipsPerPixelX(this));
    if (larghezza >= width())
        picGeo_->setMaximumWidth(QWIDGETSIZE_MAX);
    else
        picGeo_->setMaximumWidth(std::max(larghezza, picGeo_->minimumWidth()));
    if (layout()) layout()->activate();
}

RettangoloTwips INSGEO01::PosizioneVScroll() const {
    return Twips(VScroll);
}

void INSGEO01::PosizionaVScroll(const RettangoloTwips& r) {
    PosizionaControllo(VScroll, r.Top, r.Left, r.Height, r.Width);
}

RettangoloTwips INSGEO01::PosizioneLblEsc() const {
    return Twips(LblEsc);
}

void INSGEO01::PosizionaLblEsc(const RettangoloTwips& r) {
    PosizionaControllo(LblEsc, r.Top, r.Left, r.Height, r.Width);
}

void INSGEO01::ImpostaValoreVScroll(int valore) {
    const QSignalBlocker blocco(VScroll);
    VScroll->setValue(valore);
}

void INSGEO01::ImpostaMassimoVScroll(int massimo) {
    const QSignalBlocker blocco(VScroll);
    VScroll->setMaximum(massimo);
}

void INSGEO01::MostraVScroll(bool visibile) {
    // The editor's focus, kept while another window is in front too.
    const bool sullaBarra = focusWidget() == VScroll;
    VScroll->setVisible(visibile);
    LblEsc->setVisible(visibile);
    if (visibile) {
        VScroll->raise();
        LblEsc->raise();
        return;
    }
    // A bar hidden under the keyboard hands the focus to the first box of the panel shown, where
    // the editor takes it when it comes forward, not to whatever follows the bar.
    if (!sullaBarra) return;
    for (const PannelloElemento& pannello : pannelli_) {
        if (!pannello.cornice || !pannello.cornice->isVisible()) continue;
        for (QLineEdit* c : pannello.caselle) {
            if (!c->isEnabled()) continue;
            c->setFocus();
            return;
        }
    }
}

void INSGEO01::ImpostaDidascaliaLblEsc(const std::string& testo) {
    LblEsc->setText(DaAnsi(testo));
}

std::string INSGEO01::DidascaliaCmdSimula() const {
    return AdAnsi(CmdSimula->text());
}

void INSGEO01::ImpostaDidascaliaCmdSimula(const std::string& testo) {
    CmdSimula->setText(ConTastoAccesso(DaAnsi(testo)));
    // A pointer resting on the button reads the hint of its new caption at once.
    if (ControlloSottoPuntatore() == CmdSimula) simulazione_.CmdSimula_MouseMove();
}

void INSGEO01::AbilitaConferme(bool abilitate) {
    for (auto* b : {CmdOKForcellone, CmdOKAsta, CmdOKSquadretta, CmdOKMolla})
        b->setEnabled(abilitate);
    if (abilitate)
        AggiornaAbilitazione();
    else
        CmbModifica->setEnabled(false);
}

void INSGEO01::AggiornaAbilitazione() {
    AttivaMenuInsGeo(controlli_);
    if (StatoSimula != 1) return;
    // While a simulation runs the drawing shows a position of the travel: no panel may be
    // stored, and choosing an element (or adding a project from it) would modify it there.
    for (auto* b : {CmdOKForcellone, CmdOKAsta, CmdOKSquadretta, CmdOKMolla}) b->setEnabled(false);
    CmbModifica->setEnabled(false);
    CmdAddProject->setEnabled(false);
}

bool INSGEO01::Cedi() {
    const QPointer<INSGEO01> finestra(this);
    QCoreApplication::processEvents();
    return !finestra.isNull(); // nothing of the window is touched here
}

void INSGEO01::ChiudiFinestra() {
    if (esciDopo_) {
        esciDopo_ = false;
        CmdEsci_Click();
        return;
    }
    if (QMdiSubWindow* sotto = SottoFinestra())
        sotto->close();
    else
        close();
}

} // namespace kelvra
