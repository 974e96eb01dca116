// A picture that records what is drawn on it: lines, dots and circles with their colour and pen
// width, and texts at the current position. Header only; the core tests use it without Qt.
#pragma once

#include "core/Superficie.h"

#include <string>
#include <vector>

namespace kelvra::test {

struct Chiamata {
    char tipo; // 'L' line, 'P' dot, 'C' circle
    double x1, y1, x2, y2, r;
    long colore; // -1 (the fore colour) already resolved
    int spessore;
};

struct TestoScritto {
    double x, y;
    std::string testo;
};

class SuperficieRegistrata : public Superficie {
  public:
    // `bordo` is the frame around the scale area, counted in the outer size only.
    SuperficieRegistrata(double larghezza, double altezza, double bordo = 0)
        : larghezza_(larghezza), altezza_(altezza), bordo_(bordo) {}

    void ScalaMillimetri() override { ++scalaMm; }
    double LarghezzaScala() const override { return larghezza_; }
    double AltezzaScala() const override { return altezza_; }
    double LarghezzaEsterna() const override { return larghezza_ + 2 * bordo_; }
    double AltezzaEsterna() const override { return altezza_ + 2 * bordo_; }
    void Cancella() override {
        chiamate.clear();
        testi.clear();
    }
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
    void ImpostaPosizione(double x, double y) override {
        posX = x;
        posY = y;
    }
    double PosizioneX() const override { return posX; }
    double PosizioneY() const override { return posY; }
    void Scrivi(const std::string& t) override { testi.push_back({posX, posY, t}); }
    double LarghezzaTesto(const std::string&) const override { return 1; }
    double AltezzaTesto(const std::string&) const override { return 1; }
    void ImpostaCarattere(const std::string&, double, bool) override {}

    int Conta(char tipo) const { return static_cast<int>(Di(tipo).size()); }
    std::vector<Chiamata> Di(char tipo) const {
        std::vector<Chiamata> r;
        for (const auto& c : chiamate)
            if (c.tipo == tipo) r.push_back(c);
        return r;
    }

    std::vector<Chiamata> chiamate;
    std::vector<TestoScritto> testi;
    int scalaMm = 0;
    int spessore = 1;
    long primoPiano = COLORE_NERO;
    double posX = 0, posY = 0;

  private:
    long Colore(long c) const { return c < 0 ? primoPiano : c; }
    double larghezza_, altezza_, bordo_;
};

} // namespace kelvra::test
