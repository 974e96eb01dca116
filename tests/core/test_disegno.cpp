// The linkage drawing: what each element drawer draws and the bookkeeping it leaves behind
// (chain points, third and fourth points, origin, height correction, the editor's boxes).
// Figures are worked by hand for the default swingarm: pivot (550, 400), axle (1020, 350),
// attachment (750, 450), in a 200 mm picture showing 1600 world mm (8 world mm per mm).
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

using namespace kelvra;
using test::Chiamata;
using test::SuperficieRegistrata;

namespace {

// The geometry editor as the drawing sees it.
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
constexpr long VERDE = RGB(0, 255, 0);
// A rocker hanging from the attachment, free vertices 2 and 3.
constexpr Punto V2{800, 600};
constexpr Punto V3{900, 500};

class Disegno : public test::TabelleAzzerate {
  protected:
    void SetUp() override {
        test::TabelleAzzerate::SetUp();
        AzzeraVista();
        ImpostaUnitaMisura(SISTEMA_METRICO);
        ImpostaLarghezzeEditor();
        ASSERT_TRUE(ImpostaScalaDisegno(pic, 1600, 1600));
        NumeroProgetti = ProgettoSelezionato = 1;
        Progetto& p = Progetti[1];
        p.UltimoElemento = 0;
        p.TipoElemento[0] = "F";
        p.DatiForcellone.P = {PERNO, ASSE, ATTACCO};
        p.RaggioRuota = 350;
    }
    void TearDown() override {
        AzzeraVista();
        AzzeraUnitaMisura();
        test::TabelleAzzerate::TearDown();
    }

    // A call at world points a (and b), in the 8:1 view of the 200 mm picture.
    static void Attesa(const Chiamata& c, char tipo, Punto a, Punto b, long colore, int spessore) {
        EXPECT_EQ(c.tipo, tipo);
        EXPECT_LT(std::max({std::fabs(c.x1 - a.X / 8.0), std::fabs(c.y1 - (200 - a.Y / 8.0)),
                            std::fabs(c.x2 - b.X / 8.0), std::fabs(c.y2 - (200 - b.Y / 8.0))}),
                  1e-3)
            << "(" << a.X << ", " << a.Y << ") - (" << b.X << ", " << b.Y << ")";
        EXPECT_EQ(c.colore, colore);
        EXPECT_EQ(c.spessore, spessore);
    }
    static void AttesaLinea(const Chiamata& c, Punto a, Punto b, long colore, int spessore) {
        Attesa(c, 'L', a, b, colore, spessore);
    }
    static void AttesoSegno(const Chiamata& c, Punto a, long colore, int spessore) {
        Attesa(c, 'P', a, a, colore, spessore);
    }
    static void AttesoPunto(const Punto& a, Punto atteso) {
        EXPECT_NEAR(a.X, atteso.X, 1e-3);
        EXPECT_NEAR(a.Y, atteso.Y, 1e-3);
    }

    // Appends an element to project 1.
    int Nuovo(const char* tipo) {
        const int k = ++Progetti[1].UltimoElemento;
        Progetti[1].TipoElemento[k] = tipo;
        return k;
    }
    void Asta(Punto inizio, Punto fine) {
        Progetti[1].DatiAsta[Nuovo("A")].P = {inizio, fine, {1, 1}};
    }
    void Squadretta(Punto v1, Punto v2, Punto v3, int16_t o0, int16_t o1) {
        const int k = Nuovo("S");
        Progetti[1].DatiSquadretta[k].P = {v1, v2, v3, Punto{1, 1}};
        Progetti[1].OpzioneFix[k] = {o0, o1};
    }
    void Ammortizzatore(Punto estremo, Punto supporto, int16_t suForcellone) {
        Progetti[1].DatiMolla[Nuovo("M")].P = {estremo, supporto, Punto{1, 1}};
        Progetti[1].AmmortizzatoreFisso = suForcellone;
    }
    void Ridisegna(EditorDisegno* form = nullptr) {
        pic.Cancella();
        ASSERT_TRUE(DisegnaSchema(form, pic, 1, FALSO, FALSO));
    }

