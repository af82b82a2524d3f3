// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "platformstartguard.h"
#include "commandline.h"

#include <QList>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// Copied: a plugin that failed to load takes its strings with it.
struct HeldMessage
{
    QtMsgType type;
    QByteArray file;
    int line;
    QByteArray function;
    QByteArray category;
    QString text;
};

QList<HeldMessage> held;
std::string failure;

void holdOrFail(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type != QtFatalMsg) {
        held.append({type, context.file, context.line, context.function, context.category, text});
        return;
    }
    std::fprintf(stderr, "trevane: cannot open a window%s\n", failure.c_str());
    std::fflush(stderr);
    // Qt is half made: nothing of it may run on the way out.
    std::_Exit(1);
}

std::string nonEmpty(const char *value)
{
    return value ? value : "";
}

// Where Qt was asked to open the window, as it chooses: the option, else the
// environment, an empty display name meaning the environment's.
std::string whereItFailed(int argc, char *argv[])
{
    std::string platform = nonEmpty(qtOptionValue(argc, argv, "platform"));
    if (!qtOptionValue(argc, argv, "platform"))
        platform = nonEmpty(std::getenv("QT_QPA_PLATFORM"));
    else if (platform.empty())
        return ": the platform's name is empty";
    const bool wayland = platform.starts_with("wayland");
    if (!platform.empty() && !wayland && !platform.starts_with("xcb"))
        return " on the platform '" + platform + "'";
    std::string display = wayland ? "" : nonEmpty(qtOptionValue(argc, argv, "display"));
    if (display.empty())
        display = nonEmpty(std::getenv(wayland ? "WAYLAND_DISPLAY" : "DISPLAY"));
    return display.empty() ? ": no display is named" : " on the display '" + display + "'";
}

} // namespace

PlatformStartGuard::PlatformStartGuard(int argc, char *argv[])
{
    failure = whereItFailed(argc, argv);
    previous_ = qInstallMessageHandler(holdOrFail);
}

PlatformStartGuard::~PlatformStartGuard()
{
    qInstallMessageHandler(previous_);
    for (const HeldMessage &message : std::as_const(held)) {
        const QMessageLogContext context(message.file.constData(), message.line,
                                         message.function.constData(),
                                         message.category.constData());
        previous_(message.type, context, message.text);
    }
    held.clear();
}
