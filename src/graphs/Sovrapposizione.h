// What the graph tools paint over the plot without touching it: the zoom band (Shape1), the
// reader's cursor and value lines and the maximum markers (LineInfo). The plot's image is
// retained, so moving the reader or dragging the band repaints this layer alone and never
// traces the curves again; and only the strips where a line or the band's edge was or now is
// are painted again. Coordinates are the plot's own units (millimetres).
#pragma once

#include <QRegion>
#include <QWidget>
#include <cstdint>
#include <map>

namespace kelvra {

class PictureBox;

struct LineaInfo {
    bool visibile = false;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int32_t colore = 0;
    bool punteggiata = false;
};

// Marker lines: 1..6 the reader's value of each project, 50 its cursor, 100 the memorised
// abscissa, p + 10 the maximum of project p.
inline constexpr int LINEA_CURSORE = 50;
inline constexpr int LINEA_MEMO = 100;
inline constexpr int LINEA_MASSIMO = 10;

class SovrapposizioneGrafico : public QWidget {
    Q_OBJECT
  public:
    explicit SovrapposizioneGrafico(PictureBox* grafico);

    // The band: shown with its edges in plot units, border in `colore`.
    bool bandaVisibile = false;
    double bandaSinistra = 0, bandaSopra = 0, bandaLarghezza = 0, bandaAltezza = 0;
    int32_t coloreBanda = 0;
    std::map<int, LineaInfo> LineInfo;

    // Removes the lines in [da, a].
    void Scarica(int da, int a);
    void NascondiTutto();
    // After the lines or the band changed: repaints where they were and where they are.
    void Aggiorna();

  protected:
    void paintEvent(QPaintEvent* evento) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

  private:
    // The pixels the lines and the band's edges cover as they stand.
    QRegion Occupata() const;
    PictureBox* grafico_;
    QRegion dipinta_; // as last asked to be painted
};

} // namespace kelvra
