// Clicks that arrive while a flight is drawing: a second flight runs inside
// the first, one stop ends them all, and the plot and grid buttons work
// between the flight's segments.

#include "flightlog.h"
#include "flightpath.h"
#include "plotpixels.h"
#include "windowdriver.h"

using namespace windowdriver;
using flightlog::FlightLog;
using flightpath::Launch;

namespace {

const QString stopCaption = QStringLiteral("Stop Plotting");
const QString withoutWind = QStringLiteral("cmdLaunchWithoutWind");
const QString withWind = QStringLiteral("cmdLaunchWithWind");

QString readyCaption(const QString &button)
{
    return button == withWind ? QStringLiteral("Launch With Wind")
                              : QStringLiteral("Launch Without Wind");
}

QString captionSeen(const flightlog::Sighting &seen, const QString &button)
{
    return button == withWind ? seen.withWindCaption : seen.withoutWindCaption;
}

// Every flight here starts from 100 m/s at 45 degrees, with a wind of 20 m/s at 180.
const Launch stillAir{100, 45, 0, 0};
const Launch windy{100, 45, 20, 180};

std::vector<QLineF> flightFrom(const QString &button)
{
    return flightpath::segments(button == withWind ? windy : stillAir);
}

void prepare(frmMain &window)
{
    window.show();
    flightlog::enterInputs(window, "100", "45", "20", "180");
}

// Expected pieces of the drawing: count segments of a flight from one of its indices.
struct Piece
{
    const std::vector<QLineF> *flight;
    std::size_t from;
    std::size_t count;
};

QString mismatchInPieces(const std::vector<QLineF> &lines, std::initializer_list<Piece> pieces)
{
    std::size_t at = 0;
    for (const Piece &piece : pieces) {
        const QString differs =
            flightpath::mismatch(lines, at, *piece.flight, piece.from, piece.count);
        if (!differs.isEmpty())
            return differs;
        at += piece.count;
    }
    if (at != lines.size())
        return QStringLiteral("%1 lines drawn, expected %2").arg(lines.size()).arg(at);
    return {};
}

} // namespace

class TestNesting : public QObject
{
    Q_OBJECT

private slots:
    void otherButtonNestsAFlight_data();
    void otherButtonNestsAFlight();
    void stopEndsEveryFlight_data();
    void stopEndsEveryFlight();
    void stopThenLaunchAgainNests_data();
    void stopThenLaunchAgainNests();
    void clearPlotMidFlight_data();
    void clearPlotMidFlight();
    void gridMidFlight();
    void faultInANestedFlight();
};

void TestNesting::otherButtonNestsAFlight_data()
{
    QTest::addColumn<QString>("outer");
    QTest::addColumn<QString>("inner");
    QTest::newRow("wind flight inside a still one") << withoutWind << withWind;
    QTest::newRow("still flight inside a wind one") << withWind << withoutWind;
}

void TestNesting::otherButtonNestsAFlight()
{
    QFETCH(QString, outer);
    QFETCH(QString, inner);

    ErrorRecorder errors;
    frmMain window;
    prepare(window);
    FlightLog log(window);
    log.afterLine(20, [&] { postClick(window, qPrintable(inner)); });
    click(window, qPrintable(outer));

    QVERIFY(errors.errors.empty());
    const std::vector<QLineF> outerFlight = flightFrom(outer);
    const std::vector<QLineF> innerFlight = flightFrom(inner);
    const std::size_t innerEnd = 20 + innerFlight.size();
    const std::vector<QLineF> lines = log.lines();
    const QString differs = mismatchInPieces(lines, {{&outerFlight, 0, 20},
                                                     {&innerFlight, 0, innerFlight.size()},
                                                     {&outerFlight, 20, outerFlight.size() - 20}});
    QVERIFY2(differs.isEmpty(), qPrintable(differs));
    // The outer flight picks up from its own last point, not the inner one's.
    QCOMPARE(lines[innerEnd].p1(), lines[19].p2());

    for (std::size_t i = 20; i < lines.size(); ++i) {
        const flightlog::Sighting &seen = log.sightings[i];
        QCOMPARE(captionSeen(seen, outer), stopCaption);
        QCOMPARE(captionSeen(seen, inner), i < innerEnd ? stopCaption : readyCaption(inner));
    }
    QCOMPARE(log.returned, (QStringList{inner, outer}));
    QCOMPARE(caption(window, qPrintable(outer)), readyCaption(outer));
    QCOMPARE(caption(window, qPrintable(inner)), readyCaption(inner));
    QVERIFY(window.isPlotting());
}

