#include "skin/package/compressed_stored_skin.h"

#include "skin/package/skin_builder.h"
#include "skin/package/skn_file.h"

namespace skin {

void TspCompressedStoredSkin::LoadFromCompressedFile(const std::filesystem::path& path) {
    data_ = ReadSknFile(path);
    CompressedFileName = path.filename().string();
}

void TspCompressedStoredSkin::LoadFromSkinFile(const std::filesystem::path& definition) {
    data_ = BuildCompressedSkin(definition);
    FileName = definition.filename().string();
}

}  // namespace skin
