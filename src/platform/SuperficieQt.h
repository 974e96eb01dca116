// The one renderer behind every drawing surface of the program: it keeps a retained image
// (what is drawn stays until cleared) and maps the surface's scale onto its pixels. The
// picture box on screen and the offscreen image used by tests both draw through it, so a
// test that checks pixels of an offscreen image checks what the window would show.
//
// Scale: by default, and after ScalaMillimetri, the inner area measures its own size in
// millimetres at the surface's dots per inch, origin top-left, y downwards. ImpostaScala
// sets a user scale instead (left, top, width and height in any units); that scale stays
// fixed when the surface is resized, while the millimetre scale follows the size.
//
// Pens: a width of 1 draws single-pixel lines; wider pens draw round-capped lines. The
// dotted style applies to width-1 pens only (wider pens always draw solid), as a desktop
// picture control does. A dot is a disc of the pen's width centred on the point's pixel.
//
// Text: Scrivi writes with the text's top-left corner at the current position and then
// moves the current position to the start of the next line: x back to the left edge of
// the scale, y one text line lower.
#pragma once

#include "core/Superficie.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPen>
#include <QPoint>
#include <QPointF>

class QPainter;

namespace kelvra {

// A colour number (red in the low byte) as a Qt colour, and back.
QColor ColoreQt(long colore);
long NumeroColore(const QColor& colore);

class SuperficieQt : public Superficie {
  public:
    // Inner area of larghezza x altezza pixels at `dpi` dots per inch, with a border of
    // `bordo` pixels on every side counted in the outer size only.
    SuperficieQt(int larghezza, int altezza, double dpi, int bordo);
    ~SuperficieQt() override = default;

    void ScalaMillimetri() override;
    double LarghezzaScala() const override;
    double AltezzaScala() const override;
    double LarghezzaEsterna() const override;
    double AltezzaEsterna() const override;

    void Cancella() override;
    void ImpostaSpessore(int pixel) override;
    int Spessore() const override { return spessore_; }
    void ImpostaStile(StileLinea stile) override { stile_ = stile; }
    StileLinea Stile() const { return stile_; }
    void ImpostaColorePrimoPiano(long colore) override { primoPiano_ = colore; }
    long ColorePrimoPiano() const override { return primoPiano_; }
    // Setting the back colour also clears the surface to it, as a picture control does.
    void ImpostaColoreSfondo(long colore) override;
    long ColoreSfondo() const override { return sfondo_; }

    void Linea(double x1, double y1, double x2, double y2, long colore = -1) override;
    // One painter for the whole run; a wide pen draws one polyline for each stretch of it that
    // joins up. The same pixels as its lines drawn one at a time, at a fraction of the cost
    // (a wide pen's joins may put an edge pixel apart).
    void Polilinea(std::span<const PuntoScala> punti, long colore = -1) override;
    void Punto(double x, double y, long colore = -1) override;
    void Cerchio(double x, double y, double r, long colore = -1) override;

    void ImpostaPosizione(double x, double y) override;
    double PosizioneX() const override { return posX_; }
    double PosizioneY() const override { return posY_; }
    void Scrivi(const std::string& testo) override;
    double LarghezzaTesto(const std::string& testo) const override;
    double AltezzaTesto(const std::string& testo) const override;
    void ImpostaCarattere(const std::string& nome, double punti, bool grassetto) override;
    QFont Carattere() const { return carattere_; }

    // A user scale: the inner area spans [sinistra, sinistra + larghezza] across and
    // [sopra, sopra + altezza] down. A zero width or height is refused (scale unchanged).
    void ImpostaScala(double sinistra, double sopra, double larghezza, double altezza);
    double SinistraScala() const { return sinistraScala_; }
    double SopraScala() const { return sopraScala_; }

    // Conversions between the scale and the inner area's pixels (pixel 0 = the inner
    // area's left or top edge).
    QPointF PixelDa(double x, double y) const;
    double XDaPixel(double px) const;
    double YDaPixel(double py) const;

    // The retained image of the inner area.
    const QImage& Immagine() const;
    int LarghezzaPixel() const { return Immagine().width(); }
    int AltezzaPixel() const { return Immagine().height(); }
    int Bordo() const { return bordo_; }
    double Dpi() const { return dpi_; }

  protected:
    // Gives the inner area a new pixel size: what was drawn stays at the top-left, newly
    // uncovered pixels take the back colour. The millimetre scale follows the new size.
    void Ridimensiona(int larghezza, int altezza);
    // The image's size as it stands, without bringing it up to date first.
    int LarghezzaImmagine() const { return immagine_.width(); }
    int AltezzaImmagine() const { return immagine_.height(); }
    void ImpostaDpi(double dpi);
    // Called after every change to the image, so a window can repaint.
    virtual void ImmagineCambiata() {}
    // Called before the image or the scale is used, so a window whose size changed while
    // it was hidden (no resize event yet) can bring the image to its size first.
    virtual void AllineaDimensioni() const {}

  private:
    long Colore(long colore) const { return colore < 0 ? primoPiano_ : colore; }
    // The pen a line is drawn with: the width, style and caps the pen settings stand for.
    QPen Penna(long colore) const;
    // A line's ends in pixel centres, clipped to a wide margin about the image; false when
    // the line has a non-finite end or lies wholly outside the margin.
    bool SegmentoInPixel(double x1, double y1, double x2, double y2, QPointF& a, QPointF& b) const;
    // A thin dotted line straight across or down, both ends in the image (pixel centres), set
    // dot by dot in the image's pixels as the painter would dot it; false, with nothing drawn,
    // for any other line or pen.
    bool PuntiniDiritti(QPointF a, QPointF b, long colore);
    // The two ways Polilinea draws, with the painter and pen set: a thin pen's lines one by
    // one, a wide pen's in joined runs.
    void LineeSottili(QPainter& p, std::span<const PuntoScala> punti) const;
    void TrattiLarghi(QPainter& p, std::span<const PuntoScala> punti) const;
    void AggiornaScalaMillimetri();

    QImage immagine_;
    double dpi_;
    int bordo_;
    bool scalaMillimetri_ = true;
    double sinistraScala_ = 0;
    double sopraScala_ = 0;
    double larghezzaScala_ = 0;
    double altezzaScala_ = 0;
    int spessore_ = 1;
    StileLinea stile_ = StileLinea::Continua;
    long primoPiano_ = COLORE_NERO;
    long sfondo_ = COLORE_BIANCO;
    double posX_ = 0;
    double posY_ = 0;
    QFont carattere_;
};

} // namespace kelvra
