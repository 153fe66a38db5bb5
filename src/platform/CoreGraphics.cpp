#include "CoreGraphics.h"

#include "framework/Picture.h"

#include <QImage>
#include <QPaintDevice>
#include <QPainter>

void CGContextDrawImage(CGContextRef context, CGRect rect, CGImageRef image) {
    if (!context || !image || !image->bitmap)
        return;
    auto& painter = *static_cast<QPainter*>(static_cast<void*>(context));
    const double contextHeight = painter.device()->height();
    const QRectF target(rect.origin.x, contextHeight - rect.origin.y - rect.size.height,
                        rect.size.width, rect.size.height);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image->bitmap->NativeImage());
    painter.restore();
}
