#pragma once

// A person watching the plot who loses patience: once the plot has received a
// given number of lines since the last stop, the next round of events brings
// a click on a button that reads "Stop Plotting". Keeps flights from huge
// velocities, which would run for days, to a bounded length.

#include "windowdriver.h"

#include <QEvent>
#include <QObject>

namespace windowdriver {

class FlightLimiter : public QObject
{
public:
    FlightLimiter(const frmMain &window, int patience) : window_(window), patience_(patience)
    {
        connect(control<runtime::PictureBox>(window, "picGraph"), &runtime::PictureBox::lineDrawn,
                this, [this] {
                    if (++lines_ == patience_)
                        QCoreApplication::postEvent(this, new QEvent(QEvent::User));
                });
    }

    int stops() const { return stops_; }

protected:
    void customEvent(QEvent *) override
    {
        lines_ = 0;
        for (const char *button : {"cmdLaunchWithoutWind", "cmdLaunchWithWind"}) {
            if (caption(window_, button) == QLatin1String("Stop Plotting")) {
                ++stops_;
                click(window_, button);
                return;
            }
        }
    }

private:
    const frmMain &window_;
    int patience_;
    int lines_ = 0;
    int stops_ = 0;
};

} // namespace windowdriver
