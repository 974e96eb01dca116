#include "core/FileDisco.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
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

// The start every temporary file of the target `destinazione` shares: ".kelvra-" and a
// 64-bit FNV-1a hash of the target's file name in hexadecimal, then "-".
std::string PrefissoTemporanei(const std::string& destinazione) {
    const size_t barra = destinazione.find_last_of('/');
    const std::string nome =
        barra == std::string::npos ? destinazione : destinazione.substr(barra + 1);
    uint64_t h = 14695981039346656037ULL;
    for (unsigned char c : nome) {
        h ^= c;
        h *= 1099511628211ULL;
    }
    char testo[40];
    std::snprintf(testo, sizeof testo, ".kelvra-%016llx-", static_cast<unsigned long long>(h));
    return testo;
}

constexpr char SUFFISSO_TEMPORANEI[] = ".tmp";

bool FiniscePer(const std::string& s, const std::string& fine) {
    return s.size() >= fine.size() && s.compare(s.size() - fine.size(), fine.size(), fine) == 0;
}

// Deletes the temporary files of the target that earlier writes left: files of the target's
// pattern, regular, of this user, on which nobody holds a lock (a live writer holds one).
void PulisciTemporanei(const std::string& cartella, const std::string& prefisso) {
    DIR* d = ::opendir(cartella.c_str());
    if (!d) return;
    while (const dirent* voce = ::readdir(d)) {
        const std::string nome = voce->d_name;
        if (nome.size() <= prefisso.size() || nome.compare(0, prefisso.size(), prefisso) != 0 ||
            !FiniscePer(nome, SUFFISSO_TEMPORANEI))
            continue;
        const std::string percorso = cartella + "/" + nome;
        struct stat st;
        if (::lstat(percorso.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid())
            continue;
        const int fd =
            ::open(percorso.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
        if (fd < 0) continue;
        Descrittore file(fd);
        struct stat aperto;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::fstat(fd, &aperto) != 0) continue;
        // Still the file that was looked at, and still under that name.
        if (aperto.st_ino != st.st_ino || aperto.st_dev != st.st_dev) continue;
        if (::lstat(percorso.c_str(), &st) != 0 || st.st_ino != aperto.st_ino) continue;
        ::unlink(percorso.c_str());
    }
    ::closedir(d);
}

// Creates and locks a new temporary file for the target; -1 when it cannot.
int CreaTemporaneo(const std::string& cartella, const std::string& prefisso,
                   std::string& temporaneo) {
    for (int tentativo = 0; tentativo < 100; ++tentativo) {
        temporaneo = cartella + "/" + prefisso + std::to_string(::getpid()) + "-" +
                     std::to_string(contatoreTemporanei++) + SUFFISSO_TEMPORANEI;
        const int fd = ::open(temporaneo.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            return -1;
        }
        // Between the creation and the lock another writer's clean-up may have taken the file
        // for a leftover: then it is no longer ours under that name, and another name is tried.
        // Where the file system has no locks the file is written unlocked (and never cleared).
        const bool preso = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
        struct stat aperto, nominato;
        if (!preso && ::fstat(fd, &aperto) == 0 && ::lstat(temporaneo.c_str(), &nominato) == 0 &&
            aperto.st_ino == nominato.st_ino && aperto.st_dev == nominato.st_dev)
            return fd;
        ::close(fd);
    }
    return -1;
}

} // namespace

void PreparaScrittureFile() {
    std::signal(SIGXFSZ, SIG_IGN);
}
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

    const std::string cartella = Cartella(destinazione);
    const std::string prefisso = PrefissoTemporanei(destinazione);
    PulisciTemporanei(cartella, prefisso);
    std::string temporaneo;
    const int fd = CreaTemporaneo(cartella, prefisso, temporaneo);
    if (fd < 0) return false;
    Descrittore file(fd);
    // The lock lives as long as one descriptor of the file is open: this copy keeps it until
    // the file has its final name, after the checked close of the one written through.
    Descrittore guardia(::fcntl(fd, F_DUPFD_CLOEXEC, 0));
    bool riuscito = guardia.fd() >= 0;
    riuscito = riuscito && (!esiste || ::fchmod(fd, st.st_mode & 0777) == 0);
    riuscito = riuscito && ScriviTutto(fd, dati) && ::fsync(fd) == 0;
    riuscito = file.Chiudi() && riuscito;
    riuscito = riuscito && ::rename(temporaneo.c_str(), destinazione.c_str()) == 0;
    if (!riuscito) {
        ::unlink(temporaneo.c_str());
        return false;
    }
    // The rename itself reaches the disk with its folder; a failure here loses nothing.
    const int fdCartella = ::open(cartella.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fdCartella >= 0) {
        ::fsync(fdCartella);
        ::close(fdCartella);
    }
    return true;
}

bool FileEsiste(const std::string& nome) {
    struct stat s {};
    return !nome.empty() && ::lstat(nome.c_str(), &s) == 0;
}

bool StessoFile(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty()) return false;
    struct stat sa = {};
    struct stat sb = {};
    const bool esisteA = ::stat(a.c_str(), &sa) == 0, esisteB = ::stat(b.c_str(), &sb) == 0;
    if (esisteA || esisteB)
        return esisteA && esisteB && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    // Names are bytes to the file system: UTF-8 goes through unchanged.
    std::error_code errA, errB;
    const std::filesystem::path ca = std::filesystem::weakly_canonical(a, errA);
    const std::filesystem::path cb = std::filesystem::weakly_canonical(b, errB);
    if (errA || errB) return a == b;
    return ca == cb;
}

} // namespace kelvra
