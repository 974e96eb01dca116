#include "platform/Griglia.h"

#include "platform/Posizione.h"
#include "platform/Testo.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>
#include <cmath>
#include <functional>

namespace kelvra {

namespace {
constexpr int LARGHEZZA_INIZIALE = 1000; // twips
constexpr int MARGINE_INTESTAZIONE = 16; // pixels around a heading's text

// Aligns every cell as its column says, so that no cell carries an alignment of its own.
class AllineamentoColonne : public QStyledItemDelegate {
  public:
    AllineamentoColonne(Griglia* griglia, std::function<Qt::Alignment(int, int)> allineamento)
        : QStyledItemDelegate(griglia), allineamento_(std::move(allineamento)) {}

  protected:
    void initStyleOption(QStyleOptionViewItem* opzione, const QModelIndex& indice) const override {
        QStyledItemDelegate::initStyleOption(opzione, indice);
        opzione->displayAlignment = allineamento_(indice.row(), indice.column());
    }

  private:
    std::function<Qt::Alignment(int, int)> allineamento_;
};

std::size_t Z(int i) {
    return static_cast<std::size_t>(i);
}
} // namespace

Griglia::Griglia(QWidget* genitore) : QTableWidget(genitore) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setWordWrap(false);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    horizontalHeader()->setSectionsClickable(false);
    verticalHeader()->setSectionsClickable(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    setItemDelegate(new AllineamentoColonne(this, [this](int riga, int colonna) {
        return Allineamento(Allineamento(riga + ScartoRighe(), colonna + ScartoColonne()));
    }));
    larghezze_.assign(Z(colonne_), LARGHEZZA_INIZIALE);
    allineamenti_.assign(Z(colonne_), 0);
    allineamentiFissi_.assign(Z(colonne_), 0);
    celle_.assign(2, std::vector<QString>(Z(colonne_)));
    connect(this, &QTableWidget::itemSelectionChanged, this, [this] {
        if (!interno_) LeggiSelezioneUtente();
    });
    Aggiorna();
}

void Griglia::SetRows(int righe) {
    celle_.resize(Z(std::max(righe, fisseRighe_)), std::vector<QString>(Z(colonne_)));
    Cambiato();
}

void Griglia::SetCols(int colonne) {
    colonne_ = std::max(colonne, fisseColonne_);
    const auto n = Z(colonne_);
    for (auto& riga : celle_) riga.resize(n);
    larghezze_.resize(n, LARGHEZZA_INIZIALE);
    allineamenti_.resize(n, 0);
    allineamentiFissi_.resize(n, 0);
    Cambiato();
}

void Griglia::SetFixedRows(int righe) {
    if (righe < 0 || righe > Rows()) return;
    fisseRighe_ = righe;
    Cambiato();
}

void Griglia::SetFixedCols(int colonne) {
    if (colonne < 0 || colonne > Cols()) return;
    fisseColonne_ = colonne;
    Cambiato();
}

void Griglia::SetFisseComeCelle(bool comeCelle) {
    comeCelle_ = comeCelle;
    Cambiato();
}

std::string Griglia::TextMatrix(int riga, int colonna) const {
    if (riga < 0 || riga >= Rows() || colonna < 0 || colonna >= Cols()) return {};
    return AdAnsi(celle_[Z(riga)][Z(colonna)]);
}

void Griglia::SetTextMatrix(int riga, int colonna, const std::string& testo) {
    if (riga < 0 || riga >= Rows() || colonna < 0 || colonna >= Cols()) return;
    celle_[Z(riga)][Z(colonna)] = DaAnsi(testo);
    if (blocchi_ == 0) MostraCella(riga, colonna);
}

int Griglia::ColWidth(int colonna) const {
    if (colonna < 0 || colonna >= Cols()) return 0;
    return larghezze_[Z(colonna)];
}

void Griglia::SetColWidth(int colonna, int twips) {
    if (colonna < 0 || colonna >= Cols()) return;
    larghezze_[Z(colonna)] = std::max(twips, 0);
    if (blocchi_ == 0) AggiornaLarghezze();
}

int Griglia::ColAlignment(int colonna) const {
    if (colonna < 0 || colonna >= Cols()) return 0;
    return allineamenti_[Z(colonna)];
}

void Griglia::SetColAlignment(int colonna, int allineamento) {
    if (colonna < 0 || colonna >= Cols()) return;
    allineamenti_[Z(colonna)] = allineamento;
    if (blocchi_ == 0) viewport()->update();
}

int Griglia::FixedAlignment(int colonna) const {
    if (colonna < 0 || colonna >= Cols()) return 0;
    return allineamentiFissi_[Z(colonna)];
}

void Griglia::SetFixedAlignment(int colonna, int allineamento) {
    if (colonna < 0 || colonna >= Cols()) return;
    allineamentiFissi_[Z(colonna)] = allineamento;
    Cambiato();
}

void Griglia::AddItem(const std::string& riga, int prima) {
    std::vector<QString> nuova(Z(colonne_));
    std::size_t inizio = 0;
    for (auto& cella : nuova) {
        const std::size_t fine = riga.find('\t', inizio);
        cella = DaAnsi(riga.substr(inizio, fine == std::string::npos ? fine : fine - inizio));
        if (fine == std::string::npos) break;
        inizio = fine + 1;
    }
    const int r = prima < 0 || prima > Rows() ? Rows() : prima;
    celle_.insert(celle_.begin() + r, std::move(nuova));
    if (blocchi_ > 0) return;
    if (r < fisseRighe_) return Aggiorna(); // a fixed row moves down among the others
    interno_ = true;
    insertRow(r - ScartoRighe());
    for (int c = 0; c < colonne_; ++c) MostraCella(r, c);
    interno_ = false;
}

void Griglia::RemoveItem(int riga) {
    if (riga < fisseRighe_ || riga >= Rows()) return;
    celle_.erase(celle_.begin() + riga);
    if (blocchi_ > 0) return;
    interno_ = true;
    removeRow(riga - ScartoRighe());
    interno_ = false;
}

void Griglia::Seleziona(int primaRiga, int primaColonna, int ultimaRiga, int ultimaColonna) {
    selInizioRiga_ = primaRiga;
    selInizioColonna_ = primaColonna;
    selFineRiga_ = ultimaRiga;
    selFineColonna_ = ultimaColonna;
    riga_ = primaRiga;
    MostraSelezione();
}

void Griglia::AdattaLarghezzeIntestazioni() {
    const QFontMetrics misure(horizontalHeader()->font());
    const float twipsPerPixel = TwipsPerPixelX(this);
    for (int c = fisseColonne_; c < colonne_; ++c) {
        int& larghezza = larghezze_[Z(c)];
        if (larghezza == 0) continue;
        int pixel = 0;
        for (int r = 0; r < fisseRighe_; ++r)
            pixel = std::max(pixel, misure.horizontalAdvance(celle_[Z(r)][Z(c)]));
        larghezza = std::max(
            larghezza, static_cast<int>(std::ceil((pixel + MARGINE_INTESTAZIONE) * twipsPerPixel)));
    }
    if (blocchi_ == 0) AggiornaLarghezze();
}

QImage Griglia::Immagine() const {
    const QFontMetrics misure(font());
    const int altezzaRiga = misure.height() + 4;
    const float twipsPerPixel = TwipsPerPixelX(this);
    std::vector<std::pair<int, int>> colonne; // column, width in pixels
    int larghezza = 0;
    for (int c = 0; c < colonne_; ++c) {
        const int pixel = static_cast<int>(std::lround(ColWidth(c) / twipsPerPixel));
        if (pixel <= 0) continue;
        colonne.emplace_back(c, pixel);
        larghezza += pixel;
    }
    QImage immagine(std::max(larghezza, 1), std::max(Rows() * altezzaRiga + 2, 1),
                    QImage::Format_RGB32);
    immagine.fill(Qt::white);
    QPainter pittore(&immagine);
    pittore.setFont(font());
    pittore.setPen(Qt::black);
    for (int r = 0; r < Rows(); ++r) {
        int x = 0;
        for (const auto& [c, pixel] : colonne) {
            pittore.drawText(QRect(x + 2, r * altezzaRiga, pixel - 4, altezzaRiga),
                             Allineamento(Allineamento(r, c)), celle_[Z(r)][Z(c)]);
            x += pixel;
        }
    }
    if (fisseRighe_ > 0)
        pittore.drawLine(0, fisseRighe_ * altezzaRiga, larghezza, fisseRighe_ * altezzaRiga);
    return immagine;
}

int Griglia::Allineamento(int riga, int colonna) const {
    return Fissa(riga, colonna) ? FixedAlignment(colonna) : ColAlignment(colonna);
}

Qt::Alignment Griglia::Allineamento(int valore) {
    switch (valore) {
    case DESTRA:
        return Qt::AlignRight | Qt::AlignVCenter;
    case CENTRATO:
        return Qt::AlignCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

void Griglia::Cambiato() {
    if (blocchi_ == 0) Aggiorna();
}

void Griglia::Aggiorna() {
    const bool aggiornamenti = updatesEnabled();
    setUpdatesEnabled(false);
    interno_ = true;
    clearContents();
    setRowCount(Rows() - ScartoRighe());
    setColumnCount(colonne_ - ScartoColonne());
    horizontalHeader()->setVisible(!comeCelle_ && fisseRighe_ > 0);
    verticalHeader()->setVisible(!comeCelle_ && fisseColonne_ > 0);
    if (!comeCelle_) MostraIntestazioni();
    for (int r = ScartoRighe(); r < Rows(); ++r)
        for (int c = ScartoColonne(); c < colonne_; ++c) MostraCella(r, c);
    AggiornaLarghezze();
    interno_ = false;
    setUpdatesEnabled(aggiornamenti);
}

QString Griglia::IntestazioneColonna(int colonna) const {
    QStringList linee;
    for (int r = 0; r < fisseRighe_; ++r) linee.append(celle_[Z(r)][Z(colonna)]);
    return linee.join(QLatin1Char('\n'));
}

QString Griglia::IntestazioneRiga(int riga) const {
    QStringList parti;
    for (int c = 0; c < fisseColonne_; ++c) parti.append(celle_[Z(riga)][Z(c)]);
    return parti.join(QStringLiteral("  "));
}

void Griglia::MostraIntestazioni() {
    for (int c = fisseColonne_; c < colonne_; ++c) {
        auto* intestazione = new QTableWidgetItem(IntestazioneColonna(c));
        // A grid that wraps its cells (the default) wraps its headings too.
        Qt::Alignment allineamento = Allineamento(FixedAlignment(c));
        if (wordWrap()) allineamento |= Qt::Alignment::fromInt(Qt::TextWordWrap);
        intestazione->setTextAlignment(allineamento);
        setHorizontalHeaderItem(c - fisseColonne_, intestazione);
    }
    if (fisseColonne_ > 0)
        for (int r = fisseRighe_; r < Rows(); ++r)
            setVerticalHeaderItem(r - fisseRighe_, new QTableWidgetItem(IntestazioneRiga(r)));
}

void Griglia::MostraCella(int riga, int colonna) {
    if (!comeCelle_ && Fissa(riga, colonna)) {
        // A heading: only the fixed rows of a column and the fixed columns of a row show.
        if (riga >= fisseRighe_)
            setVerticalHeaderItem(riga - fisseRighe_, new QTableWidgetItem(IntestazioneRiga(riga)));
        else if (QTableWidgetItem* i = horizontalHeaderItem(colonna - fisseColonne_))
            i->setText(IntestazioneColonna(colonna));
        return;
    }
    const QString& testo = celle_[Z(riga)][Z(colonna)];
    const int r = riga - ScartoRighe(), c = colonna - ScartoColonne();
    QTableWidgetItem* cella = item(r, c);
    if (cella) {
        cella->setText(testo);
        return;
    }
    const bool fissa = Fissa(riga, colonna);
    if (testo.isEmpty() && !fissa) return;
    cella = new QTableWidgetItem(testo);
    if (fissa) {
        cella->setFlags(Qt::ItemIsEnabled);
        cella->setBackground(palette().button());
    }
    setItem(r, c, cella);
}

void Griglia::AggiornaLarghezze() {
    const float twipsPerPixel = TwipsPerPixelX(this);
    for (int c = ScartoColonne(); c < colonne_; ++c) {
        const int twips = larghezze_[Z(c)];
        const int colonna = c - ScartoColonne();
        setColumnHidden(colonna, twips == 0);
        if (twips > 0)
            setColumnWidth(colonna, static_cast<int>(std::lround(twips / twipsPerPixel)));
    }
    if (comeCelle_ || !wordWrap()) return;
    // Wrapped headings: the heading grows to its tallest column title.
    const QFontMetrics misure(horizontalHeader()->font());
    int altezza = 0;
    for (int c = 0; c < columnCount(); ++c) {
        const QTableWidgetItem* titolo = horizontalHeaderItem(c);
        if (titolo == nullptr || isColumnHidden(c)) continue;
        const QRect spazio(0, 0, std::max(columnWidth(c) - MARGINE_INTESTAZIONE, 1), 10000);
        altezza = std::max(altezza,
                           misure.boundingRect(spazio, Qt::TextWordWrap, titolo->text()).height());
    }
    horizontalHeader()->setMinimumHeight(altezza + MARGINE_INTESTAZIONE / 2);
}

void Griglia::MostraSelezione() {
    const bool prima = interno_;
    interno_ = true;
    clearSelection();
    const int r1 = std::max(selInizioRiga_, fisseRighe_) - ScartoRighe();
    const int r2 = std::min(selFineRiga_, Rows() - 1) - ScartoRighe();
    const int c1 = std::max(selInizioColonna_, fisseColonne_) - ScartoColonne();
    const int c2 = std::min(selFineColonna_, colonne_ - 1) - ScartoColonne();
    if (r1 <= r2 && c1 <= c2) setRangeSelected(QTableWidgetSelectionRange(r1, c1, r2, c2), true);
    interno_ = prima;
}

void Griglia::LeggiSelezioneUtente() {
    const QList<QTableWidgetSelectionRange> scelte = selectedRanges();
    if (scelte.isEmpty()) return;
    const QTableWidgetSelectionRange& s = scelte.front();
    selInizioRiga_ = s.topRow() + ScartoRighe();
    selFineRiga_ = s.bottomRow() + ScartoRighe();
    selInizioColonna_ = s.leftColumn() + ScartoColonne();
    selFineColonna_ = s.rightColumn() + ScartoColonne();
    riga_ = currentRow() >= 0 ? currentRow() + ScartoRighe() : selInizioRiga_;
    colonna_ = currentColumn() >= 0 ? currentColumn() + ScartoColonne() : selInizioColonna_;
}

bool Griglia::SelezioneFinita() const {
    return isEnabled() && !selectedRanges().isEmpty();
}

bool Griglia::viewportEvent(QEvent* evento) {
    const bool r = QTableWidget::viewportEvent(evento);
    if (evento->type() == QEvent::MouseMove) emit MouseMove();
    if (evento->type() == QEvent::MouseButtonRelease && SelezioneFinita()) emit FineSelezione();
    return r;
}

void Griglia::keyReleaseEvent(QKeyEvent* evento) {
    QTableWidget::keyReleaseEvent(evento);
    switch (evento->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        if (!evento->isAutoRepeat() && SelezioneFinita()) emit FineSelezione();
        break;
    default:
        break;
    }
}

} // namespace kelvra
