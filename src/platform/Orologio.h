// The clock that paces what the program shows over time (the automatic animation of the
// geometry editor). The program runs on the system clock; tests put in a clock of their
// own, so that nothing ever waits on real time.
#pragma once

namespace kelvra {

class Orologio {
  public:
    virtual ~Orologio() = default;
    // Milliseconds from an arbitrary start.
    virtual double Adesso() const = 0;
    // Handles pending input until the moment `istante` (as Adesso counts) has come; returns
    // at once when it is already past.
    virtual void AttendiFino(double istante) = 0;
};

// The clock in use; ImpostaOrologio(nullptr) puts back the system clock.
Orologio& OrologioCorrente();
void ImpostaOrologio(Orologio* orologio);

} // namespace kelvra
