// Every value a result table or chart reads of a project, as bits under its name, and the first
// that differs between two such lists: results compared bit for bit. Header only.
#pragma once

#include "core/Progetti.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace kelvra::test {

using Valori = std::vector<std::pair<std::string, uint64_t>>;

inline Valori Risultati(const Progetto& p) {
    Valori v;
    auto aggiungi = [&](const char* nome, double x, int i = 0) {
        v.emplace_back(std::string(nome) + "[" + std::to_string(i) + "]",
                       std::bit_cast<uint64_t>(x));
    };
    auto serie = [&](const char* nome, const auto& a, int n) {
        for (int i = 0; i <= n && i < int(a.size()); ++i) aggiungi(nome, a[size_t(i)], i);
    };
#define VALORE(x) aggiungi(#x, p.x)
#define SERIE(x, n) serie(#x, p.x, n)
    VALORE(PrecaricoImpostato); // how later steps treat the preload
    VALORE(NumPunti), VALORE(NumPuntiAmmortizzatore), VALORE(NumPuntiMolla);
    VALORE(NumPuntiTampone), VALORE(PrecaricoTotale), VALORE(PrecaricoMollaInserita);
    SERIE(AsseCorsaRuota, MAX_PUNTI), SERIE(AngoloForcellone, MAX_PUNTI);
    SERIE(LunghezzaAmmortizzatore, MAX_PUNTI), SERIE(EscursioneAmmortizzatore, MAX_PUNTI);
    SERIE(Leveraggio, MAX_PUNTI), SERIE(RapportoVelocita, MAX_PUNTI);
    SERIE(Progressivita, MAX_PUNTI), SERIE(ProgressivitaCarico, MAX_PUNTI);
    SERIE(ForzaAmmortizzatore, MAX_PUNTI), SERIE(MomentoForcellone, MAX_PUNTI);
    SERIE(CaricoRuota, MAX_PUNTI), SERIE(RigidezzaRuota, MAX_PUNTI);
    SERIE(ForzaStaticaAmmortizzatore, p.NumPuntiAmmortizzatore);
    SERIE(AsseCorsaAmmortizzatore, p.NumPuntiAmmortizzatore);
    SERIE(ForzaMolla, p.NumPuntiMolla), SERIE(CostanteMolla, p.NumPuntiMolla);
    SERIE(ForzaTampone, p.NumPuntiTampone);
#undef VALORE
#undef SERIE
    return v;
}

// The first value that differs, or "" when all agree.
inline std::string PrimaDifferenza(const Valori& a, const Valori& b) {
    for (size_t i = 0; i < std::min(a.size(), b.size()); ++i)
        if (a[i] != b[i])
            return a[i].first + ": " + std::to_string(std::bit_cast<double>(a[i].second)) +
                   " then " + std::to_string(std::bit_cast<double>(b[i].second));
    return a.size() == b.size() ? "" : "count of values";
}

} // namespace kelvra::test
