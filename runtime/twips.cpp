#include "twips.h"

#include <QWidget>

namespace runtime {

void placeInTwips(QWidget *control, int left, int top, int width, int height)
{
    control->setGeometry(pixelsFromTwips(left), pixelsFromTwips(top), pixelsFromTwips(width),
                         pixelsFromTwips(height));
}

QRect geometryInTwips(const QWidget *control)
{
    const QRect g = control->geometry();
    return {g.x() * twipsPerPixel, g.y() * twipsPerPixel, g.width() * twipsPerPixel,
            g.height() * twipsPerPixel};
}

} // namespace runtime
