// Tab-separated case lists kept beside the tests: every row after the heading, split into its
// fields; blank rows are skipped. Header only.
#pragma once

#include "support/CartellaProva.h"

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace kelvra::test {

inline std::vector<std::vector<std::string>> LeggiTsv(const std::filesystem::path& p) {
    std::vector<std::vector<std::string>> righe;
    std::istringstream in(LeggiFile(p));
    std::string riga;
    std::getline(in, riga); // heading
    while (std::getline(in, riga)) {
        if (riga.empty()) continue;
        std::vector<std::string> campi;
        std::istringstream r(riga);
        std::string campo;
        while (std::getline(r, campo, '\t')) campi.push_back(campo);
        righe.push_back(campi);
    }
    return righe;
}

} // namespace kelvra::test
