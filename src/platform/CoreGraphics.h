#pragma once

#include "CGGeometry.h"

#include <memory>

class Picture;

// An image ready to be drawn. Whoever hands one out keeps it alive for as
// long as the object it came from lives; the receiver does not release it.
struct CGImage {
    std::shared_ptr<Picture> bitmap;
};
using CGImageRef = const CGImage*;

// A drawing context: what a picture's Graphics gives as its handle of type
// Graphics::HandleTypeCGContextRef.
struct CGContext;
using CGContextRef = CGContext*;

// Draws `image` scaled into `rect`. As in CoreGraphics, y counts upwards from
// the bottom edge of the context. None as the context or image draws nothing.
void CGContextDrawImage(CGContextRef context, CGRect rect, CGImageRef image);
