#include "gfx/bitmap.h"

#include <gtest/gtest.h>

namespace {

using gfx::Bitmap;
using gfx::MakePixel;

void Paint(Bitmap& image, gfx::Pixel base) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) image.row(y)[x] = base + static_cast<gfx::Pixel>(y * image.width() + x);
    }
}

TEST(BitmapReset, ForOverwriteTakesTheSizeAndKeepsWhatIsWrittenNext) {
    Bitmap image;
    image.ResetForOverwrite(5, 3);
    EXPECT_EQ(image.size(), (gfx::Size{5, 3}));
    Paint(image, 100);
    Bitmap expected(5, 3);
    Paint(expected, 100);
    EXPECT_EQ(image, expected);
}

TEST(BitmapReset, ForOverwriteWithoutPixelsIsEmpty) {
    Bitmap image(4, 4);
    image.ResetForOverwrite(0, 7);
    EXPECT_TRUE(image.empty());
    EXPECT_EQ(image.size(), (gfx::Size{0, 0}));
    image.ResetForOverwrite(-3, 2);
    EXPECT_TRUE(image.empty());
}

TEST(BitmapReset, AFillingResetSetsEveryPixelOfReusedMemory) {
    Bitmap image;
    image.ResetForOverwrite(8, 8);
    Paint(image, 1);
    for (const gfx::Size size : {gfx::Size{3, 2}, gfx::Size{8, 8}, gfx::Size{10, 9}}) {
        image.Reset(size.width, size.height, MakePixel(1, 2, 3));
        EXPECT_EQ(image, Bitmap(size, MakePixel(1, 2, 3))) << size.width << " x " << size.height;
        Paint(image, 7);
    }
}

TEST(BitmapCopy, ACopyOfADecodedBitmapIsEqualAndIndependent) {
    Bitmap image;
    image.ResetForOverwrite(3, 2);
    Paint(image, 40);
    Bitmap copy = image;
    EXPECT_EQ(copy, image);
    copy.set(0, 0, 0);
    EXPECT_NE(copy, image);
}

}  // namespace
