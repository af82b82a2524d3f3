#include "lineclipping.h"

#include <QTest>
#include <cfloat>
#include <cmath>
#include <optional>

using runtime::clipLine;

namespace {

const QRectF box(0, 0, 100, 60);

using Clipped = std::optional<QLineF>;

bool near(const QPointF &a, const QPointF &b, double tolerance)
{
    return std::abs(a.x() - b.x()) <= tolerance && std::abs(a.y() - b.y()) <= tolerance;
}

QByteArray describe(const Clipped &line)
{
    if (!line)
        return "nothing";
    return QByteArray::number(line->x1(), 'g', 17) + "," + QByteArray::number(line->y1(), 'g', 17) +
           " to " + QByteArray::number(line->x2(), 'g', 17) + "," +
           QByteArray::number(line->y2(), 'g', 17);
}

} // namespace

Q_DECLARE_METATYPE(Clipped)

class TestLineClipping : public QObject
{
    Q_OBJECT

private slots:
    void clipLine_data()
    {
        QTest::addColumn<QLineF>("line");
        QTest::addColumn<Clipped>("expected");
        const double big = 3e38;
        const double far = 1e300;
        QTest::newRow("inside") << QLineF(10, 10, 30, 50) << Clipped(QLineF(10, 10, 30, 50));
        QTest::newRow("inside, backwards")
            << QLineF(30, 50, 10, 10) << Clipped(QLineF(30, 50, 10, 10));
        QTest::newRow("on the top edge") << QLineF(0, 0, 100, 0) << Clipped(QLineF(0, 0, 100, 0));
        QTest::newRow("a point inside") << QLineF(5, 5, 5, 5) << Clipped(QLineF(5, 5, 5, 5));
        QTest::newRow("a point outside") << QLineF(-5, 5, -5, 5) << Clipped();
        QTest::newRow("across") << QLineF(-50, 30, 150, 30) << Clipped(QLineF(0, 30, 100, 30));
        QTest::newRow("across, backwards")
            << QLineF(150, 30, -50, 30) << Clipped(QLineF(100, 30, 0, 30));
        QTest::newRow("in through the left")
            << QLineF(-10, 10, 10, 30) << Clipped(QLineF(0, 20, 10, 30));
        QTest::newRow("out through the bottom")
            << QLineF(50, 50, 50, 1000) << Clipped(QLineF(50, 50, 50, 60));
        QTest::newRow("corner to corner")
            << QLineF(-10, -6, 110, 66) << Clipped(QLineF(0, 0, 100, 60));
        QTest::newRow("touching a corner")
            << QLineF(-10, 10, 10, -10) << Clipped(QLineF(0, 0, 0, 0));
        QTest::newRow("above") << QLineF(-10, -1, 200, -1) << Clipped();
        QTest::newRow("missing a corner") << QLineF(-10, 5, 5, -10) << Clipped();
        QTest::newRow("short of the box") << QLineF(-50, 30, -1, 30) << Clipped();
        QTest::newRow("enormous, across")
            << QLineF(-big, 30, big, 30) << Clipped(QLineF(0, 30, 100, 30));
        QTest::newRow("enormous, down")
            << QLineF(20, -big, 20, big) << Clipped(QLineF(20, 0, 20, 60));
        QTest::newRow("enormous, corner to corner")
            << QLineF(-big, -big, big, big) << Clipped(QLineF(0, 0, 60, 60));
        QTest::newRow("enormous, uneven")
            << QLineF(-big, -big, big / 3, big / 3) << Clipped(QLineF(0, 0, 60, 60));
        QTest::newRow("enormous, from inside")
            << QLineF(50, 30, big, 30) << Clipped(QLineF(50, 30, 100, 30));
        QTest::newRow("enormous, just missing") << QLineF(-big, -1, big, -1) << Clipped();
        QTest::newRow("largest single")
            << QLineF(-FLT_MAX, 30, FLT_MAX, 30) << Clipped(QLineF(0, 30, 100, 30));
        QTest::newRow("beyond the single range")
            << QLineF(-far, -far, far, far) << Clipped(QLineF(0, 0, 60, 60));
        QTest::newRow("largest double")
            << QLineF(-DBL_MAX, 30, DBL_MAX, 30) << Clipped(QLineF(0, 30, 100, 30));
    }

    void clipLine()
    {
        QFETCH(QLineF, line);
        QFETCH(Clipped, expected);
        const Clipped clipped = runtime::clipLine(line, box);
        QVERIFY2(clipped.has_value() == expected.has_value(), describe(clipped));
        if (expected)
            QVERIFY2(near(clipped->p1(), expected->p1(), 1e-9) &&
                         near(clipped->p2(), expected->p2(), 1e-9),
                     describe(clipped));
    }

    // Ends inside the rectangle come back exactly as given: a pixel is the
    // floor of a coordinate, and a rounding below a whole number moves it.
    void endsInsideAreKeptExactly_data()
    {
        QTest::addColumn<QLineF>("line");
        QTest::newRow("grid line") << QLineF(33.3333, 0, 33.3333, 60);
        QTest::newRow("flight segment") << QLineF(0.1, 59.9, 7.0710678118654755, 52.6);
        QTest::newRow("needle") << QLineF(99.99999, 0.00001, 50, 30);
    }

    void endsInsideAreKeptExactly()
    {
        QFETCH(QLineF, line);
        const Clipped clipped = runtime::clipLine(line, box);
        QVERIFY(clipped);
        QVERIFY2(*clipped == line, describe(clipped));
        QVERIFY(clipped->p1() == line.p1() && clipped->p2() == line.p2());
    }

    // Around the origin the far ends can be exact and the line still cross
    // the rectangle anywhere.
    void rectangleAroundTheOrigin_data()
    {
        QTest::addColumn<QLineF>("line");
        QTest::addColumn<QLineF>("expected");
        const double big = 0x1p120;
        QTest::newRow("shallow") << QLineF(-big, big / 2, big, -big / 2)
                                 << QLineF(-50, 25, 50, -25);
        QTest::newRow("steep") << QLineF(big / 4, -big, -big / 4, big)
                               << QLineF(7.5, -30, -7.5, 30);
        QTest::newRow("one end far") << QLineF(10, 10, -big, -big) << QLineF(10, 10, -30, -30);
    }

    void rectangleAroundTheOrigin()
    {
        QFETCH(QLineF, line);
        QFETCH(QLineF, expected);
        const Clipped clipped = runtime::clipLine(line, QRectF(-50, -30, 100, 60));
        QVERIFY2(clipped && near(clipped->p1(), expected.p1(), 1e-9) &&
                     near(clipped->p2(), expected.p2(), 1e-9),
                 describe(clipped));
    }
};

QTEST_APPLESS_MAIN(TestLineClipping)
#include "tst_lineclipping.moc"
