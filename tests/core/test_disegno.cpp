// The linkage drawing: what each element drawer draws (colours, pen widths, marks,
// circles) and the bookkeeping it leaves behind (chain points, third and fourth points,
// display origin, height correction, the editor's swingarm boxes). Expected figures are
// worked by hand for the default swingarm: pivot (550, 400), axle (1020, 350),
// attachment (750, 450), in a 200 mm picture showing 1600 world mm (8 world mm per mm).
#include "core/Disegno.h"
#include "core/Unita.h"
#include "core/Vista.h"
#include "support/Risposte.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <string>
#include <vector>

using namespace kelvra;

namespace {

struct Chiamata {
    char tipo; // 'L' line, 'P' dot, 'C' circle
    double x1, y1, x2, y2, r;
    long colore;
    int spessore;
};

class SuperficieRegistrata : public Superficie {
  public:
    SuperficieRegistrata(double larghezza, double altezza)
        : larghezza_(larghezza), altezza_(altezza) {}

    void ScalaMillimetri() override {}
    double LarghezzaScala() const override { return larghezza_; }
    double AltezzaScala() const override { return altezza_; }
    double LarghezzaEsterna() const override { return larghezza_; }
    double AltezzaEsterna() const override { return altezza_; }
    void Cancella() override { chiamate.clear(); }
    void ImpostaSpessore(int pixel) override { spessore = pixel; }
    int Spessore() const override { return spessore; }
    void ImpostaStile(StileLinea) override {}
    void ImpostaColorePrimoPiano(long c) override { primoPiano = c; }
    long ColorePrimoPiano() const override { return primoPiano; }
    void ImpostaColoreSfondo(long) override {}
    long ColoreSfondo() const override { return COLORE_BIANCO; }
    void Linea(double x1, double y1, double x2, double y2, long c) override {
        chiamate.push_back({'L', x1, y1, x2, y2, 0, Colore(c), spessore});
    }
    void Punto(double x, double y, long c) override {
        chiamate.push_back({'P', x, y, x, y, 0, Colore(c), spessore});
    }
    void Cerchio(double x, double y, double r, long c) override {
        chiamate.push_back({'C', x, y, x, y, r, Colore(c), spessore});
    }
    void ImpostaPosizione(double, double) override {}
    double PosizioneX() const override { return 0; }
    double PosizioneY() const override { return 0; }
    void Scrivi(const std::string&) override {}
    double LarghezzaTesto(const std::string&) const override { return 1; }
    double AltezzaTesto(const std::string&) const override { return 1; }
    void ImpostaCarattere(const std::string&, double, bool) override {}

    int Conta(char tipo) const {
        int n = 0;
        for (const auto& c : chiamate) n += c.tipo == tipo;
        return n;
    }
    std::vector<Chiamata> Di(char tipo) const {
        std::vector<Chiamata> r;
        for (const auto& c : chiamate)
            if (c.tipo == tipo) r.push_back(c);
        return r;
    }

    std::vector<Chiamata> chiamate;
    int spessore = 1;
    long primoPiano = COLORE_NERO;

  private:
    long Colore(long c) const { return c < 0 ? primoPiano : c; }
    double larghezza_, altezza_;
};

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

// Picture position of a world point in the 8:1 view of a 200 mm picture.
double Px(double X) {
    return X / 8.0;
}
double Py(double Y) {
    return 200.0 - Y / 8.0;
}

void AttesoPunto(const Punto& a, double x, double y) {
    EXPECT_NEAR(a.X, x, 1e-3);
    EXPECT_NEAR(a.Y, y, 1e-3);
}
void AttesaLinea(const Chiamata& c, double X1, double Y1, double X2, double Y2, long colore,
                 int spessore) {
    EXPECT_EQ(c.tipo, 'L');
    EXPECT_NEAR(c.x1, Px(X1), 1e-3);
    EXPECT_NEAR(c.y1, Py(Y1), 1e-3);
    EXPECT_NEAR(c.x2, Px(X2), 1e-3);
    EXPECT_NEAR(c.y2, Py(Y2), 1e-3);
    EXPECT_EQ(c.colore, colore);
    EXPECT_EQ(c.spessore, spessore);
}
void AttesoSegno(const Chiamata& c, double X, double Y, long colore, int spessore) {
    EXPECT_EQ(c.tipo, 'P');
    EXPECT_NEAR(c.x1, Px(X), 1e-3);
    EXPECT_NEAR(c.y1, Py(Y), 1e-3);
    EXPECT_EQ(c.colore, colore);
    EXPECT_EQ(c.spessore, spessore);
}

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

