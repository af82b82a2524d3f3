// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "plotmenu.h"

#include <QShortcut>

PlotMenu::PlotMenu(QWidget *plot) : QMenu(plot), plot_(plot)
{
    plot->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(plot, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { popUpAt(plot_->mapToGlobal(at)); });
    // The Menu key and Shift+F10 go to the focus, not to the plot. A text
    // field with the focus takes the Menu key for its own menu.
    auto *keys = new QShortcut(plot->window());
    keys->setKeys({QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)});
    connect(keys, &QShortcut::activated, this, [this] { popUpAt(QCursor::pos()); });
}

void PlotMenu::popUpAt(QPoint pointer)
{
    if (plot_->rect().contains(plot_->mapFromGlobal(pointer)))
        popup(pointer);
}
