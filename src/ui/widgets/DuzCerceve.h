#pragma once

#include <QGroupBox>

// A frame with its caption in the window's own font, drawn as a thin etched line.
// The style's group box would draw a bold caption over an image frame, which at
// start-up costs a second font and the loading of every image format plugin.
class DuzCerceve : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent* olay) override;
};