    // Appends an element to project 1.
    void Asta(Punto inizio, Punto fine) {
        int k = ++Progetti[1].UltimoElemento;
        Progetti[1].TipoElemento[k] = "A";
        Progetti[1].DatiAsta[k].P = {inizio, fine, Punto{1, 1}};
    }
    void Squadretta(Punto v1, Punto v2, Punto v3, int16_t o0, int16_t o1) {
        int k = ++Progetti[1].UltimoElemento;
        Progetti[1].TipoElemento[k] = "S";
        Progetti[1].DatiSquadretta[k].P = {v1, v2, v3, Punto{1, 1}};
        Progetti[1].OpzioneFix[k] = {o0, o1};
    }
    void Ammortizzatore(Punto estremo, Punto supporto, int16_t suForcellone) {
        int k = ++Progetti[1].UltimoElemento;
        Progetti[1].TipoElemento[k] = "M";
        Progetti[1].DatiMolla[k].P = {estremo, supporto, Punto{1, 1}};
        Progetti[1].AmmortizzatoreFisso = suForcellone;
    }
    void Ridisegna(EditorDisegno* form = nullptr) {
        pic.Cancella();
        ASSERT_TRUE(DisegnaSchema(form, pic, 1, FALSO, FALSO));
    }

    SuperficieRegistrata pic{200, 200};
    EditorFinto editor;
};

// A rocker in slot 1 hanging from the attachment, free vertices 2 and 3.
constexpr Punto V2{800, 600};
constexpr Punto V3{900, 500};

} // namespace

// ---- swingarm ------------------------------------------------------------------------

TEST_F(Disegno, TheSwingarmAloneDrawsTwoLinesTwoCirclesAndTwoMarks) {
    Ridisegna(&editor);
    const auto& c = pic.chiamate;
    ASSERT_EQ(c.size(), 6u);
    AttesaLinea(c[0], 550, 400, 1020, 350, COLORE_FORCELLONE, 8);
    // Foot of the attachment on the pivot-axle line, worked by hand: t = 91500 / 223400.
    AttesaLinea(c[1], 750, 450, 742.5022, 379.5210, COLORE_FORCELLONE, 8);
    // Tyre and rim about the axle, radius on the y scale.
    ASSERT_EQ(c[2].tipo, 'C');
    EXPECT_NEAR(c[2].x1, 127.5, 1e-9);
    EXPECT_NEAR(c[2].y1, 156.25, 1e-9);
    EXPECT_NEAR(c[2].r, 43.75, 1e-9);
    EXPECT_EQ(c[2].colore, COLORE_NERO);
    EXPECT_EQ(c[2].spessore, 1);
    ASSERT_EQ(c[3].tipo, 'C');
    EXPECT_NEAR(c[3].r, 37.5, 1e-9);
    AttesoSegno(c[4], 550, 400, COLORE_NERO, 10);
    AttesoSegno(c[5], 750, 450, RGB(0, 255, 0), 10);
    EXPECT_EQ(pic.spessore, 1); // left at 1

    AttesoPunto(PuntiCatena[1], 750, 450);
    EXPECT_EQ(OrigineX, 550.0f);
    EXPECT_EQ(OrigineY, 400.0f);
    EXPECT_EQ(CorrezioneAltezza, 0.0f);
}

