// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "tablecells.h"

bool isCellRole(int role)
{
    return role == Qt::DisplayRole || role == Qt::AccessibleTextRole ||
           role == Qt::TextAlignmentRole;
}

QVariant cellData(const std::vector<std::string> &header, const std::vector<std::string> &cells,
                  int column, int role)
{
    const QString text = QString::fromStdString(cells.at(std::size_t(column)));
    switch (role) {
    case Qt::DisplayRole:
        return text;
    case Qt::AccessibleTextRole:
        return QString::fromStdString(header.at(std::size_t(column))) + ": " + text;
    case Qt::TextAlignmentRole: {
        bool number = false;
        text.toDouble(&number);
        return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
    }
    default:
        return {};
    }
}
