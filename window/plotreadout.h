// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>
#include <QPoint>
#include <string>

class DrawnPoints;

namespace runtime {
class PictureBox;
}

// What the plot tells besides its picture. Its tooltip shows where the
// pointer is, in metres from the launch point, as flights are drawn: one
// twip a metre, ground level the box's outer height below its inner top
// edge; on or near a point a flight drew, that point's time and place and
// which flight drew it. Its accessible description, the tooltip's second line, says what the
// last flight did.
class PlotReadout : public QObject
{
    Q_OBJECT

public:
    PlotReadout(runtime::PictureBox *plot, const DrawnPoints *drawnPoints);

    void tellFlight(const std::string &whatItDid);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showTip(QPoint pointer, QPoint globalPointer);
    std::string pointerReading(QPoint pointer) const;

    runtime::PictureBox *plot_;
    const DrawnPoints *drawnPoints_;
};
