// The linkage drawing call by call, and the points each element drawer leaves behind.
// Default swingarm: pivot (550, 400), axle (1020, 350), attachment (750, 450), in a 200 mm
// picture showing 1600 world mm (8 world mm per mm).
#include "core/Disegno.h"
#include "core/Unita.h"
#include "core/Vista.h"
#include "support/Risposte.h"
#include "support/SuperficieRegistrata.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <string>
#include <tuple>
#include <vector>

using namespace kelvra;
using test::Chiamata;
using test::SuperficieRegistrata;

namespace {

class EditorFinto : public EditorDisegno {
  public:
    Superficie& PicGeo() override { return picGeo; }
    void ImpostaTxtForcellone(int i, const std::string& x, const std::string& y) override {
        caselle[i] = {x, y};
    }
    int ChkModify(int indice) const override { return chk[indice]; }
    void ImpostaChkModify(int indice, int valore) override { chk[indice] = valore; }

    SuperficieRegistrata picGeo{200, 200};
    std::map<int, std::pair<std::string, std::string>> caselle;
    int chk[2] = {0, 0};
};

constexpr Punto PERNO{550, 400};
constexpr Punto ASSE{1020, 350};
constexpr Punto ATTACCO{750, 450};
constexpr Punto V2{800, 600};
constexpr Punto V3{900, 500};
constexpr Punto FUORI{-1, -1}; // a chain point no drawer has set
constexpr long VERDE = RGB(0, 255, 0);
// Colour and pen width of each element's lines in the editor.
const std::map<char, std::pair<long, int>> PENNE{{'A', {COLORE_ASTA, 4}},
                                                 {'a', {COLORE_ASTA, 4}},
                                                 {'S', {COLORE_SQUADRETTA, 4}},
                                                 {'M', {COLORE_AMMORTIZZATORE, 15}}};

// One element: "A" start, end; "S" three vertices and the two pin options; "M" end, mount and
// whether the mount rides on the swingarm.
struct Elemento {
    const char* tipo;
    Punto a, b, c{};
    int16_t o0 = FALSO, o1 = FALSO;
};

class Drawing : public test::TabelleAzzerate {
  protected:
    void SetUp() override {
        test::TabelleAzzerate::SetUp();
        ImpostaUnitaMisura(SISTEMA_METRICO);
        ImpostaLarghezzeEditor();
        ASSERT_TRUE(ImpostaScalaDisegno(pic, 1600, 1600));
        NumeroProgetti = ProgettoSelezionato = 1;
        Progetto& p = Progetti[1];
        p.TipoElemento[0] = "F";
        p.DatiForcellone.P = {PERNO, ASSE, ATTACCO};
        p.RaggioRuota = 350;
    }

    // A call at world points a and b, in the 8:1 view of the 200 mm picture.
    static void Attesa(const Chiamata& c, char tipo, Punto a, Punto b, long colore, int spessore) {
        EXPECT_EQ(c.tipo, tipo);
        EXPECT_LT(std::max({std::fabs(c.x1 - a.X / 8.0), std::fabs(c.y1 - (200 - a.Y / 8.0)),
                            std::fabs(c.x2 - b.X / 8.0), std::fabs(c.y2 - (200 - b.Y / 8.0))}),
                  1e-3)
            << "(" << a.X << ", " << a.Y << ") - (" << b.X << ", " << b.Y << ")";
        EXPECT_EQ(c.colore, colore);
        EXPECT_EQ(c.spessore, spessore);
    }
    static void AttesoPunto(const Punto& a, Punto b) {
        EXPECT_LT(std::hypot(a.X - b.X, a.Y - b.Y), 1e-3) << a.X << ", " << a.Y;
    }

