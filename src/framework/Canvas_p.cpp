#include "Canvas_p.h"

#include "Canvas.h"
#include "Picture.h"

#include <QPaintEngine>
#include <QPainter>

CanvasImpl::CanvasImpl(const Canvas& owner) : owner_(owner) {}

void CanvasImpl::paintEvent(QPaintEvent*) {
    const std::shared_ptr<Picture> backdrop = owner_.Backdrop();
    if (!backdrop)
        return;
    QPainter painter(this);
    const QRectF target(0, 0, static_cast<double>(backdrop->Width()),
                        static_cast<double>(backdrop->Height()));
    // The density of what is painted on, not of the widget: a grab or a print
    // may be denser than the screen.
    const double density = painter.paintEngine()->paintDevice()->devicePixelRatio();
    const std::shared_ptr<Picture> best =
        backdrop->BestImage(target.width() * density, target.height() * density);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, best ? best->NativeImage() : backdrop->NativeImage());
}
