// One flight at a time: how far it goes, what the plot shows, when its inputs
// are read, and what a floating-point fault leaves behind.

#include "flightlog.h"
#include "flightpath.h"
#include "plotpixels.h"
#include "windowdriver.h"

using namespace windowdriver;
using flightlog::FlightLog;
using flightpath::Launch;

namespace {

const QString stopCaption = QStringLiteral("Stop Plotting");

QString readyCaption(const QString &button)
{
    return button == QLatin1String("cmdLaunchWithWind") ? QStringLiteral("Launch With Wind")
                                                        : QStringLiteral("Launch Without Wind");
}

QString otherButton(const QString &button)
{
    return button == QLatin1String("cmdLaunchWithWind") ? QStringLiteral("cmdLaunchWithoutWind")
                                                        : QStringLiteral("cmdLaunchWithWind");
}

// What the window should fly for these field texts (launch velocity and
// angle, wind velocity and angle) from this button.
Launch launchFor(const QString &button, const QStringList &inputs)
{
    Launch launch{inputs[0].toDouble(), inputs[1].toDouble(), 0, 0};
    if (button == QLatin1String("cmdLaunchWithWind")) {
        launch.windVelocity = inputs[2].toDouble();
        launch.windAngle = inputs[3].toDouble();
    }
    return launch;
}

void enter(const frmMain &window, const QStringList &inputs)
{
    flightlog::enterInputs(window, inputs[0], inputs[1], inputs[2], inputs[3]);
}

void addFault(const char *name, const QString &button, const QStringList &inputs, int lines)
{
    QTest::newRow(name) << button << inputs << lines;
}

void addChange(const char *name, const QString &button, const QString &target, const QString &typed,
               const QString &field, const QString &fieldAfter)
{
    QTest::newRow(name) << button << target << typed << field << fieldAfter;
}

void addInputColumns()
{
    QTest::addColumn<QString>("button");
    // launch velocity, launch angle, wind velocity, wind angle, as typed
    QTest::addColumn<QStringList>("inputs");
}

runtime::PictureBox *plotOf(const frmMain &window)
{
    return control<runtime::PictureBox>(window, "picGraph");
}

} // namespace

class TestLaunch : public QObject
{
    Q_OBJECT

private slots:
    void flightEndsBelowGround_data();
    void flightEndsBelowGround();
    void plotShowsThePath_data();
    void plotShowsThePath();
    void inputsAreReadAtTheClick_data();
    void inputsAreReadAtTheClick();
    void faultAbandonsTheFlight_data();
    void faultAbandonsTheFlight();
};

void TestLaunch::flightEndsBelowGround_data()
{
    addInputColumns();
    QTest::addColumn<int>("segments");
    QTest::addColumn<double>("lastX"); // metres, as far as a person reads them off
    QTest::addColumn<double>("lastY");
    QTest::addColumn<double>("lastT");

    const QString without = QStringLiteral("cmdLaunchWithoutWind");
    const QString with = QStringLiteral("cmdLaunchWithWind");
    const QStringList still{"100", "45", "0", "0"};
    const QStringList windy{"100", "45", "20", "180"};
    QTest::newRow("velocity 0") << without << QStringList{"0", "45", "0", "0"} << 6 << 0.0 << -1.23
                                << 0.5;
    QTest::newRow("velocity 0 straight up")
        << without << QStringList{"0", "90", "0", "0"} << 6 << 0.0 << -1.23 << 0.5;
    QTest::newRow("10 at 45") << without << QStringList{"10", "45", "0", "0"} << 17 << 11.3 << -1.24
                              << 1.6;
    QTest::newRow("100 at 45") << without << still << 146 << 1025.3 << -5.62 << 14.5;
    QTest::newRow("100 at 45, wind 20 at 180") << with << windy << 146 << 880.3 << -5.62 << 14.5;
    QTest::newRow("wind fields ignored without wind")
        << without << windy << 146 << 1025.3 << -5.62 << 14.5;
    QTest::newRow("still air from the wind button")
        << with << still << 146 << 1025.3 << -5.62 << 14.5;
    QTest::newRow("angle 0") << without << QStringList{"50", "0", "0", "0"} << 6 << 25.0 << -1.23
                             << 0.5;
    QTest::newRow("angle 0, fast")
        << without << QStringList{"300", "0", "0", "0"} << 6 << 150.0 << -1.23 << 0.5;
    QTest::newRow("wind blowing straight up")
        << with << QStringList{"0", "0", "10", "90"} << 13 << 0.0 << -1.06 << 1.2;
}

