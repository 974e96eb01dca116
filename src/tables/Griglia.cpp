#include "tables/Griglia.h"

#include "platform/Posizione.h"
#include "platform/Testo.h"

#include <QFontMetrics>
#include <QHeaderView>
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
    AllineamentoColonne(Griglia* griglia, std::function<Qt::Alignment(int)> allineamento)
        : QStyledItemDelegate(griglia), allineamento_(std::move(allineamento)) {}

  protected:
    void initStyleOption(QStyleOptionViewItem* opzione, const QModelIndex& indice) const override {
        QStyledItemDelegate::initStyleOption(opzione, indice);
        opzione->displayAlignment = allineamento_(indice.column());
    }

  private:
    std::function<Qt::Alignment(int)> allineamento_;
};
} // namespace

Griglia::Griglia(QWidget* genitore) : QTableWidget(genitore) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setWordWrap(false);
    horizontalHeader()->setSectionsClickable(false);
    verticalHeader()->setSectionsClickable(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    setItemDelegate(new AllineamentoColonne(
        this, [this](int colonna) { return Allineamento(ColAlignment(colonna + fisseColonne_)); }));
    larghezze_.assign(static_cast<std::size_t>(colonne_), LARGHEZZA_INIZIALE);
    allineamenti_.assign(static_cast<std::size_t>(colonne_), 0);
    allineamentiFissi_.assign(static_cast<std::size_t>(colonne_), 0);
    celle_.assign(2, std::vector<QString>(static_cast<std::size_t>(colonne_)));
    Aggiorna();
}

void Griglia::SetRows(int righe) {
    righe = std::max(righe, fisseRighe_ + 1);
    celle_.resize(static_cast<std::size_t>(righe),
                  std::vector<QString>(static_cast<std::size_t>(colonne_)));
    Cambiato();
}

void Griglia::SetCols(int colonne) {
    colonne = std::max(colonne, fisseColonne_ + 1);
    colonne_ = colonne;
    const auto n = static_cast<std::size_t>(colonne);
    for (auto& riga : celle_) riga.resize(n);
    larghezze_.resize(n, LARGHEZZA_INIZIALE);
    allineamenti_.resize(n, 0);
    allineamentiFissi_.resize(n, 0);
    Cambiato();
}

void Griglia::SetFixedRows(int righe) {
    if (righe < 0 || righe >= Rows()) return;
    fisseRighe_ = righe;
    Cambiato();
}

void Griglia::SetFixedCols(int colonne) {
    if (colonne < 0 || colonne >= Cols()) return;
    fisseColonne_ = colonne;
    Cambiato();
}

std::string Griglia::TextMatrix(int riga, int colonna) const {
    if (riga < 0 || riga >= Rows() || colonna < 0 || colonna >= Cols()) return {};
    return AdAnsi(celle_[static_cast<std::size_t>(riga)][static_cast<std::size_t>(colonna)]);
}

void Griglia::SetTextMatrix(int riga, int colonna, const std::string& testo) {
    if (riga < 0 || riga >= Rows() || colonna < 0 || colonna >= Cols()) return;
    celle_[static_cast<std::size_t>(riga)][static_cast<std::size_t>(colonna)] = DaAnsi(testo);
    Cambiato();
}

int Griglia::ColWidth(int colonna) const {
    if (colonna < 0 || colonna >= Cols()) return 0;
    return larghezze_[static_cast<std::size_t>(colonna)];
}

void Griglia::SetColWidth(int colonna, int twips) {
    if (colonna < 0 || colonna >= Cols()) return;
    larghezze_[static_cast<std::size_t>(colonna)] = std::max(twips, 0);
    if (blocchi_ == 0) AggiornaLarghezze();
}

int Griglia::ColAlignment(int colonna) const {
    if (colonna < 0 || colonna >= Cols()) return 0;
    return allineamenti_[static_cast<std::size_t>(colonna)];
}

void Griglia::SetColAlignment(int colonna, int allineamento) {
    if (colonna < 0 || colonna >= Cols()) return;
    allineamenti_[static_cast<std::size_t>(colonna)] = allineamento;
    if (blocchi_ == 0) viewport()->update();
}

int Griglia::FixedAlignment(int colonna) const {
    if (colonna < 0 || colonna >= Cols()) return 0;
    return allineamentiFissi_[static_cast<std::size_t>(colonna)];
}

void Griglia::SetFixedAlignment(int colonna, int allineamento) {
    if (colonna < 0 || colonna >= Cols()) return;
    allineamentiFissi_[static_cast<std::size_t>(colonna)] = allineamento;
    Cambiato();
}

