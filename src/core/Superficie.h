// A surface the linkage and graphs are drawn on: the program's picture boxes implement it,
// and so does an offscreen image for tests. Coordinates are in the surface's own scale
// (millimetres from the top-left corner, y growing downwards, once ScalaMillimetri is set).
// Colours are 24-bit numbers with red in the low byte and blue in the high byte.
#pragma once

#include <cstddef>
#include <span>
#include <string>

namespace kelvra {

constexpr long COLORE_NERO = 0x000000;
constexpr long COLORE_BIANCO = 0xFFFFFF;
constexpr long COLORE_ROSSO = 0x0000FF;
constexpr long COLORE_VERDE = 0x00FF00;
constexpr long COLORE_BLU = 0xFF0000;

// Red, green, blue in 0..255 to a colour number.
constexpr long RGB(int r, int g, int b) {
    return static_cast<long>(r & 0xFF) | (static_cast<long>(g & 0xFF) << 8) |
           (static_cast<long>(b & 0xFF) << 16);
}

enum class StileLinea { Continua, Punteggiata };

// A point in the surface's scale.
struct PuntoScala {
    double x, y;
};

class Superficie {
  public:
    virtual ~Superficie() = default;

    // Sets the user scale to millimetres: the inner scale width and height become the
    // drawable area's size in mm, origin top-left.
    virtual void ScalaMillimetri() = 0;
    // Inner size in the current scale units (mm after ScalaMillimetri).
    virtual double LarghezzaScala() const = 0;
    virtual double AltezzaScala() const = 0;
    // Outer size of the control, in mm (border included).
    virtual double LarghezzaEsterna() const = 0;
    virtual double AltezzaEsterna() const = 0;

    // Clears to the back colour; the text position returns to (0, 0).
    virtual void Cancella() = 0;
    // Pen width in pixels.
    virtual void ImpostaSpessore(int pixel) = 0;
    virtual int Spessore() const = 0;
    virtual void ImpostaStile(StileLinea stile) = 0;
    virtual void ImpostaColorePrimoPiano(long colore) = 0;
    virtual long ColorePrimoPiano() const = 0;
    virtual void ImpostaColoreSfondo(long colore) = 0;
    virtual long ColoreSfondo() const = 0;

    // A line from (x1, y1) to (x2, y2) in the given colour; colore < 0 uses the fore colour.
    virtual void Linea(double x1, double y1, double x2, double y2, long colore = -1) = 0;
    // The lines joining the points in turn, each as Linea would draw it. A surface that can
    // draw a run of joined lines in one go draws it so; this one draws them one at a time.
    virtual void Polilinea(std::span<const PuntoScala> punti, long colore = -1) {
        for (size_t i = 1; i < punti.size(); ++i)
            Linea(punti[i - 1].x, punti[i - 1].y, punti[i].x, punti[i].y, colore);
    }
    // A dot of the current pen width.
    virtual void Punto(double x, double y, long colore = -1) = 0;
    // A circle about (x, y) with radius r in the horizontal scale unit.
    virtual void Cerchio(double x, double y, double r, long colore = -1) = 0;

    // Text with its top-left corner at the current position; the position then moves to the
    // start of the next line (x to the scale's left edge, y one text line lower).
    virtual void ImpostaPosizione(double x, double y) = 0;
    virtual double PosizioneX() const = 0;
    virtual double PosizioneY() const = 0;
    // Text bytes in the language file's code page.
    virtual void Scrivi(const std::string& testo) = 0;
    virtual double LarghezzaTesto(const std::string& testo) const = 0;
    virtual double AltezzaTesto(const std::string& testo) const = 0;
    virtual void ImpostaCarattere(const std::string& nome, double punti, bool grassetto) = 0;
};

} // namespace kelvra
