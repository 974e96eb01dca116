// The editor window as the mouse, the view tools and the animation see it: boxes and drawing
// of EditorFinto, the other controls plain fields, a yield that calls a test's hook, and a
// confirm in modify mode that runs the modification as the window does.
#pragma once

#include "core/Formato.h"
#include "geometry_editor/ControlliEditor.h"
#include "geometry_editor/EditorFinto.h"
#include "geometry_editor/MouseGeo.h"
#include "geometry_editor/Simulazione.h"
#include "geometry_editor/StrumentiVista.h"
#include "platform/CorniceMdi.h"

#include <functional>
#include <map>

namespace kelvra::test {

// Twips per pixel of the offscreen image (96 dots per inch).
constexpr float TWIP_PIXEL = 15;

class ControlliFinti : public EditorFinto, public ControlliEditor {
  public:
    ControlliFinti() { immagine.ScalaMillimetri(); }

    std::map<Etichetta, std::string> etichette;
    bool croce = false;
    int ricariche = 0;
    bool inModifica = false;
    RettangoloZoom shape1;
    bool shape1Visibile = false;
    LineaPan line1;
    bool line1Visibile = false;
    std::map<int, bool> simulazioneSpuntata;

    int16_t RichiestaStop = FALSO, StatoSimula = 0, TipoSimulazione = 1;
    float larghezzaInterna = 600 * TWIP_PIXEL;
    RettangoloTwips picGeo{0, 0, 600 * TWIP_PIXEL, 600 * TWIP_PIXEL};
    RettangoloTwips vscroll{0, 0, 4000, 255};
    RettangoloTwips lblEsc{0, 0, 300, 600};
    int valoreVScroll = 0, massimoVScroll = 0;
    std::string lblEscTesto, cmdSimula;
    int cessioni = 0;
    // Runs at every yield with the count of yields so far.
    std::function<void(int)> allaCessione;

    EditorGeometria& Caselle() override { return *this; }
    EditorDisegno& Disegno() override { return *this; }
    std::string TestoEtichetta(Etichetta e) const override {
        auto it = etichette.find(e);
        return it == etichette.end() ? std::string() : it->second;
    }
    void ImpostaEtichetta(Etichetta e, const std::string& t) override { etichette[e] = t; }
    void PuntatoreCroce() override { croce = true; }
    int16_t ElementoSelezionato() const override { return 0; }
    void MostraPannelloTipo(int) override {}
    void ImpostaTestoCmbModifica(const std::string&) override {}
    // Modify mode on the swingarm, as the window reloads the listed element.
    void RicaricaElementoInModifica() override {
        ++ricariche;
        ModoEdit = 5;
        inModifica = true;
        RiempiCaselle(*this, NumeroProgetti, 0);
    }
    bool InModifica() const override { return inModifica; }
    void LasciaModifica() override { ModoEdit = 0, inModifica = false; }
    RettangoloZoom RettangoloShape1() const override { return shape1; }
    void ImpostaRettangoloShape1(const RettangoloZoom& r) override { shape1 = r; }
    bool Shape1Visibile() const override { return shape1Visibile; }
    void MostraShape1(bool v) override { shape1Visibile = v; }
    LineaPan LineaLine1() const override { return line1; }
    void ImpostaLineaLine1(const LineaPan& l) override { line1 = l; }
    bool Line1Visibile() const override { return line1Visibile; }
    void MostraLine1(bool v) override { line1Visibile = v; }
    void SpuntaGrigliaItem(int, bool) override {}
    void SpuntaSimulazioneItem(int i, bool s) override { simulazioneSpuntata[i] = s; }

    int16_t& CampoRichiestaStop() override { return RichiestaStop; }
    int16_t& CampoStatoSimula() override { return StatoSimula; }
    int16_t& CampoTipoSimulazione() override { return TipoSimulazione; }
    float LarghezzaInterna() const override { return larghezzaInterna; }
    RettangoloTwips PosizionePicGeo() const override { return picGeo; }
    void PosizionaPicGeo(const RettangoloTwips& r) override {
        picGeo = r;
        immagine.CambiaDimensioni(static_cast<int>(r.Width / TWIP_PIXEL),
                                  static_cast<int>(r.Height / TWIP_PIXEL));
    }
    RettangoloTwips PosizioneVScroll() const override { return vscroll; }
    void PosizionaVScroll(const RettangoloTwips& r) override { vscroll = r; }
    RettangoloTwips PosizioneLblEsc() const override { return lblEsc; }
    void PosizionaLblEsc(const RettangoloTwips& r) override { lblEsc = r; }
    int ValoreVScroll() const override { return valoreVScroll; }
    void ImpostaValoreVScroll(int v) override { valoreVScroll = std::clamp(v, 0, massimoVScroll); }
    void ImpostaMassimoVScroll(int m) override { massimoVScroll = m; }
    void MostraVScroll(bool) override {}
    void ImpostaDidascaliaLblEsc(const std::string& t) override { lblEscTesto = t; }
    std::string DidascaliaCmdSimula() const override { return cmdSimula; }
    void ImpostaDidascaliaCmdSimula(const std::string& t) override { cmdSimula = t; }
    void AbilitaConferme(bool) override {}
    bool VerificaCatena() override { return kelvra::ControlloVariabili(Testo(Casella::MaxEsc)); }
    void AggiornaAbilitazione() override {}
    // Set by a test's hook: the window went away during this yield.
    bool sparita = false;
    bool Cedi() override {
        ++cessioni;
        if (allaCessione) allaCessione(cessioni);
        return !sparita;
    }
    void ChiudiFinestra() override {}
};

// The editor's texts and hints, in a recognisable form.
inline void TestiProva() {
    TestiInsGeo01.assign(30, "");
    TestiInsGeo01[1] = "Swingarm";
    TestiInsGeo01[8] = "Simulate";
    TestiInsGeo01[13] = "Continue";
    TestiInsGeo01[14] = "Stop";
    TestiInsGeo01[28] = "Maximum wheel travel";
    TestiToolbar.assign(60, "");
    for (int i = 40; i < 60; ++i) TestiToolbar[i] = "hint " + std::to_string(i);
}

// The stand-in controls on a new chain with 100 mm of travel and the texts above.
class FixtureControlli : public FixtureEditor {
  protected:
    ControlliFinti ed;
    Progetto& P() { return Progetti[NumeroProgetti]; }
    void SetUp() override {
        FixtureEditor::SetUp();
        TestiProva();
        ed.NuovaCatena();
        ed.Scrivi(Casella::MaxEsc, "100");
        ed.conferme.clear();
    }
    void TearDown() override {
        TestiToolbar.clear();
        FixtureEditor::TearDown();
    }
    // The colour of the drawing under a point of the picture, in millimetres.
    long Colore(double x, double y) {
        const QPointF px = ed.immagine.PixelDa(x, y);
        return ed.immagine.ColorePixel(static_cast<int>(px.x()), static_cast<int>(px.y()));
    }
};

} // namespace kelvra::test