    void Aggiungi(const std::vector<Elemento>& elementi) {
        Progetto& p = Progetti[1];
        for (const Elemento& e : elementi) {
            const int k = ++p.UltimoElemento;
            p.TipoElemento[k] = e.tipo;
            if (e.tipo[0] == 'S') {
                p.DatiSquadretta[k].P = {e.a, e.b, e.c, Punto{1, 1}};
                p.OpzioneFix[k] = {e.o0, e.o1};
            } else if (e.tipo[0] == 'M') {
                p.DatiMolla[k].P = {e.a, e.b, Punto{1, 1}};
                p.AmmortizzatoreFisso = e.o0;
            } else {
                p.DatiAsta[k].P = {e.a, e.b, {1, 1}};
            }
        }
    }
    void Ridisegna(EditorDisegno* form = nullptr) {
        pic.Cancella();
        ASSERT_TRUE(DisegnaSchema(form, pic, 1, FALSO, FALSO));
    }

    SuperficieRegistrata pic{200, 200};
    EditorFinto editor;
};

} // namespace

TEST_F(Drawing, TheDefaultSwingarmCallByCallBoxesCrossByMouseModeAndHeightCorrection) {
    Ridisegna(&editor);
    const auto& c = pic.chiamate;
    ASSERT_EQ(c.size(), 6u);
    Attesa(c[0], 'L', PERNO, ASSE, COLORE_FORCELLONE, 8);
    // Foot of the attachment on the pivot-axle line, worked by hand: t = 91500 / 223400.
    Attesa(c[1], 'L', ATTACCO, {742.5022f, 379.5210f}, COLORE_FORCELLONE, 8);
    // Tyre (350) and rim (300) about the axle, radius on the y scale, thin black pen.
    ASSERT_EQ((std::string{c[2].tipo, c[3].tipo}), "CC");
    EXPECT_EQ((std::vector<double>{c[2].x1, c[2].y1, c[2].r, c[3].r}),
              (std::vector<double>{127.5, 156.25, 43.75, 37.5}));
    EXPECT_EQ((std::pair{c[2].colore, c[2].spessore}), (std::pair{COLORE_NERO, 1}));
    Attesa(c[4], 'P', PERNO, PERNO, COLORE_NERO, 10);
    Attesa(c[5], 'P', ATTACCO, ATTACCO, VERDE, 10);
    EXPECT_EQ(pic.spessore, 1);
    AttesoPunto(PuntiCatena[1], ATTACCO);
    EXPECT_EQ((std::vector<double>{OrigineX, OrigineY, CorrezioneAltezza}),
              (std::vector<double>{550, 400, 0}));
    // The cross goes on the editor's own picture.
    EXPECT_EQ(editor.picGeo.Conta('L'), 2);
    // Changing the point of view (4) leaves origin, cross and boxes alone; panning (3) moves
    // the origin and fills the boxes, no cross.
    OrigineX = OrigineY = 11;
    for (auto [modo, origineX, caselle] : {std::tuple{4, 11.0f, 0u}, {3, 550.0f, 3u}}) {
        ModoEdit = static_cast<int16_t>(modo);
        editor.caselle.clear();
        editor.picGeo.Cancella();
        Ridisegna(&editor);
        EXPECT_EQ(OrigineX, origineX);
        EXPECT_EQ(editor.caselle.size(), caselle);
        EXPECT_EQ(editor.picGeo.Conta('L'), 0);
    }
    ModoEdit = 5;
    Ridisegna(&editor);
    EXPECT_EQ(editor.picGeo.Conta('L'), 2);
    // A thumbnail: thinner pens, no editor.
    ImpostaLarghezzeMiniature();
    editor.caselle.clear();
    Ridisegna(nullptr);
    EXPECT_EQ(pic.chiamate[0].spessore, 4);
    EXPECT_EQ(pic.chiamate[4].spessore, 2);
    EXPECT_TRUE(editor.caselle.empty());
    // An axle above the picture raises the height correction at every drawing.
    Progetti[1].DatiForcellone.P[1] = Punto{1020, 1700};
    Ridisegna();
    EXPECT_EQ(CorrezioneAltezza, 500.0f);
    Ridisegna();
    EXPECT_EQ(CorrezioneAltezza, 1000.0f);
}

