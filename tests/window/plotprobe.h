#pragma once

// Looks at the picture boxes the way a person does: by their pixels.

#include "colourcode.h"
#include "picturebox.h"

#include <QImage>
#include <QObject>
#include <functional>

namespace plotprobe {

inline QColor background(const runtime::PictureBox &box)
{
    return runtime::colourFromCode(box.backColour(), box.palette());
}

inline bool showsOnly(const runtime::PictureBox &box, const QColor &colour)
{
    const QImage &image = box.image();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != colour)
                return false;
    return true;
}

inline bool isEmpty(const runtime::PictureBox &box)
{
    return showsOnly(box, background(box));
}

inline bool columnIs(const QImage &image, int x, const QColor &colour)
{
    for (int y = 0; y < image.height(); ++y)
        if (image.pixelColor(x, y) != colour)
            return false;
    return true;
}

inline bool rowIs(const QImage &image, int y, const QColor &colour)
{
    for (int x = 0; x < image.width(); ++x)
        if (image.pixelColor(x, y) != colour)
            return false;
    return true;
}

// Whether the pixel or one of its eight neighbours has the colour.
inline bool colourNear(const QImage &image, QPoint at, const QColor &colour)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const QPoint p = at + QPoint(dx, dy);
            if (image.valid(p) && image.pixelColor(p) == colour)
                return true;
        }
    return false;
}

inline int countOf(const QImage &image, const QColor &colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == colour ? 1 : 0;
    return count;
}

// Runs an action right after the box's nth line (counted from 1) has been
// drawn, while the routine drawing it is still running; the action usually
// queues a click, which then arrives at the routine's next round of events.
class AfterLine : public QObject
{
public:
    AfterLine(runtime::PictureBox *box, int nth, std::function<void()> action)
        : nth_(nth), action_(std::move(action))
    {
        connect(box, &runtime::PictureBox::lineDrawn, this, [this] {
            if (++seen_ == nth_)
                action_();
        });
    }

private:
    int nth_;
    int seen_ = 0;
    std::function<void()> action_;
};

} // namespace plotprobe
