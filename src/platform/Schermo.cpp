#include "platform/Schermo.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace kelvra {

namespace {

QScreen* Schermo() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance())
               ? QGuiApplication::primaryScreen()
               : nullptr;
}

// The whole factor used for integer division, never below 1.
int FattoreIntero(double twipsPerPixel) {
    return std::max(1, static_cast<int>(std::lround(twipsPerPixel)));
}

} // namespace

double DpiSchermoX() {
    QScreen* s = Schermo();
    return s && s->logicalDotsPerInchX() > 0 ? s->logicalDotsPerInchX() : 96.0;
}

double DpiSchermoY() {
    QScreen* s = Schermo();
    return s && s->logicalDotsPerInchY() > 0 ? s->logicalDotsPerInchY() : 96.0;
}

double TwipsPerPixelX() {
    return TWIPS_PER_POLLICE / DpiSchermoX();
}
double TwipsPerPixelY() {
    return TWIPS_PER_POLLICE / DpiSchermoY();
}

int LarghezzaSchermo() {
    QScreen* s = Schermo();
    return s ? static_cast<int>(std::lround(s->geometry().width() * TwipsPerPixelX())) : 0;
}

int AltezzaSchermo() {
    QScreen* s = Schermo();
    return s ? static_cast<int>(std::lround(s->geometry().height() * TwipsPerPixelY())) : 0;
}

int PixelDaTwipsX(int twips) {
    return twips / FattoreIntero(TwipsPerPixelX());
}
int PixelDaTwipsY(int twips) {
    return twips / FattoreIntero(TwipsPerPixelY());
}

int TwipsDaPixelX(int pixel) {
    return static_cast<int>(std::lround(pixel * TwipsPerPixelX()));
}
int TwipsDaPixelY(int pixel) {
    return static_cast<int>(std::lround(pixel * TwipsPerPixelY()));
}

} // namespace kelvra
