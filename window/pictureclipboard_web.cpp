// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "pictureclipboard.h"

#include "windowdialog.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMessageBox>
#include <emscripten.h>

namespace {

// What Qt writes a picture through; the older way, the copy command, takes text alone.
EM_JS(int, browserTakesPictures, (), {
    return !!(window.isSecureContext && navigator.clipboard && navigator.clipboard.write &&
              window.ClipboardItem);
});

} // namespace

void copyPicture(QWidget *window, const QImage &picture)
{
    if (browserTakesPictures()) {
        QGuiApplication::clipboard()->setImage(picture);
        return;
    }
    QMessageBox box(QMessageBox::Information, QStringLiteral("Trevane"),
                    QStringLiteral("This browser does not let the page put a picture on the "
                                   "clipboard. Save Plot As… downloads it instead."),
                    QMessageBox::Ok, window);
    runtime::execForWindow(box, window);
}
