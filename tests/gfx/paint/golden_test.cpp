#include "support/golden.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "gfx/colour.h"
#include "gfx/effects.h"
#include "gfx/morph.h"
#include "gfx/painter.h"

namespace {

using namespace gfx;

Pixel Grey(int v) { return MakePixel(v, v, v); }

// A small, colourful picture that shows what an effect does to edges, gradients and flat
// areas alike.
Bitmap SamplePicture(int width, int height) {
    Bitmap b(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) b.set(x, y, MakePixel(x * 255 / (width - 1), y * 255 / (height - 1), 160));
    Painter p(b);
    p.FillRect({4, 4, width / 2, height / 2}, ColorToPixel(clBtnFace));
    p.Frame3D({4, 4, width / 2, height / 2}, ColorToPixel(clBtnHighlight), ColorToPixel(clBtnShadow));
    p.FillRect({width / 2, height / 2, width - 4, height - 4}, MakePixel(220, 40, 30));
    p.DrawLine({0, height - 1}, {width, 0}, MakePixel(255, 255, 255));
    return b;
}

TEST(PainterGolden, Shapes) {
    Bitmap b(64, 48, ColorToPixel(clBtnFace));
    Painter p(b);
    p.Frame3D({0, 0, 64, 48}, ColorToPixel(clBtnHighlight), ColorToPixel(cl3DDkShadow));
    p.Frame3D({1, 1, 63, 47}, ColorToPixel(cl3DLight), ColorToPixel(clBtnShadow));
    p.FillRect({4, 4, 28, 20}, ColorToPixel(clWindow));
    p.FrameRect({4, 4, 28, 20}, ColorToPixel(0x00800000));
    p.DrawFocusRect({6, 6, 26, 18});
    for (int i = 0; i < 6; ++i) p.DrawLine({32, 4 + 3 * i}, {60, 4 + 6 * i}, MakePixel(40 * i, 0, 200));
    {
        PainterSaver saver(p);
        p.Translate({4, 24});
        const std::vector<Rect> diamond = {
            {8, 0, 12, 4}, {4, 4, 16, 8}, {0, 8, 20, 12}, {4, 12, 16, 16}, {8, 16, 12, 20}};
        p.ClipRegion(Region::FromRects(diamond));
        p.FillRect({-10, -10, 40, 40}, ColorToPixel(clHighlight));
        p.FillRect({0, 0, 10, 10}, MakePixel(0, 160, 0));
    }
    const Bitmap sample = SamplePicture(8, 6);
    p.Stretch(sample, sample.rect(), {28, 24, 44, 44});
    Bitmap glass(12, 12, MakePixel(255, 255, 0, 96));
    p.BlendCopy(glass, glass.rect(), {38, 28});
    p.BlendCopy(glass, glass.rect(), {46, 32}, 200);
    p.CopyTransparent(sample, sample.rect(), {46, 22, 62, 30}, sample.at(0, 0));
    EXPECT_TRUE(testsupport::MatchesGolden(b, "Painter_Shapes"));
}

TEST(EffectsGolden, InactiveEffects) {
    // The sample, then brightness, darkness, grayscale, noise, split blur and invert.
    const Bitmap sample = SamplePicture(40, 30);
    const InactiveEffect effects[] = {InactiveEffect::Brightness, InactiveEffect::Darkness,  InactiveEffect::Grayscale,
                                      InactiveEffect::Noise,      InactiveEffect::SplitBlur, InactiveEffect::Invert};
    Bitmap sheet(sample.width() * 7, sample.height());
    Painter p(sheet);
    p.Copy(sample, sample.rect(), {0, 0});
    int x = sample.width();
    for (InactiveEffect effect : effects) {
        Bitmap copy = sample;
        ApplyInactiveEffect(copy, effect, 20240601);
        p.Copy(copy, copy.rect(), {x, 0});
        x += sample.width();
    }
    EXPECT_TRUE(testsupport::MatchesGolden(sheet, "Effects_Inactive"));
}

TEST(EffectsGolden, MorphKindsAtFourLevels) {
    // One row per kind, in the skin's order; columns at levels 0.2, 0.4, 0.6 and 0.8.
    const Bitmap normal = SamplePicture(40, 16);
    Bitmap active(40, 16, ColorToPixel(clHighlight));
    Painter(active).FrameRect(active.rect(), ColorToPixel(clWhite));
    Painter(active).FillRect({4, 4, 12, 12}, MakePixel(255, 200, 0));

    Bitmap sheet(40 * 4 + 3, 16 * 7 + 6, ColorToPixel(clBtnFace));
    Painter p(sheet);
    for (int kind = 0; kind < 7; ++kind) {
        for (int step = 0; step < 4; ++step) {
            const Bitmap frame = Morph(normal, active, 0.2 * (step + 1), static_cast<MorphKind>(kind));
            p.Copy(frame, frame.rect(), {step * 41, kind * 17});
        }
    }
    EXPECT_TRUE(testsupport::MatchesGolden(sheet, "Effects_Morph"));
}

TEST(EffectsGolden, HalfOpacityPicture) {
    // A round picture with a soft edge, drawn whole and at half opacity over a checkerboard.
    Bitmap picture(24, 24, 0);
    for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 24; ++x) {
            const int d2 = (2 * x - 23) * (2 * x - 23) + (2 * y - 23) * (2 * y - 23);
            const int alpha = std::clamp((23 * 23 - d2) * 255 / 160, 0, 255);
            picture.set(x, y, MakePixel(200, 60, 20, alpha));
        }
    }
    Bitmap sheet(52, 28);
    Painter p(sheet);
    for (int y = 0; y < 28; y += 4)
        for (int x = 0; x < 52; x += 4)
            p.FillRect(Rect::from_size(x, y, 4, 4), ((x + y) / 4) % 2 ? ColorToPixel(clWhite) : Grey(200));
    p.BlendCopy(picture, picture.rect(), {2, 2});
    const Bitmap half = HalfOpacity(picture);
    p.BlendCopy(half, half.rect(), {26, 2});
    EXPECT_TRUE(testsupport::MatchesGolden(sheet, "Effects_HalfOpacity"));
}

}  // namespace
