// The undo record: snapshots taken from the panels as model millimetres and replayed through
// the confirm buttons, across zooms, changes of units and radius changes.
#include "EditorFinto.h"

using namespace kelvra;
using namespace kelvra::test;

namespace {

class Undo : public FixtureCatena {
  protected:
    // Moves the end of the link in the last slot, as a typed change confirmed.
    void SpostaAsta(const std::string& x, const std::string& y) {
        ed.Scrivi(Casella::AstaX, x);
        ed.Scrivi(Casella::AstaY, y);
        ed.Conferma(PANNELLO_ASTA);
    }
};

TEST_F(Undo, PutsTheLinkBackWhereItWasEvenAfterAZoom) {
    ed.Asta("250", "-100");
    ProceduraUndo(ed, PANNELLO_ASTA);
    EXPECT_EQ(DatiUndo.AstaX + " " + DatiUndo.AstaY, "800.00 300.00");
    SpostaAsta("400", "0");
    AttesoPunto({950, 400}, P().DatiAsta[1].P[1]);
    ProceduraUndo(ed, 0);
    AttesiPunti({{800, 300}, {750, 450}}, {P().DatiAsta[1].P[1], P().DatiAsta[1].P[0]});
    // The record is not used up, and a zoom in between (the origin now relative to the
    // window corner) moves nothing.
    SpostaAsta("400", "0");
    ZoomUtente = VERO;
    FinestraX1 = 300;
    FinestraY1 = 120;
    ed.Ridisegna();
    ProceduraUndo(ed, 0);
    AttesiPunti({{800, 300}, {550, 400}}, {P().DatiAsta[1].P[1], P().DatiForcellone.P[0]});
}

TEST_F(Undo, AUnitChangeNeitherMovesNorRebases) {
    ed.Asta("250", "-100");
    ProceduraUndo(ed, PANNELLO_ASTA);
    EXPECT_EQ(DatiUndo.Raggio, "350.00"); // millimetres
    const int ribasamenti = ed.ribasamenti;
    ImpostaUnitaMisura(SISTEMA_IMPERIALE);
    CambioCoordinate(ed, 1.0f);
    SpostaAsta("1", "1");
    ProceduraUndo(ed, 0);
    EXPECT_EQ(ed.ribasamenti, ribasamenti);
    EXPECT_FLOAT_EQ(P().RaggioRuota, 350.0f);
    AttesiPunti({{1020, 350}, {800, 300}}, {P().DatiForcellone.P[1], P().DatiAsta[1].P[1]});
}

TEST_F(Undo, TwoLinksTheSnapshotGoesOnlyIntoTheLastSlot) {
    ed.Asta("250", "-100");
    ed.Asta("350", "-150");
    ProceduraUndo(ed, PANNELLO_ASTA); // the second link
    SpostaAsta("380", "-120");
    ed.conferme.clear();
    ProceduraUndo(ed, 0);
    // Swingarm, link, link: the link snapshot goes twice into the last slot.
    EXPECT_EQ(ed.conferme, (std::vector<int>{PANNELLO_FORCELLONE, PANNELLO_ASTA, PANNELLO_ASTA}));
    AttesiPunti({{800, 300}, {900, 250}, {800, 300}},
                {P().DatiAsta[1].P[1], P().DatiAsta[2].P[1], P().DatiAsta[2].P[0]});
}

TEST_F(Undo, APanelNeverWritesIntoTheSlotOfAnotherKind) {
    ed.Asta("250", "-100");
    ProceduraUndo(ed, PANNELLO_ASTA);
    ed.Squadretta("150", "-150", "210", "-200", VERO, FALSO);
    ProceduraUndo(ed, PANNELLO_SQUADRETTA);
    const TrePunti astaNelloSlot2 = P().DatiAsta[2];
    ed.Scrivi(Casella::SquadrettaX1, "260");
    ed.Conferma(PANNELLO_SQUADRETTA);
    ProceduraUndo(ed, 0);
    AttesoPunto({760, 200}, P().DatiSquadretta[2].P[2]);
    // The link snapshot met at slot 1 was not written over the rocker's slot.
    AttesoPunto(astaNelloSlot2.P[1], P().DatiAsta[2].P[1], 0);
    AttesoPunto({800, 300}, P().DatiAsta[1].P[1]);
}

TEST_F(Undo, TheSwingarmAsSavedOrInItsCurrentShapeIfTheRadiusChanged) {
    ProceduraUndo(ed, PANNELLO_FORCELLONE); // radius 350
    ed.Scrivi(Casella::ForcelloneX2, "150");
    ed.Scrivi(Casella::ForcelloneY2, "80");
    ed.Conferma(PANNELLO_FORCELLONE);
    AttesoPunto({700, 480}, P().DatiForcellone.P[2]);
    ProceduraUndo(ed, 0);
    AttesoPunto({750, 450}, P().DatiForcellone.P[2]);

    ed.Scrivi(Casella::Raggio, "300");       // everything 50 mm lower
    ed.Scrivi(Casella::ForcelloneX2, "150"); // a new attachment
    ed.Conferma(PANNELLO_FORCELLONE);
    ProceduraUndo(ed, 0);
    EXPECT_FLOAT_EQ(P().RaggioRuota, 350.0f);
    // The attachment as it is now, raised back, not the saved one.
    const auto& f = P().DatiForcellone.P;
    AttesiPunti({{1020, 350}, {550, 400}, {700, 450}}, {f[1], f[0], f[2]});
}

TEST_F(Undo, TheRecordKeepsTheOptions) {
    ed.Asta("250", "-100");
    ed.Squadretta("150", "-150", "210", "-200", FALSO, VERO);
    ed.ImpostaValore(Opzione::ModifySquadretta, 1);
    ed.Conferma(PANNELLO_SQUADRETTA); // a snapshot holds only confirmed values
    ProceduraUndo(ed, PANNELLO_SQUADRETTA);
    EXPECT_EQ(DatiUndo.ModifySquadretta, 1);
    EXPECT_EQ(DatiUndo.ElemPrecX + " " + DatiUndo.SquadrettaY[1], "800.00 200.00");
    ed.ImpostaValore(Opzione::OptFix0, VERO);
    ed.ImpostaValore(Opzione::OptFix1, FALSO);
    ed.Conferma(PANNELLO_SQUADRETTA);
    ProceduraUndo(ed, 0);
    EXPECT_EQ(P().OpzioneFix[2][0] * 10 + P().OpzioneFix[2][1], FALSO * 10 + VERO);
    // Kinds outside 0..4 do nothing.
    const RecordUndo prima = DatiUndo;
    ProceduraUndo(ed, 5);
    ProceduraUndo(ed, -1);
    EXPECT_EQ(DatiUndo.ElemPrecX, prima.ElemPrecX);
}

} // namespace