TEST_F(Drawing, EachElementAndRockerOptionLeavesItsChainAndExtraPoints) {
    const Punto N{850, 650}, T{700, 900}, R1{760, 700}, SUPPORTO{700, 800}, UNO{1, 1};
    const Punto S2{900, 300}, PIEDE{906.6025f, 362.0636f}; // t = 169500 / 223400 along the arm
    const Punto ASSENTE = PUNTO_ASSENTE;
    struct Caso {
        const char* nome;
        Punto catena2, catena3, extra; // extra: the last element's third (rocker: fourth) point
        std::vector<Elemento> elementi;
    };
    // clang-format off
    const Caso casi[] = {
        {"link, odd slot", N, FUORI, ASSENTE, {{"A", ATTACCO, N}}},
        {"lower-case letter", N, FUORI, ASSENTE, {{"a", ATTACCO, N}}},
        {"unknown letter", FUORI, FUORI, UNO, {{"X", ATTACCO, N}}},
        {"link, even slot", N, N, T, {{"A", ATTACCO, N}, {"A", N, T}}},
        {"rocker on vertex 2", R1, V3, V2, {{"A", ATTACCO, R1}, {"S", R1, V2, V3, VERO, FALSO}}},
        {"rocker on vertex 3", R1, V2, V3, {{"A", ATTACCO, R1}, {"S", R1, V2, V3, FALSO, VERO}}},
        {"rocker free", V2, V3, ASSENTE, {{"S", ATTACCO, V2, V3}}},
        {"rocker, both options", FUORI, FUORI, UNO, {{"S", ATTACCO, V2, V3, VERO, VERO}}},
        {"shock on the frame", FUORI, FUORI, SUPPORTO, {{"M", ATTACCO, SUPPORTO, {}, 0}}},
        {"shock on the swingarm", FUORI, FUORI, S2, {{"M", ATTACCO, S2, {}, 1}}},
    };
    // clang-format on
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        Progetti[1].UltimoElemento = 0;
        Aggiungi(caso.elementi);
        PuntiCatena.fill(FUORI);
        Ridisegna();
        AttesoPunto(PuntiCatena[1], ATTACCO);
        AttesoPunto(PuntiCatena[2], caso.catena2);
        AttesoPunto(PuntiCatena[3], caso.catena3);
        AttesoPunto(PuntiCatena[4], FUORI); // never more than two chain points here
        const int k = Progetti[1].UltimoElemento;
        const char t = caso.elementi.back().tipo[0];
        const Punto extra = t == 'S'   ? Progetti[1].DatiSquadretta[k].P[3]
                            : t == 'M' ? Progetti[1].DatiMolla[k].P[2]
                                       : Progetti[1].DatiAsta[k].P[2];
        EXPECT_EQ(extra, caso.extra);
        // The first element's first line, in its colour and pen.
        const Elemento& e = caso.elementi.front();
        const auto& c = pic.chiamate;
        if (const auto penna = PENNE.find(e.tipo[0]); penna != PENNE.end()) {
            const auto l = std::find_if(c.begin(), c.end(), [&](const Chiamata& x) {
                return x.colore == penna->second.first;
            });
            ASSERT_NE(l, c.end());
            Attesa(*l, 'L', e.a, e.b, penna->second.first, penna->second.second);
        }
        // A point pinned to the frame is marked black.
        EXPECT_TRUE(caso.extra == ASSENTE || caso.extra == UNO ||
                    std::any_of(c.begin(), c.end(), [&](const Chiamata& x) {
                        return x.tipo == 'P' && x.colore == COLORE_SEGNO_FISSO &&
                               std::fabs(x.x1 - caso.extra.X / 8.0) < 1e-3;
                    }));
    }
    // The last case's shock is joined to the swingarm through the foot of its mount.
    ASSERT_EQ(pic.chiamate.size(), 11u);
    Attesa(pic.chiamate[8], 'L', S2, PIEDE, COLORE_FORCELLONE, 8);
    Attesa(pic.chiamate[9], 'L', PIEDE, PERNO, COLORE_FORCELLONE, 8);
    // A point on the line is its own foot; a zero-length swingarm gives its pivot.
    for (Punto p : {Punto{1255, 325}, PERNO, ASSE, Punto{80, 450}})
        AttesoPunto(PiedeSulForcellone(PERNO, ASSE, p), p);
    AttesoPunto(PiedeSulForcellone(PERNO, PERNO, Punto{700, 700}), PERNO);
    // The shock's stored mount is taken relative to the window corner a drag left behind.
    Progetti[1].UltimoElemento = 0;
    Aggiungi({{"M", ATTACCO, SUPPORTO, {}, 0}});
    FinestraX1 = 10;
    FinestraY1 = -20;
    Ridisegna();
    EXPECT_EQ(Progetti[1].DatiMolla[1].P[2], (Punto{690, 820}));
}

