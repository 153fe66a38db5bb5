#pragma once

#include <cstdint>
#include <memory>

class QImage;

// A bitmap with alpha, sized in logical pixels; its bitmap may be denser on a
// high-resolution screen.
class Picture {
public:
    // A fully transparent picture.
    Picture(std::int64_t width, std::int64_t height);
    explicit Picture(const QImage& image);
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    std::int64_t Width() const;
    std::int64_t Height() const;

    QImage& NativeImage() { return *image_; }
    const QImage& NativeImage() const { return *image_; }

private:
    std::unique_ptr<QImage> image_;
};
