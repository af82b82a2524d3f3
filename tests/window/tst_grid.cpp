#include "numberconversion.h"
#include "plotprobe.h"
#include "windowdriver.h"

using namespace windowdriver;
using plotprobe::AfterLine;
using runtime::PictureBox;

namespace {

using Lines = std::vector<QLineF>;

const QColor black(Qt::black);
const QColor white(Qt::white);

QList<int> steps(int first, int last, int step)
{
    QList<int> values;
    for (int v = first; step > 0 ? v <= last : v >= last; v += step)
        values.append(v);
    return values;
}

// The grid of a box whose inner size is width by height twips: vertical lines
// spanning the height, then horizontal ones spanning the width.
Lines gridOf(QSizeF twips, const QList<int> &xs, const QList<int> &ys)
{
    Lines lines;
    for (int x : xs)
        lines.emplace_back(x, 0, x, twips.height());
    for (int y : ys)
        lines.emplace_back(0, y, twips.width(), y);
    return lines;
}

Lines slice(const Lines &lines, std::size_t from, std::size_t count)
{
    return Lines(lines.begin() + std::ptrdiff_t(from),
                 lines.begin() + std::ptrdiff_t(from + count));
}

PictureBox *plotOf(const frmMain &window)
{
    return control<PictureBox>(window, "picGraph");
}

QSizeF twipsOf(const PictureBox *box)
{
    return {box->ScaleWidth(), box->ScaleHeight()};
}

const Lines &fullGrid()
{
    static const Lines grid = gridOf({7695, 5415}, steps(500, 7500, 500), steps(5415, 415, -500));
    return grid;
}

} // namespace

class TestGrid : public QObject
{
    Q_OBJECT

private slots:
    void gridLines_data()
    {
        QTest::addColumn<QSize>("pixels"); // the plot's size; empty keeps the window's own
        QTest::addColumn<QList<int>>("verticals");
        QTest::addColumn<QList<int>>("horizontals");

        QTest::newRow("the window's plot, 7695 x 5415")
            << QSize() << steps(500, 7500, 500) << steps(5415, 415, -500);
        QTest::newRow("less a 30-twip border, 7635 x 5355")
            << QSize(509, 357) << steps(500, 7500, 500) << steps(5355, 355, -500);
        QTest::newRow("495 wide: no vertical line")
            << QSize(33, 100) << QList<int>{} << QList<int>{1500, 1000, 500, 0};
        QTest::newRow("510 wide: one vertical line")
            << QSize(34, 100) << QList<int>{500} << QList<int>{1500, 1000, 500, 0};
        QTest::newRow("1500 wide: the right edge gets one")
            << QSize(100, 100) << QList<int>{500, 1000, 1500} << QList<int>{1500, 1000, 500, 0};
        QTest::newRow("495 high: one line at the bottom edge")
            << QSize(100, 33) << QList<int>{500, 1000, 1500} << QList<int>{495};
        QTest::newRow("15 high: one line at the bottom edge")
            << QSize(100, 1) << QList<int>{500, 1000, 1500} << QList<int>{15};
        QTest::newRow("510 high: none at the top")
            << QSize(100, 34) << QList<int>{500, 1000, 1500} << QList<int>{510, 10};
    }

    void gridLines()
    {
        QFETCH(QSize, pixels);
        QFETCH(QList<int>, verticals);
        QFETCH(QList<int>, horizontals);
        frmMain window;
        window.show();
        PictureBox *plot = plotOf(window);
        if (!pixels.isEmpty())
            plot->resize(pixels);
        SegmentRecorder segments(plot);

        click(window, "cmdDrawPlotLines");

        QCOMPARE(segments.lines, gridOf(twipsOf(plot), verticals, horizontals));
        QVERIFY(plot->AutoRedraw());
    }

    void roundingOfTheInnerSize_data()
    {
        QTest::addColumn<double>("twips");
        QTest::addColumn<int>("rounded");
        QTest::newRow("499.4: below the first line") << 499.4 << 499;
        QTest::newRow("499.5: ties to even, on it") << 499.5 << 500;
        QTest::newRow("500.5: ties to even, on it") << 500.5 << 500;
        QTest::newRow("999.5") << 999.5 << 1000;
        QTest::newRow("1000.5") << 1000.5 << 1000;
        QTest::newRow("7694.6") << 7694.6 << 7695;
    }

