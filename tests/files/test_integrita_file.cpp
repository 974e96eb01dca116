// The readers' judgement of what a file holds, and the encoding of the paths kept in records.
#include "files/Assegna.h"
#include "files/Record.h"
#include "shell/Ganci.h"
#include "support/ProgettoProva.h"

#include <cmath>
#include <random>

using namespace kelvra;
using namespace kelvra::files;
using test::Byte;
using test::ProjectFiles;
using test::RiempiProgetto;

namespace {

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
    for (const auto& [percorso, campo] : casi) {
        EXPECT_EQ(PercorsoInRecord(percorso), campo) << percorso;
        EXPECT_EQ(PercorsoDaRecord(campo + "   "), percorso) << percorso;
    }
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
            ASSERT_TRUE(g.salva(Nome("v." + g.estensione), 1));
            scelte.fileDaAprire.push_back(Nome("v." + g.estensione));
            p.NomeConfigurazione.clear();
            g.apri();
            EXPECT_EQ(p.NomeConfigurazione, Nome("v." + g.estensione)) << pieno;
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
    const float nan = std::nanf("");
    const struct {
        size_t genere, offset;
        float valore;
        bool intero;
    } danni[] = {{4, 8014, 1680, true},      {4, 4020, 3e38f, false},
                 {3, 9016, 15072, true},     {3, 9018, -5.8e8f, false},
                 {3, 8012, 1, true},         {2, 19278, nan, false},
                 {2, 22, -1, true},          {2, 10146, -INFINITY, false},
                 {1, 0, 11, true},           {1, 2, 5, true},
                 {1, 78, nan, false},        {1, 944, 7, true},
                 {1, 967, 'Q' * 256, true},  {0, 22458 + v, 16, true},
                 {0, 22464 + v, 1001, true}, {0, 22456 + v, 1, true},
                 {0, 12200 + v, -1, false},  {4, 0, 0, false},
                 {3, 0, 0, false},           {2, 0, 0, false}};
    std::mt19937 caso(21);
    for (const auto& d : danni) {
        const Genere& g = generi[d.genere];
        Byte b(0);
        b.d = test::LeggiFile(Nome("v." + g.estensione));
        if (d.offset == 0 && !d.intero) // random bytes
            for (char& c : b.d) c = char(caso());
        d.intero ? b.i16(d.offset, int(d.valore)) : b.f32(d.offset, d.valore);
        dialoghi.mostrati.clear();
        Offri("damaged." + g.estensione, b.d);
        g.apri();
        EXPECT_EQ(Testi(), std::vector<std::string>{"L64"}) << g.estensione << " @" << d.offset;
        EXPECT_TRUE(Codifica(RecordProgettoDa(1)) == prima);
        EXPECT_EQ(Progetti[1].NomeConfigurazione, "keep");
    }
    EXPECT_EQ(editori, 0);
}

} // namespace