TEST_F(Disegno, TheDefaultSwingarmFillsTheEditorsBoxesAndItsReferenceLines) {
    Ridisegna(&editor);
    ASSERT_EQ(editor.caselle.size(), 3u);
    EXPECT_EQ(editor.caselle[0], std::make_pair(std::string("0.00"), std::string("0.00")));
    EXPECT_EQ(editor.caselle[1], std::make_pair(std::string("470.00"), std::string("-50.00")));
    EXPECT_EQ(editor.caselle[2], std::make_pair(std::string("200.00"), std::string("50.00")));
    // The cross through the pivot goes on the editor's own picture, not the target.
    const auto linee = editor.picGeo.Di('L');
    ASSERT_EQ(linee.size(), 2u);
    EXPECT_NEAR(linee[0].y1, 150.0, 1e-9);
    EXPECT_NEAR(linee[0].y2, 150.0, 1e-9);
    EXPECT_NEAR(linee[1].x1, 68.75, 1e-9);
    EXPECT_NEAR(linee[1].x2, 68.75, 1e-9);
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
    AttesoPunto(PuntiCatena[1], 750, 450);
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
    EXPECT_EQ(editor.caselle[0].first, "0.00");
    EXPECT_EQ(editor.caselle[0].second, "0.00");
    EXPECT_EQ(editor.caselle[1].first, "470.00");
    EXPECT_EQ(editor.caselle[1].second, "-50.00");
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
    AttesoPunto(PuntiCatena[2], 850, 650);

    for (const char* tipo : {"", "X", "AS"}) {
        Progetti[1].TipoElemento[1] = tipo;
        Ridisegna();
        EXPECT_EQ(pic.Conta('L'), 2) << tipo;
    }
}

// ---- links ---------------------------------------------------------------------------

TEST_F(Disegno, LinksInOddAndEvenSlots) {
    const Punto nodo{850, 650};
    const Punto telaio{700, 900};
    Asta(ATTACCO, nodo);
    Asta(nodo, telaio);
    Ridisegna();
    // Slot 1: the chain goes on from its end; no third point.
    AttesoPunto(PuntiCatena[2], 850, 650);
    EXPECT_EQ(Progetti[1].DatiAsta[1].P[2], PUNTO_ASSENTE);
    // Slot 2: pinned to the frame at its end, the chain goes on from its start (the node).
    AttesoPunto(PuntiCatena[3], 850, 650);
    EXPECT_EQ(Progetti[1].DatiAsta[2].P[2], telaio);

    const auto c = pic.chiamate;
    ASSERT_EQ(c.size(), 12u);
    AttesaLinea(c[6], 750, 450, 850, 650, COLORE_ASTA, 4);
    AttesoSegno(c[7], 750, 450, RGB(0, 255, 0), 4);  // start, with the link's pen
    AttesoSegno(c[8], 850, 650, RGB(0, 255, 0), 10); // odd slot: free end
    AttesaLinea(c[9], 850, 650, 700, 900, RGB(255, 0, 255), 4);
    AttesoSegno(c[11], 700, 900, COLORE_NERO, 10); // even slot: frame pivot
}

TEST_F(Disegno, ALinkAfterARockerLeavesTheRockersChainPoint) {
    Squadretta(ATTACCO, V2, V3, FALSO, FALSO);
    Asta(V2, Punto{600, 700});
    Ridisegna();
    AttesoPunto(PuntiCatena[2], V2.X, V2.Y);
    AttesoPunto(PuntiCatena[3], V3.X, V3.Y);
    EXPECT_EQ(Progetti[1].DatiAsta[2].P[2], (Punto{600, 700}));
}

// ---- rockers -------------------------------------------------------------------------

TEST_F(Disegno, RockerPinnedAtVertexTwo) {
    Asta(ATTACCO, Punto{760, 700});
    Squadretta(Punto{760, 700}, V2, V3, VERO, FALSO);
    PuntiCatena[4] = Punto{-1, -1};
    Ridisegna();
    AttesoPunto(PuntiCatena[3], V3.X, V3.Y);
    EXPECT_EQ(Progetti[1].DatiSquadretta[2].P[3], V2);
    AttesoPunto(PuntiCatena[4], -1, -1); // only one chain point
    const auto c = pic.chiamate;
    ASSERT_EQ(c.size(), 6u + 3u + 3u + 2u);
    for (int i = 9; i < 12; ++i) {
        EXPECT_EQ(c[i].colore, COLORE_SQUADRETTA);
        EXPECT_EQ(c[i].spessore, 4);
    }
    AttesoSegno(c[12], V2.X, V2.Y, COLORE_NERO, 10);
    AttesoSegno(c[13], V3.X, V3.Y, RGB(0, 255, 0), 10);
}

