// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>
#include <QPoint>
#include <string>

namespace runtime {
class PictureBox;
}

// What the plot tells besides its picture. Its tooltip shows where the
// pointer is, in metres from the launch point, as flights are drawn: one
// twip a metre, ground level the box's outer height below its inner top
// edge. Its accessible description, the tooltip's second line, says what the
// last flight did.
class PlotReadout : public QObject
{
    Q_OBJECT

public:
    explicit PlotReadout(runtime::PictureBox *plot);

    void tellFlight(const std::string &whatItDid);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showTip(QPoint pointer, QPoint globalPointer);

    runtime::PictureBox *plot_;
};