    SuperficieRegistrata pic{200, 200};
    EditorFinto editor;
};

using Caselle = std::pair<std::string, std::string>;

} // namespace

TEST_F(Disegno, TheSwingarmAloneDrawsTwoLinesTwoCirclesAndTwoMarks) {
    Ridisegna(&editor);
    const auto& c = pic.chiamate;
    ASSERT_EQ(c.size(), 6u);
    AttesaLinea(c[0], PERNO, ASSE, COLORE_FORCELLONE, 8);
    // Foot of the attachment on the pivot-axle line, worked by hand: t = 91500 / 223400.
    AttesaLinea(c[1], ATTACCO, {742.5022f, 379.5210f}, COLORE_FORCELLONE, 8);
    // Tyre and rim about the axle, radius on the y scale.
    ASSERT_EQ(c[2].tipo, 'C');
    EXPECT_NEAR(c[2].x1, 127.5, 1e-9);
    EXPECT_NEAR(c[2].y1, 156.25, 1e-9);
    EXPECT_NEAR(c[2].r, 43.75, 1e-9);
    EXPECT_EQ(c[2].colore, COLORE_NERO);
    EXPECT_EQ(c[2].spessore, 1);
    ASSERT_EQ(c[3].tipo, 'C');
    EXPECT_NEAR(c[3].r, 37.5, 1e-9);
    AttesoSegno(c[4], PERNO, COLORE_NERO, 10);
    AttesoSegno(c[5], ATTACCO, VERDE, 10);
    EXPECT_EQ(pic.spessore, 1); // left at 1
    AttesoPunto(PuntiCatena[1], ATTACCO);
    EXPECT_EQ(OrigineX, 550.0f);
    EXPECT_EQ(OrigineY, 400.0f);
    EXPECT_EQ(CorrezioneAltezza, 0.0f);
}

TEST_F(Disegno, TheDefaultSwingarmFillsTheEditorsBoxesAndItsReferenceLines) {
    Ridisegna(&editor);
    ASSERT_EQ(editor.caselle.size(), 3u);
    EXPECT_EQ(editor.caselle[0], Caselle("0.00", "0.00"));
    EXPECT_EQ(editor.caselle[1], Caselle("470.00", "-50.00"));
    EXPECT_EQ(editor.caselle[2], Caselle("200.00", "50.00"));
    // The cross through the pivot goes on the editor's own picture, not the target.
    const auto linee = editor.picGeo.Di('L');
    ASSERT_EQ(linee.size(), 2u);
    EXPECT_EQ((std::vector<double>{linee[0].y1, linee[0].y2, linee[1].x1, linee[1].x2}),
              (std::vector<double>{150, 150, 68.75, 68.75}));
    EXPECT_EQ(pic.Conta('L'), 2);
    // Inches: the axle is 470 / 25.4 = 18.50394 in right of the pivot.
    ImpostaUnitaMisura(SISTEMA_IMPERIALE);
    Ridisegna(&editor);
    EXPECT_NEAR(std::stod(editor.caselle[1].first), 18.503937, 1e-5);
    EXPECT_NEAR(std::stod(editor.caselle[1].second), -1.968504, 1e-5);
}

TEST_F(Disegno, TheBoxesShowTheWorkingProjectWhicheverProjectIsDrawn) {
    NumeroProgetti = 2;
    Progetti[2].DatiForcellone.P = {Punto{500, 400}, Punto{1000, 400}, Punto{700, 400}};
    Ridisegna(&editor); // project 1: origin on its pivot (550, 400)
    EXPECT_EQ(editor.caselle[0].first, "-50.00");
    EXPECT_EQ(editor.caselle[1].first, "450.00");
}

