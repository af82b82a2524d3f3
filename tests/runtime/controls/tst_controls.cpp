// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "outcomes.h"
#include "picturebox.h"
#include "pixels.h"

using namespace runtime;

// Run at device pixel ratios 1 and 2: twips keep their size, lines stay crisp
// and are clipped by the box however far off their ends lie.
class TestControls : public QObject
{
    Q_OBJECT

    QWidget window;
    PictureBox *box = new PictureBox(&window);
    // The logical pixels of the box as painted that are not in the background
    // colour, or "blurred" when any of them is not black.
    QString pixels() const
    {
        const QImage image = box->grab().toImage();
        const QRgb back = image.pixel(image.width() - 1, image.height() - 1);
        if (!pixelsWhere(image, [&](QRgb p) { return p != back && qGray(p) != 0; }).isEmpty())
            return "blurred";
        const QRectF drawn = pixelsWhere(image, [&](QRgb p) { return p != back; });
        const double r = box->devicePixelRatioF();
        return drawn.isEmpty()
                   ? "none"
                   : written({drawn.x() / r, drawn.y() / r, drawn.width() / r, drawn.height() / r});
    }

private slots:
    void init() { box->setGeometry(0, 0, 100, 60); }

    void outcomes_data()
    {
        outcomeColumns();
        // A black line in twips, then the box cleared: its pixels on the way.
        rows("Line",
             [this](auto s) {
                 const QList<double> e = numbers(s);
                 box->Line(e[0], e[1], e[2], e[3], black);
                 const QString drawn = pixels();
                 box->Cls();
                 return drawn + "; " + pixels();
             },
             {"0 7 1500 7|0 0 100 1; none", "0 22 1500 22|0 1 100 1; none",
              "600 300 600 600|40 20 1 21; none", "-3e38 450 3e38 450|0 30 100 1; none",
              "750 450 3e38 450|50 30 50 1; none", "-3e38 -99 3e38 -99|none; none"});
    }

    void outcomes() { checkOutcome(); }
};

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
