#pragma once

#include <cstdint>
#include <memory>
#include <vector>

class Graphics;
class QImage;

// A picture sized in logical pixels: either one bitmap with alpha, or several
// bitmaps of the same image at different densities (its representations), of
// which a screen shows the one that suits it best.
class Picture {
public:
    // A fully transparent bitmap. Each side must lie in 1..32767, else
    // OutOfBoundsException.
    Picture(std::int64_t width, std::int64_t height);
    // A picture of that logical size made of these bitmaps, kept in this
    // order; none among them raises NilObjectException.
    Picture(std::int64_t width, std::int64_t height,
            std::vector<std::shared_ptr<Picture>> representations);
    explicit Picture(const QImage& image);
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    std::int64_t Width() const { return width_; }
    std::int64_t Height() const { return height_; }

    // The representations; a plain bitmap has none.
    std::int64_t ImageCount() const;
    // Raises OutOfBoundsException outside 0..ImageCount() - 1.
    std::shared_ptr<Picture> IndexedImage(std::int64_t index) const;
    // The representation that fills that many pixels best: the smallest that
    // is at least that large, else the largest. None for a plain bitmap.
    std::shared_ptr<Picture> BestImage(double pixelWidth, double pixelHeight) const;

    // Draws into the bitmap; the drawing is complete once the last reference
    // to it is released. The same Graphics while one is held. None for a
    // picture made of representations, which is not drawn into.
    std::shared_ptr<::Graphics> Graphics();

    // The bitmap; for a picture made of representations, its first one.
    QImage& NativeImage() { return *image_; }
    const QImage& NativeImage() const { return *image_; }

private:
    std::int64_t width_;
    std::int64_t height_;
    std::shared_ptr<QImage> image_;
    std::vector<std::shared_ptr<Picture>> representations_;
    std::weak_ptr<::Graphics> graphics_;
};
