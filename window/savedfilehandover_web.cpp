// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "savedfilehandover.h"

#include <QFile>
#include <QFileInfo>
#include <emscripten.h>

namespace {

// A link to the bytes, clicked: the browser saves them as any download, in
// its downloads folder or where it asks. (Qt's own hand-over,
// QFileDialog::saveFileContent, downloaded nothing in Chromium 156.)
// (Written without arrow functions, which the preprocessor would split.)
EM_JS(void, downloadBytes, (const char *bytes, int size, const char16_t *name), {
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([HEAPU8.slice(bytes, bytes + size)]));
    link.download = UTF16ToString(name);
    link.click();
    setTimeout(
        function() { URL.revokeObjectURL(link.href); }, 60000);
});

} // namespace

void handOverSavedFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.readAll();
    const QString name = QFileInfo(path).fileName();
    downloadBytes(bytes.constData(), static_cast<int>(bytes.size()),
                  reinterpret_cast<const char16_t *>(name.utf16()));
    file.remove();
}
