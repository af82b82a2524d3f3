#include "windowdriver.h"

using namespace windowdriver;

class TestSmoke : public QObject
{
    Q_OBJECT

private slots:
    void flightDrawsAndEnds()
    {
        frmMain window;
        window.show();
        auto *plot = control<runtime::PictureBox>(window, "picGraph");
        SegmentRecorder segments(plot);
        type(window, "txtLaunchVelocity", "100");
        type(window, "txtLaunchAngle", "45");
        click(window, "cmdLaunchWithoutWind");
        QCOMPARE(segments.lines.size(), std::size_t(146));
        QCOMPARE(caption(window, "cmdLaunchWithoutWind"), QString("Launch Without Wind"));
    }
    void nestedByQueuedClick()
    {
        frmMain window;
        window.show();
        SegmentRecorder segments(control<runtime::PictureBox>(window, "picGraph"));
        type(window, "txtLaunchVelocity", "10");
        type(window, "txtLaunchAngle", "45");
        postClick(window, "cmdLaunchWithWind");
        click(window, "cmdLaunchWithoutWind");
        QCOMPARE(segments.lines.size(), std::size_t(34));
    }
};

QTEST_MAIN(TestSmoke)
#include "tst_smoke.moc"
