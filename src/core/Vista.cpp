#include "core/Vista.h"

#include "core/Formato.h"
#include "core/Unita.h"

#include <cmath>

namespace kelvra {

float ScalaSchemaX = 0;
float ScalaSchemaY = 0;
float FinestraX1 = 0;
float FinestraY1 = 0;
float FinestraX2 = 0;
float FinestraY2 = 0;
float AreaSinistra = 0;
float AreaDestra = 0;
float LarghezzaArea = 0;
float AreaSopra = 0;
float AreaSotto = 0;
float AltezzaArea = 0;
float CorrezioneLarghezza = 0;
float CorrezioneAltezza = 0;

double OrigineX = 0;
double OrigineY = 0;
int16_t ModoEdit = 0;
int16_t ZoomUtente = FALSO;
int16_t PassoGriglia = 0;
int16_t VisualizzaCoordinate = FALSO;
int16_t VisualizzaDimensioni = FALSO;

int16_t LarghezzaPunti = 0;
int16_t LarghezzaForcellone = 0;
int16_t LarghezzaAsta = 0;
int16_t LarghezzaSquadretta = 0;
int16_t LarghezzaAmmortizzatore = 0;

std::array<Punto, MAX_PUNTI_CATENA + 1> PuntiCatena{};

namespace {

// Twips per millimetre: the control's outer size is read in twips and rounded, as the
// windows measure their controls.
constexpr double TWIP_PER_MM = 1440.0 / 25.4;

// The world extent the grid covers before the corrections.
constexpr double ESTENSIONE_GRIGLIA = 1600.0;

bool Utilizzabile(double v) {
    return std::isfinite(v) && v != 0.0;
}

} // namespace

void ImpostaLarghezzeEditor() {
    LarghezzaPunti = 10;
    LarghezzaForcellone = 8;
    LarghezzaAsta = 4;
    LarghezzaSquadretta = 4;
    LarghezzaAmmortizzatore = 15;
}

void ImpostaLarghezzeMiniature() {
    LarghezzaPunti = 2;
    LarghezzaForcellone = 4;
    LarghezzaAsta = 2;
    LarghezzaSquadretta = 2;
    LarghezzaAmmortizzatore = 5;
}

void AzzeraVista() {
    ScalaSchemaX = ScalaSchemaY = 0;
    FinestraX1 = FinestraY1 = FinestraX2 = FinestraY2 = 0;
    AreaSinistra = AreaDestra = LarghezzaArea = 0;
    AreaSopra = AreaSotto = AltezzaArea = 0;
    CorrezioneLarghezza = CorrezioneAltezza = 0;
    OrigineX = OrigineY = 0;
    ModoEdit = 0;
    ZoomUtente = FALSO;
    PassoGriglia = 0;
    VisualizzaCoordinate = VisualizzaDimensioni = FALSO;
    LarghezzaPunti = LarghezzaForcellone = LarghezzaAsta = 0;
    LarghezzaSquadretta = LarghezzaAmmortizzatore = 0;
    PuntiCatena.fill(Punto{});
}

bool ScalaValida() {
    return Utilizzabile(ScalaSchemaX) && Utilizzabile(ScalaSchemaY) &&
           Utilizzabile(LarghezzaArea) && Utilizzabile(AltezzaArea) && std::isfinite(FinestraX1) &&
           std::isfinite(FinestraY1) && std::isfinite(AreaSinistra) && std::isfinite(AreaSotto) &&
           std::isfinite(AreaSopra);
}

double SchermoX(double X) {
    return (X - FinestraX1) / ScalaSchemaX + AreaSinistra;
}
double SchermoY(double Y) {
    return AreaSotto - (Y - FinestraY1) / ScalaSchemaY;
}
double MondoX(double x) {
    return (x - AreaSinistra) * ScalaSchemaX + FinestraX1;
}
double MondoY(double y) {
    return (AreaSotto - (y - AreaSopra)) * ScalaSchemaY + FinestraY1;
}

double CoordinataVisualizzataX(double X) {
    return (X - OrigineX - FinestraX1) * FattoreUnita[0];
}
double CoordinataVisualizzataY(double Y) {
    return (Y - OrigineY - FinestraY1) * FattoreUnita[0];
}
std::string TestoCoordinataX(double X) {
    return FormattaNumero(CoordinataVisualizzataX(X), FormatoUnita[0]);
}
std::string TestoCoordinataY(double Y) {
    return FormattaNumero(CoordinataVisualizzataY(Y), FormatoUnita[0]);
}
double CoordinataModelloX(double valore) {
    return valore / FattoreUnita[0] + OrigineX + FinestraX1;
}
double CoordinataModelloY(double valore) {
    return valore / FattoreUnita[0] + OrigineY + FinestraY1;
}

bool ImpostaScalaDisegno(Superficie& picture, float larghezzaMondo, float altezzaMondo) {
    picture.ScalaMillimetri();
    const float sinistra = 0;
    const float sopra = 0;
    const float destra = static_cast<float>(picture.LarghezzaScala()) - sinistra;
    const float larghezza = destra - sinistra;
    const float sotto = static_cast<float>(picture.AltezzaScala()) - sopra;
    const float altezza = sotto - sopra;
    const long esternaL = std::lround(picture.LarghezzaEsterna() * TWIP_PER_MM);
    const long esternaA = std::lround(picture.AltezzaEsterna() * TWIP_PER_MM);

    if (!(larghezza > 0) || !(altezza > 0) || esternaL <= 0 || esternaA <= 0 ||
        !std::isfinite(larghezza) || !std::isfinite(altezza))
        return false;
    const float scalaX = (larghezzaMondo - CorrezioneLarghezza) / larghezza;
    const double rapporto = static_cast<double>(esternaA) / static_cast<double>(esternaL);
    const float scalaY =
        static_cast<float>((rapporto * altezzaMondo + CorrezioneAltezza) / altezza);
    if (!Utilizzabile(scalaX) || !Utilizzabile(scalaY)) return false;

    AreaSopra = sopra;
    AreaSinistra = sinistra;
    AreaDestra = destra;
    LarghezzaArea = larghezza;
    AreaSotto = sotto;
    AltezzaArea = altezza;
    FinestraX1 = FinestraX2 = FinestraY1 = FinestraY2 = 0;
    ScalaSchemaX = scalaX;
    ScalaSchemaY = scalaY;
    picture.ImpostaSpessore(1);
    return true;
}

bool ApplicaZoomFinestra(double x1, double x2, double y1, double y2, Superficie& picture) {
    picture.ScalaMillimetri();
    if (!ScalaValida()) return false;
    // All four edges are converted with the window corner as it was on entry.
    const float X1 = static_cast<float>(MondoX(x1));
    const float X2 = static_cast<float>(MondoX(x2));
    const float Y1 = static_cast<float>(MondoY(y1));
    const float Y2 = static_cast<float>(MondoY(y2));
    const float scala = (X2 - X1) / LarghezzaArea;
    if (!Utilizzabile(scala) || !std::isfinite(X1) || !std::isfinite(Y1)) return false;
    FinestraX1 = X1;
    FinestraX2 = X2;
    FinestraY1 = Y1;
    FinestraY2 = Y2;
    // The rectangle's width sets both scales; its height follows the picture's shape.
    ScalaSchemaX = scala;
    ScalaSchemaY = scala;
    picture.ImpostaSpessore(1);
    return true;
}

bool ConvertiTrascinamento(double x1, double x2, double y1, double y2, Superficie& picture) {
    picture.ScalaMillimetri();
    if (!ScalaValida()) return false;
    const float X1 = static_cast<float>(MondoX(x1));
    const float X2 = static_cast<float>(MondoX(x2));
    const double Y1 = MondoY(y1);
    const double Y2 = MondoY(y2);
    const float dx = X2 - X1;
    const float dy = static_cast<float>(Y2 - Y1);
    if (!std::isfinite(dx) || !std::isfinite(dy)) return false;
    FinestraX1 = dx;
    FinestraY1 = dy;
    return true;
}

void DisegnaGrigliaSchema(int passo, Superficie& picture) {
    if (passo <= 0 || !Utilizzabile(ScalaSchemaX) || !Utilizzabile(ScalaSchemaY)) return;
    const long fineI = std::lrint(ESTENSIONE_GRIGLIA - CorrezioneLarghezza);
    const long fineJ = std::lrint(ESTENSIONE_GRIGLIA - CorrezioneAltezza);
    // Anchored to the picture's top-left corner; j runs downwards.
    for (long i = 0; i <= fineI; i += passo) {
        for (long j = 0; j <= fineJ; j += passo) {
            picture.ImpostaPosizione(i / static_cast<double>(ScalaSchemaX),
                                     j / static_cast<double>(ScalaSchemaY));
            picture.Scrivi("+");
        }
    }
}

void DisegnaLineeRiferimento(double x, double y, Superficie& picture) {
    if (!ScalaValida()) return;
    const double yp = AreaSotto - y / ScalaSchemaY;
    const double xp = x / ScalaSchemaX + AreaSinistra;
    if (!std::isfinite(xp) || !std::isfinite(yp)) return;
    picture.Linea(AreaSinistra, yp, AreaDestra, yp);
    picture.Linea(xp, AreaSotto, xp, AreaSopra);
}

} // namespace kelvra
