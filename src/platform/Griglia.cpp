#include "platform/Griglia.h"

#include "platform/Posizione.h"
#include "platform/Testo.h"

#include <QAbstractTableModel>
#include <QEvent>
#include <QFontMetrics>
#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace kelvra {

namespace {
constexpr int LARGHEZZA_INIZIALE = 1000; // twips
constexpr int MARGINE_INTESTAZIONE = 16; // pixels around a heading's text

std::size_t Z(int i) {
    return static_cast<std::size_t>(i);
}

// Width of a heading text in a font. The tables show the same few headings again at every
// change of project or step, and measuring them is the slowest part of a rebuild: the widths
// in the last font used are kept, and forgotten when too many have gathered.
int LarghezzaTesto(const QFont& carattere, const QString& testo) {
    static QFont ultimo;
    static QHash<QString, int> larghezze;
    if (carattere != ultimo || larghezze.size() > 1000) {
        ultimo = carattere;
        larghezze.clear();
    }
    if (auto it = larghezze.constFind(testo); it != larghezze.constEnd()) return *it;
    return larghezze[testo] = QFontMetrics(carattere).horizontalAdvance(testo);
}

bool TastoDiMovimento(int tasto) {
    switch (tasto) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return false;
    }
}
} // namespace

// The grid's cells as the view asks for them: the fixed rows and columns become headings.
class ModelloGriglia : public QAbstractTableModel {
  public:
    explicit ModelloGriglia(Griglia* g) : QAbstractTableModel(g), g_(*g) {}

    int rowCount(const QModelIndex& genitore = {}) const override {
        return genitore.isValid() ? 0 : g_.Rows() - g_.fisseRighe_;
    }
    int columnCount(const QModelIndex& genitore = {}) const override {
        return genitore.isValid() ? 0 : g_.colonne_ - g_.fisseColonne_;
    }
    QVariant data(const QModelIndex& indice, int ruolo) const override {
        const int r = indice.row() + g_.fisseRighe_, c = indice.column() + g_.fisseColonne_;
        if (ruolo == Qt::DisplayRole) return g_.Cella(r, c);
        if (ruolo == Qt::TextAlignmentRole)
            return Griglia::Allineamento(g_.Allineamento(r, c)).toInt();
        return {};
    }
    QVariant headerData(int sezione, Qt::Orientation verso, int ruolo) const override {
        if (verso == Qt::Vertical) {
            if (ruolo == Qt::DisplayRole && g_.fisseColonne_ > 0)
                return g_.IntestazioneRiga(sezione + g_.fisseRighe_);
            return {};
        }
        const int c = sezione + g_.fisseColonne_;
        if (ruolo == Qt::DisplayRole) return g_.IntestazioneColonna(c);
        if (ruolo == Qt::TextAlignmentRole) {
            // A grid that wraps its cells (the default) wraps its headings too.
            Qt::Alignment a = Griglia::Allineamento(g_.FixedAlignment(c));
            if (g_.wordWrap()) a |= Qt::Alignment::fromInt(Qt::TextWordWrap);
            return a.toInt();
        }
        return {};
    }
    Qt::ItemFlags flags(const QModelIndex&) const override {
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    }

    using QAbstractTableModel::beginInsertRows;
    using QAbstractTableModel::beginRemoveRows;
    using QAbstractTableModel::beginResetModel;
    using QAbstractTableModel::endInsertRows;
    using QAbstractTableModel::endRemoveRows;
    using QAbstractTableModel::endResetModel;

  private:
    const Griglia& g_;
};

Griglia::Blocco::Blocco(Griglia& g) : g_(g) {
    if (g_.blocchi_++ == 0) g_.modello_->beginResetModel();
}

Griglia::Blocco::~Blocco() {
    if (--g_.blocchi_ > 0) return;
    g_.modello_->endResetModel();
    g_.Aggiorna();
}

Griglia::Griglia(QWidget* genitore) : QTableView(genitore), modello_(new ModelloGriglia(this)) {
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
    larghezze_.assign(Z(colonne_), LARGHEZZA_INIZIALE);
    allineamenti_.assign(Z(colonne_), 0);
    allineamentiFissi_.assign(Z(colonne_), 0);
    righe_.assign(2, {std::vector<QString>(Z(colonne_)), nullptr, 0});
    setModel(modello_);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!interno_) LeggiSelezioneUtente();
    });
    Aggiorna();
}

void Griglia::SetRows(int righe) {
    Blocco blocco(*this);
    righe_.resize(Z(std::max(righe, fisseRighe_)), {std::vector<QString>(Z(colonne_)), nullptr, 0});
}