TEST_F(Disegno, AThumbnailWithoutAWindowDrawsTheSameAndTouchesNoEditor) {
    ImpostaLarghezzeMiniature();
    Ridisegna(nullptr);
    ASSERT_EQ(pic.chiamate.size(), 6u);
    EXPECT_EQ(pic.chiamate[0].spessore, 4);
    EXPECT_EQ(pic.chiamate[4].spessore, 2);
    AttesoPunto(PuntiCatena[1], ATTACCO);
    EXPECT_EQ(OrigineX, 550.0f);
    EXPECT_TRUE(editor.caselle.empty());
}

TEST_F(Disegno, OriginFollowsThePivotByTheMouseMode) {
    // Changing the point of view: origin, cross and boxes stay as they were.
    ModoEdit = 4;
    OrigineX = 11;
    OrigineY = 22;
    Ridisegna(&editor);
    EXPECT_EQ(OrigineX, 11.0f);
    EXPECT_EQ(OrigineY, 22.0f);
    EXPECT_TRUE(editor.caselle.empty());
    EXPECT_EQ(editor.picGeo.Conta('L'), 0);
    EXPECT_EQ(pic.Conta('L'), 2); // the swingarm itself is drawn
    // Panning: the origin moves and the boxes are filled, but no cross is drawn.
    ModoEdit = 3;
    Ridisegna(&editor);
    EXPECT_EQ(OrigineX, 550.0f);
    EXPECT_EQ(OrigineY, 400.0f);
    EXPECT_EQ(editor.caselle.size(), 3u);
    EXPECT_EQ(editor.picGeo.Conta('L'), 0);
    // Any other mode draws the cross too.
    ModoEdit = 5;
    Ridisegna(&editor);
    EXPECT_EQ(editor.picGeo.Conta('L'), 2);
}

TEST_F(Disegno, AfterAUserZoomTheOriginIsTakenRelativeToTheWindowCorner) {
    ASSERT_TRUE(ApplicaZoomFinestra(50, 150, 180, 120, pic)); // corner (400, 160), scale 4
    ZoomUtente = VERO;
    Ridisegna(&editor);
    EXPECT_EQ(OrigineX, 150.0f); // 550 - 400
    EXPECT_EQ(OrigineY, 240.0f); // 400 - 160
    // The pivot still reads (0, 0) and the axle (470, -50).
    EXPECT_EQ(editor.caselle[0], Caselle("0.00", "0.00"));
    EXPECT_EQ(editor.caselle[1], Caselle("470.00", "-50.00"));
    // The cross goes through the pivot's picture position: (550 - 400) / 4 across.
    const auto linee = editor.picGeo.Di('L');
    ASSERT_EQ(linee.size(), 2u);
    EXPECT_NEAR(linee[1].x1, 37.5, 1e-9);
    EXPECT_NEAR(linee[0].y1, 200.0 - 240.0 / 4.0, 1e-9);
}

TEST_F(Disegno, AnAxleAboveThePictureRaisesTheHeightCorrectionAtEveryDrawing) {
    Progetti[1].DatiForcellone.P[1] = Punto{1020, 1700};
    Ridisegna();
    EXPECT_EQ(CorrezioneAltezza, 500.0f);
    Ridisegna();
    EXPECT_EQ(CorrezioneAltezza, 1000.0f);
    // The next fit shows the extra height.
    CorrezioneAltezza = 500;
    ASSERT_TRUE(ImpostaScalaDisegno(pic, 1600, 1600));
    EXPECT_NEAR(AltezzaArea * ScalaSchemaY, 2100.0, 1e-3);
    // An axle inside the picture leaves it alone.
    Progetti[1].DatiForcellone.P[1] = ASSE;
    Ridisegna();
    EXPECT_EQ(CorrezioneAltezza, 500.0f);
}

