#include "Graphics.h"

#include "Colour_p.h"

#include <QPainter>

Graphics::Graphics(QPainter& painter, double width, double height)
    : painter_(painter), width_(width), height_(height) {
    // Lines and fills at whole coordinates cover whole pixels, so one-pixel rules stay crisp.
    painter_.setRenderHint(QPainter::Antialiasing, false);
    ForeColor(foreColor_);
}

void Graphics::ForeColor(Colour colour) {
    foreColor_ = colour;
    painter_.setPen(QPen(toQColor(colour), 1.0));
}

void Graphics::FillRect(double left, double top, double width, double height) {
    painter_.fillRect(QRectF(left, top, width, height), toQColor(foreColor_));
}

void Graphics::DrawLine(double x1, double y1, double x2, double y2) {
    painter_.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}
