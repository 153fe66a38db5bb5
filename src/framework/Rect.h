#pragma once

// A rectangle in global or window coordinates, y growing downwards.
struct Rect {
    double Left = 0;
    double Top = 0;
    double Width = 0;
    double Height = 0;

    double Right() const { return Left + Width; }
    double Bottom() const { return Top + Height; }
};