void Griglia::AddItem(const std::string& riga) {
    std::vector<QString> nuova(static_cast<std::size_t>(colonne_));
    std::size_t inizio = 0;
    for (std::size_t c = 0; c < nuova.size(); ++c) {
        const std::size_t fine = riga.find('\t', inizio);
        nuova[c] = DaAnsi(riga.substr(inizio, fine == std::string::npos ? fine : fine - inizio));
        if (fine == std::string::npos) break;
        inizio = fine + 1;
    }
    celle_.push_back(std::move(nuova));
    Cambiato();
}

void Griglia::RemoveItem(int riga) {
    if (riga < 0 || riga >= Rows() || Rows() <= fisseRighe_ + 1) return;
    celle_.erase(celle_.begin() + riga);
    Cambiato();
}

void Griglia::AdattaLarghezzeIntestazioni() {
    const QFontMetrics misure(horizontalHeader()->font());
    const float twipsPerPixel = TwipsPerPixelX(this);
    for (int c = fisseColonne_; c < colonne_; ++c) {
        int& larghezza = larghezze_[static_cast<std::size_t>(c)];
        if (larghezza == 0) continue;
        int pixel = 0;
        for (int r = 0; r < fisseRighe_; ++r)
            pixel = std::max(pixel,
                             misure.horizontalAdvance(
                                 celle_[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]));
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
            const int a =
                r < fisseRighe_ || c < fisseColonne_ ? FixedAlignment(c) : ColAlignment(c);
            pittore.drawText(QRect(x + 2, r * altezzaRiga, pixel - 4, altezzaRiga), Allineamento(a),
                             celle_[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]);
            x += pixel;
        }
    }
    if (fisseRighe_ > 0)
        pittore.drawLine(0, fisseRighe_ * altezzaRiga, larghezza, fisseRighe_ * altezzaRiga);
    return immagine;
}

void Griglia::Cambiato() {
    if (blocchi_ == 0) Aggiorna();
}

Qt::Alignment Griglia::Allineamento(int valore) {
    switch (valore) {
    case 1:
        return Qt::AlignRight | Qt::AlignVCenter;
    case 2:
        return Qt::AlignCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

void Griglia::Aggiorna() {
    const bool aggiornamenti = updatesEnabled();
    setUpdatesEnabled(false);
    const int righeCorpo = Rows() - fisseRighe_;
    const int colonneCorpo = colonne_ - fisseColonne_;
    clearContents();
    setRowCount(righeCorpo);
    setColumnCount(colonneCorpo);

    horizontalHeader()->setVisible(fisseRighe_ > 0);
    for (int c = 0; c < colonneCorpo; ++c) {
        const auto cc = static_cast<std::size_t>(c + fisseColonne_);
        QStringList linee;
        for (int r = 0; r < fisseRighe_; ++r) linee.append(celle_[static_cast<std::size_t>(r)][cc]);
        auto* intestazione = new QTableWidgetItem(linee.join(QLatin1Char('\n')));
        intestazione->setTextAlignment(Allineamento(allineamentiFissi_[cc]));
        setHorizontalHeaderItem(c, intestazione);
    }
    verticalHeader()->setVisible(fisseColonne_ > 0);
    for (int r = 0; r < righeCorpo; ++r) {
        const auto& riga = celle_[static_cast<std::size_t>(r + fisseRighe_)];
        if (fisseColonne_ > 0) {
            QStringList parti;
            for (int c = 0; c < fisseColonne_; ++c) parti.append(riga[static_cast<std::size_t>(c)]);
            setVerticalHeaderItem(r, new QTableWidgetItem(parti.join(QStringLiteral("  "))));
        }
        for (int c = 0; c < colonneCorpo; ++c) {
            const auto cc = static_cast<std::size_t>(c + fisseColonne_);
            if (riga[cc].isEmpty()) continue;
            setItem(r, c, new QTableWidgetItem(riga[cc]));
        }
    }
    AggiornaLarghezze();
    setUpdatesEnabled(aggiornamenti);
}

void Griglia::AggiornaLarghezze() {
    const float twipsPerPixel = TwipsPerPixelX(this);
    for (int c = fisseColonne_; c < colonne_; ++c) {
        const int twips = larghezze_[static_cast<std::size_t>(c)];
        const int colonna = c - fisseColonne_;
        setColumnHidden(colonna, twips == 0);
        if (twips > 0)
            setColumnWidth(colonna, static_cast<int>(std::lround(twips / twipsPerPixel)));
    }
}

} // namespace kelvra