TEST_F(Disegno, TypeLettersAreReadInEitherCaseAndUnknownOnesDrawNothing) {
    Asta(ATTACCO, Punto{850, 650});
    Progetti[1].TipoElemento[1] = "a";
    Ridisegna();
    EXPECT_EQ(pic.Conta('L'), 3);
    AttesoPunto(PuntiCatena[2], {850, 650});
    for (const char* tipo : {"", "X", "AS"}) {
        Progetti[1].TipoElemento[1] = tipo;
        Ridisegna();
        EXPECT_EQ(pic.Conta('L'), 2) << tipo;
    }
}

TEST_F(Disegno, LinksInOddAndEvenSlots) {
    const Punto nodo{850, 650}, telaio{700, 900};
    Asta(ATTACCO, nodo);
    Asta(nodo, telaio);
    Ridisegna();
    // Slot 1: the chain goes on from its end; no third point.
    AttesoPunto(PuntiCatena[2], nodo);
    EXPECT_EQ(Progetti[1].DatiAsta[1].P[2], PUNTO_ASSENTE);
    // Slot 2: pinned to the frame at its end, the chain goes on from its start (the node).
    AttesoPunto(PuntiCatena[3], nodo);
    EXPECT_EQ(Progetti[1].DatiAsta[2].P[2], telaio);
    const auto c = pic.chiamate;
    ASSERT_EQ(c.size(), 12u);
    AttesaLinea(c[6], ATTACCO, nodo, COLORE_ASTA, 4);
    AttesoSegno(c[7], ATTACCO, VERDE, 4); // start, with the link's pen
    AttesoSegno(c[8], nodo, VERDE, 10);   // odd slot: free end
    AttesaLinea(c[9], nodo, telaio, RGB(255, 0, 255), 4);
    AttesoSegno(c[11], telaio, COLORE_NERO, 10); // even slot: frame pivot
}

TEST_F(Disegno, RockerPinnedAtVertexTwoOrThree) {
    for (int perno : {2, 3}) {
        SCOPED_TRACE(perno);
        Progetti[1].UltimoElemento = 0;
        Asta(ATTACCO, Punto{760, 700});
        Squadretta(Punto{760, 700}, V2, V3, perno == 2 ? VERO : FALSO, perno == 3 ? VERO : FALSO);
        PuntiCatena[4] = Punto{-1, -1};
        Ridisegna();
        const Punto fisso = perno == 2 ? V2 : V3, libero = perno == 2 ? V3 : V2;
        AttesoPunto(PuntiCatena[3], libero);
        EXPECT_EQ(Progetti[1].DatiSquadretta[2].P[3], fisso);
        AttesoPunto(PuntiCatena[4], {-1, -1}); // only one chain point
        const auto c = pic.chiamate;
        ASSERT_EQ(c.size(), 6u + 3u + 3u + 2u);
        for (int i = 9; i < 12; ++i) {
            EXPECT_EQ(c[i].colore, COLORE_SQUADRETTA);
            EXPECT_EQ(c[i].spessore, 4);
        }
        AttesoSegno(c[12], V2, perno == 2 ? COLORE_NERO : VERDE, 10);
        AttesoSegno(c[13], V3, perno == 3 ? COLORE_NERO : VERDE, 10);
    }
}

TEST_F(Disegno, RockerWithBothFreeVerticesGivesTwoChainPoints) {
    Squadretta(ATTACCO, V2, V3, FALSO, FALSO);
    Ridisegna();
    AttesoPunto(PuntiCatena[2], V2);
    AttesoPunto(PuntiCatena[3], V3);
    EXPECT_EQ(Progetti[1].DatiSquadretta[1].P[3], PUNTO_ASSENTE);
    const auto c = pic.chiamate;
    ASSERT_EQ(c.size(), 11u);
    AttesoSegno(c[9], V2, VERDE, 10);
    AttesoSegno(c[10], V3, VERDE, 10);
}

