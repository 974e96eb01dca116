// File names and File menus across the windows: a project saved under a name with letters
// of any script, reopened, and shown by every window that names it, on screen and on the
// printed page (the file name as the file system spells it, the language texts around it
// converted from their code page); the default names of the save-as commands; the File
// items that have no command.
#include "components/EditorComponenti.h"
#include "files/FileProgetto.h"
#include "files/Scelte.h"
#include "graphs/Curve01.h"
#include "graphs/Funzioni.h"
#include "graphs/Pulsantiera.h"
#include "graphs/Strumenti.h"
#include "shell/Comandi.h"
#include "shell/ComandiFrmMenu.h"
#include "shell/FrmMenu.h"
#include "support/FinestraReale.h"
#include "support/ProgettoProva.h"
#include "tables/Tab01.h"
#include "tables/TabRiass.h"

#include <filesystem>

using namespace kelvra;
namespace fs = std::filesystem;

namespace {

class FileNames : public test::FinestraReale {
  protected:
    void SetUp() override {
        FinestraReale::SetUp();
        RegistraFrmMenu(), RegistraTabelle(), RegistraGrafici(), RegistraFileProgetto();
        RegistraEditorComponenti();
    }
    void TearDown() override {
        delete CURVE01::Istanza();
        FinestraReale::TearDown();
    }
    // The text the next modal window of class F shows, as `leggi` reads it.
    template <class F> QString Modale(const std::function<QString(F&)>& leggi, auto mostra) {
        QString letto;
        scelte.RispondiModale([&](QWidget* w) {
            letto = leggi(*qobject_cast<F*>(w));
            return 0;
        });
        mostra();
        return letto;
    }
    // The title of the page `stampa` prints.
    QString Stampato(const std::function<void()>& stampa) {
        scelte.stampe.clear();
        stampa();
        return scelte.stampe.empty() ? QString() : QString::fromStdString(scelte.stampe[0].titolo);
    }
    static QString L(const std::vector<std::string>& sezione, int riga) {
        return DaAnsi(Riga(sezione, riga));
    }
    RisposteDialoghi scelte;
};

TEST_F(FileNames, EveryWindowShowsTheReopenedFileNameAsTheFileSystemSpellsIt) {
    struct Caso {
        const char* file;
        bool (*salva)(const std::string&, int16_t);
        void (*apri)();
    } casi[] = {{"Dämpfer 東京.kvp", &SalvaProgetto, &ApriProgetto},
                {"Пружина.kvr", &SalvaMolla, &ApriMolla}};
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.file);
        const std::string percorso = (fs::path(cartella.path().toStdString()) / c.file).string();
        Progetti[1] = Progetto{};
        test::RiempiProgetto(Progetti[1]);
        NumeroProgetti = ProgettoSelezionato = 1;
        ASSERT_TRUE(c.salva(percorso, 1));
        Progetti[1].NomeConfigurazione.clear(); // only the reader names the configuration
        scelte.fileDaAprire.push_back(percorso);
        c.apri();
        ASSERT_EQ(Progetti[1].NomeConfigurazione, percorso);

        const QString nome = QString::fromUtf8(fs::path(c.file).stem().string());
        const QString trattino = QStringLiteral(" - ");
        Ganci.MostraFrmMenu(*main);
        Ganci.MostraInsGeo(*main, false);
        Ganci.MostraCurve01();
        QCoreApplication::processEvents();
        FUNZIONI& legenda = FUNZIONI::Crea();
        MostraLegenda(legenda, false);
        const std::pair<QString, QString> viste[] = {
            {FRMMENU::Istanza()->windowTitle(), L(TestiFrmMenu, 0) + trattino + nome},
            {ed->windowTitle(), L(TestiInsGeo01, 0) + trattino + nome},
            {CURVE01::Istanza()->windowTitle(), L(TestiCurve, 0) + trattino + nome},
            {legenda.LblEscludiCurva[1]->text(), nome},
            {Modale<TAB01>([](TAB01& t) { return t.CmbSceltaConf->itemText(0); },
                           Ganci.MostraTab01),
             nome},
            {Modale<TABRIASS>([](TABRIASS& t) { return t.CmbSceltaConf->itemText(0); },
                              Ganci.MostraTabRiass),
             nome},
            // The printed pages' titles.
            {Stampato([] { ComandoFileGrafici(11, *CURVE01::Istanza()); }),
             L(TestiCurve, 0) + trattino + nome},
            {Stampato([this] { ed->CmdStampa_Click(); }), L(TestiInsGeo01, 0) + trattino + nome},
            {Stampato([this] {
                 Modale<TAB01>([](TAB01& t) { return t.CmdStampa_Click(), QString(); },
                               Ganci.MostraTab01);
             }),
             L(TestiTabelle, 0) + trattino + nome},
        };
        for (size_t i = 0; i < std::size(viste); ++i)
            EXPECT_EQ(viste[i].first.toStdString(), viste[i].second.toStdString()) << i;
    }
}

// A default file name is a language text in the code page: every save-as command writes it
// under the name the file system spells in UTF-8.
TEST_F(FileNames, DefaultNamesOfEverySaveAsCommandAreUtf8) {
    TestiCommon[12] = "Proj\xE9t", TestiInsGeo01[4] = "Mol\xE9"; // "Projét", "Molé"
    std::vector<std::string> scritti;
    auto registra = [&](const std::string& nome, int16_t) { return scritti.push_back(nome), true; };
    Ganci.SalvaProgetto = Ganci.SalvaMolla = registra;
    NumeroProgetti = ProgettoSelezionato = 1;
    Ganci.MostraFrmMenu(*main);
    Ganci.MostraCurve01();
    SalvaCome(MOD_PROGETTO);
    PassoSalvataggioTipo(MOD_MOLLA, false);
    ComandoMolla(5, *FRMMENU::Istanza());
    // The graph window's Save as goes through the save chooser: with geometry, shock absorber
    // and spring held, its OK saves the whole project.
    Progetti[1].GeometriaInserita = Progetti[1].AmmortizzatoreInserito = VERO;
    Progetti[1].MollaInserita = VERO;
    scelte.RispondiModale([](QWidget* w) {
        qobject_cast<SceltaSave*>(w)->CmdOK->click();
        return 0;
    });
    ComandoFileGrafici(7, *CURVE01::Istanza());
    const std::string progetto = PercorsoApplicazione + "Projét 01.kvp",
                      molla = PercorsoApplicazione + "Molé 01.kvr";
    EXPECT_EQ(scritti, (std::vector<std::string>{progetto, molla, molla, progetto}));
}

// An item with no command behind it is not offered.
TEST_F(FileNames, FileMenusOfferNoItemWithoutACommand) {
    Ganci.MostraFrmMenu(*main);
    Ganci.MostraInsGeo(*main, false);
    Ganci.MostraCurve01();
    QCoreApplication::processEvents();
    const std::pair<std::map<int, QAction*>*, int> nascoste[] = {
        {&FRMMENU::Istanza()->FileItem, 7}, // delete project
        {&ed->FileItem, 7},
        {&ed->SchemaItem, 2},               // a chain by dimensions
        {&CURVE01::Istanza()->FileItem, 6}, // save
        {&CURVE01::Istanza()->FileItem, 8},
    };
    for (const auto& [voci, k] : nascoste) EXPECT_FALSE(voci->at(k)->isVisible()) << k;
    for (auto* f : {&FRMMENU::Istanza()->FunzioniItem, &ed->FunzioniItem})
        EXPECT_FALSE(f->at(1)->isEnabled()); // the reverse function
}

} // namespace
