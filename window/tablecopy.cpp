// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "tablecopy.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QTableView>
#include <algorithm>
#include <utility>
#include <vector>

namespace {

QString rowText(const QAbstractItemModel *model, int row)
{
    QStringList cells;
    for (int column = 0; column < model->columnCount(); ++column)
        cells << model->index(row, column).data().toString();
    return cells.join('\t');
}

// The selected rows in order, each once, from the selection's ranges: a
// range of a million rows is never made into a million indexes.
std::vector<std::pair<int, int>> selectedRowSpans(const QItemSelection &selection)
{
    std::vector<std::pair<int, int>> spans;
    for (const QItemSelectionRange &range : selection)
        spans.emplace_back(range.top(), range.bottom());
    std::ranges::sort(spans);
    std::vector<std::pair<int, int>> merged;
    for (const auto &span : spans)
        if (!merged.empty() && span.first <= merged.back().second + 1)
            merged.back().second = std::max(merged.back().second, span.second);
        else
            merged.push_back(span);
    return merged;
}

void copySelectedRows(const QTableView *view)
{
    const QAbstractItemModel *model = view->model();
    QStringList header;
    for (int column = 0; column < model->columnCount(); ++column)
        header << model->headerData(column, Qt::Horizontal).toString();
    QString text = header.join('\t') + '\n';
    for (const auto &[top, bottom] : selectedRowSpans(view->selectionModel()->selection()))
        for (int row = top; row <= bottom; ++row)
            text += rowText(model, row) + '\n';
    QGuiApplication::clipboard()->setText(text);
}

} // namespace

void offerCopy(QTableView *view)
{
    auto *copy = new QAction(QStringLiteral("Copy"), view);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    QObject::connect(copy, &QAction::triggered, view, [view] { copySelectedRows(view); });
    view->addAction(copy);
    view->setContextMenuPolicy(Qt::ActionsContextMenu);
}
