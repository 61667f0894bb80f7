#include "controls/images/png_image_view.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/headless/driver.h"
#include "png_builder.h"

namespace {

using codectest::PngBuilder;
using controls::TspPngImageList;
using controls::TspPngImageView;
using gfx::MakePixel;
using platform::Form;
using platform::headless::Driver;

const gfx::Pixel kBack = MakePixel(0, 0, 255);
const gfx::Pixel kRed = MakePixel(255, 0, 0);

// A view that counts its paints.
class CountingView : public TspPngImageView {
public:
    void Paint(gfx::Painter& painter) override {
        ++paints;
        TspPngImageView::Paint(painter);
    }
    int paints = 0;
};

// A 4 x 4 red picture whose top-left pixel is transparent.
std::vector<std::uint8_t> RedSquare() {
    std::vector<std::uint8_t> rows;
    for (int y = 0; y < 4; ++y) {
        rows.push_back(0);
        for (int x = 0; x < 4; ++x) rows.insert(rows.end(), {255, 0, 0, std::uint8_t(x + y == 0 ? 0 : 255)});
    }
    return PngBuilder(4, 4, 8, 6).ImageData(rows).Finish();
}

// A borderless blue window at the origin with one 4 x 4 picture list.
class PngImageViewTest : public ::testing::Test {
protected:
    PngImageViewTest() : form(d.App().CreateForm<Form>()) {
        form.BorderStyle = platform::BorderStyle::None;
        form.SetFrameHook(nullptr);
        form.SetBounds(0, 0, 60, 40);
        form.Color = gfx::PixelToColor(kBack);
        list->SetPngWidth(4);
        list->SetPngHeight(4);
        list->PngImages().Add().LoadFromStream(RedSquare());
        view.SetLeft(10);
        view.SetTop(10);
        form.Show();
    }
    // Paints what is pending and returns how often the view painted.
    int PaintsAfterUpdate() {
        (void)d.Pixels(form);
        return view.paints;
    }
    Driver d;
    Form& form;
    std::unique_ptr<TspPngImageList> list = std::make_unique<TspPngImageList>();
    CountingView& view = form.Make<CountingView>();
};

TEST_F(PngImageViewTest, ANewViewIs50By50WithNoPictureAndAutoSize) {
    EXPECT_EQ(view.Width(), 50);
    EXPECT_EQ(view.Height(), 50);
    EXPECT_EQ(view.ImageIndex(), -1);
    EXPECT_TRUE(view.AutoSize());
    EXPECT_FALSE(view.Center());
}

TEST_F(PngImageViewTest, ShowsThePictureWithItsTransparencyAndSizesItselfToTheList) {
    view.SetPngImageList(list.get());
    view.SetImageIndex(0);
    EXPECT_EQ(view.BoundsRect(), (gfx::Rect{10, 10, 14, 14}));
    const gfx::Bitmap pixels = d.Pixels(form);
    EXPECT_EQ(pixels.at(10, 10), kBack) << "the parent shows through";
    EXPECT_EQ(pixels.at(11, 10), kRed);
    EXPECT_EQ(pixels.at(13, 13), kRed);
    EXPECT_EQ(pixels.at(14, 13), kBack);
}

TEST_F(PngImageViewTest, NoIndexOrAnIndexPastTheListPaintsNothing) {
    view.SetAutoSize(false);
    view.SetPngImageList(list.get());
    for (const int index : {-1, 1, 7}) {
        view.SetImageIndex(index);
        const gfx::Bitmap pixels = d.Pixels(form);
        EXPECT_EQ(pixels.at(12, 12), kBack) << index;
        EXPECT_EQ(pixels.at(30, 30), kBack) << index;
    }
    EXPECT_EQ(view.ImageIndex(), 7);
}

TEST_F(PngImageViewTest, MinusTwoKeepsTheIndexButRepaints) {
    view.SetPngImageList(list.get());
    view.SetImageIndex(0);
    const int before = PaintsAfterUpdate();
    view.SetImageIndex(-2);
    EXPECT_EQ(view.ImageIndex(), 0);
    EXPECT_GT(PaintsAfterUpdate(), before);
    view.SetImageIndex(-7);
    EXPECT_EQ(view.ImageIndex(), 0);
}

TEST_F(PngImageViewTest, ADisabledViewDrawsAtHalfOpacity) {
    view.SetPngImageList(list.get());
    view.SetImageIndex(0);
    view.SetEnabled(false);
    EXPECT_EQ(d.Pixels(form).at(12, 12), MakePixel(128, 0, 127));
}

TEST_F(PngImageViewTest, CentringPlacesThePictureInTheMiddleRoundingDown) {
    view.SetAutoSize(false);
    view.SetPngImageList(list.get());
    view.SetImageIndex(0);
    view.SetBounds(10, 10, 11, 9);
    view.SetCenter(true);
    // 11 div 2 - 4 div 2 = 3 across, 9 div 2 - 2 = 2 down.
    const gfx::Bitmap pixels = d.Pixels(form);
    EXPECT_EQ(pixels.at(13, 12), kBack) << "the picture's transparent corner";
    EXPECT_EQ(pixels.at(14, 12), kRed);
    EXPECT_EQ(pixels.at(16, 15), kRed);
    EXPECT_EQ(pixels.at(17, 15), kBack);
    EXPECT_EQ(pixels.at(16, 16), kBack);
}

TEST_F(PngImageViewTest, EmptyingTheListRepaintsTheViewEmpty) {
    view.SetPngImageList(list.get());
    view.SetImageIndex(0);
    EXPECT_EQ(d.Pixels(form).at(12, 12), kRed);
    list->SetPngWidth(8);
    EXPECT_EQ(d.Pixels(form).at(12, 12), kBack);
}

TEST_F(PngImageViewTest, ForgetsAListThatIsDestroyed) {
    view.SetPngImageList(list.get());
    view.SetImageIndex(0);
    list.reset();
    EXPECT_EQ(view.PngImageList(), nullptr);
    form.Invalidate();
    EXPECT_EQ(d.Pixels(form).at(12, 12), kBack);
}

TEST_F(PngImageViewTest, ClicksReachTheHandler) {
    view.SetPngImageList(list.get());
    view.SetImageIndex(0);
    int clicks = 0;
    view.OnClick = [&](TspPngImageView& sender) {
        EXPECT_EQ(&sender, &view);
        ++clicks;
    };
    d.ClickControl(view);
    EXPECT_EQ(clicks, 1);
}

}  // namespace