TEST_F(Disegno, RockerPinnedAtVertexThree) {
    Asta(ATTACCO, Punto{760, 700});
    Squadretta(Punto{760, 700}, V2, V3, FALSO, VERO);
    Ridisegna();
    AttesoPunto(PuntiCatena[3], V2.X, V2.Y);
    EXPECT_EQ(Progetti[1].DatiSquadretta[2].P[3], V3);
    const auto c = pic.chiamate;
    ASSERT_EQ(c.size(), 14u);
    AttesoSegno(c[12], V2.X, V2.Y, RGB(0, 255, 0), 10);
    AttesoSegno(c[13], V3.X, V3.Y, COLORE_NERO, 10);
}

TEST_F(Disegno, RockerWithBothFreeVerticesGivesTwoChainPoints) {
    Squadretta(ATTACCO, V2, V3, FALSO, FALSO);
    Ridisegna();
    AttesoPunto(PuntiCatena[2], V2.X, V2.Y);
    AttesoPunto(PuntiCatena[3], V3.X, V3.Y);
    EXPECT_EQ(Progetti[1].DatiSquadretta[1].P[3], PUNTO_ASSENTE);
    const auto c = pic.chiamate;
    ASSERT_EQ(c.size(), 11u);
    AttesoSegno(c[9], V2.X, V2.Y, RGB(0, 255, 0), 10);
    AttesoSegno(c[10], V3.X, V3.Y, RGB(0, 255, 0), 10);
}

TEST_F(Disegno, RockerWithBothOptionsSetDrawsOnlyItsTriangle) {
    Squadretta(ATTACCO, V2, V3, VERO, VERO);
    PuntiCatena[2] = Punto{-5, -5};
    Ridisegna();
    EXPECT_EQ(pic.chiamate.size(), 9u);
    EXPECT_EQ(pic.Conta('P'), 2); // the swingarm's two marks only
    AttesoPunto(PuntiCatena[2], -5, -5);
    EXPECT_EQ(Progetti[1].DatiSquadretta[1].P[3], (Punto{1, 1})); // unchanged
    // The triangle: 1-2, 1-3, 2-3.
    const auto c = pic.chiamate;
    AttesaLinea(c[6], 750, 450, 800, 600, COLORE_SQUADRETTA, 4);
    AttesaLinea(c[7], 750, 450, 900, 500, COLORE_SQUADRETTA, 4);
    AttesaLinea(c[8], 800, 600, 900, 500, COLORE_SQUADRETTA, 4);
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
    AttesoPunto(PuntiCatena[2], V3.X, V3.Y);
    AttesoPunto(PuntiCatena[3], V2.X, V2.Y); // the next element starts from vertex 2

    // Later redraws (tick cleared) keep the same chain.
    for (int volta = 0; volta < 3; ++volta) {
        PuntiCatena.fill(Punto{});
        Ridisegna(&editor);
        AttesoPunto(PuntiCatena[2], V3.X, V3.Y);
        AttesoPunto(PuntiCatena[3], V2.X, V2.Y);
    }

    // A shock absorber added next starts from vertex 2, and a modification that
    // re-attaches every element to the chain points (as the editor does) keeps it there.
    Ammortizzatore(PuntiCatena[3], Punto{1100, 700}, 0);
    Ridisegna(&editor);
    Progetti[1].DatiAsta[2].P[0] = PuntiCatena[2];
    Progetti[1].DatiMolla[3].P[0] = PuntiCatena[3];
    Ridisegna(&editor);
    AttesoPunto(Progetti[1].DatiAsta[2].P[0], V3.X, V3.Y);
    AttesoPunto(Progetti[1].DatiMolla[3].P[0], V2.X, V2.Y);
}

TEST_F(Disegno, ALinkStartedFromVertexThreeFollowsTheRockerWhenItMoves) {
    Squadretta(ATTACCO, V2, V3, FALSO, FALSO);
    Asta(V3, Punto{1000, 800});
    Ridisegna();
    // One frame of the animation: the rocker turns a little, the link's start still holds
    // the previous position of vertex 3.
    Progetti[1].DatiSquadretta[1].P[1] = Punto{790, 608};
    Progetti[1].DatiSquadretta[1].P[2] = Punto{893, 512};
    Ridisegna();
    AttesoPunto(PuntiCatena[2], 893, 512);
    AttesoPunto(PuntiCatena[3], 790, 608);
}

