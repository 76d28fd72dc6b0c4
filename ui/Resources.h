#pragma once
// The built-in pictures and icons (resources/ferrolab.qrc) live in a static library, so the
// program registers them itself before the first picture is loaded.

namespace ferrolab {

// Registers the built-in pictures and icons. Safe to call more than once.
void InitResources();

} // namespace ferrolab
