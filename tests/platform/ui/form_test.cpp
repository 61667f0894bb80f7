#include <gtest/gtest.h>

#include "platform/button.h"
#include "platform/headless/driver.h"

namespace {

using platform::Form;
using platform::headless::Driver;

// Logs its life-cycle handlers.
class LoggingForm : public Form {
public:
    LoggingForm(platform::Application& app, std::vector<std::string>& log, std::string name)
        : Form(app), log_(log), name_(std::move(name)) {}
    void FormCreate() override { log_.push_back(name_ + ":create"); }
    void FormShow() override { log_.push_back(name_ + ":show"); }
    void FormActivate() override { log_.push_back(name_ + ":activate"); }
    void FormDeactivate() override { log_.push_back(name_ + ":deactivate"); }
    void FormClose(platform::CloseAction& action) override {
        log_.push_back(name_ + ":close");
        if (refuseClose) action = platform::CloseAction::None;
    }
    bool refuseClose = false;

private:
    std::vector<std::string>& log_;
    std::string name_;
};

class FormTest : public ::testing::Test {
protected:
    FormTest()
        : main(d.App().CreateForm<LoggingForm>(log, "main")), dialog(d.App().CreateForm<LoggingForm>(log, "dialog")) {
        main.SetBounds(0, 0, 300, 200);
        dialog.SetBounds(400, 0, 200, 150);
    }

