#include "platform/data_paths.h"

#include <system_error>

namespace platform {
namespace fs = std::filesystem;

namespace {

// An absolute, normal form of path; lexical only, so a folder that does not exist yet is
// still named the same way.
fs::path Absolute(const fs::path& path) {
    std::error_code error;
    fs::path absolute = fs::absolute(path, error);
    if (error) absolute = path;
    return absolute.lexically_normal();
}

bool IsUnreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
           c == '_' || c == '~';
}

}  // namespace

std::vector<fs::path> DataPaths::Candidates(const fs::path& executable, const fs::path& workingDirectory) {
    std::vector<fs::path> folders;
    if (!executable.empty()) folders.push_back(Absolute(Absolute(executable).parent_path() / kInstalledDataFolder));
    if (!workingDirectory.empty()) {
        fs::path working = Absolute(workingDirectory);
        // lexically_normal keeps a trailing separator, which would make the same folder
        // compare unequal to its other spelling.
        if (!working.has_filename() && working.has_relative_path()) working = working.parent_path();
        if (folders.empty() || folders.front() != working) folders.push_back(working);
    }
    return folders;
}

std::optional<fs::path> DataPaths::FolderHolding(std::string_view relative, const fs::path& executable,
                                                 const fs::path& workingDirectory) {
    for (const fs::path& folder : Candidates(executable, workingDirectory)) {
        std::error_code error;
        const fs::file_status status = fs::status(folder / relative, error);
        if (!error && (fs::is_regular_file(status) || fs::is_directory(status))) return folder;
    }
    return std::nullopt;
}

std::optional<std::string> DataPaths::HelpPageUrl() {
    std::error_code error;
    fs::path working = fs::current_path(error);
    if (error) working.clear();
    const auto folder = FolderHolding(kHelpPage, Executable(), working);
    if (!folder) return std::nullopt;
    return FileUrl(*folder / kHelpPage);
}

std::string DataPaths::FileUrl(const fs::path& path) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string url = "file://";
    for (const char byte : Absolute(path).string()) {
        const auto c = static_cast<unsigned char>(byte);
        if (IsUnreserved(c) || c == '/') {
            url += byte;
        } else {
            url += '%';
            url += kHex[c >> 4];
            url += kHex[c & 0x0F];
        }
    }
    return url;
}

fs::path DataPaths::Executable() {
    std::error_code error;
    fs::path self = fs::read_symlink("/proc/self/exe", error);
    if (error) return {};
    return self;
}

}  // namespace platform