void TestNesting::stopEndsEveryFlight_data()
{
    QTest::addColumn<QString>("outer");
    QTest::addColumn<QString>("inner"); // empty: no nested flight
    QTest::addColumn<QString>("stop");  // the button clicked, or "close" for the window
    QTest::addColumn<QStringList>("returned");

    const QString none;
    const QString closing = QStringLiteral("close");
    QTest::newRow("one flight, its own button")
        << withoutWind << none << withoutWind << QStringList{withoutWind, withoutWind};
    QTest::newRow("one wind flight, its own button")
        << withWind << none << withWind << QStringList{withWind, withWind};
    QTest::newRow("one flight, window closed")
        << withoutWind << none << closing << QStringList{withoutWind};
    QTest::newRow("nested, inner flight's button")
        << withoutWind << withWind << withWind << QStringList{withWind, withWind, withoutWind};
    QTest::newRow("nested, outer flight's button")
        << withoutWind << withWind << withoutWind
        << QStringList{withoutWind, withWind, withoutWind};
    QTest::newRow("nested, window closed")
        << withWind << withoutWind << closing << QStringList{withoutWind, withWind};
}

void TestNesting::stopEndsEveryFlight()
{
    QFETCH(QString, outer);
    QFETCH(QString, inner);
    QFETCH(QString, stop);
    QFETCH(QStringList, returned);

    ErrorRecorder errors;
    frmMain window;
    prepare(window);
    FlightLog log(window);
    const bool nested = !inner.isEmpty();
    if (nested)
        log.afterLine(10, [&] { postClick(window, qPrintable(inner)); });
    log.afterLine(nested ? 15 : 10, [&] {
        if (stop == QLatin1String("close"))
            flightlog::postClose(window);
        else
            postClick(window, qPrintable(stop));
    });
    click(window, qPrintable(outer));

    QVERIFY(errors.errors.empty());
    // Each flight ends at its next check: no segment is drawn after the stop.
    const std::vector<QLineF> outerFlight = flightFrom(outer);
    const std::vector<QLineF> innerFlight = nested ? flightFrom(inner) : std::vector<QLineF>{};
    const QString differs =
        nested ? mismatchInPieces(log.lines(), {{&outerFlight, 0, 10}, {&innerFlight, 0, 5}})
               : mismatchInPieces(log.lines(), {{&outerFlight, 0, 10}});
    QVERIFY2(differs.isEmpty(), qPrintable(differs));
    // Innermost first: the order in which the click handlers came back.
    QCOMPARE(log.returned, returned);
    QCOMPARE(caption(window, "cmdLaunchWithoutWind"), readyCaption(withoutWind));
    QCOMPARE(caption(window, "cmdLaunchWithWind"), readyCaption(withWind));
    QVERIFY(!window.isPlotting());
}

void TestNesting::stopThenLaunchAgainNests_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("without wind") << withoutWind;
    QTest::newRow("with wind") << withWind;
}

void TestNesting::stopThenLaunchAgainNests()
{
    QFETCH(QString, button);

    ErrorRecorder errors;
    frmMain window;
    prepare(window);
    FlightLog log(window);
    // Both clicks are handled in the same round of events, before the flight resumes.
    log.afterLine(10, [&] {
        postClick(window, qPrintable(button));
        postClick(window, qPrintable(button));
    });
    click(window, qPrintable(button));

    QVERIFY(errors.errors.empty());
    const std::vector<QLineF> flight = flightFrom(button);
    const std::size_t newEnd = 10 + flight.size();
    const QString differs = mismatchInPieces(
        log.lines(),
        {{&flight, 0, 10}, {&flight, 0, flight.size()}, {&flight, 10, flight.size() - 10}});
    QVERIFY2(differs.isEmpty(), qPrintable(differs));
    for (std::size_t i = 10; i < log.sightings.size(); ++i) {
        const flightlog::Sighting &seen = log.sightings[i];
        QVERIFY(seen.plotting);
        // Once the new flight has landed, the old one draws on under a ready caption.
        QCOMPARE(captionSeen(seen, button), i < newEnd ? stopCaption : readyCaption(button));
    }
    QCOMPARE(log.returned, (QStringList{button, button, button}));
    QCOMPARE(caption(window, qPrintable(button)), readyCaption(button));
    QVERIFY(window.isPlotting());
}

void TestNesting::clearPlotMidFlight_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("without wind") << withoutWind;
    QTest::newRow("with wind") << withWind;
}

