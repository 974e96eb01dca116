// The detailed result table of a 750-point project in its widest layout (state code 15:
// eighteen columns, 751 rows), with the language file loaded so the headings are the real
// ones: opening it (the window built, its texts set, the grid filled, shown and painted once)
// and changing its step (to 5 points and back, each painted), each beside a bare QTableView of
// the same size over a model that holds the same texts, timed in the same run.
#include "core/Lingua.h"
#include "core/Progetti.h"
#include "core/Unita.h"
#include "support/ProgettoRisolto.h"
#include "tables/LayoutTabelle.h"
#include "tables/Tab01.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QTableView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>

using namespace kelvra;

namespace {

// The texts of the table at a step, as a plain model holds them.
struct Testi {
    QStringList intestazioni;
    std::vector<std::vector<QString>> celle;
};

Testi TestiTabella(int passo) {
    const Progetto& P = Progetti[1];
    const QStringList teste = QString::fromStdString(InUtf8(RigaIntestazioni(15))).split('\t');
    const QStringList unita = QString::fromStdString(InUtf8(RigaUnitaMisura(15))).split('\t');
    Testi t;
    for (int c = 0; c < teste.size(); ++c) t.intestazioni.append(teste[c] + '\n' + unita[c]);
    const ValoriTabella valori(P, 15, FormatoCorsaPerSistema(SISTEMA_METRICO, {}));
    for (int k = 0; k < RigheValori(P, 15, passo); ++k) {
        auto& riga = t.celle.emplace_back();
        for (int c = 0; c < valori.Colonne(); ++c)
            riga.push_back(QString::fromStdString(valori.Cella(k * passo, c)));
    }
    return t;
}

class ModelloTesti : public QAbstractTableModel {
  public:
    void Imposta(const Testi* t) {
        beginResetModel();
        t_ = t;
        endResetModel();
    }
    int rowCount(const QModelIndex& = {}) const override {
        return static_cast<int>(t_->celle.size());
    }
    int columnCount(const QModelIndex& = {}) const override {
        return static_cast<int>(t_->intestazioni.size());
    }
    QVariant data(const QModelIndex& i, int ruolo) const override {
        if (ruolo == Qt::DisplayRole)
            return t_
                ->celle[static_cast<std::size_t>(i.row())][static_cast<std::size_t>(i.column())];
        if (ruolo == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
        return {};
    }
    QVariant headerData(int s, Qt::Orientation o, int ruolo) const override {
        if (o == Qt::Horizontal && ruolo == Qt::DisplayRole) return t_->intestazioni[s];
        return {};
    }

  private:
    const Testi* t_ = nullptr;
};

// The grid's size, row height and column widths, so that the bare view shows as much.
QSize dimensioneGriglia;
int altezzaRiga = 0;
std::vector<int> larghezze;

void ComeLaGriglia(QTableView& vista) {
    vista.verticalHeader()->hide();
    vista.verticalHeader()->setDefaultSectionSize(altezzaRiga);
    vista.resize(dimensioneGriglia);
    for (std::size_t c = 0; c < larghezze.size(); ++c)
        vista.setColumnWidth(static_cast<int>(c), larghezze[c]);
}

// The bare view over a model of the given texts, shaped as the grid and painted once.
void MostraVista(QTableView& vista, ModelloTesti& modello, const Testi& testi) {
    modello.Imposta(&testi);
    vista.setModel(&modello);
    ComeLaGriglia(vista);
    vista.show();
    QCoreApplication::processEvents();
}

void ApriTabellaDettagliata(benchmark::State& state) {
    for (auto _ : state) {
        TAB01 tabella;
        tabella.Form_Load();
        tabella.Form_Activate();
        tabella.show();
        QCoreApplication::processEvents(); // laid out and painted once
        benchmark::DoNotOptimize(tabella.Grid->Rows());
    }
}
BENCHMARK(ApriTabellaDettagliata)->Unit(benchmark::kMillisecond);

void ApriQTableView(benchmark::State& state) {
    const Testi testi = TestiTabella(1);
    for (auto _ : state) {
        ModelloTesti modello;
        QTableView vista;
        MostraVista(vista, modello, testi);
        benchmark::DoNotOptimize(modello.rowCount());
    }
}
BENCHMARK(ApriQTableView)->Unit(benchmark::kMillisecond);

// The grid alone, filled as the table window fills it.
void RiempiGriglia(Griglia& g, int passo) {
    const Progetto& P = Progetti[1];
    Griglia::Blocco blocco(g);
    g.SetFixedRows(0);
    g.SetFixedCols(0);
    g.SetRows(0);
    g.SetCols(NumeroColonneLayout(15));
    g.AddItem(RigaIntestazioni(15));
    g.AddItem(RigaUnitaMisura(15));
    g.AddItemsCalcolati(RigheValori(P, 15, passo),
                        [v = ValoriTabella(P, 15, FormatoCorsaPerSistema(SISTEMA_METRICO, {})),
                         passo](int k, int c) { return v.Cella(k * passo, c); });
    g.SetFixedRows(2);
    for (int c = 0; c < g.Cols(); ++c) {
        g.SetColWidth(c, 2000);
        g.SetFixedAlignment(c, Griglia::CENTRATO);
        g.SetColAlignment(c, Griglia::CENTRATO);
    }
    g.AdattaLarghezzeIntestazioni();
}

void ApriGriglia(benchmark::State& state) {
    for (auto _ : state) {
        Griglia g;
        RiempiGriglia(g, 1);
        g.resize(dimensioneGriglia);
        g.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(g.Rows());
    }
}
BENCHMARK(ApriGriglia)->Unit(benchmark::kMillisecond);

void CambiaPassoGriglia(benchmark::State& state) {
    Griglia g;
    RiempiGriglia(g, 1);
    g.resize(dimensioneGriglia);
    g.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        for (int passo : {5, 1}) {
            RiempiGriglia(g, passo);
            QCoreApplication::processEvents();
        }
        benchmark::DoNotOptimize(g.Rows());
    }
}
BENCHMARK(CambiaPassoGriglia)->Unit(benchmark::kMillisecond);

void CambiaPassoTabella(benchmark::State& state) {
    TAB01 tabella;
    tabella.Form_Load();
    tabella.Form_Activate();
    tabella.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        for (int opzione : {1, 0}) {
            tabella.OptSceltaPasso[static_cast<std::size_t>(opzione)]->click();
            QCoreApplication::processEvents();
        }
        benchmark::DoNotOptimize(tabella.Grid->Rows());
    }
}
BENCHMARK(CambiaPassoTabella)->Unit(benchmark::kMillisecond);

