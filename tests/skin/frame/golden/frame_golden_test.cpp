#include <gtest/gtest.h>

#include "skin/frame/frame_fixture.h"
#include "support/golden.h"

namespace {

using skin::TspCommand;

class FrameGoldenTest : public testfixtures::SkinnedWindows {
protected:
    FrameGoldenTest() {
        main.Show();
        frame = &Window(301, 158, skin::biMinimize);
        frame->Window().Show();
    }
    platform::Form& W() { return frame->Window(); }
    skin::TspSkinForm* frame = nullptr;
};

TEST_F(FrameGoldenTest, ActiveAndInactive) {
    EXPECT_TRUE(testsupport::MatchesGolden(d.Pixels(W()), "Frame_Active"));
    d.Focus(main);
    EXPECT_TRUE(testsupport::MatchesGolden(d.Pixels(W()), "Frame_Inactive"));
}

TEST_F(FrameGoldenTest, HotAndPressedButtons) {
    const gfx::Point close = Middle(Button(*frame, TspCommand::Close)->ObjectRect);
    d.MoveTo(W(), close);
    d.Advance(5 * 25);
    EXPECT_TRUE(testsupport::MatchesGolden(d.Pixels(W()), "Frame_HotClose"));
    d.MouseDown(W(), close);
    EXPECT_TRUE(testsupport::MatchesGolden(d.Pixels(W()), "Frame_PressedClose"));
    d.MouseUp(W(), {150, 100});
}

TEST_F(FrameGoldenTest, LongCaption) {
    W().SetCaption("Очень длинный заголовок окна, который не помещается в строку");
    EXPECT_TRUE(testsupport::MatchesGolden(d.Pixels(W()), "Frame_LongCaption"));
}

TEST_F(FrameGoldenTest, MinimisedCaptionBar) {
    frame->Minimize();
    EXPECT_TRUE(testsupport::MatchesGolden(d.Pixels(W()), "Frame_MinimizedBar"));
}

TEST_F(FrameGoldenTest, PlainFrameWithoutASkin) {
    frame->SetSkinData(nullptr);
    EXPECT_TRUE(testsupport::MatchesGolden(d.Pixels(W()), "Frame_NoSkin"));
}

}  // namespace
