#include "CanvasImpl.h"

#include "Canvas.h"
#include "Picture.h"

#include <QPainter>

CanvasImpl::CanvasImpl(const Canvas& owner) : owner_(owner) {}

void CanvasImpl::paintEvent(QPaintEvent*) {
    const std::shared_ptr<Picture> backdrop = owner_.Backdrop();
    if (!backdrop)
        return;
    // A picture drawn for a high-resolution screen has more pixels than its
    // logical size; it still covers only that size.
    QPainter painter(this);
    const QRectF target(0, 0, static_cast<double>(backdrop->Width()),
                        static_cast<double>(backdrop->Height()));
    painter.drawImage(target, backdrop->NativeImage());
}
