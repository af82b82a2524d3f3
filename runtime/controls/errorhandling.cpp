// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "errorhandling.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>
#include <cstdio>

namespace runtime {

namespace {

ErrorReporter &currentReporter()
{
    static ErrorReporter reporter = showErrorBox;
    return reporter;
}

QWidget *visibleMainWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->windowType() == Qt::Window && widget->isVisible())
            return widget;
    return nullptr;
}

} // namespace

QString errorMessage(const RuntimeError &error)
{
    return QStringLiteral("Run-time error '%1': %2")
        .arg(error.number())
        .arg(QString::fromStdString(error.description()));
}

void showErrorBox(const RuntimeError &error)
{
    // Once the window has closed, a box would bring the program back on screen.
    QWidget *window = visibleMainWindow();
    if (!window) {
        std::fprintf(stderr, "Trevane: %s\n", qPrintable(errorMessage(error)));
        return;
    }
    QMessageBox::critical(window, QStringLiteral("Trevane"), errorMessage(error));
}

ErrorReporter setErrorReporter(ErrorReporter reporter)
{
    ErrorReporter previous = std::move(currentReporter());
    currentReporter() = reporter ? std::move(reporter) : ErrorReporter(showErrorBox);
    return previous;
}

void reportError(const RuntimeError &error) noexcept
{
    try {
        currentReporter()(error);
    } catch (...) {
        std::fprintf(stderr, "Trevane: %s\n", error.what());
    }
}

} // namespace runtime
