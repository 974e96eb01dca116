// A fresh program folder for one test: made under the temporary folder with a name unique to
// the process and the test, set as PercorsoApplicazione, removed with everything in it at the
// end. With whole-file reading and writing as bytes. Header only.
#pragma once

#include "core/Progetti.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace kelvra::test {

inline std::string LeggiFile(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

inline void ScriviFile(const std::filesystem::path& p, const std::string& dati) {
    std::ofstream(p, std::ios::binary | std::ios::trunc) << dati;
}

class CartellaProva {
  public:
    explicit CartellaProva(const std::string& prefisso)
        : cartella(std::filesystem::temp_directory_path() /
                   (prefisso + "_" + std::to_string(::getpid()) + "_" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
        std::filesystem::remove_all(cartella);
        std::filesystem::create_directories(cartella);
        PercorsoApplicazione = cartella.string() + "/";
    }
    ~CartellaProva() {
        std::error_code ec;
        std::filesystem::remove_all(cartella, ec);
        PercorsoApplicazione.clear();
    }
    CartellaProva(const CartellaProva&) = delete;
    CartellaProva& operator=(const CartellaProva&) = delete;

    const std::filesystem::path cartella;
};

} // namespace kelvra::test