    Driver d;
    std::vector<std::string> log;
    LoggingForm& main;
    LoggingForm& dialog;
};

TEST_F(FormTest, WindowsAreCreatedHiddenInOrderAndTheFirstIsPrincipal) {
    EXPECT_EQ(log, (std::vector<std::string>{"main:create", "dialog:create"}));
    EXPECT_FALSE(main.Visible());
    EXPECT_FALSE(dialog.Visible());
    EXPECT_EQ(d.App().MainForm(), &main);
    EXPECT_EQ(d.App().Forms(), (std::vector<Form*>{&main, &dialog}));
}

TEST_F(FormTest, RunShowsThePrincipalWindowAndEndsWhenTerminated) {
    d.Script([&] { d.App().Terminate(); });
    d.App().Run();
    EXPECT_TRUE(main.Visible());
    EXPECT_TRUE(main.IsActive());
    EXPECT_TRUE(d.App().Terminated());
    EXPECT_EQ(d.Backend().PendingSteps(), 0u);
}

TEST_F(FormTest, FormShowRunsOncePerHiddenToVisibleChange) {
    main.Show();
    dialog.Show();
    dialog.Show();
    main.Show();
    dialog.Hide();
    dialog.Show();
    EXPECT_EQ(std::count(log.begin(), log.end(), "dialog:show"), 2);
    EXPECT_EQ(std::count(log.begin(), log.end(), "main:show"), 1);
}

TEST_F(FormTest, ShowingAVisibleWindowBringsItToTheFront) {
    main.Show();
    dialog.Show();
    main.Show();
    EXPECT_EQ(d.TopWindow(), &main);
    EXPECT_TRUE(main.IsActive());
    EXPECT_FALSE(dialog.IsActive());
}

TEST_F(FormTest, ActivationMovesOnlyBetweenTheProgramsWindows) {
    main.Show();
    dialog.Show();
    dialog.Hide();
    EXPECT_EQ(log,
              (std::vector<std::string>{"main:create", "dialog:create", "main:show", "main:activate", "dialog:show",
                                        "main:deactivate", "dialog:activate", "dialog:deactivate", "main:activate"}));
}

TEST_F(FormTest, PopupWindowsNeverTakeActivation) {
    main.Show();
    dialog.PopupStyle = true;
    dialog.Show();
    d.Click(dialog, {50, 50});
    EXPECT_TRUE(main.IsActive());
    EXPECT_EQ(d.TopWindow(), &dialog);
}

TEST_F(FormTest, ModalWindowBlocksInputToTheOthers) {
    auto& button = main.Make<platform::TButton>();
    button.SetBounds(10, 10, 75, 25);
    int clicks = 0;
    button.OnClick = [&](platform::TButton&) { ++clicks; };
    main.Show();
    d.Script([&] {
        d.ClickControl(button);
        EXPECT_TRUE(dialog.IsActive()) << "a click on a blocked window leaves the modal one active";
        dialog.ModalResult = 7;
    });
    EXPECT_EQ(dialog.ShowModal(), 7);
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(dialog.Visible());
    EXPECT_TRUE(main.IsActive());
    d.ClickControl(button);
    EXPECT_EQ(clicks, 1);
}

TEST_F(FormTest, ModalWindowsNest) {
    auto& third = d.App().CreateForm<LoggingForm>(log, "third");
    main.Show();
    std::vector<int> results;
    d.Script([&] {
        d.Script([&] {
            d.Click(dialog, {50, 50});
            EXPECT_TRUE(third.IsActive());
            d.PressKey(platform::Key::Escape);
            third.Close();
        });
        results.push_back(third.ShowModal());
        EXPECT_TRUE(dialog.IsActive());
        dialog.ModalResult = platform::mrOk;
    });
    results.push_back(dialog.ShowModal());
    EXPECT_EQ(results, (std::vector<int>{platform::mrCancel, platform::mrOk}));
    EXPECT_TRUE(d.App().ModalStack().empty());
    EXPECT_TRUE(main.IsActive());
}

TEST_F(FormTest, AWindowAlreadyModalCannotBeShownModallyAgain) {
    main.Show();
    dialog.SetCaption("Пить");
    std::string error;
    d.Script([&] {
        try {
            dialog.ShowModal();
        } catch (const std::runtime_error& e) {
            error = e.what();
        }
        EXPECT_EQ(d.App().ModalStack().size(), 1u);
        dialog.ModalResult = platform::mrOk;
    });
    EXPECT_EQ(dialog.ShowModal(), platform::mrOk);
    EXPECT_NE(error.find("\"Пить\" is already shown modally"), std::string::npos) << error;
}

TEST_F(FormTest, ModalLoopWithNothingLeftToDoClosesAsCancelled) {
    main.Show();
    EXPECT_EQ(dialog.ShowModal(), platform::mrCancel);
    EXPECT_EQ(d.Backend().StalledWaits(), 1);
}

TEST_F(FormTest, CloseAsksFormCloseAndClosingThePrincipalWindowEndsTheProgram) {
    main.Show();
    dialog.Show();
    dialog.refuseClose = true;
    dialog.Close();
    EXPECT_TRUE(dialog.Visible());
    dialog.refuseClose = false;
    dialog.Close();
    EXPECT_FALSE(dialog.Visible());
    EXPECT_FALSE(d.App().Terminated());
    main.Close();
    EXPECT_TRUE(d.App().Terminated());
}

TEST_F(FormTest, DesktopCentringUsesTheWorkAreaAtFirstShowOnly) {
    d.Backend().SetWorkArea({0, 0, 1024, 738});
    dialog.Position = platform::FormPosition::DesktopCenter;
    dialog.SetBounds(0, 0, 301, 158);
    dialog.Show();
    EXPECT_EQ(dialog.BoundsRect().top_left(), (gfx::Point{362, 290}));
    dialog.Hide();
    dialog.SetBounds(5, 5, 301, 158);
    dialog.Show();
    EXPECT_EQ(dialog.BoundsRect().top_left(), (gfx::Point{5, 5}));
}

TEST_F(FormTest, ClientSizeExcludesThePlainFrame) {
    main.SetClientSize(289, 119);
    EXPECT_EQ(main.Width(), 289 + 6);
    EXPECT_EQ(main.Height(), 119 + 19 + 6);
    EXPECT_EQ(main.ClientRectInWindow(), (gfx::Rect{3, 22, 292, 141}));
    main.BorderStyle = platform::BorderStyle::None;
    main.SetFrameHook(nullptr);
    EXPECT_EQ(main.ClientRectInWindow(), (gfx::Rect{0, 0, 295, 144}));
}

TEST_F(FormTest, SizeIsClampedToTheFrameLimits) {
    main.SetBounds(0, 0, 1, 1);
    EXPECT_EQ(main.BoundsRect().size(), main.Limits().min);
}

TEST_F(FormTest, MinimiseOfTheWholeApplicationMinimisesEveryVisibleWindow) {
    main.Show();
    dialog.Show();
    d.App().Minimize();
    EXPECT_TRUE(d.Backend().State(main).minimized);
    EXPECT_TRUE(d.Backend().State(dialog).minimized);
    main.Show();
    EXPECT_FALSE(d.Backend().State(main).minimized) << "showing a minimised window restores it";
}

TEST_F(FormTest, OutlineAndOpacityReachTheWindowSystem) {
    gfx::Region outline(gfx::Rect{0, 0, 10, 10});
    outline.Unite(gfx::Rect{20, 0, 30, 10});
    main.SetWindowOutline(outline);
    main.SetOpacity(200);
    EXPECT_EQ(d.Backend().State(main).outline, outline);
    EXPECT_EQ(d.Backend().State(main).opacity, 200);
    main.SetWindowOutline(std::nullopt);
    EXPECT_FALSE(d.Backend().State(main).outline.has_value());
}

}  // namespace

namespace {

class FailingShowForm : public platform::Form {
public:
    using Form::Form;
    void FormShow() override { throw std::runtime_error("cannot show"); }
};

TEST(FormShowFailureTest, AWindowWhoseFormShowFailsStaysHidden) {
    Driver d;
    auto& form = d.App().CreateForm<FailingShowForm>();
    d.App().Guarded([&] { form.Show(); });
    EXPECT_FALSE(form.Visible());
    EXPECT_FALSE(d.Backend().State(form).visible);
    ASSERT_EQ(d.Messages().size(), 1u);
    EXPECT_EQ(d.Messages()[0].text, "cannot show");
}

}  // namespace
