#pragma once

#include <optional>

namespace korvanta {

// `korvanta --mesh FILE.korvanta --output MESH.svg` (or .pdf): the mesh picture of a pair file written
// without a window or a display, the pair calculated as the windows calculate the file and drawn at its
// start with the contact zone in view. Its status: 0 written, 2 a bad file or usage, 4 the picture could
// not be written; a message on standard error says why. None when the arguments do not ask for it.
std::optional<int> RunHeadlessMesh(int& argc, char** argv);

} // namespace korvanta
