// What reaches the screen: the picture boxes' pixels as the window last
// painted them, as against what is drawn in their pictures.

#include "windowdriver.h"

#include <QScreen>

using namespace windowdriver;

namespace {

QImage onScreen(const runtime::PictureBox &box)
{
    const QPoint at = box.mapTo(box.window(), QPoint(0, 0));
    const QPixmap shot =
        box.screen()->grabWindow(box.window()->winId(), at.x(), at.y(), box.width(), box.height());
    return shot.toImage().convertToFormat(QImage::Format_RGB32);
}

QImage picture(const runtime::PictureBox &box)
{
    return box.image().convertToFormat(QImage::Format_RGB32);
}

bool showsItsPicture(const runtime::PictureBox &box)
{
    return onScreen(box) == picture(box);
}

int blackPixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += (image.pixel(x, y) & 0xFFFFFF) == 0;
    return count;
}

class EventCounter : public QObject
{
public:
    explicit EventCounter(QEvent::Type type) : type_(type) { qApp->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        count += event->type() == type_;
        return QObject::eventFilter(watched, event);
    }

private:
    QEvent::Type type_;
};

} // namespace

class TestOnScreen : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        window = std::make_unique<frmMain>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        plot = control<runtime::PictureBox>(*window, "picGraph");
    }

    void cleanup() { window.reset(); }

    void theScreenShowsTheWholeFlight_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("velocity");
        QTest::newRow("without wind") << "cmdLaunchWithoutWind"
                                      << "100";
        QTest::newRow("with wind") << "cmdLaunchWithWind"
                                   << "100";
        QTest::newRow("filling the plot") << "cmdLaunchWithoutWind"
                                          << "270";
    }

    void theScreenShowsTheWholeFlight()
    {
        QFETCH(QString, button);
        QFETCH(QString, velocity);
        type(*window, "txtLaunchVelocity", velocity);
        type(*window, "txtLaunchAngle", "45");
        type(*window, "txtWindVelocity", "20");
        type(*window, "txtWindAngle", "180");
        click(*window, qPrintable(button));
        QVERIFY(blackPixels(picture(*plot)) > 50);
        QTRY_VERIFY_WITH_TIMEOUT(showsItsPicture(*plot), 5000);
    }

    // Stopped between two segments, the flight is still on screen up to the
    // last segment it drew.
    void theScreenShowsAStoppedFlight()
    {
        type(*window, "txtLaunchVelocity", "20000");
        type(*window, "txtLaunchAngle", "89");
        SegmentRecorder segments(plot);
        postClick(*window, "cmdLaunchWithoutWind");
        QTimer::singleShot(50, window.get(),
                           [this] { postClick(*window, "cmdLaunchWithoutWind"); });
        QTest::qWait(0);
        QTRY_COMPARE_WITH_TIMEOUT(caption(*window, "cmdLaunchWithoutWind"),
                                  QString("Launch Without Wind"), 10000);
        QVERIFY(segments.lines.size() > 10);
        QTRY_VERIFY_WITH_TIMEOUT(showsItsPicture(*plot), 5000);
    }

    void theScreenShowsTheGridAndItsClearing()
    {
        click(*window, "cmdDrawPlotLines");
        QVERIFY(blackPixels(picture(*plot)) > 5000);
        QTRY_VERIFY_WITH_TIMEOUT(showsItsPicture(*plot), 5000);
        click(*window, "cmdClearPlot");
        QCOMPARE(blackPixels(picture(*plot)), 0);
        QTRY_VERIFY_WITH_TIMEOUT(showsItsPicture(*plot), 5000);
    }

    void theScreenShowsEachNeedle()
    {
        auto *needle = control<runtime::PictureBox>(*window, "picLaunchAngle");
        type(*window, "txtLaunchAngle", "30");
        QTRY_VERIFY_WITH_TIMEOUT(showsItsPicture(*needle), 5000);
        const QImage thirty = onScreen(*needle);
        type(*window, "txtLaunchAngle", "150");
        QTRY_VERIFY_WITH_TIMEOUT(showsItsPicture(*needle), 5000);
        QVERIFY(onScreen(*needle) != thirty);
    }

    // Once the screen has caught up, nothing in the window wakes until the
    // user does something.
    void anIdleWindowRunsNoTimer()
    {
        click(*window, "cmdLaunchWithoutWind");
        click(*window, "cmdDrawPlotLines");
        QTRY_VERIFY_WITH_TIMEOUT(showsItsPicture(*plot), 5000);
        const EventCounter timers(QEvent::Timer);
        QTest::qWait(300);
        QCOMPARE(timers.count, 0);
    }

private:
    std::unique_ptr<frmMain> window;
    runtime::PictureBox *plot = nullptr;
};

QTEST_MAIN(TestOnScreen)
#include "tst_onscreen.moc"
