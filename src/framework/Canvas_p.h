#pragma once

#include <QWidget>

class Canvas;

// Paints the canvas's backdrop.
class CanvasImpl : public QWidget {
    Q_OBJECT

public:
    explicit CanvasImpl(const Canvas& owner);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Canvas& owner_;
};
