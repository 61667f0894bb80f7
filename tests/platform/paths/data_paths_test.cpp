#include "platform/data_paths.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;
using platform::DataPaths;

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempTree {
public:
    TempTree() {
        std::string pattern = (fs::temp_directory_path() / "burdomir-paths-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        root_ = pattern;
    }
    ~TempTree() { fs::remove_all(root_); }
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    // Creates the file at relative (and its folders) and returns its path.
    fs::path File(const fs::path& relative) const {
        const fs::path path = root_ / relative;
        fs::create_directories(path.parent_path());
        std::ofstream(path) << "x";
        return path;
    }
    // Creates the folder at relative and returns its path.
    fs::path Folder(const fs::path& relative) const {
        fs::create_directories(root_ / relative);
        return root_ / relative;
    }
    const fs::path& Root() const { return root_; }

private:
    fs::path root_;
};

// Runs a test body in another working directory and goes back afterwards.
class WorkingDirectory {
public:
    explicit WorkingDirectory(const fs::path& folder) : saved_(fs::current_path()) { fs::current_path(folder); }
    ~WorkingDirectory() { fs::current_path(saved_); }
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;

private:
    fs::path saved_;
};

TEST(DataPathsTest, InstalledProgramFindsItsDataFromAnyWorkingDirectory) {
    TempTree tree;
    const fs::path program = tree.File("prefix/bin/burdomir");
    tree.File("prefix/share/burdomir/help/index.html");
    tree.Folder("prefix/share/burdomir/sound");
    const fs::path elsewhere = tree.Folder("home");

    const fs::path data = tree.Root() / "prefix/share/burdomir";
    EXPECT_EQ(DataPaths::FolderHolding(DataPaths::kHelpPage, program, elsewhere), data);
    EXPECT_EQ(DataPaths::FolderHolding("sound", program, elsewhere), data);
    // The program reached through a path with ".." in it still names the folder plainly.
    EXPECT_EQ(DataPaths::FolderHolding(DataPaths::kHelpPage, tree.Root() / "prefix/bin/../bin/burdomir", elsewhere),
              data);
}

TEST(DataPathsTest, CheckoutRunFindsTheDataInTheWorkingDirectory) {
    TempTree tree;
    const fs::path program = tree.File("repo/build/release/burdomir");
    tree.File("repo/help/index.html");
    const fs::path repo = tree.Root() / "repo";

    EXPECT_EQ(DataPaths::FolderHolding(DataPaths::kHelpPage, program, repo), repo);
    EXPECT_EQ(DataPaths::FolderHolding(DataPaths::kHelpPage, program, tree.Root() / "repo/"), repo);
    // Without a readable program file the working directory is still searched.
    EXPECT_EQ(DataPaths::FolderHolding(DataPaths::kHelpPage, fs::path(), repo), repo);
}

TEST(DataPathsTest, InstalledDataWinsOverTheWorkingDirectory) {
    TempTree tree;
    const fs::path program = tree.File("prefix/bin/burdomir");
    tree.File("prefix/share/burdomir/help/index.html");
    tree.File("repo/help/index.html");

    EXPECT_EQ(DataPaths::FolderHolding(DataPaths::kHelpPage, program, tree.Root() / "repo"),
              tree.Root() / "prefix/share/burdomir");
    const auto candidates = DataPaths::Candidates(program, tree.Root() / "repo");
    ASSERT_EQ(candidates.size(), 2u);
    EXPECT_EQ(candidates[0], tree.Root() / "prefix/share/burdomir");
    EXPECT_EQ(candidates[1], tree.Root() / "repo");
}

TEST(DataPathsTest, NothingFoundWhenNoCandidateHoldsTheFile) {
    TempTree tree;
    const fs::path program = tree.File("prefix/bin/burdomir");
    tree.Folder("prefix/share/burdomir/help");  // the folder without the page
    tree.Folder("home");

    EXPECT_EQ(DataPaths::FolderHolding(DataPaths::kHelpPage, program, tree.Root() / "home"), std::nullopt);
    EXPECT_EQ(DataPaths::FolderHolding(DataPaths::kHelpPage, fs::path(), fs::path()), std::nullopt);
}

TEST(DataPathsTest, RunningFromTheCheckoutGivesTheHelpPageAsAFileUrl) {
    WorkingDirectory checkout(BURDOMIR_SOURCE_DIR);
    const auto url = DataPaths::HelpPageUrl();
    ASSERT_TRUE(url.has_value());
    EXPECT_EQ(*url, DataPaths::FileUrl(fs::path(BURDOMIR_SOURCE_DIR) / "help/index.html"));
    EXPECT_EQ(url->rfind("file:///", 0), 0u);
    EXPECT_FALSE(DataPaths::Executable().empty());
}

TEST(DataPathsTest, HelpPageIsMissingOutsideAnyDataFolder) {
    TempTree tree;
    WorkingDirectory empty(tree.Root());
    // The test program lies in the build tree, which has no share/burdomir beside it.
    EXPECT_EQ(DataPaths::HelpPageUrl(), std::nullopt);
}

TEST(DataPathsTest, FileUrlEncodesEveryByteAUrlParserCouldMisread) {
    EXPECT_EQ(DataPaths::FileUrl("/usr/share/burdomir/help/index.html"), "file:///usr/share/burdomir/help/index.html");
    EXPECT_EQ(DataPaths::FileUrl("/home/a b/#1?x%/help_~-.html"), "file:///home/a%20b/%231%3Fx%25/help_~-.html");
    // Cyrillic folder names go byte by byte in UTF-8.
    EXPECT_EQ(DataPaths::FileUrl("/home/Игры"), "file:///home/%D0%98%D0%B3%D1%80%D1%8B");
    EXPECT_EQ(DataPaths::FileUrl("/opt/./x/../help"), "file:///opt/help");
}

TEST(DataPathsTest, FileUrlOfARelativePathStartsAtTheWorkingDirectory) {
    TempTree tree;
    WorkingDirectory inside(tree.Root());
    EXPECT_EQ(DataPaths::FileUrl("help/index.html"), DataPaths::FileUrl(tree.Root() / "help/index.html"));
}

}  // namespace