TEST_F(Disegno, ALinkFromVertexTwoOrALinkThatIsNotYetInTheChainChangesNothing) {
    Squadretta(ATTACCO, V2, V3, FALSO, FALSO);
    // A link at vertex 2 is the usual case.
    Asta(V2, Punto{600, 700});
    Ridisegna();
    AttesoPunto(PuntiCatena[2], V2.X, V2.Y);
    AttesoPunto(PuntiCatena[3], V3.X, V3.Y);
    // A stale link record beyond the last slot is not read.
    Progetti[1].DatiAsta[2].P[0] = V3;
    Progetti[1].UltimoElemento = 1;
    Ridisegna();
    AttesoPunto(PuntiCatena[2], V2.X, V2.Y);
    AttesoPunto(PuntiCatena[3], V3.X, V3.Y);
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
    EXPECT_EQ(c[6].colore, COLORE_AMMORTIZZATORE);
    EXPECT_EQ(c[6].colore, RGB(255, 255, 0));
    EXPECT_EQ(c[6].spessore, 15);
    EXPECT_EQ(c[7].tipo, 'P');
    EXPECT_EQ(c[7].colore, COLORE_NERO);
    EXPECT_EQ(c[7].spessore, 10);
    EXPECT_EQ(Progetti[1].DatiMolla[1].P[2], (Punto{690, 820}));
}

TEST_F(Disegno, AShockOnTheSwingarmIsJoinedToItThroughTheFootOfItsMount) {
    Ammortizzatore(ATTACCO, Punto{900, 300}, 1);
    Ridisegna();
    const auto c = pic.chiamate;
    ASSERT_EQ(c.size(), 11u);
    EXPECT_EQ(c[6].spessore, 15);
    AttesoSegno(c[7], 900, 300, RGB(0, 255, 0), 15);
    // Foot worked by hand: t = 169500 / 223400 along pivot -> axle.
    AttesaLinea(c[8], 900, 300, 906.6025, 362.0636, COLORE_FORCELLONE, 8);
    AttesaLinea(c[9], 906.6025, 362.0636, 550, 400, COLORE_FORCELLONE, 8);
    AttesoSegno(c[10], 900, 300, COLORE_NERO, 10);
    EXPECT_EQ(Progetti[1].DatiMolla[1].P[2], (Punto{900, 300}));
}

TEST_F(Disegno, TheFootIsAProjectionEvenWhereTheTriangleIsFlat) {
    // On the line beyond the axle: the foot is the point itself.
    Punto f = PiedeSulForcellone(PERNO, ASSE, Punto{1255, 325});
    AttesoPunto(f, 1255, 325);
    // On the pivot, and on the axle.
    AttesoPunto(PiedeSulForcellone(PERNO, ASSE, PERNO), 550, 400);
    AttesoPunto(PiedeSulForcellone(PERNO, ASSE, ASSE), 1020, 350);
    // Behind the pivot.
    f = PiedeSulForcellone(PERNO, ASSE, Punto{80, 450});
    AttesoPunto(f, 80, 450);
    // A swingarm of zero length: its pivot.
    AttesoPunto(PiedeSulForcellone(PERNO, PERNO, Punto{700, 700}), 550, 400);
    // The point-to-foot line is square to the swingarm for any point.
    for (Punto p : {Punto{0, 0}, Punto{1234.5f, -77}, Punto{600, 401}}) {
        f = PiedeSulForcellone(PERNO, ASSE, p);
        const double dot = (p.X - f.X) * (ASSE.X - PERNO.X) + (p.Y - f.Y) * (ASSE.Y - PERNO.Y);
        EXPECT_NEAR(dot, 0.0, 0.5);
    }
    // A swingarm-carried mount on the line draws finite lines.
    Ammortizzatore(ATTACCO, Punto{1255, 325}, 1);
    Ridisegna();
    for (const auto& c : pic.chiamate) {
        EXPECT_TRUE(std::isfinite(c.x1) && std::isfinite(c.y1));
        EXPECT_TRUE(std::isfinite(c.x2) && std::isfinite(c.y2));
    }
}

// ---- a whole chain and the unusable cases ---------------------------------------------------

