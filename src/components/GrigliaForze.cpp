#include "components/GrigliaForze.h"

#include "platform/Posizione.h"
#include "platform/Testo.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <algorithm>

namespace kelvra {

GrigliaForze::GrigliaForze(QWidget* genitore) : QTableWidget(genitore) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    connect(this, &QTableWidget::itemSelectionChanged, this, [this] {
        if (!interno_) LeggiSelezioneUtente();
    });
}

void GrigliaForze::ImpostaRows(int righe) {
    setRowCount(std::max(righe, 0));
    ImpostaFixedRows(fisse_);
}

void GrigliaForze::ImpostaCols(int colonne) {
    setColumnCount(std::max(colonne, 0));
    for (int r = 0; r < rowCount(); ++r) Allinea(r);
}

void GrigliaForze::ImpostaFixedRows(int righe) {
    fisse_ = std::clamp(righe, 0, rowCount());
    for (int r = 0; r < rowCount(); ++r) Allinea(r);
}

void GrigliaForze::ImpostaColWidth(int colonna, float twips) {
    setColumnWidth(colonna, static_cast<int>(twips / TwipsPerPixelX(this) + 0.5f));
}

void GrigliaForze::Allinea(int riga) {
    for (int c = 0; c < columnCount(); ++c) {
        QTableWidgetItem* cella = item(riga, c);
        if (!cella) {
            cella = new QTableWidgetItem;
            setItem(riga, c, cella);
        }
        cella->setTextAlignment(Qt::AlignCenter);
        if (riga < fisse_) {
            cella->setFlags(Qt::ItemIsEnabled);
            cella->setBackground(palette().button());
        } else {
            cella->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            cella->setBackground(QBrush());
        }
    }
}

void GrigliaForze::AddItem(const std::string& riga, int prima) {
    const int r = prima < 0 || prima > rowCount() ? rowCount() : prima;
    insertRow(r);
    if (r < fisse_) ++fisse_;
    Allinea(r);
    size_t inizio = 0;
    for (int c = 0; c < columnCount() && inizio <= riga.size(); ++c) {
        const size_t tab = riga.find('\t', inizio);
        item(r, c)->setText(
            DaAnsi(riga.substr(inizio, tab == std::string::npos ? tab : tab - inizio)));
        if (tab == std::string::npos) break;
        inizio = tab + 1;
    }
}

void GrigliaForze::RemoveItem(int riga) {
    if (riga < 0 || riga >= rowCount()) return;
    removeRow(riga);
    if (riga < fisse_) --fisse_;
}

std::string GrigliaForze::TextMatrix(int riga, int colonna) const {
    const QTableWidgetItem* cella = item(riga, colonna);
    return cella ? AdAnsi(cella->text()) : std::string{};
}

void GrigliaForze::ImpostaTextMatrix(int riga, int colonna, const std::string& testo) {
    if (riga < 0 || riga >= rowCount() || colonna < 0 || colonna >= columnCount()) return;
    if (!item(riga, colonna)) Allinea(riga);
    item(riga, colonna)->setText(DaAnsi(testo));
}

void GrigliaForze::ImpostaSelezione(int primaRiga, int primaColonna, int ultimaRiga,
                                    int ultimaColonna) {
    selInizioRiga_ = primaRiga;
    selInizioColonna_ = primaColonna;
    selFineRiga_ = ultimaRiga;
    selFineColonna_ = ultimaColonna;
    riga_ = primaRiga;
    MostraSelezione();
}

void GrigliaForze::MostraSelezione() {
    interno_ = true;
    clearSelection();
    const int r1 = std::max(selInizioRiga_, fisse_);
    const int r2 = std::min(selFineRiga_, rowCount() - 1);
    const int c2 = std::min(selFineColonna_, columnCount() - 1);
    if (r1 <= r2 && selInizioColonna_ <= c2)
        setRangeSelected(QTableWidgetSelectionRange(r1, selInizioColonna_, r2, c2), true);
    interno_ = false;
}

void GrigliaForze::LeggiSelezioneUtente() {
    const QList<QTableWidgetSelectionRange> scelte = selectedRanges();
    if (scelte.isEmpty()) return;
    const QTableWidgetSelectionRange& s = scelte.front();
    selInizioRiga_ = s.topRow();
    selFineRiga_ = s.bottomRow();
    selInizioColonna_ = s.leftColumn();
    selFineColonna_ = s.rightColumn();
    riga_ = currentRow() >= 0 ? currentRow() : selInizioRiga_;
    colonna_ = currentColumn() >= 0 ? currentColumn() : selInizioColonna_;
}

bool GrigliaForze::viewportEvent(QEvent* evento) {
    const bool r = QTableWidget::viewportEvent(evento);
    if (evento->type() == QEvent::MouseMove) emit MouseMove();
    if (evento->type() == QEvent::MouseButtonRelease && isEnabled() && !selectedRanges().isEmpty())
        emit FineSelezione();
    return r;
}

void GrigliaForze::keyReleaseEvent(QKeyEvent* evento) {
    QTableWidget::keyReleaseEvent(evento);
    switch (evento->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        if (!evento->isAutoRepeat() && isEnabled() && !selectedRanges().isEmpty())
            emit FineSelezione();
        break;
    default:
        break;
    }
}

} // namespace kelvra
