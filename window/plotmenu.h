// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QMenu>

// The plot's context menu: opened by its right button, or by the Menu key or
// Shift+F10 pressed anywhere in the window with the pointer over the plot.
class PlotMenu : public QMenu
{
    Q_OBJECT

public:
    explicit PlotMenu(QWidget *plot);

private:
    void popUpAt(QPoint pointer);

    QWidget *plot_;
};
