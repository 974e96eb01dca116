#include "core/FileDisco.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kelvra {

namespace {

// Closes a file descriptor at the end of its scope.
class Descrittore {
  public:
    explicit Descrittore(int fd) : fd_(fd) {}
    ~Descrittore() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descrittore(const Descrittore&) = delete;
    Descrittore& operator=(const Descrittore&) = delete;
    int fd() const { return fd_; }
    // Closes now; false when the close reported an error (a write that did not reach the disk).
    bool Chiudi() {
        int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

// Reads up to `n` bytes; the number read, 0 at the end, -1 on an error.
ssize_t Leggi(int fd, char* dove, size_t n) {
    ssize_t letti;
    do letti = ::read(fd, dove, n);
    while (letti < 0 && errno == EINTR);
    return letti;
}

bool ScriviTutto(int fd, const std::string& dati) {
    size_t fatto = 0;
    while (fatto < dati.size()) {
        ssize_t scritti = ::write(fd, dati.data() + fatto, dati.size() - fatto);
        if (scritti < 0 && errno == EINTR) continue;
        if (scritti <= 0) return false;
        fatto += static_cast<size_t>(scritti);
    }
    return true;
}

std::string Cartella(const std::string& percorso) {
    size_t barra = percorso.find_last_of('/');
    if (barra == std::string::npos) return ".";
    return barra == 0 ? "/" : percorso.substr(0, barra);
}

std::atomic<unsigned> contatoreTemporanei{0};

} // namespace

EsitoLettura LeggiFileRegolare(const std::string& nome, size_t massimo, std::string& contenuto) {
    contenuto.clear();
    // Looked at before opening: opening a FIFO would wait for a writer, opening a device may
    // act on it.
    struct stat st;
    if (::stat(nome.c_str(), &st) != 0)
        return (errno == ENOENT || errno == ENOTDIR) ? EsitoLettura::Assente
                                                     : EsitoLettura::NonApribile;
    if (!S_ISREG(st.st_mode)) return EsitoLettura::NonRegolare;

    // Without waiting, in case it was swapped for a FIFO in between; then checked again.
    int fd;
    do fd = ::open(nome.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return errno == ENOENT  ? EsitoLettura::Assente
               : errno == ENXIO ? EsitoLettura::NonRegolare
                                : EsitoLettura::NonApribile;
    Descrittore file(fd);
    if (::fstat(fd, &st) != 0) return EsitoLettura::ErroreLettura;
    if (!S_ISREG(st.st_mode)) return EsitoLettura::NonRegolare;

    // The size is only a hint (a file may grow while it is read, or report 0 like those of
    // /proc): the limit is what bounds the reading.
    const size_t atteso = st.st_size > 0 ? static_cast<size_t>(st.st_size) : 0;
    contenuto.reserve(atteso < massimo ? atteso : massimo);
    char blocco[8192];
    while (contenuto.size() < massimo) {
        const size_t voglio = massimo - contenuto.size();
        ssize_t letti = Leggi(fd, blocco, voglio < sizeof blocco ? voglio : sizeof blocco);
        if (letti < 0) return EsitoLettura::ErroreLettura;
        if (letti == 0) return EsitoLettura::Riuscita;
        contenuto.append(blocco, static_cast<size_t>(letti));
    }
    // At the limit: one byte more tells a file of exactly that size from a longer one.
    char oltre;
    ssize_t letti = Leggi(fd, &oltre, 1);
    if (letti < 0) return EsitoLettura::ErroreLettura;
    return letti == 0 ? EsitoLettura::Riuscita : EsitoLettura::TroppoGrande;
}

bool ScriviFileAtomico(const std::string& nome, const std::string& dati) {
    if (nome.empty()) return false;
    // Through a link the file it points to is replaced, not the link.
    std::string destinazione = nome;
    struct stat st;
    if (::lstat(nome.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char* reale = ::realpath(nome.c_str(), nullptr)) {
            destinazione = reale;
            std::free(reale);
        }
    }
    bool esiste = false;
    if (::stat(destinazione.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode)) return false;
        // Read-only for everyone counts even for a user the system would let through.
        if ((st.st_mode & 0222) == 0 || ::access(destinazione.c_str(), W_OK) != 0) return false;
        esiste = true;
    } else if (errno != ENOENT) {
        return false;
    }

    std::string temporaneo;
    int fd = -1;
    for (int tentativo = 0; tentativo < 100 && fd < 0; ++tentativo) {
        temporaneo = destinazione + ".tmp" + std::to_string(::getpid()) + "_" +
                     std::to_string(contatoreTemporanei++);
        fd = ::open(temporaneo.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return false;
    }
    if (fd < 0) return false;
    Descrittore file(fd);
    bool riuscito = !esiste || ::fchmod(fd, st.st_mode & 0777) == 0;
    riuscito = riuscito && ScriviTutto(fd, dati) && ::fsync(fd) == 0;
    riuscito = file.Chiudi() && riuscito;
    riuscito = riuscito && ::rename(temporaneo.c_str(), destinazione.c_str()) == 0;
    if (!riuscito) {
        ::unlink(temporaneo.c_str());
        return false;
    }
    // The rename itself reaches the disk with its folder; a failure here loses nothing.
    int cartella = ::open(Cartella(destinazione).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (cartella >= 0) {
        ::fsync(cartella);
        ::close(cartella);
    }
    return true;
}

} // namespace kelvra
