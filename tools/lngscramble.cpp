// Writes a scrambled language file from a readable UTF-8 language source:
//   lngscramble <source> <output>
// Each line of the source becomes one 110-byte record of the output, scrambled with the key
// the program descrambles with.
#include "core/Lingua.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: lngscramble <source> <output>\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << "lngscramble: cannot read " << argv[1] << "\n";
        return 1;
    }
    std::ostringstream sorgente;
    sorgente << in.rdbuf();

    std::string codificato, errore;
    if (!kelvra::CodificaSorgenteLingua(sorgente.str(), codificato, errore)) {
        std::cerr << argv[1] << ": " << errore << "\n";
        return 1;
    }
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out.write(codificato.data(), static_cast<std::streamsize>(codificato.size()));
    out.close();
    if (!out) {
        std::cerr << "lngscramble: cannot write " << argv[2] << "\n";
        std::remove(argv[2]);
        return 1;
    }
    return 0;
}
