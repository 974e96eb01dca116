// The graph window's test fixture: the program started on a language file in a scratch
// folder, the main window shown, and helpers that build computed projects, open the graph
// window and read its plot's pixels.
#pragma once

#include "core/Impostazioni.h"
#include "core/Lingua.h"
#include "graphs/Curve01.h"
#include "graphs/StatoGrafico.h"
#include "platform/SuperficieQt.h"
#include "platform/Testo.h"
#include "shell/Avvio.h"
#include "shell/Comandi.h"
#include "shell/Main.h"
#include "support/ProgrammaAvviato.h"
#include "support/RisposteDialoghi.h"

#include <QCoreApplication>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>

namespace kelvra::test {

class GraphWindow : public ProgrammaAvviato {
  protected:
    void PrimaDellAvvio() override {
        ReimpostaGrafico();
        RegistraGrafici();
    }
    void SetUp() override {
        ProgrammaAvviato::SetUp();
        if (!HasFatalFailure()) MostraMain();
    }
    void TearDown() override {
        delete CURVE01::Istanza();
        ProgrammaAvviato::TearDown();
        ReimpostaGrafico();
    }

    // Project p computed over 0..100 mm of travel, curve `curva` going straight from 0 to `a`.
    static void Progetto(int p, Curva kelvra::Progetto::*curva, double da, double a) {
        kelvra::Progetto& pr = Progetti[p];
        for (int i = 0; i <= 100; ++i) {
            pr.AsseCorsaRuota[i] = i;
            (pr.*curva)[i] = da + (a - da) * i / 100.0;
        }
        pr.NumPunti = 100;
        pr.GeometriaInserita = VERO;
        pr.StatoDatiProgetto = 15;
        NumeroProgetti = ProgettoSelezionato = static_cast<int16_t>(p);
    }

    CURVE01& Apri() {
        MostraGrafici(1);
        QCoreApplication::processEvents();
        CURVE01* f = CURVE01::Istanza();
        EXPECT_NE(f, nullptr);
        return *f;
    }
    static void Ridimensiona(CURVE01& f, int larghezza, int altezza) {
        f.SottoFinestra()->showNormal();
        f.SottoFinestra()->resize(larghezza, altezza);
        QCoreApplication::processEvents();
    }

    // Pixel column and row of the plot image at a fraction of the axes' span (0 at XMin and
    // YMin): the plot keeps 1 mm on the left and right and 0.5 mm at the bottom.
    static int Colonna(const CURVE01& f, double frazione) {
        const double mm = f.PicGrafico->Dpi() / 25.4;
        const double larghezza = f.PicGrafico->LarghezzaPixel() / mm - 2;
        return static_cast<int>(std::floor((1 + frazione * larghezza) * mm));
    }
    static int RigaPixel(const CURVE01& f, double frazione) {
        const double mm = f.PicGrafico->Dpi() / 25.4;
        const double basso = f.PicGrafico->AltezzaPixel() / mm - 0.5;
        return static_cast<int>(std::floor((basso - frazione * basso) * mm));
    }
    static long Colore(const CURVE01& f, int x, int y) {
        const QImage& img = f.PicGrafico->Immagine();
        if (!img.valid(x, y)) return -1;
        return NumeroColore(QColor(img.pixel(x, y)));
    }
    // The rows of column x in a colour.
    static std::vector<int> Righe(const CURVE01& f, int x, long colore) {
        std::vector<int> r;
        for (int y = 0; y < f.PicGrafico->AltezzaPixel(); ++y)
            if (Colore(f, x, y) == colore) r.push_back(y);
        return r;
    }
    static bool VicinoA(const std::vector<int>& righe, int riga, int tolleranza = 3) {
        for (int r : righe)
            if (std::abs(r - riga) <= tolleranza) return true;
        return false;
    }
    static std::string T(const QLabel* l) { return AdAnsi(l->text()); }

    RisposteDialoghi modali;
};

} // namespace kelvra::test