void TestLaunch::flightEndsBelowGround()
{
    QFETCH(QString, button);
    QFETCH(QStringList, inputs);
    QFETCH(int, segments);
    QFETCH(double, lastX);
    QFETCH(double, lastY);
    QFETCH(double, lastT);

    ErrorRecorder errors;
    frmMain window;
    window.show();
    enter(window, inputs);
    FlightLog log(window);
    click(window, qPrintable(button));

    QVERIFY(errors.errors.empty());
    const std::vector<QLineF> lines = log.lines();
    QCOMPARE(lines.size(), std::size_t(segments));
    const Launch launch = launchFor(button, inputs);
    const QString differs =
        flightpath::mismatch(lines, 0, flightpath::segments(launch), 0, std::size_t(segments));
    QVERIFY2(differs.isEmpty(), qPrintable(differs));

    QCOMPARE(lines.front().p1(), QPointF(0, 5415));
    QCOMPARE(lines.front().p2(), QPointF(0, 5415));
    const QPointF end = lines.back().p2();
    QVERIFY2(std::abs(end.x() - lastX) < 0.05, qPrintable(QString::number(end.x())));
    QVERIFY2(std::abs(end.y() - (5415 - lastY)) < 0.01, qPrintable(QString::number(end.y())));
    QVERIFY(flightpath::near(end, flightpath::twipsOf(flightpath::position(launch, lastT))));

    const bool withWind = button == QLatin1String("cmdLaunchWithWind");
    for (const flightlog::Sighting &seen : log.sightings) {
        QCOMPARE(withWind ? seen.withWindCaption : seen.withoutWindCaption, stopCaption);
        QCOMPARE(withWind ? seen.withoutWindCaption : seen.withWindCaption,
                 readyCaption(otherButton(button)));
        QVERIFY(seen.plotting);
    }
    QCOMPARE(caption(window, qPrintable(button)), readyCaption(button));
    QCOMPARE(caption(window, qPrintable(otherButton(button))), readyCaption(otherButton(button)));
    QCOMPARE(log.returned, QStringList{button});
    // Landing does not clear the shared flag; only a stop or closing does.
    QVERIFY(window.isPlotting());
}

void TestLaunch::plotShowsThePath_data()
{
    addInputColumns();
    QTest::addColumn<bool>("visible");

    const QString without = QStringLiteral("cmdLaunchWithoutWind");
    QTest::newRow("100 at 45") << without << QStringList{"100", "45", "0", "0"} << true;
    QTest::newRow("100 at 45, wind 20 at 180")
        << QStringLiteral("cmdLaunchWithWind") << QStringList{"100", "45", "20", "180"} << true;
    QTest::newRow("off the right edge") << without << QStringList{"1000", "45", "0", "0"} << true;
    QTest::newRow("off the top edge") << without << QStringList{"400", "85", "0", "0"} << true;
    QTest::newRow("off the left edge") << without << QStringList{"100", "135", "0", "0"} << false;
}

void TestLaunch::plotShowsThePath()
{
    QFETCH(QString, button);
    QFETCH(QStringList, inputs);
    QFETCH(bool, visible);

    ErrorRecorder errors;
    frmMain window;
    window.show();
    enter(window, inputs);
    FlightLog log(window);
    click(window, qPrintable(button));

    QVERIFY(errors.errors.empty());
    QCOMPARE(caption(window, qPrintable(button)), readyCaption(button));
    const std::vector<QLineF> expected = flightpath::segments(launchFor(button, inputs));
    const std::vector<QLineF> lines = log.lines();
    QCOMPARE(lines.size(), expected.size());
    const QString differs = flightpath::mismatch(lines, 0, expected, 0, expected.size());
    QVERIFY2(differs.isEmpty(), qPrintable(differs));

    const runtime::PictureBox &plot = *plotOf(window);
    const QImage &image = plot.image();
    const double scale = plotpixels::scaleOf(plot);
    int onScreen = 0;
    for (const QLineF &segment : expected) {
        const QPoint pixel = plotpixels::pixelOf(segment.p2(), scale);
        if (!image.rect().contains(pixel))
            continue;
        ++onScreen;
        QVERIFY2(plotpixels::isBlack(image, pixel),
                 qPrintable(QStringLiteral("white at %1, %2").arg(pixel.x()).arg(pixel.y())));
    }
    QCOMPARE(onScreen > 0, visible);
    QCOMPARE(plotpixels::blackPixels(image).empty(), !visible);
    const std::vector<QPoint> stray = plotpixels::strayPixels(image, expected, scale);
    QVERIFY2(stray.empty(),
             qPrintable(QStringLiteral("%1 black pixels off the path, first at %2, %3")
                            .arg(stray.size())
                            .arg(stray.empty() ? 0 : stray.front().x())
                            .arg(stray.empty() ? 0 : stray.front().y())));
}

