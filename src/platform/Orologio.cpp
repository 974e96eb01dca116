#include "platform/Orologio.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cmath>

namespace kelvra {

namespace {

class OrologioSistema final : public Orologio {
  public:
    OrologioSistema() { avvio_.start(); }
    double Adesso() const override { return static_cast<double>(avvio_.nsecsElapsed()) / 1e6; }
    void AttendiFino(double istante) override {
        const double resta = istante - Adesso();
        if (resta <= 0) return;
        // The user may press a button or choose a menu item meanwhile.
        QEventLoop attesa;
        QTimer::singleShot(static_cast<int>(std::ceil(resta)), Qt::PreciseTimer, &attesa,
                           &QEventLoop::quit);
        attesa.exec();
    }

  private:
    QElapsedTimer avvio_;
};

Orologio* orologioImpostato = nullptr;

} // namespace

Orologio& OrologioCorrente() {
    static OrologioSistema sistema;
    return orologioImpostato ? *orologioImpostato : sistema;
}

void ImpostaOrologio(Orologio* orologio) {
    orologioImpostato = orologio;
}

} // namespace kelvra
