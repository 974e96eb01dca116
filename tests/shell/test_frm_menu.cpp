// The start screen on the real window offscreen: enabling by state, thumbnails drawn to one
// scale, thumbnail clicks, the compares' target slots, the buttons' commands and hints.
#include "core/Lingua.h"
#include "core/Vista.h"
#include "platform/Testo.h"
#include "shell/FrmMenu.h"
#include "shell/Miniature.h"
#include "support/ProgrammaAvviato.h"

#include <QTest>

using namespace kelvra;

namespace {

// A chain of the swingarm and one link on the given swingarm.
void Catena(int p, Punto perno, Punto asse) {
    Progetto& pr = Progetti[size_t(p)];
    pr.DatiForcellone.P = {perno, asse, Punto{perno.X + 200, perno.Y + 50}};
    pr.TipoElemento[0] = "F";
    pr.TipoElemento[1] = "A";
    pr.DatiAsta[1].P = {pr.DatiForcellone.P[2], Punto{perno.X + 150, perno.Y + 250}, {}};
    pr.UltimoElemento = 1;
    pr.GeometriaInserita = VERO;
}
const Punto PERNO{550, 400}, ASSE{1020, 350}; // the default swingarm

// Columns from the leftmost to the rightmost holding red (the swingarm), 0 when none.
int ColonneRosse(const QImage& im) {
    int da = -1, a = -2;
    for (int x = 0; x < im.width(); ++x)
        for (int y = 0; y < im.height(); ++y)
            if (QColor c = im.pixelColor(x, y); c.red() > 200 && c.green() < 90 && c.blue() < 90)
                a = (da < 0 ? da = x : x);
    return a - da + 1;
}
bool Bianca(const QImage& im) {
    QImage bianca(im.size(), im.format());
    bianca.fill(Qt::white);
    return im == bianca;
}

class StartScreen : public test::ProgrammaAvviato {
  protected:
    void PrimaDellAvvio() override {
        AzzeraVista();
        Ganci = {};
        RegistraFrmMenu();
        Ganci.MostraInsGeo = [this](MAIN&, bool) { editore.push_back(NumeroProgetti); };
    }
    void SetUp() override {
        ProgrammaAvviato::SetUp();
        if (HasFatalFailure()) return;
        MostraMain();
        f = FRMMENU::Istanza();
        ASSERT_NE(f, nullptr);
    }
    void TearDown() override {
        delete MAIN::Istanza();
        delete FRMMENU::Istanza();
        Ganci = {};
        ProgrammaAvviato::TearDown();
        AzzeraLingua();
        AzzeraVista();
    }
    void Held(int n) {
        for (int p = 1; p <= n; ++p) Catena(p, PERNO, ASSE);
        NumeroProgetti = ProgettoSelezionato = static_cast<int16_t>(n);
    }
    void Sposta(QWidget* w, QPointF p = {3, 3}) {
        QMouseEvent ev(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, Qt::NoButton,
                       Qt::NoModifier);
        QApplication::sendEvent(w, &ev);
    }

