// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "commandline.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <string_view>

namespace {

// Qt's own options that the program accepts; QApplication reads and removes them.
const std::set<std::string_view> qtOptionsWithValue{
    "-display",     "-platform",     "-platformtheme", "-plugin",    "-qwindowgeometry",
    "-qwindowicon", "-qwindowtitle", "-style",         "-stylesheet"};
const std::set<std::string_view> qtFlags{"-reverse"};

const std::map<std::string_view, runtime::Pace> paces{{"fast", runtime::Pace::AsFastAsPossible},
                                                      {"real", runtime::Pace::RealTime},
                                                      {"slow", runtime::Pace::SlowMotion}};

const char usage[] = R"(Usage: trevane [option ...]
Trevane explores projectile motion: type a launch angle and velocity, and
optionally a wind, and watch the flight drawn on a plot. It opens one window.

Options:
  -h, --help               show this help and exit
  -v, --version            show the version and exit
  --pace=fast|real|slow    draw flights as fast as possible (as the plot's
                           menu starts), in real time (a segment each tenth
                           of a second) or in slow motion (a quarter of that)

Qt's standard options, one or two dashes:
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
  -reverse                 lay the window out right to left
)";

#ifdef _WIN32
// Every program on Windows draws on the desktop it was started in.
bool lacksDisplay(std::string_view, bool)
{
    return false;
}
#else
bool isSet(const char *name)
{
    const char *value = std::getenv(name);
    return value && *value;
}

// Whether Qt would abort for want of a display: DISPLAY and WAYLAND_DISPLAY
// unset, and the platform tried first (of a list such as "wayland;xcb") is one
// that needs them, not offscreen, vnc ...
bool lacksDisplay(std::string_view platform, bool displayOption)
{
    if (displayOption || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY"))
        return false;
    if (platform.empty() && isSet("QT_QPA_PLATFORM"))
        platform = std::getenv("QT_QPA_PLATFORM");
    return platform.empty() || platform.starts_with("xcb") || platform.starts_with("wayland");
}
#endif

int refuse(const std::string &argument)
{
    std::fprintf(stderr, "trevane: unknown option '%s'; see trevane --help\n", argument.c_str());
    return 2;
}

} // namespace

std::optional<int> answerCommandLine(int argc, char *argv[], WindowOptions &options)
{
    std::string platform;
    bool displayOption = false;
    for (int i = 1; i < argc; ++i) {
        std::string option = argv[i];
        if (option == "-h" || option == "--help") {
            std::fputs(usage, stdout);
            return 0;
        }
        if (option == "-v" || option == "--version") {
            std::printf("trevane %s\n", TREVANE_VERSION);
            return 0;
        }
        if (option.starts_with("--pace=")) {
            const auto pace = paces.find(std::string_view(option).substr(7));
            if (pace == paces.end()) {
                std::fprintf(stderr, "trevane: unknown pace in '%s': fast, real or slow\n",
                             argv[i]);
                return 2;
            }
            options.pace = pace->second;
            continue;
        }
        if (option.starts_with("--")) // Qt reads its options with one dash or two
            option.erase(0, 1);
        if (qtOptionsWithValue.contains(option) && i + 1 < argc) {
            if (option == "-platform")
                platform = argv[i + 1];
            displayOption = displayOption || option == "-display";
            ++i;
        } else if (!qtFlags.contains(option)) {
            return refuse(argv[i]);
        }
    }
    if (lacksDisplay(platform, displayOption)) {
        std::fputs("trevane: no display: set DISPLAY or WAYLAND_DISPLAY, or run it under "
                   "xvfb-run\n",
                   stderr);
        return 1;
    }
    return std::nullopt;
}
