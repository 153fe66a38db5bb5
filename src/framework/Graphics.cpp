#include "Graphics.h"

#include "Colour_p.h"

#include <QImage>
#include <QPainter>

Graphics::Graphics(QPainter& painter, double width, double height)
    : painter_(painter), width_(width), height_(height) {
    // Lines and fills at whole coordinates cover whole pixels, so one-pixel rules stay crisp.
    painter_.setRenderHint(QPainter::Antialiasing, false);
    ForeColor(foreColor_);
}

Graphics::Graphics(std::shared_ptr<QImage> surface)
    : surface_(std::move(surface)), ownPainter_(std::make_unique<QPainter>(surface_.get())),
      painter_(*ownPainter_), width_(surface_->deviceIndependentSize().width()),
      height_(surface_->deviceIndependentSize().height()) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    ForeColor(foreColor_);
}

Graphics::~Graphics() = default;

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

void* Graphics::Handle(std::int64_t type) const {
    return type == HandleTypeCGContextRef ? &painter_ : nullptr;
}