    FRMMENU* f = nullptr;
    std::vector<int16_t> editore;
};

// The enabling in states 0 and 7 (everything but the bump stop), against the table of menu
// items and button pairs.
TEST_F(StartScreen, EnablingFollowsTheStateCode) {
    for (int stato : {0, 7}) {
        SCOPED_TRACE(stato);
        const bool on = stato == 7;
        Progetti[1].StatoDatiProgetto = static_cast<int16_t>(stato);
        f->Form_Activate();
        for (int m : {7, 8, 9}) EXPECT_EQ(f->MenuItem[m]->menuAction()->isEnabled(), on) << m;
        const QAction* voci[] = {f->FileItem[6], f->SchemaItem[6], f->AmmortizzatoreItem[5],
                                 f->MollaItem[5], f->TamponeItem[5]};
        const int pulsanti[] = {2, 6, 10, 14, 18, 21, 22};
        for (size_t i = 0; i < 7; ++i) {
            const bool atteso = on && i != 4;
            EXPECT_TRUE(i > 4 || voci[i]->isEnabled() == atteso) << i;
            EXPECT_EQ(f->CmdMenu[pulsanti[i]]->isVisibleTo(f), atteso) << pulsanti[i];
            EXPECT_EQ(f->CmdMenu[pulsanti[i] + 50]->isVisibleTo(f), !atteso);
        }
        EXPECT_FALSE(f->FileItem[4]->isEnabled()); // one project: nothing to close
        EXPECT_TRUE(f->UnitaItem[1]->isChecked());
        for (auto [k, riga] : {std::pair{1, 0}, std::pair{2, 6}}) // as in the other windows
            EXPECT_EQ(f->UnitaItem[k]->text(), DaAnsi(Riga(TestiUnita, riga)));
    }
}

// All six thumbnails share the extent of the newest project: a second, longer swingarm
// (pivot x 550, length 500, axle y 490: 1540 mm) shrinks the first by 1372.65 / 1540.
TEST_F(StartScreen, ThumbnailsShareTheNewestProjectsScaleAndRefuseWhatCannotBeDrawn) {
    Held(1);
    EXPECT_NEAR(EstensioneMiniature(1), 1372.65, 0.01);
    f->Form_Activate();
    const double prima = ColonneRosse(f->CmdIcon[0]->Immagine());
    ASSERT_GT(prima, 0);
    for (int i = 1; i < 6; ++i) EXPECT_TRUE(Bianca(f->CmdIcon[size_t(i)]->Immagine())) << i;

    Catena(2, Punto{550, 350}, Punto{1030, 490});
    NumeroProgetti = 2;
    EXPECT_NEAR(EstensioneMiniature(2), 1540.0, 0.01);
    f->Form_Activate();
    // Round caps add the pen width to the swingarm's span.
    const double w = LarghezzaForcellone, dopo = ColonneRosse(f->CmdIcon[0]->Immagine());
    EXPECT_NEAR((dopo - w) / (prima - w), 1372.65 / 1540.0, 0.015);
    EXPECT_FALSE(Bianca(f->CmdIcon[1]->Immagine()));
    EXPECT_TRUE(Bianca(f->CmdIcon[2]->Immagine()));
    // Nothing is drawn, and nothing divides by zero, for pictures or extents that cannot hold a
    // drawing or a slot with no chain or more elements than it can hold.
    const float inf = std::numeric_limits<float>::infinity(), e = 1372.65f;
    using Caso = std::tuple<int, float, int16_t>; // picture width, extent, last element
    for (auto [larghezza, estensione, ultimo] :
         {Caso{0, e, 1}, Caso{240, 0, 1}, Caso{240, -10, 1}, Caso{240, std::nanf(""), 1},
          Caso{240, inf, 1}, Caso{240, e, 0}, Caso{240, e, 11}, Caso{240, e, -1}}) {
        Held(1);
        Progetti[1].UltimoElemento = ultimo;
        SuperficieQt pic(larghezza, 180, 96, 2);
        EXPECT_FALSE(DisegnaMiniatura(pic, 1, estensione)) << larghezza << " " << ultimo;
        EXPECT_TRUE(Bianca(pic.Immagine()));
    }
}

// A click opens the editor on the clicked slot, never past the first slot after those held;
// the slots above stay drawn.
TEST_F(StartScreen, ThumbnailClickSelectsAtMostTheNextSlot) {
    for (auto [tenuti, miniatura, atteso] :
         {std::array{6, 2, 3}, std::array{2, 5, 3}, std::array{1, 0, 1}, std::array{3, 3, 4}}) {
        Held(tenuti);
        editore.clear();
        QTest::mouseClick(f->CmdIcon[size_t(miniatura)], Qt::LeftButton);
        EXPECT_EQ(NumeroProgetti, atteso) << tenuti << " " << miniatura;
        EXPECT_EQ(ProgettoSelezionato, atteso);
        EXPECT_EQ(editore, std::vector<int16_t>{int16_t(atteso)});
    }
    Held(6);
    QTest::mouseClick(f->CmdIcon[2], Qt::LeftButton);
    f->Form_Activate();
    EXPECT_FALSE(Bianca(f->CmdIcon[5]->Immagine()));
}

// The compares append after the projects held: slot 1 only while one project lacking the kind
// is held, no seventh slot; a failed pass takes back its copy, the selection stays on the last.
TEST_F(StartScreen, ComparesAppendAfterTheHeldProjects) {
    struct Caso {
        const char* nome;
        int pulsante, tenuti;
        bool primoVuoto;
        std::deque<bool> caricamenti;     // each pass's load
        std::deque<int> risposte;         // to "another one?"
        std::vector<int16_t> slot, copie; // loaded into, copied into
        int16_t numero, selezionato;
        int domande, beep;
        int16_t svuotato; // a slot whose chain must be gone, or 0
    };
    const Caso casi[] = {
        {"schema, empty start", 7, 1, true, {true}, {vbNo}, {1}, {}, 1, 1, 1, 0, 0},
        {"3 held, 1 empty", 7, 3, true, {true, true}, {vbYes, vbNo}, {4, 5}, {}, 5, 5, 2, 0, 0},
        {"schema, to slot 6", 7, 5, false, {true}, {}, {6}, {}, 6, 6, 0, 0, 0},
        {"schema, failed load", 7, 2, false, {false}, {}, {3}, {}, 2, 1, 0, 0, 0},
        {"spring, 1 held", 15, 1, false, {true}, {vbNo}, {1}, {}, 1, 1, 1, 0, 0},
        {"spring, cancelled", 15, 2, false, {true, false}, {vbYes}, {3, 4}, {3, 4}, 3, 3, 1, 0, 4},
        {"bump stop, six held", 19, 6, false, {}, {}, {}, {}, 6, 1, 0, 1, 0},
        {"bump stop, to slot 6", 19, 5, false, {true}, {}, {6}, {6}, 6, 6, 0, 0, 0},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        AzzeraProgramma();
        Held(c.tenuti);
        ProgettoSelezionato = 1;
        if (c.primoVuoto) Progetti[1].UltimoElemento = 0;
        if (c.pulsante != 7)
            for (int p = 2; p <= c.tenuti; ++p) Progetti[size_t(p)].MollaInserita = VERO;
        std::deque<bool> caricamenti = c.caricamenti;
        std::vector<int16_t> slot, copie;
        auto apri = [&](int16_t& caricato) {
            slot.push_back(NumeroProgetti);
            EXPECT_EQ(ProgettoSelezionato, NumeroProgetti);
            caricato = caricamenti.front() ? VERO : FALSO;
            caricamenti.pop_front();
            if (Vero(caricato)) Progetti[size_t(NumeroProgetti)].UltimoElemento = 1;
        };
        Ganci.ApriSchema = [&] { apri(CaricatoSchema); };
        Ganci.ApriMolla = [&] { apri(CaricatoMolla); };
        Ganci.ApriTampone = [&] { apri(CaricatoTampone); };
        Ganci.CopiaProgetto = [&](int16_t da, int16_t a) {
            EXPECT_EQ(da, a - 1);
            copie.push_back(a);
            Progetti[size_t(a)] = Progetti[size_t(da)];
        };
        dialoghi.mostrati.clear();
        dialoghi.beep = 0;
        for (int r : c.risposte) dialoghi.Rispondi(r);
        const int16_t numeroPrima = NumeroProgetti;

        f->CmdMenu[c.pulsante]->click();
        EXPECT_EQ(slot, c.slot);
        EXPECT_EQ(copie, c.copie);
        EXPECT_EQ(std::tuple(NumeroProgetti, ProgettoSelezionato, dialoghi.mostrati.size(),
                             dialoghi.beep),
                  std::tuple(c.numero, c.selezionato, size_t(c.domande), c.beep));
        EXPECT_EQ(Vero(EsitoConfronto),
                  NumeroProgetti != numeroPrima || c.slot == std::vector<int16_t>{1});
        EXPECT_TRUE(!c.svuotato || Progetti[size_t(c.svuotato)].UltimoElemento == 0);
    }
}

// Each button stands for its menu item: the exit door ends the program as File, Exit does;
// the twins do nothing.
TEST_F(StartScreen, ButtonsRunTheirMenuItems) {
    std::vector<std::string> fatti;
    const auto fa = [&](const char* cosa) { return [&fatti, cosa] { fatti.push_back(cosa); }; };
    Ganci.ApriSchema = fa("open geometry");
    Ganci.ApriProgetto = fa("open project");
    Ganci.SalvaProgetto = [&](const std::string&, int16_t) { return fa("save project")(), true; };
    Ganci.MostraInsTampone = fa("bump stop editor");
    Ganci.MostraFrmPLoad = fa("preload");
    Ganci.GestisciMenuGuida = [&](int i, MAIN&) { fatti.push_back("help " + std::to_string(i)); };
    const auto domandeUscita = [&] {
        return std::count_if(dialoghi.mostrati.begin(), dialoghi.mostrati.end(),
                             [](const auto& m) { return m.testo == Riga(Messaggi, 0); });
    };
    for (int b : {1, 2, 3, 24, 5, 16, 20, 23}) f->CmdMenu_Click(b);
    for (int b : {52, 56, 71}) f->CmdMenu_Click(b);
    EXPECT_EQ(fatti,
              (std::vector<std::string>{"open project", "save project", "open project",
                                        "open geometry", "bump stop editor", "preload", "help 1"}));
    EXPECT_EQ(domandeUscita(), 1); // the exit door asks as File, Exit does (answered No)
    f->FileItem[13]->trigger();
    EXPECT_EQ(domandeUscita(), 2);
}

// A modal editor that commits leaves the screen showing the new state, although the frame
// runs no activation when the focus comes back.
TEST_F(StartScreen, ModalWindowsReturnToAnActivatedScreen) {
    Held(1);
    Progetti[1].StatoDatiProgetto = 1;
    f->Form_Activate();
    Ganci.MostraInsMolla = [] { Progetti[1].StatoDatiProgetto = 3; };
    f->CmdMenu[12]->click();
    EXPECT_TRUE(f->MollaItem[5]->isEnabled());
    EXPECT_TRUE(f->CmdMenu[14]->isVisibleTo(f));
    EXPECT_FALSE(f->CmdMenu[64]->isVisibleTo(f));
}

// Hovering a button shows its hint under the button; a twin repeats the hint of the button
// last hovered at its own place; a thumbnail names its project.
TEST_F(StartScreen, HintsOfButtonsAndThumbnails) {
    for (int i : {10, 60}) {
        f->CmdMenu[i]->show();
        Sposta(f->CmdMenu[i]);
        EXPECT_EQ(Suggerimento(), "Save shock absorber as");
        EXPECT_TRUE(f->LblToolTip->isVisibleTo(f));
        EXPECT_EQ(f->LblToolTip->text(), "Save shock absorber as");
        EXPECT_EQ(f->LblToolTip->x(), f->CmdMenu[i]->x());
    }
    emit f->CmdIcon[2]->MouseMove(0, 0, 1, 1);
    EXPECT_EQ(Suggerimento(), "Click to edit Project: 3");
    EXPECT_FALSE(f->LblToolTip->isVisibleTo(f));
}

// From a real button onto the greyed twin beside it: leaving the button clears its hint, and
// the twin shows the hint of the button it stands for.
TEST_F(StartScreen, TwinReachedFromAnotherButtonShowsItsOwnButtonsHint) {
    f->CmdMenu[10]->hide();
    f->CmdMenu[60]->show();
    QEvent entra(QEvent::Enter), esce(QEvent::Leave);
    QCoreApplication::sendEvent(f->CmdMenu[9], &entra), Sposta(f->CmdMenu[9]);
    EXPECT_EQ(Suggerimento(), "Open shock absorber");
    QCoreApplication::sendEvent(f->CmdMenu[9], &esce);
    EXPECT_EQ(Suggerimento(), "");
    QCoreApplication::sendEvent(f->CmdMenu[60], &entra), Sposta(f->CmdMenu[60]);
    EXPECT_EQ(Suggerimento(), "Save shock absorber as");
    EXPECT_EQ(MAIN::Istanza()->Toolbar()->text(), "Save shock absorber as");
    EXPECT_TRUE(f->LblToolTip->isVisibleTo(f));
    EXPECT_EQ(f->LblToolTip->x(), f->CmdMenu[60]->x());
}

} // namespace
