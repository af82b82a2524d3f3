// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QAbstractFileIconProvider>

// Names and draws the entries of a file dialog by their names alone. Qt's own
// provider reads a file whose name says nothing of its type, and a file that
// never answers, such as /proc/kmsg, would block the dialog for good.
class ExtensionIconProvider : public QAbstractFileIconProvider
{
public:
    using QAbstractFileIconProvider::icon;
    QIcon icon(const QFileInfo &info) const override;
    QString type(const QFileInfo &info) const override;
};
