#include <gtest/gtest.h>

#include "gfx/text.h"
#include "skin/frame/frame_fixture.h"
#include "skin/frame/object_hint.h"
#include "skin/frame/system_menu.h"
#include "skin/resource_str_data.h"

namespace {

using gfx::Rect;
using skin::TspCommand;

class FrameObjectsTest : public testfixtures::SkinnedWindows {};

// A hint window that records what it was asked to show.
class RecordingHints : public platform::Component, public skin::ObjectHintView {
public:
    void ShowObjectHint(const std::string& text, gfx::Point screen) override {
        log.push_back(text + "@" + std::to_string(screen.x) + "," + std::to_string(screen.y));
    }
    void HideObjectHint() override { log.push_back("hide"); }
    std::vector<std::string> log;
};

TEST_F(FrameObjectsTest, WithMinimizeOnlyCloseAndMinimizeSitAtTheRightEndOfTheCaption) {
    skin::TspSkinForm& frame = Window(301, 158, skin::biMinimize);
    EXPECT_EQ(Button(frame, TspCommand::Close)->ObjectRect, (Rect{251, 1, 294, 33}));
    EXPECT_EQ(Button(frame, TspCommand::Minimize)->ObjectRect, (Rect{226, 1, 251, 33}));
    EXPECT_EQ(Find<skin::TspSkinCaptionObject>(frame)->ObjectRect, (Rect{7, 4, 226, 23}));
    EXPECT_FALSE(Button(frame, TspCommand::Maximize)->Visible);
    EXPECT_FALSE(Button(frame, TspCommand::SysMenu)->Visible);
    EXPECT_TRUE(Button(frame, TspCommand::Minimize)->Enabled);
}

TEST_F(FrameObjectsTest, WithoutIconsOnlyTheCloseButtonShows) {
    skin::TspSkinForm& frame = Window(301, 158, 0);
    EXPECT_TRUE(Button(frame, TspCommand::Close)->Visible);
    EXPECT_FALSE(Button(frame, TspCommand::Minimize)->Visible);
    EXPECT_EQ(Find<skin::TspSkinCaptionObject>(frame)->ObjectRect.right, frame.Geometry().caption.right - 43);
}

TEST_F(FrameObjectsTest, HiddenCaptionButtonsLeaveTheCaptionItsWholeWidth) {
    skin::TspSkinForm& frame = Window(301, 158, skin::biMinimize | skin::biMaximize);
    frame.SetHideCaptionButtons(true);
    for (const auto& o : frame.Objects())
        if (auto* b = dynamic_cast<skin::TspSkinStdButtonObject*>(o.get())) {
            EXPECT_FALSE(b->Visible) << b->IDName;
            EXPECT_FALSE(b->Enabled) << b->IDName;
        }
    EXPECT_EQ(Find<skin::TspSkinCaptionObject>(frame)->ObjectRect.right, frame.Geometry().caption.right);
}

TEST_F(FrameObjectsTest, EveryIconShowsItsButtonAndTheSystemMenuButtonTakesTheCaptionsLeftEnd) {
    skin::TspSkinForm& frame = Window(301, 158, skin::biMinimize | skin::biMaximize | skin::biSystemMenu);
    EXPECT_EQ(Button(frame, TspCommand::Maximize)->ObjectRect, (Rect{226, 1, 251, 33}));
    EXPECT_EQ(Button(frame, TspCommand::Minimize)->ObjectRect, (Rect{201, 1, 226, 33}));
    const Rect menu = Button(frame, TspCommand::SysMenu)->ObjectRect;
    EXPECT_EQ(menu, (Rect{7, 1, 32, 31}));
    EXPECT_EQ(Find<skin::TspSkinCaptionObject>(frame)->ObjectRect, (Rect{32, 4, 201, 23}));
}

TEST_F(FrameObjectsTest, ALongCaptionEndsInAnEllipsisThatFits) {
    skin::TspSkinForm& frame = Window(220, 158);
    auto* caption = Find<skin::TspSkinCaptionObject>(frame);
    const int width = caption->TextArea().width();
    const std::string text = caption->FittedText("Очень длинный заголовок окна, который не помещается", width);
    EXPECT_TRUE(text.ends_with("...")) << text;
    EXPECT_LE(gfx::TextWidth(caption->Font, text), width);
    EXPECT_EQ(caption->FittedText("Окно", width), "Окно");
}

TEST_F(FrameObjectsTest, CaptionPaintReplacesTheCaptionText) {
    skin::TspSkinForm& frame = Window(301, 158);
    frame.Window().Show();
    Rect painted;
    int calls = 0;
    frame.OnCaptionPaint = [&](skin::TspSkinForm&, gfx::Painter& p, const Rect& r, bool active) {
        ++calls;
        painted = r;
        EXPECT_TRUE(active);
        p.FillRect(r, gfx::MakePixel(255, 0, 255));
    };
    frame.Window().InvalidateNonClient();
    const gfx::Bitmap pixels = d.Pixels(frame.Window());
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(painted, Find<skin::TspSkinCaptionObject>(frame)->ObjectRect);
    EXPECT_EQ(pixels.at(painted.left + 5, painted.top + 5), gfx::MakePixel(255, 0, 255));
}

TEST_F(FrameObjectsTest, SystemButtonsCarryTheirHints) {
    skin::TspSkinForm& frame = Window(301, 158);
    EXPECT_EQ(Button(frame, TspCommand::Close)->Hint, "Close");
    EXPECT_EQ(Button(frame, TspCommand::SysMenu)->Hint, "System menu");
    auto& strings = main.Own<skin::TspResourceStrData>(&main);
    strings.ResStrings = {"CLOSEBUTTON_HINT=Закрыть"};
    data.SetResourceStrData(&strings);
    EXPECT_EQ(Button(frame, TspCommand::Close)->Hint, "Закрыть");
}

TEST_F(FrameObjectsTest, HintsShowOnlyWithShowObjectHintAndAHintWindow) {
    skin::TspSkinForm& frame = Window(301, 158, 0);
    platform::Form& w = frame.Window();
    w.Show();
    RecordingHints hints;
    frame.SetCompanion(skin::TspSkinForm::Companion::SkinHint, &hints);
    const gfx::Point close = Middle(Button(frame, TspCommand::Close)->ObjectRect);
    d.MoveTo(w, close);
    d.MoveTo(w, {150, 100});
    EXPECT_TRUE(hints.log.empty());
    frame.ShowObjectHint = true;
    d.MoveTo(w, close);
    d.MoveTo(w, {150, 100});
    EXPECT_EQ(hints.log, (std::vector<std::string>{"Close@291,73", "hide"}));
}

TEST_F(FrameObjectsTest, TheSystemMenuOffersWhatTheStateAllows) {
    using skin::TspWindowState;
    const auto names = [](const std::vector<skin::SystemMenuItem>& items) {
        std::string s;
        for (const auto& i : items) s += i.Name + " ";
        return s;
    };
    const auto captions = [](const std::vector<skin::SystemMenuItem>& items) {
        std::string s;
        for (const auto& i : items) s += i.Caption + "|";
        return s;
    };
    EXPECT_EQ(captions(skin::BuildSystemMenu({skin::biMinimize}, nullptr)), "Mi&nimize|-|&Close|")
        << "the start window";
    EXPECT_EQ(captions(skin::BuildSystemMenu({0}, nullptr)), "&Close|") << "a dialog";
    EXPECT_EQ(names(skin::BuildSystemMenu(
                  {skin::biMinimize | skin::biMaximize | skin::biRollUp | skin::biMinimizeToTray}, nullptr)),
              "SKF_MINITEM SKF_MAXITEM SKF_ROLLUP SKF_MINTOTRAY - SKF_CLOSE ");
    EXPECT_EQ(names(skin::BuildSystemMenu({skin::biMinimize | skin::biRollUp, TspWindowState::Minimized}, nullptr)),
              "SKF_RESTORE - SKF_CLOSE ");
    EXPECT_EQ(names(skin::BuildSystemMenu({skin::biRollUp, TspWindowState::Normal, true}, nullptr)),
              "SKF_RESTORE - SKF_CLOSE ")
        << "a rolled-up window offers restore instead of rolling up again";
    const auto items = skin::BuildSystemMenu({skin::biMaximize, TspWindowState::Maximized}, nullptr);
    EXPECT_EQ(items.front().Caption, "&Restore");
    EXPECT_EQ(items.back().Caption, "&Close");
    EXPECT_EQ(items.back().ShortCut, "Alt+F4");
    const auto child =
        skin::BuildSystemMenu({skin::biMinimize | skin::biRollUp, TspWindowState::Maximized, false, true}, nullptr);
    EXPECT_EQ(names(child), "SKF_MINITEM SKF_RESTORE - SKF_CLOSE ") << "a maximised child window does not roll up";
    EXPECT_EQ(child.back().ShortCut, "Ctrl+F4");
}

TEST_F(FrameObjectsTest, SystemMenuCaptionsComeFromTheStringsWithTheBuiltInTextsForMissingKeys) {
    skin::TspResourceStrData strings;
    strings.ResStrings = {"MI_MINCAPTION=Свернуть", "MI_CLOSECAPTION=Закрыть"};
    std::string s;
    for (const auto& i : skin::BuildSystemMenu({skin::biMinimize | skin::biMaximize}, &strings)) s += i.Caption + "|";
    EXPECT_EQ(s, "Свернуть|Ma&ximize|-|Закрыть|");
    EXPECT_EQ(skin::ButtonHint(skin::TspCommand::Close, &strings), "Close");
}

TEST_F(FrameObjectsTest, AnObjectWithoutItsActivePictureHasNoHotLook) {
    skin::TspDataSkinStdButton record;
    record.IDName = "odd";
    record.ActivePictureIndex = 99;
    record.SkinRect = {0, 0, 10, 10};
    record.ActiveSkinRect = {10, 0, 20, 10};
    record.RestoreActiveRect = {20, 0, 30, 10};
    skin::TspSkinStdButtonObject odd(*mainFrame, record);
    EXPECT_EQ(odd.ActivePicture, nullptr);
    EXPECT_TRUE(odd.ActiveSkinRect.empty());
    EXPECT_TRUE(odd.RestoreActiveRect.empty());
}

}  // namespace
