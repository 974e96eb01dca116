// A stand-in for the editor window: plain texts for the boxes, the real drawing into an
// offscreen image (so origin, chain points and swingarm boxes are set as in the window), and
// confirm buttons that store into the last slot, redraw and, for the shock, check and solve.
#pragma once

#include "Attesi.h"
#include "core/Cinematica.h"
#include "core/Disegno.h"
#include "core/Lingua.h"
#include "core/Unita.h"
#include "core/Vista.h"
#include "geometry_editor/Annulla.h"
#include "geometry_editor/Catena.h"
#include "geometry_editor/Coordinate.h"
#include "platform/Immagine.h"
#include "support/OrologioFinto.h"
#include "support/Risposte.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace kelvra::test {

class EditorFinto : public EditorGeometria, public EditorDisegno {
  public:
    EditorFinto() : immagine(600, 600, 96.0, 2) {}

    std::array<std::string, static_cast<int>(Casella::Numero)> testi{};
    std::array<int16_t, static_cast<int>(Opzione::Numero)> opzioni{};
    ImmagineSuperficie immagine;
    int ribasamenti = 0;
    std::vector<int> conferme;

    std::string Testo(Casella c) const override { return testi[static_cast<int>(c)]; }
    void Scrivi(Casella c, const std::string& testo, bool eventi = true) override {
        std::string& t = testi[static_cast<int>(c)];
        const bool cambiato = t != testo;
        t = testo;
        if (c == Casella::Raggio && eventi && cambiato) {
            ++ribasamenti;
            RibasaSuolo(*this);
        }
    }
    int16_t Valore(Opzione o) const override { return opzioni[static_cast<int>(o)]; }
    void ImpostaValore(Opzione o, int16_t v) override { opzioni[static_cast<int>(o)] = v; }

    void Conferma(int tipo) override {
        conferme.push_back(tipo);
        const int16_t p = NumeroProgetti;
        const int16_t k = tipo == PANNELLO_FORCELLONE ? 0 : Progetti[p].UltimoElemento;
        if (!MemorizzaElemento(*this, tipo, p, k)) return;
        Ridisegna();
        if (tipo == PANNELLO_MOLLA) RisolviCatena();
    }
    void Ridisegna() override {
        immagine.Cancella();
        DisegnaSchema(this, immagine, NumeroProgetti);
    }
    void ReimpostaVista() override {
        immagine.Cancella();
        ModoEdit = 0;
        CorrezioneLarghezza = 0;
        CorrezioneAltezza = 0;
        ImpostaScalaDisegno(immagine, 1600, 1600);
        DisegnaSchema(this, immagine, NumeroProgetti);
        ZoomUtente = FALSO;
    }
    void RisolviCatena() override {
        if (kelvra::ControlloVariabili(Testo(Casella::MaxEsc))) CalcolaCinematica();
    }

    // EditorDisegno
    Superficie& PicGeo() override { return immagine; }
    void ImpostaTxtForcellone(int i, const std::string& x, const std::string& y) override {
        testi[static_cast<int>(Casella::ForcelloneX0) + i] = x;
        testi[static_cast<int>(Casella::ForcelloneY0) + i] = y;
    }

    // Opens the next slot with a letter, as an add button does (without the panel work).
    int16_t Aggiungi(const std::string& lettera) {
        Progetto& pr = Progetti[NumeroProgetti];
        pr.UltimoElemento++;
        pr.TipoElemento[pr.UltimoElemento] = lettera;
        return pr.UltimoElemento;
    }
    // The start point of the next element as the last drawing left it.
    void PuntoPrecedente(Casella x, Casella y) {
        const Punto& pc = PuntiCatena[Progetti[NumeroProgetti].UltimoElemento];
        Scrivi(x, MostraX(pc.X));
        Scrivi(y, MostraY(pc.Y));
    }
    // Typed entries, relative to the pivot: a link end, a rocker's vertices, a shock mount.
    void Asta(const std::string& x, const std::string& y) {
        Aggiungi("A");
        PuntoPrecedente(Casella::AstaPrecX, Casella::AstaPrecY);
        Scrivi(Casella::AstaX, x);
        Scrivi(Casella::AstaY, y);
        Conferma(PANNELLO_ASTA);
    }
    void Squadretta(const std::string& x2, const std::string& y2, const std::string& x3,
                    const std::string& y3, int16_t fix0, int16_t fix1) {
        Aggiungi("S");
        PuntoPrecedente(Casella::ElemPrecX, Casella::ElemPrecY);
        Scrivi(Casella::SquadrettaX0, x2);
        Scrivi(Casella::SquadrettaY0, y2);
        Scrivi(Casella::SquadrettaX1, x3);
        Scrivi(Casella::SquadrettaY1, y3);
        ImpostaValore(Opzione::OptFix0, fix0);
        ImpostaValore(Opzione::OptFix1, fix1);
        Conferma(PANNELLO_SQUADRETTA);
    }
    void Molla(const std::string& x, const std::string& y, int16_t fix = 0) {
        Aggiungi("M");
        PuntoPrecedente(Casella::MollaPrecX, Casella::MollaPrecY);
        Scrivi(Casella::MollaX, x);
        Scrivi(Casella::MollaY, y);
        ImpostaValore(Opzione::ChkFix, fix);
        Conferma(PANNELLO_MOLLA);
    }
    // A new chain with the default swingarm, as the editor's activation starts it.
    void NuovaCatena() {
        Progetto& pr = Progetti[NumeroProgetti];
        pr.UltimoElemento = 0;
        pr.TipoElemento[0] = "F";
        DatiDefault();
        pr.RaggioRuota = pr.DatiForcellone.P[1].Y;
        ReimpostaVista();
        InitDati(*this);
    }
};

// Fresh tables, undo record and view, metric units, the messages' texts, a clock that never waits.
class FixtureEditor : public TabelleAzzerate {
  protected:
    OrologioFinto orologio;
    void SetUp() override {
        TabelleAzzerate::SetUp();
        ImpostaLarghezzeEditor();
        SistemaUnita = SISTEMA_METRICO;
        ImpostaUnitaMisura(SISTEMA_METRICO);
        Messaggi = {"exit?", "The value of", " is outside the allowed range."};
        TestiInsGeo01.assign(30, "");
        TestiInsGeo01[28] = "Maximum wheel travel";
    }
    void TearDown() override {
        Messaggi.clear();
        TestiInsGeo01.clear();
        TabelleAzzerate::TearDown();
    }
};

// A new chain with the default swingarm in the stand-in editor.
class FixtureCatena : public FixtureEditor {
  protected:
    EditorFinto ed;
    Progetto& P() { return Progetti[NumeroProgetti]; }
    void SetUp() override {
        FixtureEditor::SetUp();
        ed.NuovaCatena();
    }
};

} // namespace kelvra::test
