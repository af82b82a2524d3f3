#pragma once

#include <QImage>
#include <QWidget>

namespace bench {

class SegmentStamps;

// The leanest honest Qt way to animate a flight: a persistent image, and for
// each segment one round of events, the position, one line drawn into the
// image and an update() of the rectangle it touched. The measure the
// program's own flights are held against.
class BareCanvas : public QWidget
{
    Q_OBJECT

public:
    explicit BareCanvas(QSize size, QWidget *parent = nullptr);

    // The flight of the program's plot, at one metre per twip, 15 twips to a pixel.
    void fly(double velocity, double angleDegrees, SegmentStamps &stamps);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage image_;
};

} // namespace bench
