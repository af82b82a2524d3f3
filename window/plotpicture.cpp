// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "plotpicture.h"

#include "errorhandling.h"
#include "extensioniconprovider.h"
#include "runtimeerror.h"
#include "windowdialog.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QSaveFile>
#include <QStandardPaths>

PlotPicture::PlotPicture(QWidget *plot, QMenu *plotMenu) : QObject(plot), plot_(plot)
{
    offer(plotMenu, QStringLiteral("Copy Plot"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
          &PlotPicture::copy);
    offer(plotMenu, QStringLiteral("Save Plot As…"), QKeySequence(Qt::CTRL | Qt::Key_S),
          &PlotPicture::save);
}

void PlotPicture::offer(QMenu *plotMenu, const QString &text, const QKeySequence &shortcut,
                        void (PlotPicture::*handler)())
{
    auto *action = new QAction(text, plot_->window());
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this,
            [this, handler] { runtime::runHandler([this, handler] { (this->*handler)(); }); });
    plot_->window()->addAction(action);
    plotMenu->addAction(action);
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

namespace {

// The first of these folders that is there: a home folder whose name is not
// valid UTF-8 cannot be reached by Qt's file names, and a dialog started in
// a folder it cannot show would save a bare name in the current directory.
QDir startingFolder()
{
    for (const QString &path :
         {QStandardPaths::writableLocation(QStandardPaths::PicturesLocation), QDir::homePath()})
        if (QDir(path).exists() && QDir::isAbsolutePath(path))
            return QDir(path);
    return QDir::root();
}

} // namespace

QString PlotPicture::askForFile()
{
    QFileDialog dialog(plot_->window(), QStringLiteral("Save Plot As"),
                       startingFolder().filePath(QStringLiteral("trajectory.png")),
                       QStringLiteral("PNG image (*.png)"));
    ExtensionIconProvider icons;
    dialog.setIconProvider(&icons);
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
    // Saving replaces the file, which must not replace a device or a pipe.
    if (const QFileInfo target(path); target.exists() && !target.isFile())
        throw runtime::RuntimeError::fileAccess(QStringLiteral("Cannot save %1: not a regular file")
                                                    .arg(QDir::toNativeSeparators(path))
                                                    .toStdString());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        !plot_->grab().toImage().save(&file, "PNG") || !file.commit())
        throw runtime::RuntimeError::fileAccess(
            QStringLiteral("Cannot save %1: %2")
                .arg(QDir::toNativeSeparators(path), file.errorString())
                .toStdString());
}
