// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "pictureclipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>

void copyPicture(QWidget *, const QImage &picture)
{
    QGuiApplication::clipboard()->setImage(picture);
}
