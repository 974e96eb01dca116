// Saved and reopened: random projects of every junction kind, each with a shock absorber, gas,
// spring, bump stop and preload entered the way the windows enter them, solved, written by the
// project writer, read back by the reader (the start screen's and the editor's File, Open, and
// a compare into the next slot) and solved again. Every result curve and count must come back
// bit for bit; so must the curves after a component file is read back into its project and
// after a slot copy, and at once after a component changed by its window's OK or its file.
#include "components/DatiComponenti.h"
#include "components/EditorComponenti.h"
#include "core/DatiStatici.h"
#include "core/Unita.h"
#include "files/Assegna.h"
#include "files/FileProgetto.h"
#include "files/Record.h"
#include "graphs/Curve01.h"
#include "graphs/StatoGrafico.h"
#include "shell/Comandi.h"
#include "support/CartellaProva.h"
#include "support/FinestraReale.h"
#include "support/RisposteDialoghi.h"
#include "support/ValoriRisultati.h"

#include <cmath>
#include <memory>
#include <random>
#include <sstream>

using namespace kelvra;
using kelvra::test::PrimaDifferenza;
using kelvra::test::Risultati;
using kelvra::test::Valori;

namespace {

class SavedAndReopened : public test::FinestraReale {
  protected:
    void SetUp() override {
        FinestraReale::SetUp(), RegistraFileProgetto(), RegistraEditorComponenti();
        // The editors a component reader opens stay closed: the user cancels them.
        Ganci.MostraInsAmmortizzatore = Ganci.MostraInsMolla = Ganci.MostraInsTampone = [] {};
    }

    // A number typed with two decimals in the unit system in use, as the windows read it.
    double Digitato(double daMm, double aMm) {
        const double f = FattoreUnita[UNITA_LUNGHEZZA];
        const double testo =
            std::uniform_int_distribution<int>(int(daMm * f * 100), int(aMm * f * 100))(caso) /
            100.0;
        return LeggiValore(std::to_string(testo), UNITA_LUNGHEZZA);
    }
    QString Coordinata(double mm) {
        return QString::number(mm * (1 + std::uniform_real_distribution<double>(-0.08, 0.08)(caso)),
                               'f', 2);
    }
    // The linkages typed into the editor, one per junction kind (the last has three junctions):
    // each element's letter (A link, S rocker, M shock absorber) and its points, relative to the
    // point before, mm.
    void Geometria(int tipo) {
        static const char* const tipi[] = {
            "M -150 250",                                                // swingarm-shock
            "A 200 -100 S 100 -100 150 -20 M 50 200",                    // link-rocker
            "S 250 -100 300 0 A 350 -200 M -100 300",                    // rocker-link
            "A 250 -100 A 350 -150 M 0 250",                             // two links
            "A 200 -100 S 100 -100 150 -20 A 100 50 A 100 -80 M 50 200", // two junctions
            "A 200 -100 S 100 -100 150 -20 A 100 50 A 100 -80 A 60 60 A 90 -40 M -100 200"};
        std::istringstream in(tipi[tipo]);
        for (char e; in >> e;) {
            const bool asta = e == 'A', squadretta = e == 'S';
            (asta ? ed->CmdAsta : squadretta ? ed->CmdSquadretta : ed->CmdMolla)->click();
            const std::vector<QLineEdit*> caselle =
                asta         ? std::vector<QLineEdit*>{ed->TxtAstaX, ed->TxtAstaY}
                : squadretta ? std::vector<QLineEdit*>{ed->TxtSquadrettaX[0], ed->TxtSquadrettaY[0],
                                                       ed->TxtSquadrettaX[1], ed->TxtSquadrettaY[1]}
                             : std::vector<QLineEdit*>{ed->TxtMollaX, ed->TxtMollaY};
            for (QLineEdit* c : caselle) {
                double mm;
                in >> mm, Digita(c, Coordinata(mm));
            }
            if (asta) ed->CmdOKAsta->click();
            if (squadretta) ed->CmdOKSquadretta->click();
        }
        if (ed->ChkFix->isEnabled() && caso() % 3 == 0) ed->ChkFix->click();
        Digita(ed->TxtMaxEsc, "150"), ed->CmdOKMolla->click();
    }

