// Connects the component windows to the rest of the program through the hook table: the
// shock absorber, spring and bump-stop editors, the preload window and the test-bench
// window, each shown modal over the main window on the project the calling menu chose, and
// the editors' activation without showing them for the project reader.
#pragma once

namespace kelvra {

void RegistraEditorComponenti();

} // namespace kelvra
