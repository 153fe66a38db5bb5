#pragma once

#include "Colour.h"

#include <cstdint>
#include <memory>

class QImage;
class QPainter;
class Picture;

// Drawing on a surface whose origin is its top-left corner and whose size is
// Width by Height.
class Graphics {
public:
    // The kind of native handle that Handle gives: the drawing context.
    static constexpr std::int64_t HandleTypeCGContextRef = 5;

    Graphics(QPainter& painter, double width, double height);
    ~Graphics();
    Graphics(const Graphics&) = delete;
    Graphics& operator=(const Graphics&) = delete;

    Colour ForeColor() const { return foreColor_; }
    // Following fills and lines use this colour, its transparency included.
    void ForeColor(Colour colour);

    double Width() const { return width_; }
    double Height() const { return height_; }

    void FillRect(double left, double top, double width, double height);
    void DrawLine(double x1, double y1, double x2, double y2);

    // The native object behind the graphics: for HandleTypeCGContextRef the
    // QPainter that draws; none for any other type.
    void* Handle(std::int64_t type) const;

private:
    friend class Picture;

    // Draws into `surface` until the graphics is destroyed.
    explicit Graphics(std::shared_ptr<QImage> surface);

    // Declared before the painter, so that the painter ends before its surface goes.
    std::shared_ptr<QImage> surface_;
    std::unique_ptr<QPainter> ownPainter_;
    QPainter& painter_;
    double width_;
    double height_;
    Colour foreColor_;
};