void CambiaModelloQTableView(benchmark::State& state) {
    const Testi passo1 = TestiTabella(1), passo5 = TestiTabella(5);
    ModelloTesti modello;
    QTableView vista;
    MostraVista(vista, modello, passo1);
    for (auto _ : state) {
        for (const Testi* t : {&passo5, &passo1}) {
            modello.Imposta(t);
            ComeLaGriglia(vista); // a reset gives the columns their default width again
            QCoreApplication::processEvents();
        }
        benchmark::DoNotOptimize(modello.rowCount());
    }
}
BENCHMARK(CambiaModelloQTableView)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    // The language file in a folder of its own, as the program finds it beside itself.
    QTemporaryDir cartella;
    const QString lingua = QCoreApplication::applicationDirPath() + "/Kelvra3.lng";
    if (!QFile::copy(lingua, cartella.filePath("Kelvra3.lng"))) return 1;
    PercorsoApplicazione = cartella.path().toStdString() + "/";
    if (!CaricaLingua()) return 1;
    AzzeraTabelle();
    ImpostaUnitaMisura(SistemaUnita = SISTEMA_METRICO);
    test::ProgettoRisolto(1, 15, MAX_PUNTI);
    ProgettoSelezionato = 1;
    {
        TAB01 tabella;
        tabella.Form_Load();
        tabella.Form_Activate();
        tabella.show();
        QCoreApplication::processEvents();
        dimensioneGriglia = tabella.Grid->size();
        altezzaRiga = tabella.Grid->verticalHeader()->defaultSectionSize();
        for (int c = 0; c < tabella.Grid->Cols(); ++c)
            larghezze.push_back(tabella.Grid->columnWidth(c));
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
