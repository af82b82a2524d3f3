// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "pictureclipboard.h"

#include "browserwait.h"
#include "windowdialog.h"

#include <QBuffer>
#include <QImage>
#include <QMessageBox>
#include <emscripten.h>

namespace {

// The asynchronous clipboard, the only one that takes pictures, as a PNG:
// 1 once the browser has it; 0 where the page may not write it (not a
// secure page, no such clipboard, out of focus, a permission refused).
// (Qt's own clipboard writes there too, but a refusal reaches only the console.)
// clang-format off
EM_ASYNC_JS(int, putPngOnClipboard, (const char *bytes, int size), {
    if (!(window.isSecureContext && navigator.clipboard && navigator.clipboard.write &&
          window.ClipboardItem))
        return 0;
    try {
        const png = new Blob([HEAPU8.slice(bytes, bytes + size)], {type: 'image/png'});
        await navigator.clipboard.write([new ClipboardItem({'image/png': png})]);
        return 1;
    } catch (refusal) {
        return 0;
    }
});
// clang-format on

} // namespace

void copyPicture(QWidget *window, const QImage &picture)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    int copied = 0;
    runtime::waitOnBrowser(
        [&] { copied = putPngOnClipboard(png.constData(), static_cast<int>(png.size())); });
    if (copied)
        return;
    QMessageBox box(QMessageBox::Information, QStringLiteral("Trevane"),
                    QStringLiteral("This browser did not let the page put the picture on the "
                                   "clipboard. Save Plot As… downloads it instead."),
                    QMessageBox::Ok, window);
    runtime::execForWindow(box, window);
}