void Griglia::SetCols(int colonne) {
    Blocco blocco(*this);
    colonne_ = std::max(colonne, fisseColonne_);
    const auto n = Z(colonne_);
    for (auto& riga : righe_)
        if (!riga.calcolata) riga.celle.resize(n);
    larghezze_.resize(n, LARGHEZZA_INIZIALE);
    allineamenti_.resize(n, 0);
    allineamentiFissi_.resize(n, 0);
}

void Griglia::SetFixedRows(int righe) {
    if (righe < 0 || righe > Rows()) return;
    Blocco blocco(*this);
    fisseRighe_ = righe;
}

void Griglia::SetFixedCols(int colonne) {
    if (colonne < 0 || colonne > Cols()) return;
    Blocco blocco(*this);
    fisseColonne_ = colonne;
}

const QString& Griglia::Cella(int riga, int colonna) const {
    RigaGriglia& r = righe_[Z(riga)];
    if (r.calcolata) {
        r.celle.resize(Z(colonne_));
        for (int c = 0; c < colonne_; ++c) r.celle[Z(c)] = DaAnsi((*r.calcolata)(r.k, c));
        r.calcolata.reset();
    }
    return r.celle[Z(colonna)];
}

std::string Griglia::TextMatrix(int riga, int colonna) const {
    if (riga < 0 || riga >= Rows() || colonna < 0 || colonna >= Cols()) return {};
    const RigaGriglia& r = righe_[Z(riga)];
    if (r.calcolata) return (*r.calcolata)(r.k, colonna); // read without making the row
    return AdAnsi(r.celle[Z(colonna)]);
}

void Griglia::SetTextMatrix(int riga, int colonna, const std::string& testo) {
    if (riga < 0 || riga >= Rows() || colonna < 0 || colonna >= Cols()) return;
    Cella(riga, colonna);
    righe_[Z(riga)].celle[Z(colonna)] = DaAnsi(testo);
    if (blocchi_ > 0) return;
    if (Fissa(riga, colonna)) {
        if (riga < fisseRighe_)
            modello_->headerDataChanged(Qt::Horizontal, colonna - fisseColonne_,
                                        colonna - fisseColonne_);
        else
            modello_->headerDataChanged(Qt::Vertical, riga - fisseRighe_, riga - fisseRighe_);
        return;
    }
    const QModelIndex i = modello_->index(riga - fisseRighe_, colonna - fisseColonne_);
    emit modello_->dataChanged(i, i, {Qt::DisplayRole});
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
    if (blocchi_ > 0) return;
    horizontalHeader()->viewport()->update();
    viewport()->update();
}

void Griglia::AddItem(const std::string& riga, int prima) {
    RigaGriglia nuova{std::vector<QString>(Z(colonne_)), nullptr, 0};
    std::size_t inizio = 0;
    for (auto& cella : nuova.celle) {
        const std::size_t fine = riga.find('\t', inizio);
        cella = DaAnsi(riga.substr(inizio, fine == std::string::npos ? fine : fine - inizio));
        if (fine == std::string::npos) break;
        inizio = fine + 1;
    }
    const int r = prima < 0 || prima > Rows() ? Rows() : prima;
    if (blocchi_ > 0 || r < fisseRighe_) { // a fixed row moves down among the others
        Blocco blocco(*this);
        righe_.insert(righe_.begin() + r, std::move(nuova));
        return;
    }
    modello_->beginInsertRows({}, r - fisseRighe_, r - fisseRighe_);
    righe_.insert(righe_.begin() + r, std::move(nuova));
    modello_->endInsertRows();
}

void Griglia::AddItemsCalcolati(int righe, CellaCalcolata cella) {
    if (righe <= 0) return;
    Blocco blocco(*this);
    const auto funzione = std::make_shared<const CellaCalcolata>(std::move(cella));
    righe_.reserve(righe_.size() + Z(righe));
    for (int k = 0; k < righe; ++k) righe_.push_back({{}, funzione, k});
}

void Griglia::RemoveItem(int riga) {
    if (riga < fisseRighe_ || riga >= Rows()) return;
    if (blocchi_ > 0) {
        righe_.erase(righe_.begin() + riga);
        return;
    }
    modello_->beginRemoveRows({}, riga - fisseRighe_, riga - fisseRighe_);
    righe_.erase(righe_.begin() + riga);
    modello_->endRemoveRows();
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
    const QFont carattere = horizontalHeader()->font();
    const float twipsPerPixel = TwipsPerPixelX(this);
    for (int c = fisseColonne_; c < colonne_; ++c) {
        int& larghezza = larghezze_[Z(c)];
        if (larghezza == 0) continue;
        int pixel = 0;
        for (int r = 0; r < fisseRighe_; ++r)
            pixel = std::max(pixel, LarghezzaTesto(carattere, Cella(r, c)));
        larghezza = std::max(
            larghezza, static_cast<int>(std::ceil((pixel + MARGINE_INTESTAZIONE) * twipsPerPixel)));
    }
    if (blocchi_ == 0) AggiornaLarghezze();
}

