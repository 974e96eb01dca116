// Whether a record read from a file is one the program could have written: the judgement the
// readers make before any field reaches a project, so that a damaged file (or one that is not
// of its kind at all but has the right length) is refused whole and changes nothing.
//
// A record passes when its flags hold -1 or 0 (the compatibility flags and the swingarm-mount
// flag 1 or 0), its entry modes 0 (never entered), 1 or 2, its counts fit their tables and
// the boxes they are typed in, its type letters and junction names are the chain's, and every
// number it holds is finite and within what a component or a linkage can measure. Texts are
// not judged: a description or a path may hold any bytes. Fields the reader does not use are
// not judged either.
#pragma once

#include "files/Record.h"

namespace kelvra::files {

bool RecordIntegro(const RecordSchema& r);
bool RecordIntegro(const RecordProgetto& r);
bool RecordIntegro(const RecordAmmortizzatore& r);
bool RecordIntegro(const RecordMolla& r);
bool RecordIntegro(const RecordTampone& r);

} // namespace kelvra::files
