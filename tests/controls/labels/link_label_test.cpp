#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/labels/skin_link_label.h"
#include "platform/headless/driver.h"
#include "skin/package/default_skin.h"

namespace {

using controls::TspSkinLinkLabel;

class LinkLabelTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = &d.App().CreateForm<platform::Form>();
        form->SetBounds(0, 0, 500, 100);
        link = &form->Make<TspSkinLinkLabel>();
        link->SetBounds(40, 40, 0, 0);
        link->SetCaption("burdomir.example - Узнай сколько ты можешь выпить!");
        link->OpenAddress = [this](const std::string& address) {
            log.push_back("open " + address);
            return true;
        };
        link->OnClick = [this](platform::TLabel&) { log.push_back("click"); };
        form->Show();
    }
    void UseOurSkin() {
        data = &form->Own<skin::TspSkinData>(form);
        data->LoadCompressedStream(skin::DefaultSkinData());
        link->SetSkinData(data);
    }

    platform::headless::Driver d;
    platform::Form* form = nullptr;
    TspSkinLinkLabel* link = nullptr;
    skin::TspSkinData* data = nullptr;
    std::vector<std::string> log;
};

TEST_F(LinkLabelTest, StartsUnderlinedTransparentWithTheHandCursor) {
    EXPECT_TRUE(link->Transparent());
    EXPECT_EQ(link->ControlCursor, platform::Cursor::HandPoint);
    EXPECT_EQ(link->Font(), link->DefaultFont());
    EXPECT_TRUE(link->DrawFont().Style & gfx::fsUnderline);
    link->SetUnderLine(false);
    EXPECT_FALSE(link->DrawFont().Style & gfx::fsUnderline);
}

TEST_F(LinkLabelTest, AClickWithAnEmptyUrlOnlyRaisesOnClick) {
    d.ClickControl(*link);
    EXPECT_EQ(log, (std::vector<std::string>{"click"}));
}

TEST_F(LinkLabelTest, AClickRaisesOnClickThenOpensExactlyItsAddress) {
    link->URL = "https://burdomir.example/drink?a=1&b=2";
    d.ClickControl(*link);
    EXPECT_EQ(log, (std::vector<std::string>{"click", "open https://burdomir.example/drink?a=1&b=2"}));
}

TEST_F(LinkLabelTest, ThePointerTurnsItTheActiveColour) {
    const gfx::Color normal = link->DrawFont().FontColor;
    d.MoveTo(*form, d.CenterOf(*link));
    EXPECT_TRUE(link->PointerInside());
    EXPECT_EQ(link->DrawFont().FontColor, link->DefaultActiveFontColor);
    d.MoveTo(*form, {5, 5});
    EXPECT_FALSE(link->PointerInside());
    EXPECT_EQ(link->DrawFont().FontColor, normal);
}

TEST_F(LinkLabelTest, TheStdLabelSectionGivesFontAndColours) {
    UseOurSkin();
    ASSERT_TRUE(link->Section());
    EXPECT_EQ(link->DrawFont().FontColor, 1586296u);
    d.MoveTo(*form, d.CenterOf(*link));
    EXPECT_EQ(link->DrawFont().FontColor, 2105520u);
    link->UseSkinFont = false;
    link->SetFont({"Times New Roman", 20, 0, gfx::clBtnText});
    EXPECT_EQ(link->DrawFont().Name, "Times New Roman");
    EXPECT_EQ(link->DrawFont().FontColor, 2105520u) << "the section's colours stay";
}

TEST_F(LinkLabelTest, DisabledTextIsEmbossedInTheSkinsColours) {
    UseOurSkin();
    link->SetEnabled(false);
    const gfx::Bitmap shot = d.Pixels(*form);
    const gfx::Pixel shadow = gfx::ColorToPixel(data->SkinColors().cBtnShadow);
    // Where the highlight copy shows beside the shadow-coloured text, pixels are lighter than the window.
    const gfx::Pixel window = shot.at(2, 2);
    int shadows = 0;
    int lights = 0;
    const gfx::Point o = link->ClientToWindow({0, 0});
    for (int y = 0; y <= link->Height(); ++y)
        for (int x = 0; x <= link->Width(); ++x) {
            const gfx::Pixel p = shot.at(o.x + x, o.y + y);
            shadows += p == shadow;
            lights += gfx::PixelR(p) > gfx::PixelR(window) + 20;
        }
    EXPECT_GT(shadows, 20);
    EXPECT_GT(lights, 20);
}

}  // namespace
