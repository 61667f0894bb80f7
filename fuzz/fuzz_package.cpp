// fuzz-links: skin
// Feeds arbitrary bytes to the skin package reader, to the inflater, and (compressed) to a
// whole skin load, which also reads the definition text into records.
#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>

#include "skin/package/skin_package.h"
#include "skin/skin_data.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    try {
        (void)skin::ReadSkinPackage(bytes);
    } catch (const skin::SkinPackageError&) {
    }
    try {
        (void)skin::InflateSkin(bytes, std::size_t{1} << 22);
    } catch (const skin::SkinPackageError&) {
    }
    skin::TspSkinData skinData;
    try {
        skinData.LoadCompressedStream(skin::DeflateSkin(bytes, 1));
    } catch (const std::runtime_error&) {
        if (!skinData.IsEmpty()) __builtin_trap();  // a failed load must not leave a skin behind
    }
    return 0;
}