void TestNesting::clearPlotMidFlight()
{
    QFETCH(QString, button);

    ErrorRecorder errors;
    frmMain window;
    prepare(window);
    FlightLog log(window);
    log.afterLine(60, [&] { postClick(window, "cmdClearPlot"); });
    click(window, qPrintable(button));

    QVERIFY(errors.errors.empty());
    const std::vector<QLineF> flight = flightFrom(button);
    const QString differs = mismatchInPieces(log.lines(), {{&flight, 0, flight.size()}});
    QVERIFY2(differs.isEmpty(), qPrintable(differs));

    const runtime::PictureBox &plot = *control<runtime::PictureBox>(window, "picGraph");
    const QImage &image = plot.image();
    const double scale = plotpixels::scaleOf(plot);
    // The first four seconds were drawn before the clear and are gone.
    for (std::size_t i = 1; i <= 40; ++i) {
        const QPoint pixel = plotpixels::pixelOf(flight[i].p2(), scale);
        QVERIFY(image.rect().contains(pixel));
        QVERIFY2(!plotpixels::isBlack(image, pixel), qPrintable(QString::number(i)));
    }
    // What is left is the path from the flight's point at the clear onward.
    const std::vector<QLineF> afterClear(flight.begin() + 60, flight.end());
    QVERIFY(plotpixels::strayPixels(image, afterClear, scale).empty());
    for (const QLineF &segment : afterClear) {
        const QPoint pixel = plotpixels::pixelOf(segment.p2(), scale);
        if (image.rect().contains(pixel))
            QVERIFY(plotpixels::isBlack(image, pixel));
    }
}

void TestNesting::gridMidFlight()
{
    ErrorRecorder errors;
    frmMain window;
    prepare(window);
    FlightLog log(window);
    log.afterLine(30, [&] { postClick(window, "cmdDrawPlotLines"); });
    click(window, "cmdLaunchWithoutWind");

    QVERIFY(errors.errors.empty());
    std::vector<QLineF> grid;
    for (int x = 500; x <= 7500; x += 500)
        grid.emplace_back(x, 0, x, 5415);
    for (int y = 5415; y >= 0; y -= 500)
        grid.emplace_back(0, y, 7695, y);
    const std::vector<QLineF> flight = flightFrom(withoutWind);
    const QString differs = mismatchInPieces(
        log.lines(),
        {{&flight, 0, 30}, {&grid, 0, grid.size()}, {&flight, 30, flight.size() - 30}});
    QVERIFY2(differs.isEmpty(), qPrintable(differs));
    for (std::size_t i = 30; i < 30 + grid.size(); ++i)
        QCOMPARE(log.sightings[i].withoutWindCaption, stopCaption);

    const runtime::PictureBox &plot = *control<runtime::PictureBox>(window, "picGraph");
    const QImage &image = plot.image();
    const double scale = plotpixels::scaleOf(plot);
    std::vector<QLineF> everything = grid;
    everything.insert(everything.end(), flight.begin(), flight.end());
    QVERIFY(plotpixels::strayPixels(image, everything, scale).empty());
    for (const QLineF &line : everything) {
        for (const QPointF &end : {line.p1(), line.p2()}) {
            const QPoint pixel = plotpixels::pixelOf(end, scale);
            if (image.rect().contains(pixel))
                QVERIFY(plotpixels::isBlack(image, pixel));
        }
    }
    QCOMPARE(log.returned, QStringList{withoutWind});
}

void TestNesting::faultInANestedFlight()
{
    ErrorRecorder errors;
    frmMain window;
    window.show();
    flightlog::enterInputs(window, "100", "45", "1e200", "0");
    FlightLog log(window);
    log.afterLine(10, [&] { postClick(window, "cmdLaunchWithWind"); });
    click(window, "cmdLaunchWithoutWind");

    // Only the nested flight is abandoned; the outer one lands as usual.
    QCOMPARE(errors.errors.size(), std::size_t(1));
    QCOMPARE(errors.errors.front().number(), 6);
    const std::vector<QLineF> flight = flightFrom(withoutWind);
    const std::vector<QLineF> launchPoint{QLineF(0, 5415, 0, 5415)};
    const QString differs = mismatchInPieces(
        log.lines(), {{&flight, 0, 10}, {&launchPoint, 0, 1}, {&flight, 10, flight.size() - 10}});
    QVERIFY2(differs.isEmpty(), qPrintable(differs));
    QCOMPARE(log.returned, (QStringList{withWind, withoutWind}));
    QCOMPARE(caption(window, "cmdLaunchWithoutWind"), readyCaption(withoutWind));
    QCOMPARE(caption(window, "cmdLaunchWithWind"), stopCaption);
    QVERIFY(window.isPlotting());

    click(window, "cmdLaunchWithWind");
    QCOMPARE(caption(window, "cmdLaunchWithWind"), readyCaption(withWind));
    QVERIFY(!window.isPlotting());
    QCOMPARE(errors.errors.size(), std::size_t(1));
}

QTEST_MAIN(TestNesting)
#include "tst_nesting.moc"
