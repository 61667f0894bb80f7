#pragma once

#include <cstdint>
#include <ostream>
#include <span>

namespace skinpack {

// Prints what a compressed skin stream holds: the package version, the frame slots with
// their sizes and bit depths, each active picture's name and size, the definition's line
// count, every object and control record with its kind and rectangles, and [FORMINFO]
// after the corrections the loader applies. Throws when the stream cannot be read.
void InspectSkin(std::span<const std::uint8_t> stream, std::ostream& out);

}  // namespace skinpack