    void Molla() {
        const Progetto& p = Progetti[1];
        TabellaComponente t(LeggeForza::Lineare);
        const double sede = p.LungMollaAmmortizzatore > 0 ? p.LungMollaAmmortizzatore : 200;
        t.LiberaMm = sede + Digitato(-3, 15);
        t.CompressaMm = t.LiberaMm - Digitato(60, 110);
        const int n = t.UltimaRiga();
        const int meta = std::uniform_int_distribution<int>(1, n - 1)(caso);
        t.RiempiCostante(0, meta, Digitato(5, 60));
        // The rest by a rate, or by the force reached at the last row.
        const bool forza = caso() % 2;
        if (forza)
            t.RiempiForza(meta, n + 1 - meta,
                          t.TabellaForze[size_t(meta - 1)] + Digitato(200, 3000));
        else
            t.RiempiCostante(meta, n + 1 - meta, Digitato(5, 120));
        SalvaDatiMolla(t, forza ? MODO_FORZA : MODO_COSTANTE, int16_t(1 + caso() % 2));
    }
    void Tampone() {
        TabellaComponente t(LeggeForza::Quadratica);
        t.LiberaMm = Digitato(12, 25), t.CompressaMm = Digitato(3, 8);
        t.RiempiCostante(0, t.UltimaRiga() + 1, Digitato(5, 60));
        SalvaDatiTampone(t, MODO_COSTANTE);
    }
    void Ammortizzatore() {
        const Progetto& p = Progetti[1];
        DimensioniAmmortizzatore d;
        d.A = Digitato(20, 50), d.B = Digitato(20, 50), d.Corsa = Digitato(40, 80);
        d.Interasse = p.LunghezzaStaticaAmmortizzatore + Digitato(0, 20);
        ConfermaAmmortizzatore(d);
    }
    void Gas() { // now and then the charge is cleared
        const bool via = caso() % 4 == 0;
        ImpostaGas(via ? 0 : static_cast<float>(Digitato(1, 20) * FattoreUnita[UNITA_LUNGHEZZA]),
                   via ? 0 : static_cast<float>(Digitato(10, 40)));
    }
    void Precarico() { ConfermaPrecarico(Digitato(0, 10)); }
    // A component made at random, written to a file and read into the project as it was.
    template <void (SavedAndReopened::*fai)(), bool (*salva)(const std::string&, int16_t),
              void (*apri)()>
    void DaFile() {
        const auto prima = std::make_unique<Progetto>(Progetti[1]);
        (this->*fai)();
        ASSERT_TRUE(salva(Nome("c"), 1));
        Progetti[1] = *prima, Offri("c"), apri();
    }

    // Project 1 of kind `tipo`: the geometry, then the components in a random order, the
    // shock absorber twice (once before and once after the spring); the solver runs last, as
    // a new simulation would.
    void Costruisci(int tipo) {
        ImpostaUnitaMisura(SISTEMA_METRICO), Geometria(tipo);
        ImpostaUnitaMisura(caso() % 2 ? SISTEMA_METRICO : SISTEMA_IMPERIALE);
        using S = SavedAndReopened;
        std::vector<void (S::*)()> passi = {&S::Ammortizzatore, &S::Tampone, &S::Gas,
                                            &S::Precarico};
        std::shuffle(passi.begin(), passi.end(), caso);
        passi.insert(passi.begin() + long(caso() % 2), &S::Ammortizzatore);
        passi.insert(passi.begin() + long(caso() % passi.size()), &S::Molla);
        passi.push_back(&S::Precarico);
        for (auto passo : passi) (this->*passo)();
        CalcolaCinematica();
    }

