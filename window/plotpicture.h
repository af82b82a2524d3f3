// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>

class QKeySequence;
class QMenu;
class QWidget;

// The plot's picture taken away, pixel for pixel at the screen's scale:
// copied to the clipboard as an image or saved as a PNG file, whatever is
// drawn so far. The plot's menu offers both; Ctrl+Shift+C and Ctrl+S do
// them from anywhere in the window.
class PlotPicture : public QObject
{
    Q_OBJECT

public:
    PlotPicture(QWidget *plot, QMenu *plotMenu);

private:
    void offer(QMenu *plotMenu, const QString &text, const QKeySequence &shortcut,
               void (PlotPicture::*handler)());
    void copy();
    void save();
    QString askForFile();
    void writePng(const QString &path);

    QWidget *plot_;
};
