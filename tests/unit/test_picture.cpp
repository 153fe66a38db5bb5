#include "framework/Canvas.h"
#include "framework/Exceptions.h"
#include "framework/Graphics.h"
#include "framework/Picture.h"

#include <QImage>
#include <QPainter>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

std::shared_ptr<Picture> solid(int side, QColor colour) {
    auto bitmap = std::make_shared<Picture>(side, side);
    bitmap->NativeImage().fill(colour);
    return bitmap;
}

QString messageOf(std::int64_t width, std::int64_t height) {
    try {
        Picture picture(width, height);
    } catch (const OutOfBoundsException& error) {
        return QString::fromStdString(error.Message);
    }
    return {};
}

} // namespace

TEST(Picture, ABitmapIsTransparentWithAlphaWithinTheSizeLimit) {
    const Picture picture(3, 2);
    EXPECT_EQ(picture.Width(), 3);
    EXPECT_EQ(picture.Height(), 2);
    EXPECT_TRUE(picture.NativeImage().hasAlphaChannel());
    EXPECT_EQ(picture.NativeImage().pixelColor(2, 1).alpha(), 0);
    EXPECT_EQ(picture.ImageCount(), 0);
    EXPECT_EQ(picture.BestImage(3, 2), nullptr);
    EXPECT_EQ(Picture(32767, 1).Width(), 32767);

    const std::pair<std::int64_t, std::int64_t> outside[] = {
        {0, 1}, {1, 0}, {-1, 5}, {32768, 1}, {1, 32768}, {std::int64_t{1} << 40, 1}};
    for (const auto& [width, height] : outside)
        EXPECT_EQ(messageOf(width, height), "Width/Height needs to be in the range 1-32767")
            << width << " by " << height;
}

TEST(Picture, RepresentationsKeepTheirOrderAndTheLogicalSize) {
    const auto small = solid(8, Qt::red);
    const auto large = solid(16, Qt::blue);
    Picture picture(8, 8, {small, large});
    EXPECT_EQ(picture.Width(), 8);
    EXPECT_EQ(picture.Height(), 8);
    ASSERT_EQ(picture.ImageCount(), 2);
    EXPECT_EQ(picture.IndexedImage(0), small);
    EXPECT_EQ(picture.IndexedImage(1), large);
    EXPECT_THROW(picture.IndexedImage(2), OutOfBoundsException);
    EXPECT_THROW(picture.IndexedImage(-1), OutOfBoundsException);
    EXPECT_EQ(picture.Graphics(), nullptr) << "a picture of representations is not drawn into";

    EXPECT_THROW(Picture(8, 8, {small, nullptr}), NilObjectException);
    EXPECT_THROW(Picture(8, 8, {}), RuntimeException);
    EXPECT_THROW(Picture(0, 8, {small}), OutOfBoundsException);
}

TEST(Picture, TheBestImageIsTheSmallestThatFillsElseTheLargest) {
    const auto s16 = solid(16, Qt::red);
    const auto s32 = solid(32, Qt::green);
    const auto s64 = solid(64, Qt::blue);
    const Picture picture(16, 16, {s64, s16, s32});
    const struct {
        double pixels;
        std::shared_ptr<Picture> best;
    } cases[] = {{1, s16}, {16, s16}, {16.5, s32}, {32, s32}, {33, s64}, {64, s64}, {1000, s64}};
    for (const auto& c : cases)
        EXPECT_EQ(picture.BestImage(c.pixels, c.pixels), c.best) << c.pixels;
    EXPECT_EQ(picture.BestImage(8, 40), s64) << "both sides must fit";
}

TEST(Graphics, APicturesGraphicsDrawsIntoItsBitmapAndHandsOutItsPainter) {
    Picture picture(4, 4);
    {
        const std::shared_ptr<Graphics> g = picture.Graphics();
        ASSERT_NE(g, nullptr);
        EXPECT_EQ(g->Width(), 4);
        EXPECT_EQ(picture.Graphics(), g) << "one graphics while it is held";
        EXPECT_EQ(g->Handle(1), nullptr);
        auto* painter = static_cast<QPainter*>(g->Handle(Graphics::HandleTypeCGContextRef));
        ASSERT_NE(painter, nullptr);
        EXPECT_EQ(painter->device(), &picture.NativeImage());
        g->ForeColor(Colour{0x00FF0000});
        g->FillRect(0, 0, 2, 4);
    }
    EXPECT_EQ(picture.NativeImage().pixelColor(1, 3), QColor(Qt::red));
    EXPECT_EQ(picture.NativeImage().pixelColor(2, 0).alpha(), 0);
}

// The graphics keeps the bitmap it draws into, so it still draws once its picture has gone.
TEST(Graphics, OutlivesItsPictureSafely) {
    std::shared_ptr<Graphics> g;
    {
        Picture picture(4, 4);
        g = picture.Graphics();
    }
    g->ForeColor(Colour{0x000000FF});
    g->FillRect(0, 0, 4, 4);
    const auto* painter = static_cast<QPainter*>(g->Handle(Graphics::HandleTypeCGContextRef));
    ASSERT_TRUE(painter->isActive());
    const auto* bitmap = dynamic_cast<const QImage*>(painter->device());
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->size(), QSize(4, 4));
    EXPECT_EQ(bitmap->pixelColor(3, 3), QColor(Qt::blue));
}

// A screen twice as dense shows the representation made for it, so the icon stays sharp.
TEST(Canvas, ShowsTheRepresentationThatSuitsTheDensity) {
    const auto canvas = std::make_shared<Canvas>();
    canvas->Width(8);
    canvas->Height(8);
    canvas->Backdrop(std::make_shared<Picture>(
        8, 8, std::vector<std::shared_ptr<Picture>>{solid(8, Qt::red), solid(16, Qt::blue)}));
    for (const auto& [density, colour] : {std::pair{1.0, QColor(Qt::red)}, {2.0, Qt::blue}}) {
        QImage shown(QSize(8, 8) * density, QImage::Format_ARGB32_Premultiplied);
        shown.setDevicePixelRatio(density);
        shown.fill(Qt::white);
        canvas->NativeWidget()->render(&shown);
        EXPECT_EQ(shown.pixelColor(3, 3), colour) << density;
    }
}
