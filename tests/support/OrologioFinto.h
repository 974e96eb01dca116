// A clock for tests: time moves only when the code under test waits, or when a test moves
// it, and installs itself as the program's clock for its lifetime.
#pragma once

#include "platform/Orologio.h"

#include <algorithm>

namespace kelvra::test {

class OrologioFinto : public Orologio {
  public:
    OrologioFinto() { ImpostaOrologio(this); }
    ~OrologioFinto() override { ImpostaOrologio(nullptr); }
    OrologioFinto(const OrologioFinto&) = delete;
    OrologioFinto& operator=(const OrologioFinto&) = delete;

    double Adesso() const override { return adesso; }
    void AttendiFino(double istante) override { adesso = std::max(adesso, istante); }

    double adesso = 0;
};

} // namespace kelvra::test
