#pragma once

// Watches the window while flights run: what could be seen at each line drawn
// on the plot, actions queued after a given line so that they arrive inside
// the running flight, and the order in which launch handlers return.

#include "frmmain.h"
#include "picturebox.h"
#include "windowdriver.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QStringList>
#include <QWindow>
#include <functional>
#include <map>
#include <vector>

namespace flightlog {

// The screen at the moment one line was drawn.
struct Sighting
{
    QLineF line;
    QString withoutWindCaption;
    QString withWindCaption;
    bool plotting;
};

class FlightLog
{
public:
    explicit FlightLog(const frmMain &window) : window_(window)
    {
        auto *plot = windowdriver::control<runtime::PictureBox>(window, "picGraph");
        QObject::connect(plot, &runtime::PictureBox::lineDrawn, plot,
                         [this](const QLineF &line, runtime::ColourCode) { record(line); });
        // Connected after the window's own handlers, so these run once a handler has returned.
        for (const char *name : {"cmdLaunchWithoutWind", "cmdLaunchWithWind"}) {
            auto *button = windowdriver::control<QAbstractButton>(window, name);
            QObject::connect(button, &QAbstractButton::clicked, plot,
                             [this, name] { returned.append(QLatin1String(name)); });
        }
    }

    // Runs the action right after the nth line (counted from 1) has been drawn.
    void afterLine(std::size_t n, std::function<void()> action) { pending_[n] = std::move(action); }

    std::vector<QLineF> lines() const
    {
        std::vector<QLineF> result;
        for (const Sighting &sighting : sightings)
            result.push_back(sighting.line);
        return result;
    }

    std::vector<Sighting> sightings;
    // Launch buttons whose click handler has returned, in that order.
    QStringList returned;

private:
    void record(const QLineF &line)
    {
        sightings.push_back({line, windowdriver::caption(window_, "cmdLaunchWithoutWind"),
                             windowdriver::caption(window_, "cmdLaunchWithWind"),
                             window_.isPlotting()});
        const auto found = pending_.find(sightings.size());
        if (found == pending_.end())
            return;
        const std::function<void()> action = std::move(found->second);
        pending_.erase(found);
        action();
    }

    const frmMain &window_;
    std::map<std::size_t, std::function<void()>> pending_;
};

// Types the four inputs, as a person fills the fields before a launch.
inline void enterInputs(const frmMain &window, const QString &launchVelocity,
                        const QString &launchAngle,
                        const QString &windVelocity = QStringLiteral("0"),
                        const QString &windAngle = QStringLiteral("0"))
{
    windowdriver::type(window, "txtLaunchVelocity", launchVelocity);
    windowdriver::type(window, "txtLaunchAngle", launchAngle);
    windowdriver::type(window, "txtWindVelocity", windVelocity);
    windowdriver::type(window, "txtWindAngle", windAngle);
}

// Queues the keys that replace a field's text: select all, then each character.
inline void postTyping(QWidget *field, const QString &text)
{
    const auto post = [field](QEvent::Type type, int key, Qt::KeyboardModifiers modifiers,
                              const QString &keyText) {
        QCoreApplication::postEvent(field, new QKeyEvent(type, key, modifiers, keyText));
    };
    post(QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier, {});
    post(QEvent::KeyRelease, Qt::Key_A, Qt::ControlModifier, {});
    for (const QChar c : text) {
        post(QEvent::KeyPress, c.unicode(), Qt::NoModifier, c);
        post(QEvent::KeyRelease, c.unicode(), Qt::NoModifier, c);
    }
}

// Queues the request a person makes with the title bar's close button.
inline void postClose(frmMain &window)
{
    QCoreApplication::postEvent(window.windowHandle(), new QCloseEvent);
}

} // namespace flightlog