TEST_F(Drawing, ALinkStartedFromVertexThreeKeepsTheChainOnVertexTwoAtEveryRedraw) {
    // The tick "start from vertex 3" stores the link with vertex 3 as its start (through the
    // displayed text, so a hair off).
    Aggiungi({{"S", ATTACCO, V2, V3}, {"A", {V3.X + 0.00001f, V3.Y - 0.00001f}, {1000, 800}}});
    editor.chk[0] = 1;
    Ridisegna(&editor);
    EXPECT_EQ(editor.chk[0], 0); // the tick has done its work
    for (int volta = 0; volta < 3; ++volta) {
        AttesoPunto(PuntiCatena[2], V3);
        AttesoPunto(PuntiCatena[3], V2);
        PuntiCatena.fill(Punto{});
        Ridisegna(&editor);
    }
    // An animation frame turns the rocker: the link still follows vertex 3.
    Progetti[1].DatiSquadretta[1].P[1] = Punto{790, 608};
    Progetti[1].DatiSquadretta[1].P[2] = Punto{893, 512};
    Ridisegna();
    AttesoPunto(PuntiCatena[2], {893, 512});
    AttesoPunto(PuntiCatena[3], {790, 608});
}

TEST_F(Drawing, SlotsProjectsAndScalesOutOfRangeDrawNothingAndNeverCrash) {
    for (int k = 1; k <= 10; ++k) {
        Progetti[1].TipoElemento[k] = "A";
        Progetti[1].DatiAsta[k].P = {Punto{float(100 * k), 0}, Punto{float(100 * k), 50}, {}};
    }
    Progetti[1].UltimoElemento = 300; // read from a damaged file
    Ridisegna();
    EXPECT_EQ(pic.Conta('L'), 2 + 10);
    Progetti[1].UltimoElemento = -4;
    Ridisegna();
    EXPECT_TRUE(pic.chiamate.empty());
    EXPECT_FALSE(DisegnaSchema(nullptr, pic, 0) || DisegnaSchema(nullptr, pic, 7));

    // Zero or NaN scale, an empty picture, an infinite corner: nothing drawn, chain kept.
    Progetti[1].UltimoElemento = 1;
    Progetti[1].DatiAsta[1].P = {ATTACCO, Punto{850, 650}, {}};
    SuperficieRegistrata vuota(0, 0);
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    float* const dove[] = {&ScalaSchemaX, &ScalaSchemaY, &FinestraY1, &FinestraY1};
    for (int caso = 0; caso < 4; ++caso) {
        ASSERT_TRUE(ImpostaScalaDisegno(pic, 1600, 1600));
        *dove[caso] = caso == 0 ? 0 : caso == 1 ? nan : inf;
        PuntiCatena.fill(Punto{});
        pic.Cancella();
        ASSERT_TRUE(DisegnaSchema(nullptr, caso == 3 ? vuota : pic, 1));
        EXPECT_TRUE(pic.chiamate.empty() && vuota.chiamate.empty()) << caso;
        AttesoPunto(PuntiCatena[2], {850, 650});
        EXPECT_EQ(CorrezioneAltezza, 0.0f);
    }
}
