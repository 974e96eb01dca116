// A private folder for the files a fuzz target writes, removed when the process ends.
#pragma once

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

namespace kelvra::fuzz {

// The folder's path with a trailing "/". Held in a plain array, so that it is still there
// when the removal runs at exit.
inline const char* CartellaTemporanea() {
    static char cartella[4096] = {};
    if (cartella[0] == '\0') {
        std::string modello =
            (std::filesystem::temp_directory_path() / "kelvra_fuzz_XXXXXX").string();
        if (modello.size() + 2 > sizeof cartella || !mkdtemp(modello.data())) std::abort();
        std::strcpy(cartella, modello.c_str());
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(cartella, ec);
        });
        std::strcat(cartella, "/");
    }
    return cartella;
}

} // namespace kelvra::fuzz
