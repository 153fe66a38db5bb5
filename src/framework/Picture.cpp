#include "Picture.h"

#include "Exceptions.h"

#include <QImage>
#include <cmath>
#include <limits>

Picture::Picture(std::int64_t width, std::int64_t height) {
    constexpr std::int64_t largest = std::numeric_limits<int>::max();
    if (width < 1 || height < 1 || width > largest || height > largest)
        throw OutOfBoundsException("A picture's width and height must be at least 1.");
    image_ = std::make_unique<QImage>(static_cast<int>(width), static_cast<int>(height),
                                      QImage::Format_ARGB32_Premultiplied);
    image_->fill(Qt::transparent);
}

Picture::Picture(const QImage& image) : image_(std::make_unique<QImage>(image)) {}

Picture::~Picture() = default;

std::int64_t Picture::Width() const {
    return std::llround(image_->deviceIndependentSize().width());
}

std::int64_t Picture::Height() const {
    return std::llround(image_->deviceIndependentSize().height());
}
