#pragma once
// Writing a text file whole or not at all: the text goes into a temporary file beside the target,
// which then replaces it. A failed write leaves nothing new behind and an earlier file at the
// path unchanged. An earlier file the user has made read-only is never replaced.

#include <string>

namespace ferrolab {

// False when the file could not be written completely.
bool WriteTextFileAtomically(const std::string& path, const std::string& text);

} // namespace ferrolab
