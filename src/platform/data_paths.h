#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Finds the data the program ships beside itself (the sound cues, the help page) whether it
// runs installed or from a checkout. An installed program keeps its data in
// share/burdomir next to the bin/ folder it lies in, so an installed tree can be moved to any
// prefix; a checkout (./dev run) or a desktop entry starts the program with the data folder
// as its working directory.
class DataPaths {
public:
    // The data folder of an installed program, relative to the folder holding the program.
    static constexpr std::string_view kInstalledDataFolder = "../share/burdomir";
    // The players' help page, relative to a data folder.
    static constexpr std::string_view kHelpPage = "help/index.html";

    // The folders to look for data in, best first: the installed layout beside executable
    // (skipped when executable is empty), then workingDirectory. Both are made absolute and
    // normal, without "." or "..".
    [[nodiscard]] static std::vector<std::filesystem::path> Candidates(const std::filesystem::path& executable,
                                                                       const std::filesystem::path& workingDirectory);

    // The first candidate folder in which relative names an existing file or folder (such as
    // "sound" or the help page), or nullopt when none holds it.
    [[nodiscard]] static std::optional<std::filesystem::path> FolderHolding(
        std::string_view relative, const std::filesystem::path& executable,
        const std::filesystem::path& workingDirectory);

    // The help page of the running program as a file:// URL, or nullopt when neither the
    // installed layout nor the working directory holds it.
    [[nodiscard]] static std::optional<std::string> HelpPageUrl();

    // The file:// URL of path (made absolute first): every byte but ASCII letters, digits,
    // "-", ".", "_", "~" and "/" is percent-encoded, so blanks, "#", "?" and Cyrillic
    // folder names survive any URL parser.
    [[nodiscard]] static std::string FileUrl(const std::filesystem::path& path);

    // The running program's own file, symbolic links resolved; empty when it cannot be read.
    [[nodiscard]] static std::filesystem::path Executable();
};

}  // namespace platform
