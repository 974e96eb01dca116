#include "core/Record.h"

#include <bit>

namespace kelvra {

void ScrittoreRecord::Intero(uint64_t bit, int byte) {
    for (int i = 0; i < byte; ++i) dati_.push_back(static_cast<unsigned char>(bit >> (8 * i)));
}

void ScrittoreRecord::Int16(int16_t v) {
    Intero(static_cast<uint16_t>(v), 2);
}

void ScrittoreRecord::Int32(int32_t v) {
    Intero(static_cast<uint32_t>(v), 4);
}

void ScrittoreRecord::Single(float v) {
    Intero(std::bit_cast<uint32_t>(v), 4);
}

void ScrittoreRecord::Double(double v) {
    Intero(std::bit_cast<uint64_t>(v), 8);
}

void ScrittoreRecord::TestoFisso(const std::string& testo, size_t lunghezza) {
    for (size_t i = 0; i < lunghezza; ++i)
        dati_.push_back(i < testo.size() ? static_cast<unsigned char>(testo[i]) : ' ');
}

void ScrittoreRecord::TestoNonAssegnato(size_t lunghezza) {
    Zeri(lunghezza);
}

bool ScrittoreRecord::TestoContato(const std::string& testo) {
    if (testo.size() > 0xFFFF) return false;
    Intero(testo.size(), 2);
    dati_.insert(dati_.end(), testo.begin(), testo.end());
    return true;
}

void ScrittoreRecord::Zeri(size_t n) {
    dati_.insert(dati_.end(), n, 0);
}

bool ScrittoreRecord::Completa(size_t lunghezza) {
    if (dati_.size() > lunghezza) return false;
    Zeri(lunghezza - dati_.size());
    return true;
}

void LettoreRecord::Fallisci(ErroreRecord errore) {
    if (errore_ != ErroreRecord::Nessuno) return;
    errore_ = errore;
    posizioneErrore_ = posizione_;
    posizione_ = dati_.size();
}

const unsigned char* LettoreRecord::Prendi(size_t n) {
    if (errore_ != ErroreRecord::Nessuno) return nullptr;
    if (n > Rimanenti()) {
        Fallisci(ErroreRecord::Corto);
        return nullptr;
    }
    const unsigned char* p = dati_.data() + posizione_;
    posizione_ += n;
    return p;
}

uint64_t LettoreRecord::Intero(int byte) {
    const unsigned char* p = Prendi(static_cast<size_t>(byte));
    uint64_t bit = 0;
    if (p)
        for (int i = 0; i < byte; ++i) bit |= static_cast<uint64_t>(p[i]) << (8 * i);
    return bit;
}

int16_t LettoreRecord::Int16() {
    return static_cast<int16_t>(static_cast<uint16_t>(Intero(2)));
}

int32_t LettoreRecord::Int32() {
    return static_cast<int32_t>(static_cast<uint32_t>(Intero(4)));
}

float LettoreRecord::Single() {
    return std::bit_cast<float>(static_cast<uint32_t>(Intero(4)));
}

double LettoreRecord::Double() {
    return std::bit_cast<double>(Intero(8));
}

std::string LettoreRecord::TestoFisso(size_t lunghezza) {
    const unsigned char* p = Prendi(lunghezza);
    return p ? std::string(reinterpret_cast<const char*>(p), lunghezza) : std::string();
}

std::string LettoreRecord::TestoContato(size_t massimo) {
    const size_t inizio = posizione_;
    const auto conteggio = static_cast<size_t>(Intero(2));
    if (!Riuscito()) return {};
    if (conteggio > massimo || conteggio > Rimanenti()) {
        posizione_ = inizio; // the error names the field's start
        Fallisci(conteggio > massimo ? ErroreRecord::ConteggioFuori : ErroreRecord::Corto);
        return {};
    }
    return TestoFisso(conteggio);
}

void LettoreRecord::Salta(size_t n) {
    Prendi(n);
}

void LettoreRecord::VaiA(size_t posizione) {
    if (errore_ != ErroreRecord::Nessuno) return;
    if (posizione > dati_.size()) {
        Fallisci(ErroreRecord::Corto);
        return;
    }
    posizione_ = posizione;
}

bool TestoNonAssegnato(const std::string& testo) {
    return !testo.empty() && testo.front() == '\0';
}

} // namespace kelvra
