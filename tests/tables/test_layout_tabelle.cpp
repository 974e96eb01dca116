// The detailed table's layouts: heads and units per state code as the layouts are described,
// formats that depend on the state code, and the end of each column group.
#include "AmbienteTabelle.h"

#include "tables/LayoutTabelle.h"

#include <sstream>

using namespace kelvra;

namespace {

using TableLayouts = test::AmbienteTabelle;

std::string Unisci(const std::vector<std::string>& celle) {
    std::string r;
    for (std::size_t k = 0; k < celle.size(); ++k) r += (k ? "\t" : "") + celle[k];
    return r;
}

TEST_F(TableLayouts, HeadsAndUnitsFollowTheStateCode) {
    // Quantity lines and unit symbols ("-": no unit) of every column, in order.
    struct Caso {
        int stato;
        std::vector<int> teste;
        std::string unita;
    };
    const std::string kin = "mm \xB0 mm mm - - %";
    const std::vector<Caso> casi = {
        {0, {}, ""},
        {1, {27, 34, 29, 30, 31, 67, 39}, kin},
        {2, {28, 10}, "mm N"},
        {4, {}, ""},
        {6, {28, 10, 69, 70}, "mm N mm N"},
        {7,
         {27, 34, 29, 30, 31, 67, 39, 48, 68, 55, 51, 57, 28, 10, 44, 70},
         kin + " - N N.m N N/mm mm N mm N"},
        {12, {46, 11}, "mm N"},
        {13, {27, 34, 29, 30, 31, 67, 39, 68, 55, 51, 52, 46, 11}, kin + " N N.m N N/mm mm N"},
        {15,
         {27, 34, 29, 30, 31, 67, 39, 48, 68, 55, 51, 52, 28, 10, 69, 70, 46, 11},
         kin + " - N N.m N N/mm mm N mm N mm N"},
    };
    for (const Caso& c : casi) {
        std::vector<std::string> teste, unita;
        for (int t : c.teste) teste.push_back(Riga(TestiQuantity, t));
        std::stringstream s(c.unita);
        for (std::string u; s >> u;) unita.push_back(u == "-" ? "" : "[" + u + "]");
        EXPECT_EQ(RigaIntestazioni(c.stato), Unisci(teste)) << c.stato;
        EXPECT_EQ(RigaUnitaMisura(c.stato), Unisci(unita)) << c.stato;
        EXPECT_EQ(NumeroColonneLayout(c.stato), static_cast<int>(c.teste.size())) << c.stato;
    }
    EXPECT_EQ(NumeroColonneLayout(16), 0);
    EXPECT_EQ(NumeroColonneLayout(-1), 0);
}

TEST_F(TableLayouts, FormatsDependOnTheStateCode) {
    Progetto& P = Calcolato(1, 15, 200);
    P.LunghezzaAmmortizzatore[3] = 310.5;
    P.ForzaMolla[3] = P.ForzaTampone[3] = 123.4567891;
    P.EscursioneMolla[3] = 100;
    P.AsseCorsaRuota[3] = 127;
    P.NumPuntiMolla = P.NumPuntiTampone = 10;
    // unit system, state code, column, the cell at point 3
    const std::tuple<int16_t, int, int, const char*> casi[] = {
        {SISTEMA_METRICO, 1, 2, "310.500000"},  {SISTEMA_METRICO, 5, 2, "310.50"},
        {SISTEMA_METRICO, 1, 0, "127.00"},      {SISTEMA_IMPERIALE, 1, 0, "5.00"},
        {SISTEMA_METRICO, 2, 1, "123.456789"},  {SISTEMA_METRICO, 6, 1, "123.46"},
        {SISTEMA_METRICO, 10, 3, "123.457"},    {SISTEMA_METRICO, 8, 1, "123.456789"},
        {SISTEMA_METRICO, 12, 1, "123.456789"}, {SISTEMA_METRICO, 9, 8, "123.46"},
        {SISTEMA_IMPERIALE, 15, 12, "3.94"},    {SISTEMA_IMPERIALE, 7, 12, "3.9370079"},
    };
    for (const auto& [sistema, stato, colonna, atteso] : casi) {
        Unita(sistema);
        EXPECT_EQ(ValoriTabella(P, stato, FormatoCorsaPerSistema(sistema, {})).Cella(3, colonna),
                  atteso)
            << "state " << stato << " column " << colonna;
    }
}

TEST_F(TableLayouts, EachGroupEndsAtItsOwnCount) {
    // Values at every point; the counts say what is valid.
    Progetto& P = Calcolato(1, 15, 3);
    P.NumPuntiMolla = 5;
    P.NumPuntiTampone = 2;
    P.NumPuntiAmmortizzatore = 800;
    const ValoriTabella valori(P, 15, FormatoCorsaPerSistema(SISTEMA_METRICO, {}));
    auto vuote = [&valori](int i) {
        std::string mappa;
        for (int c = 0; c <= valori.Colonne(); ++c) mappa += valori.Cella(i, c).empty() ? '.' : 'x';
        return mappa;
    };
    // kinematics 7, wheel loads 5, spring 2, static shock 2, bump stop 2; past the last column
    EXPECT_EQ(vuote(3), "xxxxxxxxxxxxxxxx...");
    EXPECT_EQ(vuote(4), "............xxxx...");
    EXPECT_EQ(vuote(750), "..............xx...");
    // The static force curve ends at point 750, its stroke axis at row 1000.
    EXPECT_EQ(vuote(751), "..............x....");
    EXPECT_EQ(RigheValori(P, 15, 1), 801);
    EXPECT_EQ(RigheValori(P, 15, 10), 81);
    EXPECT_EQ(RigheValori(P, 4, 1), 0);
    P.NumPuntiMolla = 32000; // a count no table holds
    EXPECT_EQ(UltimaRigaTabella(P), MAX_RIGHE);
}

} // namespace
