// Fixed-layout records as the program stores them in its files: fields in declaration order,
// packed, little-endian, whatever the machine.
//
//   Integer  int16, 2 bytes           Long    int32, 4 bytes
//   Single   IEEE 754 float, 4 bytes  Double  IEEE 754 double, 8 bytes
//   fixed text of n bytes: left-aligned, padded with spaces; a text never assigned is n zero
//     bytes, so a reader tells it (first byte 0) from an empty text (spaces)
//   counted text: an unsigned 16-bit count, then that many bytes
//   arrays and nested records: inline, element by element
//
// ScrittoreRecord appends fields to a byte buffer. LettoreRecord reads fields from a span of
// bytes and never reads past its end: a read that does not fit, or a count larger than the
// caller allows, gives a zero value, marks the reader failed and stops every later read, so a
// layout reads all its fields and tests Riuscito() once.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <type_traits>
#include <vector>

namespace kelvra {

using ByteRecord = std::vector<unsigned char>;

// Why a read failed.
enum class ErroreRecord {
    Nessuno,
    Corto,          // the field runs past the end of the bytes
    ConteggioFuori, // a counted text longer than the caller allows
};

class ScrittoreRecord {
  public:
    void Int16(int16_t v);
    void Int32(int32_t v);
    void Single(float v);
    void Double(double v);
    // `lunghezza` bytes: the text cut or padded with spaces.
    void TestoFisso(const std::string& testo, size_t lunghezza);
    // `lunghezza` zero bytes: a fixed text never assigned.
    void TestoNonAssegnato(size_t lunghezza);
    // The count and the bytes. False, writing nothing, for a text of more than 65535 bytes.
    bool TestoContato(const std::string& testo);
    void Zeri(size_t n);

    // A field by its type: int16_t, int32_t, float, double, or a std::array of them (nested
    // arrays included), written element by element in memory order.
    template <class T> void Campo(const T& v) {
        if constexpr (std::is_same_v<T, int16_t>)
            Int16(v);
        else if constexpr (std::is_same_v<T, int32_t>)
            Int32(v);
        else if constexpr (std::is_same_v<T, float>)
            Single(v);
        else if constexpr (std::is_same_v<T, double>)
            Double(v);
        else
            for (const auto& e : v) Campo(e);
    }

    // Pads the record with zero bytes to `lunghezza`. False when the record is already longer:
    // it does not fit its record length and must not be written.
    bool Completa(size_t lunghezza);

    size_t Posizione() const { return dati_.size(); }
    const ByteRecord& Dati() const { return dati_; }

  private:
    void Intero(uint64_t bit, int byte);
    ByteRecord dati_;
};

class LettoreRecord {
  public:
    explicit LettoreRecord(std::span<const unsigned char> dati) : dati_(dati) {}

    int16_t Int16();
    int32_t Int32();
    float Single();
    double Double();
    // `lunghezza` bytes as stored, padding included.
    std::string TestoFisso(size_t lunghezza);
    // A counted text of at most `massimo` bytes.
    std::string TestoContato(size_t massimo = 65535);
    void Salta(size_t n);
    // Moves to an offset from the start of the record (an offset past the end fails).
    void VaiA(size_t posizione);

    template <class T> void Campo(T& v) {
        if constexpr (std::is_same_v<T, int16_t>)
            v = Int16();
        else if constexpr (std::is_same_v<T, int32_t>)
            v = Int32();
        else if constexpr (std::is_same_v<T, float>)
            v = Single();
        else if constexpr (std::is_same_v<T, double>)
            v = Double();
        else
            for (auto& e : v) Campo(e);
    }

    bool Riuscito() const { return errore_ == ErroreRecord::Nessuno; }
    ErroreRecord Errore() const { return errore_; }
    // Where the first failing read started.
    size_t PosizioneErrore() const { return posizioneErrore_; }
    size_t Posizione() const { return posizione_; }
    size_t Rimanenti() const { return dati_.size() - posizione_; }

  private:
    // The next `n` bytes, or nullptr (and the reader failed) when they are not all there.
    const unsigned char* Prendi(size_t n);
    uint64_t Intero(int byte);
    void Fallisci(ErroreRecord errore);

    std::span<const unsigned char> dati_;
    size_t posizione_ = 0;
    ErroreRecord errore_ = ErroreRecord::Nessuno;
    size_t posizioneErrore_ = 0;
};

// True when a fixed text read from a record was never assigned (its first byte is 0).
bool TestoNonAssegnato(const std::string& testo);

} // namespace kelvra