    // The inner size is rounded, not truncated, before the lines are counted.
    void roundingOfTheInnerSize()
    {
        QFETCH(double, twips);
        QFETCH(int, rounded);
        QCOMPARE(runtime::roundToInt32(twips), rounded);
    }

    // What a person sees of the window's grid: full black columns and rows,
    // the bottom line lying just below the last pixel row.
    void gridPixels()
    {
        frmMain window;
        window.show();
        PictureBox *plot = plotOf(window);
        click(window, "cmdDrawPlotLines");

        const QImage &image = plot->image();
        QList<int> blackColumns;
        for (int x = 0; x < image.width(); ++x)
            if (plotprobe::columnIs(image, x, black))
                blackColumns.append(x);
        QList<int> blackRows;
        for (int y = 0; y < image.height(); ++y)
            if (plotprobe::rowIs(image, y, black))
                blackRows.append(y);
        QCOMPARE(blackColumns, (QList<int>{33, 66, 100, 133, 166, 200, 233, 266, 300, 333, 366, 400,
                                           433, 466, 500}));
        QCOMPARE(blackRows, (QList<int>{27, 61, 94, 127, 161, 194, 227, 261, 294, 327}));
        QCOMPARE(plotprobe::countOf(image, white) + plotprobe::countOf(image, black),
                 image.width() * image.height());
    }

    // Each vertical line reads the height afresh; the width is read once for
    // all vertical lines, then afresh for each horizontal one.
    void sizeReadAsTheGridGoes()
    {
        frmMain window;
        window.show();
        PictureBox *plot = plotOf(window);
        SegmentRecorder segments(plot);
        AfterLine shrink(plot, 1, [plot] {
            QMetaObject::invokeMethod(
                plot, [plot] { plot->resize(400, 200); }, Qt::QueuedConnection);
        });

        click(window, "cmdDrawPlotLines");

        Lines expected{QLineF(500, 0, 500, 5415)};
        for (int x : steps(1000, 7500, 500))
            expected.emplace_back(x, 0, x, 3000);
        for (int y : steps(3000, 0, -500))
            expected.emplace_back(0, y, 6000, y);
        QCOMPARE(segments.lines, expected);
    }

    void secondGridLeavesTheSamePicture()
    {
        frmMain window;
        window.show();
        PictureBox *plot = plotOf(window);
        click(window, "cmdDrawPlotLines");
        const QImage once = plot->image().copy();

        click(window, "cmdDrawPlotLines");

        QCOMPARE(plot->image(), once);
        QVERIFY(!plotprobe::isEmpty(*plot));
    }

    void clearingAnEmptyPlotChangesNothing()
    {
        frmMain window;
        window.show();
        PictureBox *plot = plotOf(window);
        QVERIFY(plotprobe::showsOnly(*plot, white));
        const QImage before = plot->image().copy();

        click(window, "cmdClearPlot");

        QCOMPARE(plot->image(), before);
        QVERIFY(!plot->AutoRedraw());
    }

    void clearingErasesGridAndFlights()
    {
        frmMain window;
        window.show();
        PictureBox *plot = plotOf(window);
        click(window, "cmdDrawPlotLines");
        type(window, "txtLaunchVelocity", "250");
        type(window, "txtLaunchAngle", "45");
        click(window, "cmdLaunchWithoutWind");
        QVERIFY(!plotprobe::isEmpty(*plot));

        click(window, "cmdClearPlot");

        QVERIFY(plotprobe::showsOnly(*plot, white));
        QVERIFY(plot->AutoRedraw());
        QCOMPARE(text(window, "txtLaunchVelocity"), QString("250"));
        QCOMPARE(text(window, "txtLaunchAngle"), QString("45"));
    }

    void clearMidGrid_data()
    {
        QTest::addColumn<int>("after");
        QTest::newRow("after the first line") << 1;
        QTest::newRow("after the third line") << 3;
        QTest::newRow("after the last vertical line") << 15;
        QTest::newRow("after the first horizontal line") << 16;
        QTest::newRow("after the last line") << 26;
    }

    // The lines drawn before the clear are erased, the rest are still drawn.
    void clearMidGrid()
    {
        QFETCH(int, after);
        frmMain window;
        window.show();
        PictureBox *plot = plotOf(window);
        SegmentRecorder segments(plot);
        AfterLine clear(plot, after, [&] { postClick(window, "cmdClearPlot"); });

        click(window, "cmdDrawPlotLines");

        QCOMPARE(segments.lines, fullGrid());
        const QImage &image = plot->image();
        const QList<int> columns{33,  66,  100, 133, 166, 200, 233, 266,
                                 300, 333, 366, 400, 433, 466, 500};
        for (int i = 0; i < columns.size(); ++i)
            QCOMPARE(plotprobe::columnIs(image, columns[i], black), i >= after);
        const QList<int> rows{327, 294, 261, 227, 194, 161, 127, 94, 61, 27};
        for (int i = 0; i < rows.size(); ++i)
            QCOMPARE(plotprobe::rowIs(image, rows[i], black), 16 + i >= after);
    }

