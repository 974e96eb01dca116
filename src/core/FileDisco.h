// Reading and writing the program's files as whole byte strings, safely.
//
// A reader takes only a regular file and never more than a valid file of its kind can hold:
// a FIFO, a device (a link to /dev/zero, say) or a folder in a file's place is refused at once,
// without blocking and without reading it.
//
// A writer never leaves a half-written file: it writes a temporary file beside the target,
// flushes it to the disk and renames it over the target, so the target holds either its old
// or its new content. A target that is read-only or not a regular file is not replaced.
//
// The temporary file has a short name of its own (".kelvra-", a hash of the target's name, the
// process and a counter, ".tmp"), so that a target whose name is as long as the file system
// allows can still be written. A writer holds a lock on its temporary file until it is renamed:
// a file of that pattern for the same target that nobody holds a lock on was left by a write
// that was killed, and the next write of that target deletes it.
#pragma once

#include <cstddef>
#include <string>

namespace kelvra {

enum class EsitoLettura {
    Riuscita,
    Assente,     // no such file (or folder on its path)
    NonRegolare, // a folder, FIFO, device or socket
    NonApribile, // exists but cannot be opened (permissions)
    ErroreLettura,
    TroppoGrande, // holds more than the limit: `contenuto` has the first `massimo` bytes
};

// Reads at most `massimo` bytes of the regular file `nome` into `contenuto` (emptied first).
EsitoLettura LeggiFileRegolare(const std::string& nome, size_t massimo, std::string& contenuto);

// Replaces the whole content of `nome` with `dati`, keeping the old file's permissions. False
// when it cannot: the old file is then as it was and no temporary file is left.
bool ScriviFileAtomico(const std::string& nome, const std::string& dati);

// True when something (a file, a folder, a link) holds the name `nome` (UTF-8, as every
// file name of the program).
bool FileEsiste(const std::string& nome);

// True when the names `a` and `b` lead to one file: when both exist, the same file however
// it is reached (a link, a second name, a folder named with "." or ".."); when neither does,
// the same path once its folders are resolved. An empty name is no file.
bool StessoFile(const std::string& a, const std::string& b);

// Run once at start-up: a write past the file-size limit of the process then fails with an
// error, which the writers report, instead of ending the program with the signal.
void PreparaScrittureFile();

} // namespace kelvra
