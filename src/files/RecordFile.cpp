#include "files/RecordFile.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kelvra::files {

const char* LettoreRecord::Prendi(size_t n) {
    if (!ok_ || n > dati_.size() - pos_) {
        ok_ = false;
        return nullptr;
    }
    const char* p = dati_.data() + pos_;
    pos_ += n;
    return p;
}

void LettoreRecord::Campo(int16_t& valore) {
    if (const char* p = Prendi(2)) {
        const auto b0 = static_cast<uint8_t>(p[0]), b1 = static_cast<uint8_t>(p[1]);
        valore = static_cast<int16_t>(static_cast<uint16_t>(b0 | (b1 << 8)));
    }
}

void LettoreRecord::Campo(float& valore) {
    if (const char* p = Prendi(4)) {
        uint32_t u = 0;
        for (int i = 3; i >= 0; --i) u = (u << 8) | static_cast<uint8_t>(p[i]);
        std::memcpy(&valore, &u, 4);
    }
}

void LettoreRecord::TestoFisso(std::string& testo, size_t lunghezza) {
    if (const char* p = Prendi(lunghezza)) testo.assign(p, lunghezza);
}

void LettoreRecord::TestoVariabile(std::string& testo, size_t massimo) {
    int16_t conta = 0;
    const size_t inizio = pos_;
    Campo(conta);
    const auto n = static_cast<uint16_t>(conta);
    if (ok_ && n > massimo) ok_ = false;
    const char* p = Prendi(n);
    if (p)
        testo.assign(p, n);
    else
        pos_ = inizio;
}

void ScrittoreRecord::Campo(const int16_t& valore) {
    const auto u = static_cast<uint16_t>(valore);
    dati_.push_back(static_cast<char>(u & 0xFF));
    dati_.push_back(static_cast<char>(u >> 8));
}

void ScrittoreRecord::Campo(const float& valore) {
    uint32_t u = 0;
    std::memcpy(&u, &valore, 4);
    for (int i = 0; i < 4; ++i) dati_.push_back(static_cast<char>((u >> (8 * i)) & 0xFF));
}

void ScrittoreRecord::TestoFisso(const std::string& testo, size_t lunghezza) {
    const std::string parte = testo.substr(0, lunghezza);
    dati_ += parte;
    dati_.append(lunghezza - parte.size(), ' ');
}

void ScrittoreRecord::TestoVariabile(const std::string& testo, size_t massimo) {
    const std::string parte = testo.substr(0, massimo);
    Campo(static_cast<int16_t>(static_cast<uint16_t>(parte.size())));
    dati_ += parte;
}

bool LeggiFileRegolare(const std::string& nome, size_t massimo, std::string& dati) {
    // Non-blocking, so that a named pipe chosen by mistake is refused rather than waited on.
    const int fd = ::open(nome.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return false;
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    std::string letti;
    while (ok && letti.size() < massimo) {
        char blocco[65536];
        const size_t voglio = std::min(sizeof blocco, massimo - letti.size());
        const ssize_t n = ::read(fd, blocco, voglio);
        if (n < 0) ok = false;
        if (n <= 0) break;
        letti.append(blocco, static_cast<size_t>(n));
    }
    ::close(fd);
    if (ok) dati = std::move(letti);
    return ok;
}

bool ScriviFileAtomico(const std::string& nome, const std::string& dati) {
    if (nome.empty()) return false;
    std::string temporaneo = nome + ".kelvra-XXXXXX";
    const int fd = ::mkstemp(temporaneo.data());
    if (fd < 0) return false;
    bool ok = true;
    size_t scritti = 0;
    while (ok && scritti < dati.size()) {
        const ssize_t n = ::write(fd, dati.data() + scritti, dati.size() - scritti);
        if (n <= 0)
            ok = false;
        else
            scritti += static_cast<size_t>(n);
    }
    ok = ok && ::fchmod(fd, 0644) == 0 && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && std::rename(temporaneo.c_str(), nome.c_str()) == 0;
    if (!ok) ::unlink(temporaneo.c_str());
    return ok;
}

} // namespace kelvra::files
