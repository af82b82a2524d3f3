#pragma once

// The flight a launch ought to draw, worked out here from the physics alone,
// so that the window's drawing can be checked against it.

#include <QLineF>
#include <QString>
#include <cmath>
#include <cstddef>
#include <vector>

namespace flightpath {

// picGraph's outer height in twips: ground level lies this far below the top.
constexpr double groundTwips = 5415;

struct Launch
{
    double velocity = 0;
    double angle = 0;
    double windVelocity = 0;
    double windAngle = 0;
};

inline double radians(double degrees)
{
    return std::atan(1.0) * 4 / 180 * degrees;
}

// Closed-form position in metres at time t; the wind adds half its own travel.
inline QPointF position(const Launch &launch, double t)
{
    const double windX = std::cos(radians(launch.windAngle)) * launch.windVelocity * t / 2;
    const double windY = std::sin(radians(launch.windAngle)) * launch.windVelocity * t / 2;
    const double x = std::cos(radians(launch.angle)) * launch.velocity * t;
    const double y =
        std::sin(radians(launch.angle)) * launch.velocity * t - 9.80665 * 0.5 * std::pow(t, 2.0);
    return {x + windX, y + windY};
}

// One point per tenth of a second from t = 0, ending with the first point a
// metre or more below launch height, or after at most limit points.
inline std::vector<QPointF> points(const Launch &launch, std::size_t limit = 100000)
{
    std::vector<QPointF> result;
    double t = 0;
    double previousY = 0;
    while (previousY > -1 && result.size() < limit) {
        result.push_back(position(launch, t));
        previousY = result.back().y();
        t += 0.1;
    }
    return result;
}

inline QPointF twipsOf(QPointF metres)
{
    return {float(metres.x()), float(groundTwips - metres.y())};
}

// The segments in twips, as the plot is asked to draw them: the first has
// zero length at the launch point, each next one starts where the last ended.
inline std::vector<QLineF> segments(const Launch &launch, std::size_t limit = 100000)
{
    std::vector<QLineF> result;
    QPointF previous = twipsOf({0, 0});
    for (const QPointF &point : points(launch, limit)) {
        result.emplace_back(previous, twipsOf(point));
        previous = result.back().p2();
    }
    return result;
}

inline bool near(QPointF a, QPointF b, double tolerance = 0.01)
{
    return std::abs(a.x() - b.x()) <= tolerance && std::abs(a.y() - b.y()) <= tolerance;
}

inline QString describe(const QLineF &line)
{
    return QStringLiteral("(%1, %2)-(%3, %4)")
        .arg(line.x1(), 0, 'f', 3)
        .arg(line.y1(), 0, 'f', 3)
        .arg(line.x2(), 0, 'f', 3)
        .arg(line.y2(), 0, 'f', 3);
}

// Compares count drawn lines, from drawnFrom on, with expected segments from
// expectedFrom on; an empty text means they agree.
inline QString mismatch(const std::vector<QLineF> &drawn, std::size_t drawnFrom,
                        const std::vector<QLineF> &expected, std::size_t expectedFrom,
                        std::size_t count)
{
    if (drawnFrom + count > drawn.size() || expectedFrom + count > expected.size())
        return QStringLiteral("only %1 lines drawn").arg(drawn.size());
    for (std::size_t i = 0; i < count; ++i) {
        const QLineF &got = drawn[drawnFrom + i];
        const QLineF &want = expected[expectedFrom + i];
        if (!near(got.p1(), want.p1()) || !near(got.p2(), want.p2()))
            return QStringLiteral("line %1 is %2, expected %3")
                .arg(drawnFrom + i + 1)
                .arg(describe(got), describe(want));
    }
    return {};
}

} // namespace flightpath