    void nestedGrid_data()
    {
        QTest::addColumn<int>("after");
        QTest::newRow("after the first line") << 1;
        QTest::newRow("after the eighth line") << 8;
        QTest::newRow("after the first horizontal line") << 16;
        QTest::newRow("after the last line") << 26;
    }

    // A second grid runs whole inside the first, which then carries on.
    void nestedGrid()
    {
        QFETCH(int, after);
        frmMain window;
        window.show();
        PictureBox *plot = plotOf(window);
        SegmentRecorder segments(plot);
        AfterLine again(plot, after, [&] { postClick(window, "cmdDrawPlotLines"); });

        click(window, "cmdDrawPlotLines");

        const std::size_t first = std::size_t(after);
        QCOMPARE(segments.lines.size(), 2 * fullGrid().size());
        QCOMPARE(slice(segments.lines, 0, first), slice(fullGrid(), 0, first));
        QCOMPARE(slice(segments.lines, first, fullGrid().size()), fullGrid());
        QCOMPARE(slice(segments.lines, first + fullGrid().size(), fullGrid().size() - first),
                 slice(fullGrid(), first, fullGrid().size() - first));
    }

    void launchMidGrid_data()
    {
        QTest::addColumn<int>("after");
        QTest::newRow("after the first line") << 1;
        QTest::newRow("after the last vertical line") << 15;
        QTest::newRow("after the second horizontal line") << 17;
    }

    // The flight runs to the ground before the grid's next line.
    void launchMidGrid()
    {
        QFETCH(int, after);
        frmMain window;
        window.show();
        PictureBox *plot = plotOf(window);
        type(window, "txtLaunchVelocity", "10");
        type(window, "txtLaunchAngle", "45");
        SegmentRecorder segments(plot);
        AfterLine launch(plot, after, [&] { postClick(window, "cmdLaunchWithoutWind"); });

        click(window, "cmdDrawPlotLines");

        const std::size_t first = std::size_t(after);
        constexpr std::size_t flight = 17;
        QCOMPARE(segments.lines.size(), fullGrid().size() + flight);
        QCOMPARE(slice(segments.lines, 0, first), slice(fullGrid(), 0, first));
        QCOMPARE(segments.lines[first], QLineF(0, 5415, 0, 5415));
        QVERIFY(segments.lines[first + flight - 1].y2() > 5415);
        QCOMPARE(slice(segments.lines, first + flight, fullGrid().size() - first),
                 slice(fullGrid(), first, fullGrid().size() - first));
        QCOMPARE(caption(window, "cmdLaunchWithoutWind"), QString("Launch Without Wind"));
    }

    // A launch that fails mid-grid is reported once; the grid still completes.
    void failingLaunchMidGrid()
    {
        frmMain window;
        window.show();
        PictureBox *plot = plotOf(window);
        type(window, "txtLaunchVelocity", "1e200");
        type(window, "txtLaunchAngle", "45");
        ErrorRecorder errors;
        SegmentRecorder segments(plot);
        AfterLine launch(plot, 2, [&] { postClick(window, "cmdLaunchWithoutWind"); });

        click(window, "cmdDrawPlotLines");

        QCOMPARE(errors.errors.size(), std::size_t(1));
        QCOMPARE(errors.errors.front().number(), 6);
        // The flight drew its launch point, then failed before its second segment.
        QCOMPARE(segments.lines.size(), fullGrid().size() + 1);
        QCOMPARE(slice(segments.lines, 0, 2), slice(fullGrid(), 0, 2));
        QCOMPARE(segments.lines[2], QLineF(0, 5415, 0, 5415));
        QCOMPARE(slice(segments.lines, 3, fullGrid().size() - 2),
                 slice(fullGrid(), 2, fullGrid().size() - 2));
        QCOMPARE(caption(window, "cmdLaunchWithoutWind"), QString("Stop Plotting"));
    }
};

QTEST_MAIN(TestGrid)
#include "tst_grid.moc"
