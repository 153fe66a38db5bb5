#pragma once

#include "Colour.h"

class QPainter;

// Drawing on a surface whose origin is its top-left corner and whose size is
// Width by Height.
class Graphics {
public:
    Graphics(QPainter& painter, double width, double height);

    Colour ForeColor() const { return foreColor_; }
    // Following fills and lines use this colour, its transparency included.
    void ForeColor(Colour colour);

    double Width() const { return width_; }
    double Height() const { return height_; }

    void FillRect(double left, double top, double width, double height);
    void DrawLine(double x1, double y1, double x2, double y2);

private:
    QPainter& painter_;
    double width_;
    double height_;
    Colour foreColor_;
};
