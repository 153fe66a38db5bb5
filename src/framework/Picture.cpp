#include "Picture.h"

#include "Exceptions.h"
#include "Graphics.h"

#include <QImage>
#include <algorithm>
#include <cmath>

namespace {

void checkSize(std::int64_t width, std::int64_t height) {
    constexpr std::int64_t largest = 32767;
    if (width < 1 || height < 1 || width > largest || height > largest)
        throw OutOfBoundsException("Width/Height needs to be in the range 1-32767");
}

// Representations are compared by their pixels, whatever logical size they claim.
double pixelArea(const Picture& bitmap) {
    return static_cast<double>(bitmap.NativeImage().width()) * bitmap.NativeImage().height();
}

} // namespace

Picture::Picture(std::int64_t width, std::int64_t height) : width_(width), height_(height) {
    checkSize(width, height);
    image_ = std::make_shared<QImage>(static_cast<int>(width), static_cast<int>(height),
                                      QImage::Format_ARGB32_Premultiplied);
    if (image_->isNull())
        throw RuntimeException("There is not enough memory for a picture of " +
                               std::to_string(width) + " by " + std::to_string(height) +
                               " pixels.");
    image_->fill(Qt::transparent);
}

Picture::Picture(std::int64_t width, std::int64_t height,
                 std::vector<std::shared_ptr<Picture>> representations)
    : width_(width), height_(height), representations_(std::move(representations)) {
    checkSize(width, height);
    if (representations_.empty())
        throw RuntimeException("A picture needs at least one bitmap.");
    if (std::ranges::find(representations_, nullptr) != representations_.end())
        throw NilObjectException("A picture cannot be made of a bitmap that is Nil.");
    image_ = representations_.front()->image_;
}

Picture::Picture(const QImage& image)
    : width_(std::llround(image.deviceIndependentSize().width())),
      height_(std::llround(image.deviceIndependentSize().height())),
      image_(std::make_shared<QImage>(image)) {}

Picture::~Picture() = default;

std::int64_t Picture::ImageCount() const {
    return static_cast<std::int64_t>(representations_.size());
}

std::shared_ptr<Picture> Picture::IndexedImage(std::int64_t index) const {
    if (index < 0 || index >= ImageCount())
        throw OutOfBoundsException("The picture has no image " + std::to_string(index) + ".");
    return representations_[static_cast<std::size_t>(index)];
}

std::shared_ptr<Picture> Picture::BestImage(double pixelWidth, double pixelHeight) const {
    std::shared_ptr<Picture> smallestLarger;
    std::shared_ptr<Picture> largest;
    for (const std::shared_ptr<Picture>& image : representations_) {
        const QImage& pixels = image->NativeImage();
        const bool fills = pixels.width() >= pixelWidth && pixels.height() >= pixelHeight;
        if (fills && (!smallestLarger || pixelArea(*image) < pixelArea(*smallestLarger)))
            smallestLarger = image;
        if (!largest || pixelArea(*image) > pixelArea(*largest))
            largest = image;
    }
    return smallestLarger ? smallestLarger : largest;
}

std::shared_ptr<::Graphics> Picture::Graphics() {
    if (!representations_.empty())
        return nullptr;
    std::shared_ptr<::Graphics> graphics = graphics_.lock();
    if (!graphics) {
        graphics = std::shared_ptr<::Graphics>(new ::Graphics(image_));
        graphics_ = graphics;
    }
    return graphics;
}
