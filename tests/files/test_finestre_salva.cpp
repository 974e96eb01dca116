// The save dialogs and the open and save choosers, driven as a user drives them: the rows each
// dialog offers, the names it shows and writes, and what each chooser opens or saves.
#include "core/Impostazioni.h"
#include "core/Servizi.h"
#include "files/FileProgetto.h"
#include "files/FinestraFile.h"
#include "files/FrmSalva.h"
#include "files/Scelte.h"
#include "platform/SuperficieQt.h"
#include "shell/Comandi.h"
#include "shell/Ganci.h"
#include "support/CartellaProva.h"
#include "support/Risposte.h"
#include "support/RisposteDialoghi.h"

#include <QApplication>
#include <QTest>

using namespace kelvra;
namespace fs = std::filesystem;

namespace {

class SaveWindows : public test::TabelleAzzerate {
  protected:
    void SetUp() override {
        TabelleAzzerate::SetUp();
        for (auto* s : {&Messaggi, &TestiCommon, &TestiInsGeo01, &TestiToolbar}) {
            s->clear();
            for (int i = 0; i < 100; ++i) s->push_back("L" + std::to_string(i));
        }
        ColoreCurva = ColoreCurvaPredefinito, RegistraFileProgetto();
    }
    // The next modal window is handed to `azione` as a window of class F.
    template <class F> void Quando(std::function<void(F&)> azione) {
        scelte.RispondiModale([azione](QWidget* w) { return azione(*qobject_cast<F*>(w)), 0; });
    }
    // Projects 1.. in the state codes given, their data-entered flags with them; n held.
    static void Tieni(int n, std::initializer_list<int16_t> stati) {
        NumeroProgetti = int16_t(n);
        Progetto* p = &Progetti[1];
        for (int16_t s : stati) {
            p->StatoDatiProgetto = s, p->GeometriaInserita = s & 1 ? VERO : FALSO;
            p->MollaInserita = s & 2 ? VERO : FALSO,
            p->AmmortizzatoreInserito = s & 4 ? VERO : FALSO;
            (p++)->TamponeInserito = s & 8 ? VERO : FALSO;
        }
    }
    bool Esiste(const std::string& nome) { return fs::exists(PercorsoApplicazione + nome); }
    test::CartellaProva cartella{"kelvra_salva"};
    RisposteDialoghi scelte;
};

TEST_F(SaveWindows, RowsOfferedForHeldProjectsWithDataOrAChangeOfTheKind) {
    struct Caso {
        int tipo, numero;
        std::initializer_list<int16_t> stati;
        int modificato; // project holding a change of the kind, 0 none
        const char* spuntate;
    } casi[] = {
        {MOD_TAMPONE, 3, {9, 1, 15, 15}, 0, "101000"}, // project 4 is not held
        {MOD_PROGETTO, 2, {15, 1}, 0, "100000"},
        {MOD_PROGETTO, 2, {7, 1}, 2, "110000"}, // a geometry-only change still gets its row
        {MOD_SCHEMA, 2, {1, 2}, 0, "100000"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(&c - casi);
        AzzeraTabelle(), Tieni(c.numero, c.stati);
        if (c.modificato) Progetti[size_t(c.modificato)].ModificatoFile[c.tipo] = VERO;
        Quando<FrmSalva>([&](FrmSalva& f) {
            EXPECT_EQ(f.objectName(), QStringLiteral("FrmSalva0%1").arg(c.tipo + 1));
            for (int i = 1; i <= MAX_PROGETTI; ++i) {
                const bool v = c.spuntate[i - 1] == '1';
                const size_t k = size_t(i);
                EXPECT_EQ(std::tuple(f.ChkSave[k]->isChecked(), f.ChkSave[k]->isEnabled(),
                                     f.RigaDaSalvare(i), f.TxtSalva[k]->isEnabled()),
                          std::tuple(v, v, v ? VERO : FALSO, v))
                    << i;
                EXPECT_EQ(f.TxtSalva[k]->text().isEmpty(), i > c.numero) << i;
            }
            EXPECT_EQ(f.TxtSalva[6]->palette().color(QPalette::Active, QPalette::Text),
                      ColoreQt(0));
        });
        MostraFrmSalva(c.tipo);
    }
    EXPECT_EQ(scelte.finestreModali.size(), std::size(casi));
}

TEST_F(SaveWindows, RowNamesAreShownAndWrittenInTheProgramFolderWithEveryLetter) {
    Tieni(2, {2, 2});
    TestiInsGeo01[4] = "Mol\xE9", Progetti[1].NomeFileMolla = "/elsewhere/Pröve ñ.kvr";
    Quando<FrmSalva>([&](FrmSalva& f) {
        f.show();
        EXPECT_EQ(f.TxtSalva[1]->text(), QString::fromUtf8("Pröve ñ"));
        EXPECT_EQ(f.TxtSalva[2]->text(), QString::fromUtf8("Molé 02"));
        f.ChkSave[1]->click(), f.CmdSalva->click(); // unticked: not saved
        f.TxtSalva[2]->setText(QString::fromUtf8("東京")), f.CmdSalva->click();
        f.TxtSalva[2]->setText(QString::fromUtf8("大阪")), f.CmdSalva->click(); // not one "??"
        EXPECT_TRUE(f.isVisible()); // stays open for other names
        f.ChkSave[1]->click();      // ticked again: enabled, in its colour
        EXPECT_EQ(f.TxtSalva[1]->palette().color(QPalette::Text), ColoreQt(ColoreCurva[1]));
    });
    Ganci.MostraFrmSalvaTipo(MOD_MOLLA);
    for (const char* nome : {"Molé 02.kvr", "東京.kvr", "大阪.kvr"}) EXPECT_TRUE(Esiste(nome));
    EXPECT_FALSE(Esiste("Pröve ñ.kvr"));
    EXPECT_EQ(Progetti[2].NomeFileMolla, PercorsoApplicazione + "大阪.kvr");
}

// Every save dialog: two ticked rows naming one file, however spelt, write nothing and the
// message names the rows; a file not the row's own is replaced only on Yes to a question whose
// default is No, and No skips that row alone; the row's own file goes without a question. Enter
// in a name box or on a row's box presses Save.
TEST_F(SaveWindows, EveryDialogRefusesOneFileTwiceAndAsksBeforeReplacingAnotherFile) {
    for (int tipo = MOD_PROGETTO; tipo <= MOD_TAMPONE; ++tipo) {
        SCOPED_TRACE(tipo);
        AzzeraTabelle(), Tieni(3, {15, 15, 15});
        const TipoFile& t = TipoDiFile(tipo);
        auto file = [&t](const char* nome) { return PercorsoDaTesto(t, nome); };
        Progetto& p1 = Progetti[1]; // projects 2 and 3 alike, 1 not
        p1.LungMollaLibera = p1.QuotaA = p1.LungTamponeScarico = p1.RaggioRuota = 200.f;
        ASSERT_TRUE(GancioSalva(tipo)(file("A"), 1)); // project 1's own file
        const std::string di1 = test::LeggiFile(file("A"));
        // Rows 1..3 ticked where named; Save pressed by Return in row 2's name box or by Enter
        // on its box.
        auto salva = [&](std::array<const char*, 3> nomi, int risposta, Qt::Key tasto) {
            dialoghi.mostrati.clear(), dialoghi.Rispondi(risposta);
            Quando<FrmSalva>([&](FrmSalva& f) {
                f.show();
                for (size_t i = 1; i <= nomi.size(); ++i) {
                    f.ChkSave[i]->setChecked(nomi[i - 1] != nullptr);
                    if (nomi[i - 1]) f.TxtSalva[i]->setText(QString::fromUtf8(nomi[i - 1]));
                }
                QTest::keyClick(tasto == Qt::Key_Return ? (QWidget*)f.TxtSalva[2] : f.ChkSave[2],
                                tasto);
            });
            MostraFrmSalva(tipo);
        };
        salva({"Doppel", "B", " ./Doppel"}, vbOK, Qt::Key_Return);
        ASSERT_EQ(dialoghi.mostrati.size(), 1u);
        EXPECT_EQ(std::tuple(dialoghi.mostrati[0].testo, dialoghi.mostrati[0].stile),
                  std::tuple("L86 1 L87 3 L88\n" + file("Doppel"), vbExclamation + TESTO_UTF8));
        EXPECT_FALSE(fs::exists(file("Doppel")) || fs::exists(file("B")));

        salva({nullptr, "A", "C"}, vbNo, Qt::Key_Enter); // No keeps A; C is written all the same
        ASSERT_EQ(dialoghi.mostrati.size(), 1u);
        EXPECT_EQ(std::tuple(dialoghi.mostrati[0].testo, dialoghi.mostrati[0].stile),
                  std::tuple("L92 L17: 01\n" + file("A") + "\nL93", // A is project 1's
                             vbYesNo + vbQuestion + vbDefaultButton2 + TESTO_UTF8));
        EXPECT_TRUE(test::LeggiFile(file("A")) == di1); // byte for byte
        EXPECT_EQ(Progetti[3].*t.percorso, file("C"));

        salva({nullptr, "A", "C"}, vbYes, Qt::Key_Return); // C is row 3's own now: not asked
        EXPECT_EQ(dialoghi.mostrati.size(), 1u);
        const std::string diA = test::LeggiFile(file("A"));
        EXPECT_TRUE(diA == test::LeggiFile(file("C")) && diA != di1);
    }
}

// A compare leaves project 2 naming a file of project 1 (a component compare copies the first
// project's names and names the file it reads; a project compared with itself names its file).
// Row 2 saving that file asks first, naming project 1: No leaves the file, Yes writes it and
// project 1 shows the kind unsaved. Once row 2 names a file of its own, row 1 saves unasked.
TEST_F(SaveWindows, AFileAnotherProjectNamesAsksNamingIt) {
    struct Caso {
        int confronto, tipo;
        bool aperto; // project 1 opened from its project file, so named by it, before the compare
    } casi[] = {
        {MOD_MOLLA, MOD_AMMORTIZZATORE, false}, // as the user met it
        {MOD_MOLLA, MOD_MOLLA, false},          {MOD_AMMORTIZZATORE, MOD_TAMPONE, false},
        {MOD_TAMPONE, MOD_SCHEMA, false},       {MOD_SCHEMA, MOD_SCHEMA, false},
        {MOD_PROGETTO, MOD_PROGETTO, true}, // compared with itself
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(&c - casi);
        AzzeraTabelle(), Tieni(1, {15});
        Progetto &p1 = Progetti[1], &p2 = Progetti[2];
        p1.LungMollaLibera = p1.QuotaA = p1.LungTamponeScarico = p1.RaggioRuota = 200.f;
        p1.UltimoElemento = 1, p1.TipoElemento[1] = "M"; // a geometry is held: compared beside
        for (const auto& f : fs::directory_iterator(cartella.cartella)) fs::remove(f);
        // Save as with one project; the files that name others come last.
        for (int k = MOD_TAMPONE; k >= MOD_PROGETTO; --k) ASSERT_TRUE(SalvaCome(k));
        if (c.aperto) { // the project as it opens, saved again in its own file
            scelte.fileDaAprire.push_back(p1.NomeFileProgetto), Ganci.ApriProgetto();
            ASSERT_TRUE(SalvaCome(MOD_PROGETTO));
        }
        scelte.fileDaAprire.push_back(p1.*TipoDiFile(c.confronto).percorso);
        if (c.confronto == MOD_PROGETTO)
            ConfrontaProgetti();
        else
            ConfrontaComponente(int16_t(c.confronto)); // No to another file: the prudent answer
        const TipoFile& t = TipoDiFile(c.tipo);
        const std::string file = p1.*t.percorso, prima = test::LeggiFile(file);
        ASSERT_EQ(std::tuple(NumeroProgetti, p2.*t.percorso), std::tuple(2, file));
        p2.LungMollaLibera = p2.QuotaA = p2.LungTamponeScarico = p2.RaggioRuota = 300.f;
        p2.ModificatoFile[c.tipo] = p2.ModificatoFile[MOD_PROGETTO] = VERO; // changed
        dialoghi.mostrati.clear();
        Quando<FrmSalva>([&](FrmSalva& f) {
            f.show(), f.ChkSave[1]->click(); // row 2 alone
            dialoghi.Rispondi(vbNo), f.CmdSalva->click();
            EXPECT_EQ(std::tuple(test::LeggiFile(file) == prima, p1.ModificatoFile[c.tipo],
                                 p2.ModificatoFile[c.tipo]),
                      std::tuple(true, FALSO, VERO));
            dialoghi.Rispondi(vbYes), f.CmdSalva->click();
            EXPECT_EQ(std::tuple(test::LeggiFile(file) == prima, p1.ModificatoFile[c.tipo],
                                 p1.ModificatoFile[MOD_PROGETTO], p2.ModificatoFile[c.tipo]),
                      std::tuple(false, VERO, VERO, FALSO));
            AggiornaModificatoProgetto(1); // as a later save of one kind derives it again
            EXPECT_EQ(p1.ModificatoFile[MOD_PROGETTO], VERO);
            f.TxtSalva[2]->setText(QStringLiteral("Nuovo")), f.CmdSalva->click(); // unasked
            f.ChkSave[1]->click(), f.ChkSave[2]->click(), f.CmdSalva->click();    // row 1 alone
        });
        MostraFrmSalva(c.tipo);
        ASSERT_EQ(dialoghi.mostrati.size(), 2u); // No and Yes; the other saves unasked
        for (const auto& m : dialoghi.mostrati)
            EXPECT_EQ(m.testo, std::string(c.aperto ? "L92 L17: 01 (L12 01)\n" : "L92 L17: 01\n") +
                                   file + "\nL93");
        EXPECT_EQ(
            std::tuple(test::LeggiFile(file) == prima, p1.ModificatoFile[c.tipo], p2.*t.percorso),
            std::tuple(true, FALSO, PercorsoDaTesto(t, "Nuovo")));
    }
}

TEST_F(SaveWindows, SaveChooserSavesTheChosenKindsOfTheHeldProjects) {
    struct Caso {
        int numero;
        std::initializer_list<int16_t> stati;
        const char* abilitate;
        std::initializer_list<int> tolte; // options unticked by the user
        std::vector<std::string> scritti;
        std::vector<QString> dialoghi;
    } casi[] = {
        {1, {15}, "1111", {}, {"L12 01.kvp"}, {}},
        {1, {2, 15}, "0010", {}, {"Lé4 01.kvr"}, {}}, // project 2 is not held
        {2, {15, 15}, "1111", {0, 2}, {}, {"FrmSalva03", "FrmSalva05"}},
        {2, {15, 15}, "1111", {3}, {}, {"FrmSalva01"}},
    };
    TestiInsGeo01[4] = "L\3514"; // "Lé4" in the code page: the default name becomes UTF-8
    for (const Caso& c : casi) {
        SCOPED_TRACE(&c - casi);
        AzzeraTabelle(), Tieni(c.numero, c.stati);
        for (const auto& f : fs::directory_iterator(cartella.cartella)) fs::remove(f);
        Quando<SceltaSave>([&](SceltaSave& s) {
            for (size_t k = 0; k < 4; ++k)
                EXPECT_EQ(std::pair(s.ChkOption[k]->isEnabled(), s.ChkOption[k]->isChecked()),
                          std::pair(c.abilitate[k] == '1', c.abilitate[k] == '1'))
                    << k;
            for (int k : c.tolte) s.ChkOption[size_t(k)]->setChecked(false);
            s.CmdOK->click();
        });
        std::vector<QString> dialoghi;
        for (int i = 0; i < 3; ++i)
            scelte.RispondiModale(
                [&](QWidget* w) { return dialoghi.push_back(w->objectName()), 0; });
        MostraSceltaSave(), scelte.modali.clear();
        EXPECT_EQ(dialoghi, c.dialoghi);
        for (const std::string& nome : c.scritti) EXPECT_TRUE(Esiste(nome)) << nome;
        EXPECT_EQ(size_t(std::distance(fs::directory_iterator(cartella.cartella), {})),
                  c.scritti.size());
    }
}

TEST_F(SaveWindows, OpenChooserOpensOneKindAndACancelChangesNothing) {
    Tieni(2, {2, 2}), Progetti[1].LungMollaLibera = 200;
    ASSERT_TRUE(SalvaMolla(PercorsoApplicazione + "m.kvr", 1));
    ProgettoSelezionato = 5, CaricatoMolla = VERO; // a slot left over: not a project held
    auto scegli = [this](size_t k) {
        Quando<SceltaOpen>([k](SceltaOpen& s) {
            EXPECT_TRUE(s.ChkOption[4]->isChecked()); // the whole project unless chosen
            s.ChkOption[k]->click();
            for (size_t j = 0; j < s.ChkOption.size(); ++j)
                EXPECT_EQ(s.ChkOption[j]->isChecked(), j == k);
            s.CmdOK->click();
        });
        MostraSceltaOpen();
    };
    scegli(2); // cancelled in the open dialog
    EXPECT_EQ(std::tuple(CaricatoMolla, ProgettoSelezionato), std::tuple(VERO, 5));
    scelte.fileDaAprire.push_back(PercorsoApplicazione + "m.kvr"), scegli(2);
    EXPECT_EQ(std::tuple(Progetti[2].NomeFileMolla, Progetti[2].LungMollaLibera),
              std::tuple(PercorsoApplicazione + "m.kvr", 200));
    scegli(0);
    EXPECT_NE(scelte.richiesteApri.back().filtro.find("Kv3"), std::string::npos);
}

// Each file window opens with the keyboard on its first choice: a save dialog in the name box
// of its first row offered, the name selected so that typing replaces it (on Close when no row
// is offered); the open chooser on the kind it opens, the save chooser on its first kind offered.
TEST_F(SaveWindows, EveryFileWindowOpensWithTheKeyboardOnItsFirstChoice) {
    const auto primo = [this](std::function<void()> mostra) {
        std::string fuoco;
        scelte.RispondiModale([&fuoco](QWidget* w) {
            w->show();
            QCoreApplication::processEvents();
            QWidget* f = QApplication::focusWidget();
            fuoco = f ? f->property("text").toString().toStdString() : "none";
            if (auto* casella = qobject_cast<QLineEdit*>(f))
                QTest::keyClicks(casella, "x"), fuoco += ">" + casella->text().toStdString();
            return 0;
        });
        mostra();
        return fuoco;
    };
    Tieni(2, {0, 15}); // row 1 holds nothing to save
    for (int tipo = MOD_PROGETTO; tipo <= MOD_TAMPONE; ++tipo) {
        const std::string nome = TestoPredefinito(TipoDiFile(tipo), 2);
        EXPECT_EQ(primo([tipo] { MostraFrmSalva(tipo); }), nome + ">x") << tipo;
    }
    EXPECT_EQ(primo([] { MostraSceltaOpen(); }), "L25");
    EXPECT_EQ(primo([] { MostraSceltaSave(); }), "L21");
    Tieni(1, {0});
    EXPECT_EQ(primo([] { MostraFrmSalva(MOD_PROGETTO); }), "&L1");
    EXPECT_EQ(primo([] { MostraSceltaSave(); }), "&L1");
}

} // namespace