TEST_F(Disegno, RockerWithBothOptionsSetDrawsOnlyItsTriangle) {
    Squadretta(ATTACCO, V2, V3, VERO, VERO);
    PuntiCatena[2] = Punto{-5, -5};
    Ridisegna();
    EXPECT_EQ(pic.chiamate.size(), 9u);
    EXPECT_EQ(pic.Conta('P'), 2); // the swingarm's two marks only
    AttesoPunto(PuntiCatena[2], {-5, -5});
    EXPECT_EQ(Progetti[1].DatiSquadretta[1].P[3], (Punto{1, 1})); // unchanged
    // The triangle: 1-2, 1-3, 2-3.
    AttesaLinea(pic.chiamate[6], ATTACCO, V2, COLORE_SQUADRETTA, 4);
    AttesaLinea(pic.chiamate[7], ATTACCO, V3, COLORE_SQUADRETTA, 4);
    AttesaLinea(pic.chiamate[8], V2, V3, COLORE_SQUADRETTA, 4);
}

// ---- a link started from vertex 3 stays there -------------------------------------------

TEST_F(Disegno, ALinkStartedFromVertexThreeKeepsTheChainOnVertexTwoAtEveryRedraw) {
    Squadretta(ATTACCO, V2, V3, FALSO, FALSO);
    // The user ticks "start from vertex 3": the link is stored with vertex 3 as its start
    // (through the displayed text, so a hair off).
    Asta(Punto{V3.X + 0.00001f, V3.Y - 0.00001f}, Punto{1000, 800});
    editor.chk[0] = 1;
    Ridisegna(&editor);
    EXPECT_EQ(editor.chk[0], 0); // the tick has done its work
    AttesoPunto(PuntiCatena[2], V3);
    AttesoPunto(PuntiCatena[3], V2); // the next element starts from vertex 2
    // Later redraws (tick cleared) keep the same chain.
    for (int volta = 0; volta < 3; ++volta) {
        PuntiCatena.fill(Punto{});
        Ridisegna(&editor);
        AttesoPunto(PuntiCatena[2], V3);
        AttesoPunto(PuntiCatena[3], V2);
    }
    // A shock absorber added next starts from vertex 2, and a modification that re-attaches
    // every element to the chain points (as the editor does) keeps it there.
    Ammortizzatore(PuntiCatena[3], Punto{1100, 700}, 0);
    Ridisegna(&editor);
    Progetti[1].DatiAsta[2].P[0] = PuntiCatena[2];
    Progetti[1].DatiMolla[3].P[0] = PuntiCatena[3];
    Ridisegna(&editor);
    AttesoPunto(Progetti[1].DatiAsta[2].P[0], V3);
    AttesoPunto(Progetti[1].DatiMolla[3].P[0], V2);
}

TEST_F(Disegno, ALinkStartedFromVertexThreeFollowsTheRockerWhenItMoves) {
    Squadretta(ATTACCO, V2, V3, FALSO, FALSO);
    Asta(V3, Punto{1000, 800});
    Ridisegna();
    // One frame of the animation: the rocker turns a little, the link's start still holds the
    // previous position of vertex 3.
    Progetti[1].DatiSquadretta[1].P[1] = Punto{790, 608};
    Progetti[1].DatiSquadretta[1].P[2] = Punto{893, 512};
    Ridisegna();
    AttesoPunto(PuntiCatena[2], {893, 512});
    AttesoPunto(PuntiCatena[3], {790, 608});
}

TEST_F(Disegno, ALinkFromVertexTwoOrALinkThatIsNotYetInTheChainChangesNothing) {
    Squadretta(ATTACCO, V2, V3, FALSO, FALSO);
    Asta(V2, Punto{600, 700}); // the usual case; its frame pivot is its third point
    Ridisegna();
    AttesoPunto(PuntiCatena[2], V2);
    AttesoPunto(PuntiCatena[3], V3);
    EXPECT_EQ(Progetti[1].DatiAsta[2].P[2], (Punto{600, 700}));
    // A stale link record beyond the last slot is not read.
    Progetti[1].DatiAsta[2].P[0] = V3;
    Progetti[1].UltimoElemento = 1;
    Ridisegna();
    AttesoPunto(PuntiCatena[2], V2);
    AttesoPunto(PuntiCatena[3], V3);
}