    std::string Nome(const std::string& n) const { return PercorsoApplicazione + n; }
    void Scegli(int n) { NumeroProgetti = ProgettoSelezionato = int16_t(n); }
    void Offri(const std::string& file) { scelte.fileDaAprire.push_back(Nome(file)); }

    std::mt19937 caso;
    RisposteDialoghi scelte;
};

TEST_F(SavedAndReopened, EveryCurveComesBackBitForBit) {
    int solutore = 0, statica = 0;
    for (unsigned seme = 1; seme <= 24; ++seme) {
        caso.seed(seme);
        const int tipo = int(seme % 6);
        SCOPED_TRACE("seed " + std::to_string(seme) + " kind " + std::to_string(tipo));
        AzzeraTabelle(), Scegli(1), ed->Form_Activate(), Costruisci(tipo);
        const Valori prima = Risultati(Progetti[1]);
        const auto diverso = [&](size_t n) {
            return PrimaDifferenza(prima, Risultati(Progetti[n]));
        };
        solutore += Progetti[1].NumPunti >= 20, statica += Progetti[1].NumPuntiAmmortizzatore >= 20;
        ASSERT_TRUE(SalvaProgetto(Nome("r.kvp"), 1));

        // The start screen's File, Open in a program started again.
        AzzeraTabelle(), Scegli(1), Offri("r.kvp"), GestisciMenuFileFrmMenu(2);
        EXPECT_EQ(diverso(1), "") << "open";
        // The geometry editor's File, Open over the project it shows.
        Offri("r.kvp"), ed->FileItem_Click(2);
        EXPECT_EQ(CaricatoProgetto, VERO);
        EXPECT_EQ(diverso(1), "") << "editor open";
        // Compared beside itself: the next slot.
        Offri("r.kvp"), dialoghi.Rispondi(vbNo), ConfrontaProgetti();
        ASSERT_EQ(NumeroProgetti, 2);
        EXPECT_EQ(diverso(2), "") << "compare";

        // Each component file read back into the project it came from.
        for (const auto& [salva, apri] : {std::pair{&SalvaAmmortizzatore, &ApriAmmortizzatore},
                                          {SalvaMolla, ApriMolla},
                                          {SalvaTampone, ApriTampone}}) {
            Scegli(1);
            ASSERT_TRUE(salva(Nome("c"), 1));
            Offri("c"), apri(), CalcolaCinematica();
            EXPECT_EQ(diverso(1), "") << "component";
        }
        // A copy of the slot solves as the slot does.
        Ganci.CopiaProgetto(1, 3), Scegli(3), CalcolaCinematica();
        EXPECT_EQ(diverso(3), "") << "copy";

        // The same file as an older program wrote it, without the mark of a preload set in the
        // preload window, opens with the preload it holds.
        files::RecordProgetto vecchio;
        ASSERT_TRUE(files::Decodifica(test::LeggiFile(Nome("r.kvp")), vecchio));
        vecchio.PrecaricoImpostato = 0, test::ScriviFile(Nome("v.kvp"), files::Codifica(vecchio));
        Scegli(1), Offri("v.kvp"), ApriProgetto();
        const Valori dopo = Risultati(Progetti[1]);
        EXPECT_EQ(PrimaDifferenza({prima.begin() + 1, prima.end()}, {dopo.begin() + 1, dopo.end()}),
                  "")
            << "older file";
    }
    // The cases are mostly linkages that move and springs that fit, not refusals.
    EXPECT_GE(solutore, 15);
    EXPECT_GE(statica, 10);
}

// Each change of a component of a computed project shows at once what a save and a reopen give.
TEST_F(SavedAndReopened, EveryComponentChangeShowsAtOnceWhatAReopenGives) {
    using S = std::remove_pointer_t<decltype(this)>;
    const std::pair<const char*, void (S::*)()> cambi[] = {
        {"spring", &S::Molla},
        {"bump stop", &S::Tampone},
        {"shock absorber", &S::Ammortizzatore},
        {"gas", &S::Gas},
        {"preload", &S::Precarico},
        {"spring file", &S::DaFile<&S::Molla, SalvaMolla, ApriMolla>},
        {"bump-stop file", &S::DaFile<&S::Tampone, SalvaTampone, ApriTampone>},
        {"shock absorber file",
         &S::DaFile<&S::Ammortizzatore, SalvaAmmortizzatore, ApriAmmortizzatore>}};
    int cambiati = 0;
    for (unsigned seme = 31; seme <= 36; ++seme) {
        caso.seed(seme);
        AzzeraTabelle(), Scegli(1), ed->Form_Activate(), Costruisci(int(seme % 6));
        for (const auto& [nome, cambia] : cambi) {
            SCOPED_TRACE("seed " + std::to_string(seme) + ", " + nome);
            const Valori prima = Risultati(Progetti[1]);
            (this->*cambia)();
            const Valori dopo = Risultati(Progetti[1]);
            cambiati += PrimaDifferenza(prima, dopo) != "";
            ASSERT_TRUE(SalvaProgetto(Nome("Prüfung ñ.kvp"), 1));
            AzzeraTabelle(), Scegli(1), Offri("Prüfung ñ.kvp"), GestisciMenuFileFrmMenu(2);
            ASSERT_EQ(PrimaDifferenza(dopo, Risultati(Progetti[1])), "");
        }
    }
    EXPECT_GE(cambiati, 40); // the changes are mostly real ones
}

// The graph window open on the wheel rate draws at once the rate of a spring made twice as stiff
// (the spring window's OK commits it as here).
TEST_F(SavedAndReopened, ADoubledSpringDoublesTheChartedWheelRateAtOnce) {
    RegistraGrafici();
    caso.seed(16), ImpostaUnitaMisura(SISTEMA_METRICO), Geometria(1);
    ConfermaAmmortizzatore({40, 40, 60, std::ceil(Progetti[1].LunghezzaStaticaAmmortizzatore) + 5});
    const auto molla = [](double rigidezza) {
        TabellaComponente t(LeggeForza::Lineare);
        t.LiberaMm = Progetti[1].LungMollaAmmortizzatore + 5, t.CompressaMm = t.LiberaMm - 80;
        t.RiempiCostante(0, t.UltimaRiga() + 1, rigidezza);
        SalvaDatiMolla(t, MODO_COSTANTE, 1);
    };
    molla(95);
    MostraGrafici(1);
    ASSERT_NE(CURVE01::Istanza(), nullptr);
    CURVE01::Istanza()->CmdCurve[14]->click();
    const double prima = Grafico.YMaxProgetto[1];
    molla(190);
    EXPECT_NEAR(Grafico.YMaxProgetto[1] / prima, 2, 0.01) << prima;
    delete CURVE01::Istanza();
}

// The project reader's notices, each in its own sentence of the language file (not in the
// start screen's tooltips that sit before them).
TEST_F(SavedAndReopened, TheReaderTellsWhatTheFileLacksInItsOwnWords) {
    files::RecordProgetto r;
    r.Geometria.TipoElemento[0] = "F";
    r.NomeFileAmmortizzatore = std::string(100, '\0');
    r.NomeFileTampone = files::PercorsoInRecord("/x/t.kvt");
    test::ScriviFile(Nome("vuoto.kvp"), files::Codifica(r));
    Offri("vuoto.kvp"), ApriProgetto();
    std::vector<std::string> testi;
    for (const auto& m : dialoghi.mostrati) testi.push_back(m.testo);
    EXPECT_EQ(testi,
              (std::vector<std::string>{
                  "The project file holds no geometry.",
                  "The project file holds no shock absorber.", "The project file holds no spring.",
                  "The project file names a bump stop file but holds no bump stop data."}));
}

} // namespace
