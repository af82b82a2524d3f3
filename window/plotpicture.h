// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>
#include <QPoint>

class QKeySequence;
class QMenu;
class QWidget;

// The plot's picture taken away, pixel for pixel at the screen's scale:
// copied to the clipboard as an image or saved as a PNG file, whatever is
// drawn so far. A context menu over the plot offers both (right button, or
// the Menu key or Shift+F10 with the pointer there); Ctrl+Shift+C and
// Ctrl+S do them from anywhere in the window.
class PlotPicture : public QObject
{
    Q_OBJECT

public:
    explicit PlotPicture(QWidget *plot);

private:
    void offer(const QString &text, const QKeySequence &shortcut, void (PlotPicture::*handler)());
    void popUpAt(QPoint pointer);
    void copy();
    void save();
    QString askForFile();
    void writePng(const QString &path);

    QWidget *plot_;
    QMenu *menu_;
};