// ---- shock absorber ------------------------------------------------------------------

TEST_F(Disegno, AShockFixedToTheFrame) {
    Ammortizzatore(ATTACCO, Punto{700, 800}, 0);
    FinestraX1 = 10; // a drag left the corner here
    FinestraY1 = -20;
    Ridisegna();
    const auto c = pic.chiamate;
    ASSERT_EQ(c.size(), 8u);
    EXPECT_EQ(c[6].tipo, 'L');
    EXPECT_EQ(c[6].colore, RGB(255, 255, 0));
    EXPECT_EQ(c[6].spessore, 15);
    EXPECT_EQ(c[7].tipo, 'P');
    EXPECT_EQ(c[7].colore, COLORE_NERO);
    EXPECT_EQ(c[7].spessore, 10);
    EXPECT_EQ(Progetti[1].DatiMolla[1].P[2], (Punto{690, 820}));
}

TEST_F(Disegno, AShockOnTheSwingarmIsJoinedToItThroughTheFootOfItsMount) {
    const Punto supporto{900, 300}, piede{906.6025f, 362.0636f};
    Ammortizzatore(ATTACCO, supporto, 1);
    Ridisegna();
    const auto c = pic.chiamate;
    ASSERT_EQ(c.size(), 11u);
    EXPECT_EQ(c[6].spessore, 15);
    AttesoSegno(c[7], supporto, VERDE, 15);
    // Foot worked by hand: t = 169500 / 223400 along pivot -> axle.
    AttesaLinea(c[8], supporto, piede, COLORE_FORCELLONE, 8);
    AttesaLinea(c[9], piede, PERNO, COLORE_FORCELLONE, 8);
    AttesoSegno(c[10], supporto, COLORE_NERO, 10);
    EXPECT_EQ(Progetti[1].DatiMolla[1].P[2], supporto);
}

TEST_F(Disegno, TheFootIsAProjectionEvenWhereTheTriangleIsFlat) {
    // On the line beyond the axle, on the pivot, on the axle, behind the pivot: the point itself.
    for (Punto p : {Punto{1255, 325}, PERNO, ASSE, Punto{80, 450}})
        AttesoPunto(PiedeSulForcellone(PERNO, ASSE, p), p);
    // A swingarm of zero length: its pivot.
    AttesoPunto(PiedeSulForcellone(PERNO, PERNO, Punto{700, 700}), PERNO);
    // The point-to-foot line is square to the swingarm for any point.
    for (Punto p : {Punto{0, 0}, Punto{1234.5f, -77}, Punto{600, 401}}) {
        const Punto f = PiedeSulForcellone(PERNO, ASSE, p);
        EXPECT_NEAR((p.X - f.X) * (ASSE.X - PERNO.X) + (p.Y - f.Y) * (ASSE.Y - PERNO.Y), 0, 0.5);
    }
    // A swingarm-carried mount on the line draws finite lines.
    Ammortizzatore(ATTACCO, Punto{1255, 325}, 1);
    Ridisegna();
    for (const auto& c : pic.chiamate)
        EXPECT_TRUE(std::isfinite(c.x1) && std::isfinite(c.y1) && std::isfinite(c.x2) &&
                    std::isfinite(c.y2));
}

// ---- a whole chain and the unusable cases ---------------------------------------------------

