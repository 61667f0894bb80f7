#include "support/golden.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "gfx/png.h"

namespace {

using gfx::Bitmap;
using gfx::MakePixel;

// A 6 x 4 checker of two colours with one translucent corner.
Bitmap Checker() {
    Bitmap image(6, 4);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 6; ++x) image.set(x, y, (x + y) % 2 ? MakePixel(200, 40, 40) : MakePixel(40, 40, 200));
    }
    image.set(5, 3, MakePixel(0, 255, 0, 128));
    return image;
}

// Comparisons that must fail would overwrite the golden file in update mode, so these
// tests run with updating switched off. ctest runs them as separate processes at once and
// each saves its failure image under the working directory, so each gets a folder of its own.
class GoldenSupport : public ::testing::Test {
protected:
    void SetUp() override {
        if (const char* value = std::getenv("UPDATE_GOLDEN")) saved_ = value;
        unsetenv("UPDATE_GOLDEN");
        previousDir_ = std::filesystem::current_path();
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        workDir_ = std::filesystem::temp_directory_path() /
                   ("burdomir-golden-" + std::string(test->name()) + "-" + std::to_string(getpid()));
        std::filesystem::create_directories(workDir_);
        std::filesystem::current_path(workDir_);
    }
    void TearDown() override {
        std::filesystem::current_path(previousDir_);
        std::filesystem::remove_all(workDir_);
        if (saved_) setenv("UPDATE_GOLDEN", saved_->c_str(), 1);
    }

private:
    std::optional<std::string> saved_;
    std::filesystem::path previousDir_;
    std::filesystem::path workDir_;
};

TEST(GoldenFile, CheckerMatches) { EXPECT_TRUE(testsupport::MatchesGolden(Checker(), "Codecs_Checker")); }

TEST_F(GoldenSupport, OneChangedPixelIsReportedAndSaved) {
    Bitmap image = Checker();
    image.set(2, 1, MakePixel(1, 2, 3));
    const auto result = testsupport::MatchesGolden(image, "Codecs_Checker");
    ASSERT_FALSE(result);
    const std::string message = result.message();
    EXPECT_NE(message.find("1 pixels differ"), std::string::npos) << message;
    EXPECT_NE(message.find("(2, 1)"), std::string::npos) << message;
    EXPECT_EQ(gfx::LoadPngFile("golden-failures/Codecs_Checker.png"), image);
}

TEST_F(GoldenSupport, AnotherSizeFails) {
    const auto result = testsupport::MatchesGolden(Checker().Copy({0, 0, 5, 4}), "Codecs_Checker");
    ASSERT_FALSE(result);
    EXPECT_NE(std::string(result.message()).find("5 x 4"), std::string::npos) << result.message();
}

TEST_F(GoldenSupport, AMissingGoldenTellsHowToMakeIt) {
    const auto result = testsupport::MatchesGolden(Checker(), "Codecs_NoSuchGolden");
    ASSERT_FALSE(result);
    EXPECT_NE(std::string(result.message()).find("UPDATE_GOLDEN=1"), std::string::npos);
}

TEST_F(GoldenSupport, NamesCannotLeaveTheGoldenFolder) {
    EXPECT_FALSE(testsupport::MatchesGolden(Checker(), "../Codecs_Checker"));
    EXPECT_FALSE(testsupport::MatchesGolden(Checker(), "sub/Codecs_Checker"));
}

}  // namespace
