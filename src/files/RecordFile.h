// The little-endian record codec of the project and component files, with the bounded
// whole-file read and the write that replaces a file only once the new one is complete.
//
// A record is a run of fields with no header and no alignment: 16-bit integers and 4-byte
// floats little-endian, fixed texts of n bytes, variable texts as a 16-bit count followed by
// their bytes. `LettoreRecord` walks the bytes read from a file and never reads past them: the
// first field that does not fit fails the whole reader, which then leaves every later field
// untouched. `ScrittoreRecord` appends fields to a byte string.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kelvra::files {

class LettoreRecord {
  public:
    explicit LettoreRecord(std::string_view dati) : dati_(dati) {}

    void Campo(int16_t& valore);
    void Campo(float& valore);
    template <size_t N> void Campo(std::array<float, N>& valori) {
        for (float& v : valori) Campo(v);
    }
    // Exactly `lunghezza` bytes, as they stand (padding included).
    void TestoFisso(std::string& testo, size_t lunghezza);
    // A count and that many bytes; a count above `massimo` fails the reader.
    void TestoVariabile(std::string& testo, size_t massimo);

    bool Ok() const { return ok_; }
    size_t Posizione() const { return pos_; }

  private:
    const char* Prendi(size_t n);
    std::string_view dati_;
    size_t pos_ = 0;
    bool ok_ = true;
};

class ScrittoreRecord {
  public:
    void Campo(const int16_t& valore);
    void Campo(const float& valore);
    template <size_t N> void Campo(const std::array<float, N>& valori) {
        for (float v : valori) Campo(v);
    }
    // Cut to `lunghezza` bytes or padded with spaces up to it.
    void TestoFisso(const std::string& testo, size_t lunghezza);
    // Cut to `massimo` bytes.
    void TestoVariabile(const std::string& testo, size_t massimo);

    const std::string& Dati() const { return dati_; }

  private:
    std::string dati_;
};

// The first `massimo` bytes of the regular file `nome` (all of it when shorter) into `dati`;
// false when it is missing, not a regular file or cannot be read.
bool LeggiFileRegolare(const std::string& nome, size_t massimo, std::string& dati);

// Writes `dati` to a new file beside `nome` and renames it over `nome`; on any failure the
// new file is removed, `nome` is left as it was and the answer is false.
bool ScriviFileAtomico(const std::string& nome, const std::string& dati);

} // namespace kelvra::files
