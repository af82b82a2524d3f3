// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "plotpicture.h"

#include "errorhandling.h"
#include "pictureclipboard.h"
#include "runtimeerror.h"
#include "savedialog.h"

#include <QAction>
#include <QMenu>
#include <QSaveFile>

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
    copyPicture(plot_->window(), plot_->grab().toImage());
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
    return askWhereToSave(plot_->window(), QStringLiteral("Save Plot As"),
                          QStringLiteral("trajectory.png"), QStandardPaths::PicturesLocation,
                          {QStringLiteral("PNG image (*.png)")})
        .path;
}

// A file that cannot be written is reported as a run-time error and is left
// as it was. Unbuffered: a full disk met while the last buffer is flushed
// would go unnoticed and leave an empty file.
void PlotPicture::writePng(const QString &path)
{
    refuseToReplaceSpecialFile(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        !plot_->grab().toImage().save(&file, "PNG"))
        throw cannotSave(path, file.errorString());
    commitSave(file, path);
}