TEST_F(Disegno, AWholeChainDrawsEveryElementInItsColour) {
    Asta(ATTACCO, Punto{850, 650});
    Squadretta(Punto{850, 650}, Punto{700, 700}, Punto{800, 800}, VERO, FALSO);
    Ammortizzatore(Punto{800, 800}, Punto{650, 1000}, 0);
    Ridisegna();
    std::map<long, int> linee;
    for (const auto& c : pic.Di('L')) ++linee[c.colore];
    EXPECT_EQ(linee[COLORE_FORCELLONE], 2);
    EXPECT_EQ(linee[COLORE_ASTA], 1);
    EXPECT_EQ(linee[COLORE_SQUADRETTA], 3);
    EXPECT_EQ(linee[COLORE_AMMORTIZZATORE], 1);
    EXPECT_EQ(pic.Conta('C'), 2);
    AttesoPunto(PuntiCatena[1], 750, 450);
    AttesoPunto(PuntiCatena[2], 850, 650);
    AttesoPunto(PuntiCatena[3], 800, 800);
}

TEST_F(Disegno, ALastSlotBeyondTheTablesDrawsSlotsUpToTen) {
    for (int k = 1; k <= 10; ++k) {
        Progetti[1].TipoElemento[k] = "A";
        Progetti[1].DatiAsta[k].P = {Punto{float(100 * k), 0}, Punto{float(100 * k), 50}, {}};
    }
    Progetti[1].UltimoElemento = 300; // read from a damaged file
    Ridisegna();
    EXPECT_EQ(pic.Conta('L'), 2 + 10);
    AttesoPunto(PuntiCatena[11], 1000, 0); // slot 10, even, after a link: its start
    Progetti[1].UltimoElemento = -4;
    Ridisegna();
    EXPECT_TRUE(pic.chiamate.empty());
    // The drawers themselves refuse a slot outside 0..10.
    TrePunti asta{};
    PuntiCatena.fill(Punto{});
    DisegnaAsta(nullptr, asta, 11, COLORE_ASTA, pic);
    DisegnaAsta(nullptr, asta, -1, COLORE_ASTA, pic);
    QuattroPunti sq{};
    DisegnaSquadretta(nullptr, sq, 11, COLORE_SQUADRETTA, pic, 1);
    TrePunti molla{};
    DisegnaAmmortizzatore(nullptr, molla, 40, COLORE_AMMORTIZZATORE, pic, 1);
    EXPECT_TRUE(pic.chiamate.empty());
    for (const auto& p : PuntiCatena) EXPECT_EQ(p, Punto{});
    // And a project outside 1..6.
    EXPECT_FALSE(DisegnaSchema(nullptr, pic, 0));
    EXPECT_FALSE(DisegnaSchema(nullptr, pic, 7));
}

TEST_F(Disegno, NoDrawingWithoutAScaleOrOnAnEmptyPictureButTheChainIsKept) {
    Asta(ATTACCO, Punto{850, 650});
    const float nan = std::numeric_limits<float>::quiet_NaN();
    SuperficieRegistrata vuota(0, 0);
    for (int caso = 0; caso < 4; ++caso) {
        SCOPED_TRACE(caso);
        ASSERT_TRUE(ImpostaScalaDisegno(pic, 1600, 1600));
        Superficie* bersaglio = &pic;
        if (caso == 0) ScalaSchemaX = 0;
        if (caso == 1) ScalaSchemaY = nan;
        if (caso == 2) bersaglio = &vuota;
        if (caso == 3) FinestraY1 = std::numeric_limits<float>::infinity();
        PuntiCatena.fill(Punto{});
        Progetti[1].DatiAsta[1].P[2] = Punto{1, 1};
        pic.Cancella();
        ASSERT_TRUE(DisegnaSchema(nullptr, *bersaglio, 1));
        EXPECT_TRUE(pic.chiamate.empty());
        EXPECT_TRUE(vuota.chiamate.empty());
        AttesoPunto(PuntiCatena[1], 750, 450);
        AttesoPunto(PuntiCatena[2], 850, 650);
        EXPECT_EQ(Progetti[1].DatiAsta[1].P[2], PUNTO_ASSENTE);
        EXPECT_EQ(CorrezioneAltezza, 0.0f);
    }
}
