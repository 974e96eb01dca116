// The project and component files: byte layouts against files assembled here from the layout,
// the old-format fallbacks, the fit checks, round trips, what failures leave behind, the
// readers' judgement of what a file holds, and the encoding of the paths kept in records.
#include "core/Progetti.h"
#include "files/Assegna.h"
#include "files/FileProgetto.h"
#include "files/Record.h"
#include "files/Slot.h"
#include "shell/Ganci.h"
#include "support/ProgettoProva.h"
#include "support/Tsv.h"

#include <functional>
#include <random>

using namespace kelvra;
using namespace kelvra::files;
using test::Byte;
using test::ProjectFiles;
using test::RiempiProgetto;

namespace {

const std::vector<std::string> QUATTRO_ASTE = {"F", "A", "S", "M",           "", "", "", "", "",
                                               "",  "",  "",  "ASTA_TRIANG", "", "", ""};

TEST_F(ProjectFiles, FourBarGeometryLandsAtItsOffsetsAndIsWrittenBackByteForByte) {
    Byte b(2000);
    b.i16(0, 3).i16(2, 1).i16(4, 1).i16(6, 1).i16(8, 1);
    b.f32(10, -1).f32(14, 2).f32(18, 500).f32(22, 300).f32(26, 40).f32(30, 60);
    b.f32(34 + 24 * 1 + 8, 77);    // link of slot 1, end point x
    b.f32(298 + 32 * 2 + 24, 88);  // rocker of slot 2, fourth point x
    b.f32(650 + 24 * 3 + 12, 99);  // shock of slot 3, other mount y
    b.i16(914 + 2 * (2 + 11), -1); // fixed-vertex option 1 of slot 2
    b.i16(958, 1);
    const size_t fine = b.variabili(960, QUATTRO_ASTE);
    ASSERT_EQ(fine, 960u + 32 + 4 + 11);
    b.f32(fine, 305.5f);
    b.d.resize(fine + 4);
    const std::string nome = Offri("four.kv3", b.d);
    Ganci.ApriSchema();

    const Progetto& p = Progetti[1];
    EXPECT_EQ(std::tuple(CaricatoSchema, p.NomeFileSchema, p.UltimoElemento, p.TipoGiunzione[1]),
              std::tuple(VERO, nome, 3, "ASTA_TRIANG"));
    EXPECT_TRUE((p.DatiForcellone.P == std::array<Punto, 3>{{{-1, 2}, {500, 300}, {40, 60}}}));
    EXPECT_EQ(std::tuple(p.DatiAsta[1].P[1].X, p.DatiSquadretta[2].P[3].X, p.DatiMolla[3].P[1].Y),
              std::tuple(77, 88, 99));
    EXPECT_EQ(std::tuple(p.OpzioneFix[2][1], p.AmmortizzatoreFisso, p.RaggioRuota, ContaAste),
              std::tuple(-1, 1, 305.5f, 1));

    ASSERT_TRUE(SalvaSchema(Nome("back.kv3"), 1));
    EXPECT_TRUE(test::LeggiFile(Nome("back.kv3")) == b.d);
}

TEST_F(ProjectFiles, EveryKindReadsBackAsWrittenIncludingAThreeJunctionChain) {
    RiempiProgetto(Progetti[1]);
    struct Caso {
        const char* nome;
        bool (*salva)(const std::string&, int16_t);
        void (*apri)();
        std::function<std::string(int16_t)> record;
    };
#define RECORD(Da) [](int16_t p) { return Codifica(Da(p)); }
    const Caso casi[] = {
        {"a.kv3", SalvaSchema, [] { Ganci.ApriSchema(); }, RECORD(RecordSchemaDa)},
        {"a.kvp", SalvaProgetto, ApriProgetto, RECORD(RecordProgettoDa)},
        {"a.kva", SalvaAmmortizzatore, ApriAmmortizzatore, RECORD(RecordAmmortizzatoreDa)},
        {"a.kvr", SalvaMolla, ApriMolla, RECORD(RecordMollaDa)},
        {"a.kvt", SalvaTampone, ApriTampone, RECORD(RecordTamponeDa)},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        NumeroProgetti = ProgettoSelezionato = 1;
        ASSERT_TRUE(c.salva(Nome(c.nome), 1));
        const std::string scritto = test::LeggiFile(Nome(c.nome));
        Progetti[2] = Progetto{}, NumeroProgetti = ProgettoSelezionato = 2;
        scelte.fileDaAprire.push_back(Nome(c.nome)), c.apri();
        EXPECT_TRUE(c.record(2) == scritto);
        if (c.apri == ApriProgetto || c.apri == ApriAmmortizzatore) {
            EXPECT_EQ(Progetti[2].NomeFileMolla, Progetti[1].NomeFileMolla);
        }
        if (c.apri == ApriProgetto) {
            EXPECT_EQ(std::tuple(Progetti[2].TipoGiunzione[3], Progetti[2].PrecaricoSetup),
                      std::tuple("ASTA_TRIANG", 12.5));
        }
    }
    // The letters and junction texts need 41 characters: the record grew by the difference.
    EXPECT_EQ(test::LeggiFile(Nome("a.kv3")).size(), LUNGHEZZA_SCHEMA + 41 - 32);
    EXPECT_EQ(test::LeggiFile(Nome("a.kvp")).size(), 22486u + 32 + 41);
    RecordSchema r;
    ASSERT_TRUE(Decodifica(test::LeggiFile(Nome("a.kv3")), r));
    EXPECT_EQ(r.Geometria.TipoElemento[9] + r.Geometria.TipoGiunzione[4], ""); // never stale
    RecordProgetto rp;
    ASSERT_TRUE(Decodifica(test::LeggiFile(Nome("a.kvp")), rp));
    EXPECT_EQ(rp.NomeFileAmmortizzatore, std::string(100, '\0')); // an empty path: never filled
}

struct CasoCampo {
    size_t offset;
    bool intero;
    float valore;
    double (*campo)(const Progetto&);
};

void VerificaCampi(const char* nome, const std::vector<CasoCampo>& campi, size_t lunghezza,
                   void (*apri)(), const std::string& file) {
    Byte b(lunghezza);
    for (const auto& c : campi)
        c.intero ? b.i16(c.offset, int(c.valore)) : b.f32(c.offset, c.valore);
    AzzeraTabelle(), test::ScriviFile(file, b.d);
    RisposteDialoghi d;
    d.fileDaAprire.push_back(file), apri();
    for (const auto& c : campi)
        EXPECT_EQ(c.campo(Progetti[1]), c.valore) << nome << " @" << c.offset;
}

#define CAMPO(expr) [](const Progetto& p) -> double { return p.expr; }

TEST_F(ProjectFiles, ComponentFieldsLandAtTheirOffsets) {
    VerificaCampi("kvt",
                  {{4 + 4, false, 2.5f, CAMPO(CostanteTampone[1])},
                   {4008 + 8, false, 30, CAMPO(ForzaTampone[2])},
                   {8012, true, -1, CAMPO(TamponeInserito)},
                   {9016, false, 25.5f, CAMPO(LungTamponeScarico)},
                   {9020, false, 8.25f, CAMPO(LungTamponeMaxCompressione)}},
                  LUNGHEZZA_TAMPONE, ApriTampone, Nome("c.kvt"));
    VerificaCampi("kvr",
                  {{4008 + 12, false, 500, CAMPO(ForzaMolla[3])},
                   {8012, true, -1, CAMPO(MollaInserita)},
                   {9016, true, 2, CAMPO(NumeroMolle)},
                   {9018, false, 250.5f, CAMPO(LungMollaLibera)},
                   {9022, false, 120, CAMPO(LungMollaMaxCompressione)}},
                  LUNGHEZZA_MOLLA, ApriMolla, Nome("c.kvr"));
    VerificaCampi("kva",
                  {{16, false, 330, CAMPO(InterasseAmmortizzatore)},
                   {20, true, -1, CAMPO(AmmortizzatoreInserito)},
                   {22, true, 1, CAMPO(MollaCompatibile)},
                   {1030 + 4, false, 9.5f, CAMPO(CostanteMolla[1])},
                   {5034 + 4, false, 40, CAMPO(ForzaMolla[1])},
                   {9038, true, -1, CAMPO(MollaInserita)},
                   {14150 + 4, false, 70, CAMPO(ForzaTampone[1])},
                   {19260, false, 200, CAMPO(LungMollaLibera)},
                   {19268, false, 20, CAMPO(LungTamponeScarico)},
                   {19278, false, 12, CAMPO(PressioneGas)},
                   {19286, false, 300, CAMPO(ForzaGas)}},
                  LUNGHEZZA_AMMORTIZZATORE, ApriAmmortizzatore, Nome("c.kva"));
}

TEST_F(ProjectFiles, OlderFilesTakeTheirLengthsFromTheWholeMillimetres) {
    const size_t v = 32 + 1; // a swingarm alone: one letter
    auto progetto = [&](float libera, float scarico) {
        Byte b(LUNGHEZZA_PROGETTO);
        b.variabili(960, {"F", "", "", "", "", "", "", "", "", "", "", "", "", "", "", ""});
        b.i16(960 + v, 250).i16(962 + v, 120).i16(964 + v, 7).i16(13310 + v, 25).i16(13312 + v, 10);
        return b.i16(22468 + v, 12).f32(22428 + v, libera).f32(22440 + v, scarico).d;
    };
    struct Caso {
        const char* nome;
        std::string dati;
        void (*apri)();
        double libera, scarico;
    } casi[] = {
        {"o.kvt", Byte(LUNGHEZZA_TAMPONE).i16(0, 25).i16(2, 10).d, ApriTampone, 0, 25},
        {"n.kvt", Byte(LUNGHEZZA_TAMPONE).i16(0, 25).f32(9016, 26.5f).d, ApriTampone, 0, 26.5},
        {"o.kvr", Byte(LUNGHEZZA_MOLLA).i16(0, 250).i16(2, 120).d, ApriMolla, 250, 0},
        {"o.kva", Byte(LUNGHEZZA_AMMORTIZZATORE).i16(1026, 250).i16(10142, 25).d,
         ApriAmmortizzatore, 250, 25},
        {"o.kvp", progetto(0, 0), ApriProgetto, 250, 25},
        {"n.kvp", progetto(251.5f, 24.5f), ApriProgetto, 251.5, 24.5},
    };
    for (const Caso& c : casi) {
        AzzeraTabelle(), Offri(c.nome, c.dati), c.apri();
        EXPECT_EQ(std::tuple(Progetti[1].LungMollaLibera, Progetti[1].LungTamponeScarico),
                  std::tuple(c.libera, c.scarico))
            << c.nome;
    }
    EXPECT_EQ(Progetti[1].PrecaricoSetup, 12); // no exact value in older files
}

TEST_F(ProjectFiles, ComponentFitChecksSetTheFlagsAndTellTheUser) {
    // The slot: stroke 40, seat distance 200, fitted preload 10 as set, a geometry demanding a
    // shock of 320 mm; the compatibility flags start at 7 so that every verdict shows. Lengths:
    // the bump stop's; the spring's free and coil-bound; the shock absorber's eye to eye.
    const auto casi = test::LeggiTsv(QT_TESTCASE_SOURCEDIR "/files/data/fit-checks.tsv");
    ASSERT_EQ(casi.size(), 9u);
    for (const auto& c : casi) {
        const int16_t inserito = int16_t(std::stoi(c[2]));
        const float a = std::stof(c[3]), b = std::stof(c[4]);
        AzzeraTabelle();
        Progetto& p = Progetti[1];
        p.CorsaAmmortizzatore = 40, p.LungMollaAmmortizzatore = 200, p.PrecaricoMollaInserita = 10;
        p.AmmortizzatoreInserito = c[1] == "yes" ? VERO : FALSO, p.PrecaricoImpostato = VERO;
        p.GeometriaInserita = VERO, p.LunghezzaStaticaAmmortizzatore = 320;
        p.TamponeCompatibile = p.MollaCompatibile = p.AmmortizzatoreCompatibile = 7;
        Avvisi avvisi;
        if (c[0] == "bump stop") {
            RecordTampone r;
            r.Tampone.Inserito = inserito, r.LungScarico = a;
            avvisi = CaricaTampone(r, 1);
        } else if (c[0] == "spring") {
            RecordMolla r;
            r.Molla.Inserito = inserito, r.LungLibera = a, r.LungMaxCompressione = b;
            avvisi = CaricaMolla(r, 1);
        } else {
            RecordAmmortizzatore r;
            r.Inserito = inserito, r.Quote = {0, 0, 60, 200, a}, r.Lunghezze = {250, 100};
            avvisi = CaricaAmmortizzatore(r, 1);
        }
        const int16_t flag = c[5] == "spring"      ? p.MollaCompatibile
                             : c[5] == "bump stop" ? p.TamponeCompatibile
                                                   : p.AmmortizzatoreCompatibile;
        const int messaggio = std::stoi(c[7]);
        const Avvisi attesi = messaggio < 0 ? Avvisi{} : Avvisi{{&Messaggi, messaggio}};
        EXPECT_EQ(std::tuple(flag, avvisi), std::tuple(std::stoi(c[6]), attesi)) << c[0] << a;
    }
    // Without a shock absorber a spring is judged with the preload as it stands.
    AzzeraTabelle(), Progetti[1].PrecaricoMollaInserita = 10;
    RecordMolla r;
    r.Molla.Inserito = VERO, r.LungLibera = 400, r.LungMaxCompressione = 250;
    EXPECT_EQ(CaricaMolla(r, 1), Avvisi{});
}

TEST_F(ProjectFiles, ProjectReaderTellsWhatTheFileLacks) {
    // The shock absorber's path; the notices; the fit flag.
    using Caso = std::tuple<std::string, std::vector<std::string>, int16_t>;
    for (const auto& [percorso, attesi, compatibile] :
         {Caso{std::string(100, '\0'), {"L36", "L37"}, 0},
          Caso{std::string(100, ' '), {"L36", "L37"}, 0}, // blank is absent
          Caso{"/x/a.kva", {"L35", "L37"}, 1}}) {
        AzzeraTabelle(), dialoghi.mostrati.clear();
        RecordProgetto r;
        r.GeometriaInserita = VERO, r.Inseriti[0] = VERO, r.MollaCompatibile = 1;
        r.AmmortizzatoreCompatibile = 1, r.NomeFileAmmortizzatore = percorso;
        r.Geometria.TipoElemento[0] = "F", Offri("p.kvp", Codifica(r)), ApriProgetto();
        EXPECT_EQ(std::tuple(Testi(), Progetti[1].AmmortizzatoreCompatibile, CaricatoProgetto),
                  std::tuple(attesi, compatibile, VERO));
    }
}

TEST_F(ProjectFiles, CountRuleStopsBeforeTheFirstZeroForce) {
    const std::pair<size_t, int16_t> casi[] = {{61, 60}, {1, 0}, {0, 1000}, {1000, 999}};
    for (auto [zero, atteso] : casi) {
        Colonna f;
        f.fill(5), f[zero] = 0, f[0] = 0; // row 0 never counts
        EXPECT_EQ(UltimaRigaForza(f), atteso);
        RecordTampone r;
        r.Tampone.Inserito = VERO, r.Tampone.Forza = f, CaricaTampone(r, 1);
        EXPECT_EQ(std::tuple(Progetti[1].NumPuntiTampone, Progetti[1].EscursioneTampone[1000]),
                  std::tuple(atteso, 1000));
    }
}

TEST_F(ProjectFiles, FailuresChangeNothing) {
    RiempiProgetto(Progetti[1]);
    Progetti[1].NomeFileProgetto = Progetti[1].NomeConfigurazione = "keep";
    const std::string prima = Codifica(RecordProgettoDa(1));
    test::ScriviFile(Nome("short.kvt"), std::string(900, '\0'));
    test::ScriviFile(Nome("bad.kv3"), Byte(1028).i16(960, 30000).d);
    const std::pair<std::string, std::string> aperture[] = {{"", ""},
                                                            {Nome("missing.kvp"), "L38"},
                                                            {Nome("short.kvt"), "L64"},
                                                            {Nome("bad.kv3"), "L64"}};
    void (*lettori[])() = {ApriProgetto, ApriAmmortizzatore, ApriMolla, ApriTampone,
                           [] { Ganci.ApriSchema(); }};
    for (const auto& [file, messaggio] : aperture) {
        for (auto apri : lettori) {
            dialoghi.mostrati.clear(), scelte.fileDaAprire.push_back(file), apri();
            EXPECT_EQ(Testi(), messaggio.empty() ? std::vector<std::string>{}
                                                 : std::vector<std::string>{messaggio});
            EXPECT_TRUE(Codifica(RecordProgettoDa(1)) == prima);
            EXPECT_EQ(Progetti[1].NomeConfigurazione, "keep");
        }
    }
    EXPECT_FALSE(std::filesystem::exists(Nome("missing.kvp")));
    EXPECT_EQ(CaricatoProgetto | CaricatoSchema | CaricatoMolla, FALSO);

    // A write that cannot finish leaves the old file and the slot's path alone.
    const std::string lungo = Nome("read-only.kvr");
    test::ScriviFile(lungo, "old");
    std::filesystem::permissions(lungo, std::filesystem::perms::owner_read);
    Progetti[1].NomeFileMolla = "before";
    EXPECT_FALSE(SalvaMolla(lungo, 1));
    EXPECT_EQ(std::tuple(test::LeggiFile(lungo), Progetti[1].NomeFileMolla, Testi().back()),
              std::tuple("old", "before", "L65"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(cartella.cartella), {}), 3);
}

TEST_F(ProjectFiles, LoadsAndWritesClearTheUnsavedFlagsTheyCover) {
    auto& m = Progetti[1].ModificatoFile;
    m = {VERO, VERO, VERO, VERO, VERO};
    ASSERT_TRUE(SalvaTampone(Nome("f.kvt"), 1));
    EXPECT_EQ(m, (std::array<int16_t, 5>{VERO, VERO, VERO, VERO, FALSO}));
    ASSERT_TRUE(SalvaSchema(Nome("f.kv3"), 1) && SalvaMolla(Nome("f.kvr"), 1) &&
                SalvaAmmortizzatore(Nome("f.kva"), 1));
    EXPECT_EQ(m, (std::array<int16_t, 5>{}));
    m[MOD_MOLLA] = VERO, scelte.fileDaAprire.push_back(Nome("f.kvr"));
    int attesa = -1; // the editor opens with the ordinary cursor
    Ganci.MostraInsMolla = [&] { attesa = LivelloCursoreAttesa(); }, ApriMolla();
    EXPECT_EQ(std::tuple(attesa, m, Progetti[1].NomeFileSchema),
              std::tuple(0, std::array<int16_t, 5>{}, Nome("f.kv3")));
}

TEST_F(ProjectFiles, CopyHandsTheDestinationItsRestInputsAndGas) {
    Progetto& o = Progetti[1];
    RiempiProgetto(o);
    o.PuntiFissi[3] = {7, 8}, o.PuntiGiunzione[3][3][0] = {5, 6}, o.TipoGiunzione[3] = "ASTA_ASTA";
    Progetti[2].NomeFileProgetto = Progetti[2].NomeConfigurazione = "own";
    Ganci.CopiaProgetto(1, 2);
    const Progetto& d = Progetti[2];
    EXPECT_EQ(std::tuple(d.ForzaGas, d.NomeConfigurazione, NumeroElementiCatena),
              std::tuple(200, "own", 8));
    EXPECT_EQ(std::tuple(d.PuntiFissi[3], d.PuntiFissi[1], d.PosizioneRuota[0]),
              std::tuple(Punto{7, 8}, Punto{1, 2}, Punto{550, 310}));
    EXPECT_EQ(d.AttaccoAmmortizzatore[0], (Punto{7.5f, 3}));
    EXPECT_EQ(d.PuntiGiunzione[4][3][0], (Punto{5, 6})); // link-link end: the node
    EXPECT_TRUE(Codifica(RecordProgettoDa(2)) == Codifica(RecordProgettoDa(1)));

    Progetti[3].DescrizioneMolla = "kept", Ganci.AggiungiProgetto(1, 3);
    EXPECT_EQ(Progetti[3].DescrizioneMolla, "kept");
    EXPECT_TRUE(Codifica(RecordSchemaDa(3)) == Codifica(RecordSchemaDa(1)));
}

TEST_F(ProjectFiles, PathsReadBackAsWrittenInTheCodePageOrAsUtf8) {
    const std::string cirillico = "\xD0\x9F\xD1\x80\xD0\xBE\xD0\xB1\xD0\xB0";
    const std::pair<std::string, std::string> casi[] = {
        {"/tmp/a b/c.kvr", "/tmp/a b/c.kvr"},
        // In the code page, as older files hold it.
        {"/tmp/Pr\xC3\xB6ve \xC3\xB1.kvp", "/tmp/Pr\xF6ve \xF1.kvp"},
        // Letters the code page lacks, and one whose code-page bytes would read as UTF-8.
        {"/tmp/" + cirillico + "/c.kva", "/tmp/" + cirillico + "/c.kva"},
        {"/tmp/\xE6\x9D\xB1\xE4\xBA\xAC.kvp", "/tmp/\xE6\x9D\xB1\xE4\xBA\xAC.kvp"},
        {"/tmp/\xC3\x83\xC2\xA9.kvt", "/tmp/\xC3\x83\xC2\xA9.kvt"},
    };
    for (const auto& [percorso, campo] : casi)
        EXPECT_EQ(std::pair(PercorsoInRecord(percorso), PercorsoDaRecord(campo + "   ")),
                  std::pair(campo, percorso));
    // Too long for the field: cut where a letter ends, so what is kept still reads as UTF-8.
    std::string lungo = "/";
    for (int i = 0; i < 60; ++i) lungo += "\xD0\xAF";
    EXPECT_EQ(PercorsoInRecord(lungo), lungo.substr(0, 99));
}

TEST_F(ProjectFiles, RecordsAreJudgedBeforeAnythingLands) {
    struct Genere {
        std::string estensione;
        bool (*salva)(const std::string&, int16_t);
        void (*apri)();
    };
    const Genere generi[] = {{"kvp", SalvaProgetto, ApriProgetto},
                             {"kv3", SalvaSchema, [] { Ganci.ApriSchema(); }},
                             {"kva", SalvaAmmortizzatore, ApriAmmortizzatore},
                             {"kvr", SalvaMolla, ApriMolla},
                             {"kvt", SalvaTampone, ApriTampone}};
    // What the writers leave loads again: an empty project, and one with values at the edges
    // of what the program allows or derives (the last state stays in slot 1).
    for (const bool pieno : {false, true}) {
        for (const Genere& g : generi) {
            AzzeraTabelle();
            Progetto& p = Progetti[1];
            if (pieno) {
                RiempiProgetto(p);
                p.LungMollaAmmortizzatore = -40, p.NumPunti = -2, p.NumPuntiAmmortizzatore = -1;
                p.NumeroMolle = 100, p.ModoMolla = 0, p.CostanteTampone[1000] = 1e12;
                p.DatiForcellone.P[0] = {-25000.5f, 1e-30f};
            }
            const std::string nome = Nome("v." + g.estensione);
            ASSERT_TRUE(g.salva(nome, 1));
            scelte.fileDaAprire.push_back(nome), p.NomeConfigurazione.clear(), g.apri();
            EXPECT_EQ(p.NomeConfigurazione, nome) << pieno;
        }
    }
    // Those files damaged in one field, or random bytes of the right length, are refused.
    Progetti[1].NomeConfigurazione = "keep";
    const std::string prima = Codifica(RecordProgettoDa(1));
    int editori = 0;
    for (auto* g : {&Ganci.MostraInsMolla, &Ganci.MostraInsTampone, &Ganci.MostraInsAmmortizzatore,
                    &Ganci.AttivaInsGeo})
        *g = [&] { ++editori; };
    const size_t v = test::LeggiFile(Nome("v.kvp")).size() - 22486; // the variable texts' room
    const auto danni = test::LeggiTsv(QT_TESTCASE_SOURCEDIR "/files/data/damaged-records.tsv");
    ASSERT_EQ(danni.size(), 20u);
    std::mt19937 caso(21);
    for (const auto& d : danni) {
        const Genere& g = *std::find_if(std::begin(generi), std::end(generi),
                                        [&](const Genere& g) { return g.estensione == d[0]; });
        Byte b(0);
        b.d = test::LeggiFile(Nome("v." + g.estensione));
        if (d[2] == "random")
            for (char& c : b.d) c = char(caso());
        const size_t o = std::stoul(d[1]) + (d[1].back() == 'v' ? v : 0);
        d[2] == "i16" ? b.i16(o, std::stoi(d[3])) : b.f32(o, std::stof(d[3]));
        dialoghi.mostrati.clear(), Offri("damaged." + g.estensione, b.d), g.apri();
        EXPECT_EQ(Testi(), std::vector<std::string>{"L64"}) << g.estensione << " @" << d[1];
        EXPECT_TRUE(Codifica(RecordProgettoDa(1)) == prima);
        EXPECT_EQ(Progetti[1].NomeConfigurazione, "keep");
    }
    EXPECT_EQ(editori, 0);
}

} // namespace