void TestLaunch::inputsAreReadAtTheClick_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("target"); // a field typed into, or a button clicked
    QTest::addColumn<QString>("typed");  // empty for a click
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("fieldAfter");

    const QString without = QStringLiteral("cmdLaunchWithoutWind");
    const QString with = QStringLiteral("cmdLaunchWithWind");
    addChange("velocity retyped", without, "txtLaunchVelocity", "55", "txtLaunchVelocity", "55");
    addChange("angle retyped", without, "txtLaunchAngle", "10", "txtLaunchAngle", "10");
    addChange("wind velocity retyped", with, "txtWindVelocity", "0", "txtWindVelocity", "0");
    addChange("wind angle retyped", with, "txtWindAngle", "90", "txtWindAngle", "90");
    addChange("launch fields cleared", without, "cmdClearLaunch", "", "txtLaunchVelocity", "0");
    addChange("wind fields cleared", with, "cmdClearWind", "", "txtWindAngle", "0");
}

void TestLaunch::inputsAreReadAtTheClick()
{
    QFETCH(QString, button);
    QFETCH(QString, target);
    QFETCH(QString, typed);
    QFETCH(QString, field);
    QFETCH(QString, fieldAfter);

    ErrorRecorder errors;
    frmMain window;
    window.show();
    const QStringList inputs{"100", "45", "20", "180"};
    enter(window, inputs);
    FlightLog log(window);
    QWidget *targetControl = control(window, qPrintable(target));
    log.afterLine(20, [&] {
        if (typed.isEmpty())
            postClick(targetControl);
        else
            flightlog::postTyping(targetControl, typed);
    });
    click(window, qPrintable(button));

    QVERIFY(errors.errors.empty());
    QCOMPARE(text(window, qPrintable(field)), fieldAfter);
    const std::vector<QLineF> expected = flightpath::segments(launchFor(button, inputs));
    const std::vector<QLineF> lines = log.lines();
    QCOMPARE(lines.size(), expected.size());
    const QString differs = flightpath::mismatch(lines, 0, expected, 0, expected.size());
    QVERIFY2(differs.isEmpty(), qPrintable(differs));
}

void TestLaunch::faultAbandonsTheFlight_data()
{
    addInputColumns();
    QTest::addColumn<int>("linesBeforeFault");

    const QString without = QStringLiteral("cmdLaunchWithoutWind");
    // The text itself is beyond the double range: reading it fails.
    addFault("1e309", without, {"1e309", "45", "0", "0"}, 0);
    // The point at 0.1 s is a finite double but beyond single precision.
    addFault("1e308", without, {"1e308", "45", "0", "0"}, 1);
    addFault("1e200", without, {"1e200", "45", "0", "0"}, 1);
    // Both coordinates pass the single range between 0.4 s and 0.5 s.
    addFault("1e39", without, {"1e39", "45", "0", "0"}, 5);
    // Only x does, between 0.3 s and 0.4 s, while y stays a few metres.
    addFault("1e39 level", without, {"1e39", "0", "0", "0"}, 4);
    addFault("wind 1e200", QStringLiteral("cmdLaunchWithWind"), {"100", "45", "1e200", "0"}, 1);
}

void TestLaunch::faultAbandonsTheFlight()
{
    QFETCH(QString, button);
    QFETCH(QStringList, inputs);
    QFETCH(int, linesBeforeFault);

    ErrorRecorder errors;
    frmMain window;
    window.show();
    enter(window, inputs);
    FlightLog log(window);
    click(window, qPrintable(button));

    QCOMPARE(errors.errors.size(), std::size_t(1));
    QCOMPARE(errors.errors.front().number(), 6);
    QCOMPARE(log.lines().size(), std::size_t(linesBeforeFault));
    if (linesBeforeFault > 0) {
        const QString differs = flightpath::mismatch(
            log.lines(), 0, flightpath::segments(launchFor(button, inputs), linesBeforeFault), 0,
            std::size_t(linesBeforeFault));
        QVERIFY2(differs.isEmpty(), qPrintable(differs));
    }
    // The handler was abandoned: nothing set the button back.
    QCOMPARE(caption(window, qPrintable(button)), stopCaption);
    QCOMPARE(caption(window, qPrintable(otherButton(button))), readyCaption(otherButton(button)));
    QVERIFY(window.isPlotting());

    click(window, qPrintable(button));
    QCOMPARE(caption(window, qPrintable(button)), readyCaption(button));
    QVERIFY(!window.isPlotting());
    QCOMPARE(log.lines().size(), std::size_t(linesBeforeFault));

    enter(window, {"10", "45", "0", "0"});
    click(window, qPrintable(button));
    QCOMPARE(errors.errors.size(), std::size_t(1));
    QCOMPARE(log.lines().size(), std::size_t(linesBeforeFault + 17));
    QCOMPARE(caption(window, qPrintable(button)), readyCaption(button));
}

QTEST_MAIN(TestLaunch)
#include "tst_launch.moc"