std::vector<std::pair<int, int>> Griglia::ColonneImmagine(const QFontMetrics& misure) const {
    std::vector<std::pair<int, int>> colonne;
    for (int c = 0; c < colonne_; ++c) {
        if (ColWidth(c) <= 0) continue;
        int pixel = 0;
        for (int r = 0; r < Rows(); ++r) {
            const QString& testo = Cella(r, c);
            if (r >= fisseRighe_) {
                pixel = std::max(pixel, misure.horizontalAdvance(testo));
                continue;
            }
            // A heading may wrap between its words, not within one.
            for (const QString& parola : testo.split(QLatin1Char(' '), Qt::SkipEmptyParts))
                pixel = std::max(pixel, misure.horizontalAdvance(parola));
        }
        colonne.emplace_back(c, pixel + 2 * MARGINE_CELLA_IMMAGINE);
    }
    return colonne;
}

QImage Griglia::Immagine(int* intestazione, int* altezzaRiga) const {
    const QFontMetrics misure(font());
    const int riga = misure.height() + 4;
    const std::vector<std::pair<int, int>> colonne = ColonneImmagine(misure);
    int larghezza = 0;
    for (const auto& colonna : colonne) larghezza += colonna.second;
    // Each heading row as tall as its most wrapped text.
    constexpr int FLAG_TESTATA = Qt::TextWordWrap;
    std::vector<int> alte(static_cast<size_t>(fisseRighe_), riga);
    for (int r = 0; r < fisseRighe_; ++r)
        for (const auto& [c, pixel] : colonne) {
            const QRect spazio(0, 0, pixel - 2 * MARGINE_CELLA_IMMAGINE, 100 * riga);
            const int alta = misure.boundingRect(spazio, FLAG_TESTATA, Cella(r, c)).height() + 4;
            alte[Z(r)] = std::max(alte[Z(r)], alta);
        }
    int testa = 0;
    for (int alta : alte) testa += alta;
    const int inizio = testa + 1; // under the line below the headings
    QImage immagine(std::max(larghezza, 1), std::max(inizio + (Rows() - fisseRighe_) * riga + 1, 1),
                    QImage::Format_RGB32);
    immagine.fill(Qt::white);
    QPainter pittore(&immagine);
    pittore.setFont(font());
    pittore.setPen(Qt::black);
    for (int r = 0, y = 0; r < Rows(); ++r) {
        const int alta = r < fisseRighe_ ? alte[Z(r)] : riga;
        const int bandiere = r < fisseRighe_ ? FLAG_TESTATA : 0;
        int x = 0;
        for (const auto& [c, pixel] : colonne) {
            pittore.drawText(
                QRect(x + MARGINE_CELLA_IMMAGINE, y, pixel - 2 * MARGINE_CELLA_IMMAGINE, alta),
                static_cast<int>(Allineamento(Allineamento(r, c))) | bandiere, Cella(r, c));
            x += pixel;
        }
        y += alta + (r + 1 == fisseRighe_ ? 1 : 0);
    }
    if (fisseRighe_ > 0) pittore.drawLine(0, testa, larghezza, testa);
    if (intestazione) *intestazione = inizio;
    if (altezzaRiga) *altezzaRiga = riga;
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

QString Griglia::IntestazioneColonna(int colonna) const {
    QStringList linee;
    for (int r = 0; r < fisseRighe_; ++r) linee.append(Cella(r, colonna));
    return linee.join(QLatin1Char('\n'));
}

QString Griglia::IntestazioneRiga(int riga) const {
    QStringList parti;
    for (int c = 0; c < fisseColonne_; ++c) parti.append(Cella(riga, c));
    return parti.join(QStringLiteral("  "));
}

// After a change of the whole grid: headings shown or not, widths, the program's selection.
void Griglia::Aggiorna() {
    horizontalHeader()->setVisible(fisseRighe_ > 0);
    verticalHeader()->setVisible(fisseColonne_ > 0);
    AggiornaLarghezze();
}

void Griglia::AggiornaLarghezze() {
    const float twipsPerPixel = TwipsPerPixelX(this);
    for (int c = fisseColonne_; c < colonne_; ++c) {
        const int twips = larghezze_[Z(c)];
        const int colonna = c - fisseColonne_;
        setColumnHidden(colonna, twips == 0);
        if (twips > 0)
            setColumnWidth(colonna, static_cast<int>(std::lround(twips / twipsPerPixel)));
    }
    if (!wordWrap()) return;
    // Wrapped headings: the heading grows to its tallest column title.
    const QFontMetrics misure(horizontalHeader()->font());
    int altezza = 0;
    for (int c = fisseColonne_; c < colonne_; ++c) {
        const int colonna = c - fisseColonne_;
        if (isColumnHidden(colonna)) continue;
        const QRect spazio(0, 0, std::max(columnWidth(colonna) - MARGINE_INTESTAZIONE, 1), 10000);
        altezza = std::max(
            altezza,
            misure.boundingRect(spazio, Qt::TextWordWrap, IntestazioneColonna(c)).height());
    }
    horizontalHeader()->setMinimumHeight(altezza + MARGINE_INTESTAZIONE / 2);
}

void Griglia::MostraSelezione() {
    const bool prima = interno_;
    interno_ = true;
    const int r1 = std::max(selInizioRiga_, fisseRighe_) - fisseRighe_;
    const int r2 = std::min(selFineRiga_, Rows() - 1) - fisseRighe_;
    const int c1 = std::max(selInizioColonna_, fisseColonne_) - fisseColonne_;
    const int c2 = std::min(selFineColonna_, colonne_ - 1) - fisseColonne_;
    if (r1 <= r2 && c1 <= c2) {
        selectionModel()->select(QItemSelection(modello_->index(r1, c1), modello_->index(r2, c2)),
                                 QItemSelectionModel::ClearAndSelect);
        // The keys move on from the block's first cell.
        selectionModel()->setCurrentIndex(modello_->index(r1, c1), QItemSelectionModel::NoUpdate);
    } else
        selectionModel()->clearSelection();
    interno_ = prima;
}

// The block the user's selection spans.
void Griglia::LeggiSelezioneUtente() {
    const QItemSelection scelta = selectionModel()->selection();
    if (scelta.isEmpty()) return;
    int r1 = Rows(), r2 = -1, c1 = colonne_, c2 = -1;
    for (const QItemSelectionRange& s : scelta) {
        r1 = std::min(r1, s.top()), r2 = std::max(r2, s.bottom());
        c1 = std::min(c1, s.left()), c2 = std::max(c2, s.right());
    }
    selInizioRiga_ = r1 + fisseRighe_;
    selFineRiga_ = r2 + fisseRighe_;
    selInizioColonna_ = c1 + fisseColonne_;
    selFineColonna_ = c2 + fisseColonne_;
    const QModelIndex corrente = currentIndex();
    riga_ = corrente.isValid() ? corrente.row() + fisseRighe_ : selInizioRiga_;
    colonna_ = corrente.isValid() ? corrente.column() + fisseColonne_ : selInizioColonna_;
}

bool Griglia::SelezioneFinita() const {
    return isEnabled() && selectionModel()->hasSelection();
}

bool Griglia::viewportEvent(QEvent* evento) {
    const bool r = QTableView::viewportEvent(evento);
    if (evento->type() == QEvent::MouseMove) emit MouseMove();
    if (evento->type() == QEvent::MouseButtonRelease && SelezioneFinita()) emit FineSelezione();
    return r;
}

// Shift with the moving keys (and with Left and Right) stretches the block from where it
// started; the block is finished when Shift is let go.
void Griglia::keyPressEvent(QKeyEvent* evento) {
    const int tasto = evento->key();
    if ((evento->modifiers() & Qt::ShiftModifier) &&
        (TastoDiMovimento(tasto) || tasto == Qt::Key_Left || tasto == Qt::Key_Right))
        selezioneTastiera_ = true;
    QTableView::keyPressEvent(evento);
}

// Ctrl with Shift stretches the block as far as the key goes (Ctrl+Shift+End: to the last
// row), where the view would only move the current cell.
QItemSelectionModel::SelectionFlags Griglia::selectionCommand(const QModelIndex& indice,
                                                              const QEvent* evento) const {
    if (evento && evento->type() == QEvent::KeyPress) {
        const auto* tasto = static_cast<const QKeyEvent*>(evento);
        const Qt::KeyboardModifiers entrambi = Qt::ShiftModifier | Qt::ControlModifier;
        if ((tasto->modifiers() & entrambi) == entrambi && TastoDiMovimento(tasto->key()))
            return QItemSelectionModel::SelectCurrent;
    }
    return QTableView::selectionCommand(indice, evento);
}

void Griglia::keyReleaseEvent(QKeyEvent* evento) {
    QTableView::keyReleaseEvent(evento);
    if (evento->isAutoRepeat()) return;
    bool finita = false;
    if (evento->key() == Qt::Key_Shift) {
        finita = selezioneTastiera_;
        selezioneTastiera_ = false;
    } else if (TastoDiMovimento(evento->key())) {
        finita = !(evento->modifiers() & Qt::ShiftModifier);
    }
    if (finita && SelezioneFinita()) emit FineSelezione();
}

} // namespace kelvra
