// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "extensioniconprovider.h"

#include <QFileInfo>
#include <QIcon>
#include <QMimeDatabase>

namespace {

QMimeType mimeTypeByName(const QFileInfo &info)
{
    return QMimeDatabase().mimeTypeForFile(info, QMimeDatabase::MatchExtension);
}

} // namespace

QIcon ExtensionIconProvider::icon(const QFileInfo &info) const
{
    if (info.isDir())
        return icon(QAbstractFileIconProvider::Folder);
    const QMimeType type = mimeTypeByName(info);
    return QIcon::fromTheme(type.iconName(), icon(QAbstractFileIconProvider::File));
}

QString ExtensionIconProvider::type(const QFileInfo &info) const
{
    return info.isDir() ? QStringLiteral("Folder") : mimeTypeByName(info).comment();
}
