// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "commandline.h"
#include "trevaneversion.h"

#include <QCommandLineParser>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string_view>

namespace {

const std::map<QString, runtime::Pace> paces{
    {QStringLiteral("fast"), runtime::Pace::AsFastAsPossible},
    {QStringLiteral("real"), runtime::Pace::RealTime},
    {QStringLiteral("slow"), runtime::Pace::SlowMotion}};

const char usage[] = R"(Usage: trevane [option ...]
Trevane explores projectile motion: type a launch angle and velocity, and
optionally a wind, and watch the flight drawn on a plot. It opens one window.

Options:
  -h, --help               show this help and exit
  -v, --version            show the version and exit
  --pace=fast|real|slow    draw flights as fast as possible (as the plot's
                           menu starts), in real time (a segment each tenth
                           of a second) or in slow motion (a quarter of that)

Qt's standard options, one or two dashes, among them:
  -platform name           the platform to open the window on: xcb (X11),
                           wayland, windows, offscreen ... (as QT_QPA_PLATFORM)
  -display display         the X display (as DISPLAY)
  -style name              the widget style (as QT_STYLE_OVERRIDE)
  -stylesheet file         a Qt style sheet
  -platformtheme name      the platform theme
  -plugin name             a further Qt plugin to load
  -qwindowgeometry geom    the window's position, as +X+Y
  -qwindowtitle title      the window's title
  -qwindowicon file        the window's icon
  -session id              the session to restore (given by the desktop)
  -reverse                 lay the window out right to left
)";

// As GNU programs do, an answer that could not be written is a failure.
int finishAnswer()
{
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return 0;
    std::fprintf(stderr, "trevane: write error: %s\n", std::strerror(errno));
    return 1;
}

// One dash or two, as Qt reads its options.
bool isOption(std::string_view argument, std::string_view name)
{
    if (argument.starts_with("--"))
        argument.remove_prefix(1);
    return argument.starts_with('-') && argument.substr(1) == name;
}

#ifdef _WIN32
// Every program on Windows draws on the desktop it was started in.
bool lacksDisplay(const char *, const char *)
{
    return false;
}
#else
bool isSet(const char *value)
{
    return value && *value;
}

// Whether Qt would abort for want of a display: none named, DISPLAY and
// WAYLAND_DISPLAY unset, and the platform tried first (of a list such as
// "wayland;xcb") one that needs them, not offscreen, vnc ...
bool lacksDisplay(const char *platform, const char *display)
{
    if (isSet(display) || isSet(std::getenv("DISPLAY")) || isSet(std::getenv("WAYLAND_DISPLAY")))
        return false;
    if (platform && !*platform) // not a display's lack: the platform's name is
        return false;
    if (!platform && isSet(std::getenv("QT_QPA_PLATFORM")))
        platform = std::getenv("QT_QPA_PLATFORM");
    const std::string_view name = platform ? platform : "";
    return name.empty() || name.starts_with("xcb") || name.starts_with("wayland");
}
#endif

int refuse(const char *what, const QString &argument)
{
    std::fprintf(stderr, "trevane: %s '%s'; see trevane --help\n", what, qPrintable(argument));
    return 2;
}

// The argument as typed that the parser names, without its dashes, as unknown.
QString typedOption(const QStringList &arguments, const QString &name)
{
    for (const QString &argument : arguments.mid(1)) {
        QString bare = argument.section('=', 0, 0);
        while (bare.startsWith('-'))
            bare.remove(0, 1);
        if (argument.startsWith('-') && bare == name)
            return argument;
    }
    return name;
}

} // namespace

std::optional<int> answerBeforeToolkit(int argc, char *argv[])
{
    for (int i = 1; i < argc && std::string_view(argv[i]) != "--"; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-h" || argument == "--help") {
            std::fputs(usage, stdout);
            return finishAnswer();
        }
        if (argument == "-v" || argument == "--version") {
            std::printf("trevane %s\n", TREVANE_VERSION);
            return finishAnswer();
        }
        const bool names = isOption(argument, "platform") || isOption(argument, "display");
        if (names && i + 1 == argc)
            return refuse("a value is missing after", argv[i]);
        i += names;
    }
    if (lacksDisplay(qtOptionValue(argc, argv, "platform"), qtOptionValue(argc, argv, "display"))) {
        std::fputs("trevane: no display: set DISPLAY or WAYLAND_DISPLAY, or run it under "
                   "xvfb-run\n",
                   stderr);
        return 1;
    }
    return std::nullopt;
}

const char *qtOptionValue(int argc, char *argv[], std::string_view name)
{
    const char *value = nullptr;
    for (int i = 1; i + 1 < argc; ++i)
        if (isOption(argv[i], name))
            value = argv[++i];
    return value;
}

std::optional<int> readWindowOptions(const QStringList &arguments, WindowOptions &options)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption pace(QStringLiteral("pace"), QString(), QStringLiteral("pace"));
    parser.addOption(pace);
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        return unknown.isEmpty()
                   ? refuse("a value is missing after", QStringLiteral("--pace"))
                   : refuse("unknown option", typedOption(arguments, unknown.first()));
    }
    if (!parser.positionalArguments().isEmpty())
        return refuse("unexpected argument", parser.positionalArguments().first());
    if (parser.isSet(pace)) {
        const auto chosen = paces.find(parser.value(pace));
        if (chosen == paces.end()) {
            QString typed = typedOption(arguments, QStringLiteral("pace"));
            if (!typed.contains('='))
                typed += ' ' + parser.value(pace);
            std::fprintf(stderr, "trevane: unknown pace in '%s': fast, real or slow\n",
                         qPrintable(typed));
            return 2;
        }
        options.pace = chosen->second;
    }
    return std::nullopt;
}
