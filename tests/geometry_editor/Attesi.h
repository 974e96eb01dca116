// Checks shared by the editor's tests: points within a tolerance, and a row of controls'
// states or texts compared in one line.
#pragma once

#include "core/Progetti.h"
#include "core/Vista.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <vector>

namespace kelvra::test {

// The actual points, in the order of the expected ones; the trace names the place in the list.
inline void AttesiPunti(const std::vector<Punto>& attesi, const std::vector<Punto>& reali,
                        float tolleranza = 1e-3f) {
    ASSERT_EQ(attesi.size(), reali.size());
    for (size_t k = 0; k < attesi.size(); ++k) {
        EXPECT_NEAR(reali[k].X, attesi[k].X, tolleranza) << "point " << k;
        EXPECT_NEAR(reali[k].Y, attesi[k].Y, tolleranza) << "point " << k;
    }
}
inline void AttesiValori(const std::vector<double>& attesi, const std::vector<double>& reali,
                         double tolleranza) {
    ASSERT_EQ(attesi.size(), reali.size());
    for (size_t k = 0; k < attesi.size(); ++k)
        EXPECT_NEAR(reali[k], attesi[k], tolleranza) << "value " << k;
}
inline void AttesoPunto(const Punto& atteso, const Punto& reale, float tolleranza = 1e-3f) {
    AttesiPunti({atteso}, {reale}, tolleranza);
}

// "1" or "0" per item, as `prova` finds it: enabled buttons, checked items, visible panels.
template <typename T, typename F> std::string Stati(std::initializer_list<T*> elementi, F prova) {
    std::string s;
    for (T* e : elementi) s += (e->*prova)() ? '1' : '0';
    return s;
}

// The position of the travel whose linkage attachment the last drawing used; -1 if none.
inline int PosizioneDisegnata() {
    for (int i = 0; i <= MAX_PUNTI; ++i)
        if (PuntiCatena[1] == Progetti[NumeroProgetti].PuntiGiunzione[2][1][i]) return i;
    return -1;
}

} // namespace kelvra::test
