// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "plotpicture.h"

#include "errorhandling.h"
#include "runtimeerror.h"
#include "windowdialog.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QSaveFile>
#include <QShortcut>
#include <QStandardPaths>

namespace {
constexpr int fileAccessError = 75;
}

PlotPicture::PlotPicture(QWidget *plot) : QObject(plot), plot_(plot), menu_(new QMenu(plot))
{
    offer(QStringLiteral("Copy Plot"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
          &PlotPicture::copy);
    offer(QStringLiteral("Save Plot As…"), QKeySequence(Qt::CTRL | Qt::Key_S), &PlotPicture::save);
    plot->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(plot, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { popUpAt(plot_->mapToGlobal(at)); });
    // The Menu key and Shift+F10 go to the focus, not to the plot: pressed
    // anywhere in the window, they open the menu if the pointer is over the
    // plot. A text field with the focus takes the Menu key for its own menu.
    auto *keys = new QShortcut(plot->window());
    keys->setKeys({QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)});
    connect(keys, &QShortcut::activated, this, [this] { popUpAt(QCursor::pos()); });
}

void PlotPicture::offer(const QString &text, const QKeySequence &shortcut,
                        void (PlotPicture::*handler)())
{
    auto *action = new QAction(text, plot_->window());
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this,
            [this, handler] { runtime::runHandler([this, handler] { (this->*handler)(); }); });
    plot_->window()->addAction(action);
    menu_->addAction(action);
}

void PlotPicture::popUpAt(QPoint pointer)
{
    if (plot_->rect().contains(plot_->mapFromGlobal(pointer)))
        menu_->popup(pointer);
}

void PlotPicture::copy()
{
    QGuiApplication::clipboard()->setImage(plot_->grab().toImage());
}

// The dialog's own round of events holds any flight until it closes, as a
// report does.
void PlotPicture::save()
{
    const QString path = askForFile();
    if (!path.isEmpty())
        writePng(path);
}

QString PlotPicture::askForFile()
{
    const QDir pictures(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
    QFileDialog dialog(plot_->window(), QStringLiteral("Save Plot As"),
                       pictures.filePath(QStringLiteral("trajectory.png")),
                       QStringLiteral("PNG image (*.png)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("png"));
    return runtime::execForWindow(dialog, plot_->window()) == QDialog::Accepted
               ? dialog.selectedFiles().value(0)
               : QString();
}

// A file that cannot be written is reported as a run-time error and is left
// as it was. Unbuffered: a full disk met while the last buffer is flushed
// would go unnoticed and leave an empty file.
void PlotPicture::writePng(const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        !plot_->grab().toImage().save(&file, "PNG") || !file.commit())
        throw runtime::RuntimeError(fileAccessError,
                                    QStringLiteral("Cannot save %1: %2")
                                        .arg(QDir::toNativeSeparators(path), file.errorString())
                                        .toStdString());
}
