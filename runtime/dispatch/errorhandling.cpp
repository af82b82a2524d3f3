// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "errorhandling.h"

#include "windowdialog.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>
#include <cstdio>
#include <utility>

namespace runtime {

namespace {

ErrorReporter &currentReporter()
{
    static ErrorReporter reporter = showErrorBox;
    return reporter;
}

bool reporting = false;

void printError(const RuntimeError &error)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(QGuiApplication::applicationDisplayName()),
                 qPrintable(errorMessage(error)));
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
        printError(error);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QGuiApplication::applicationDisplayName(),
                    errorMessage(error), QMessageBox::Ok, window);
    execForWindow(box, window);
}

ErrorReporter setErrorReporter(ErrorReporter reporter)
{
    ErrorReporter previous = std::move(currentReporter());
    currentReporter() = reporter ? std::move(reporter) : ErrorReporter(showErrorBox);
    return previous;
}

void reportError(const RuntimeError &error) noexcept
{
    const bool wasReporting = std::exchange(reporting, true);
    try {
        currentReporter()(error);
    } catch (...) {
        try { // short of memory, say, which the line may need too
            printError(error);
        } catch (...) {
        }
    }
    reporting = wasReporting;
}

bool reportOpen()
{
    return reporting;
}

} // namespace runtime