TEST_F(Disegno, AWholeChainDrawsEveryElementInItsColour) {
    Asta(ATTACCO, Punto{850, 650});
    Squadretta(Punto{850, 650}, Punto{700, 700}, Punto{800, 800}, VERO, FALSO);
    Ammortizzatore(Punto{800, 800}, Punto{650, 1000}, 0);
    Ridisegna();
    std::map<long, int> linee;
    for (const auto& c : pic.Di('L')) ++linee[c.colore];
    EXPECT_EQ(linee, (std::map<long, int>{{COLORE_FORCELLONE, 2},
                                          {COLORE_ASTA, 1},
                                          {COLORE_SQUADRETTA, 3},
                                          {COLORE_AMMORTIZZATORE, 1}}));
    EXPECT_EQ(pic.Conta('C'), 2);
    AttesoPunto(PuntiCatena[1], ATTACCO);
    AttesoPunto(PuntiCatena[2], {850, 650});
    AttesoPunto(PuntiCatena[3], {800, 800});
}

TEST_F(Disegno, ALastSlotBeyondTheTablesDrawsSlotsUpToTen) {
    for (int k = 1; k <= 10; ++k) {
        Progetti[1].TipoElemento[k] = "A";
        Progetti[1].DatiAsta[k].P = {Punto{float(100 * k), 0}, Punto{float(100 * k), 50}, {}};
    }
    Progetti[1].UltimoElemento = 300; // read from a damaged file
    Ridisegna();
    EXPECT_EQ(pic.Conta('L'), 2 + 10);
    AttesoPunto(PuntiCatena[11], {1000, 0}); // slot 10, even, after a link: its start
    Progetti[1].UltimoElemento = -4;
    Ridisegna();
    EXPECT_TRUE(pic.chiamate.empty());
    // The drawers themselves refuse a slot outside 0..10.
    TrePunti asta{}, molla{};
    QuattroPunti sq{};
    PuntiCatena.fill(Punto{});
    DisegnaAsta(nullptr, asta, 11, COLORE_ASTA, pic);
    DisegnaAsta(nullptr, asta, -1, COLORE_ASTA, pic);
    DisegnaSquadretta(nullptr, sq, 11, COLORE_SQUADRETTA, pic, 1);
    DisegnaAmmortizzatore(nullptr, molla, 40, COLORE_AMMORTIZZATORE, pic, 1);
    EXPECT_TRUE(pic.chiamate.empty());
    for (const auto& p : PuntiCatena) EXPECT_EQ(p, Punto{});
    // And a project outside 1..6.
    EXPECT_FALSE(DisegnaSchema(nullptr, pic, 0));
    EXPECT_FALSE(DisegnaSchema(nullptr, pic, 7));
}

TEST_F(Disegno, NoDrawingWithoutAScaleOrOnAnEmptyPictureButTheChainIsKept) {
    Asta(ATTACCO, Punto{850, 650});
    SuperficieRegistrata vuota(0, 0);
    for (int caso = 0; caso < 4; ++caso) {
        SCOPED_TRACE(caso);
        ASSERT_TRUE(ImpostaScalaDisegno(pic, 1600, 1600));
        Superficie* bersaglio = &pic;
        if (caso == 0) ScalaSchemaX = 0;
        if (caso == 1) ScalaSchemaY = std::numeric_limits<float>::quiet_NaN();
        if (caso == 2) bersaglio = &vuota;
        if (caso == 3) FinestraY1 = std::numeric_limits<float>::infinity();
        PuntiCatena.fill(Punto{});
        Progetti[1].DatiAsta[1].P[2] = Punto{1, 1};
        pic.Cancella();
        ASSERT_TRUE(DisegnaSchema(nullptr, *bersaglio, 1));
        EXPECT_TRUE(pic.chiamate.empty());
        EXPECT_TRUE(vuota.chiamate.empty());
        AttesoPunto(PuntiCatena[1], ATTACCO);
        AttesoPunto(PuntiCatena[2], {850, 650});
        EXPECT_EQ(Progetti[1].DatiAsta[1].P[2], PUNTO_ASSENTE);
        EXPECT_EQ(CorrezioneAltezza, 0.0f);
    }
}
