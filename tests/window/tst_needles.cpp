#include "plotprobe.h"
#include "windowdriver.h"

#include <QLineF>
#include <cmath>

using namespace windowdriver;
using runtime::PictureBox;

namespace {

const QColor red(Qt::red);

// The box that shows the angle typed in each field.
const char *needleBoxOf(const QByteArray &field)
{
    return field == "txtLaunchAngle" ? "picLaunchAngle" : "picWindAngle";
}

const char *otherBoxOf(const QByteArray &field)
{
    return field == "txtLaunchAngle" ? "picWindAngle" : "picLaunchAngle";
}

// The pixel at a distance from the box's centre in a screen direction.
QPoint along(const QImage &image, QPointF direction, double distance)
{
    const QPointF centre(image.width() / 2.0, image.height() / 2.0);
    const QPointF unit = direction / std::hypot(direction.x(), direction.y());
    const QPointF p = centre + unit * distance;
    return {int(std::floor(p.x())), int(std::floor(p.y()))};
}

} // namespace

class TestNeedles : public QObject
{
    Q_OBJECT

private slots:
    void armEnd_data()
    {
        QTest::addColumn<double>("angle");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::newRow("45") << 45.0 << 7071.0 << 7071.0;
        QTest::newRow("0") << 0.0 << 10000.0 << 0.0;
        QTest::newRow("90: the cosine term rounds to 0") << 90.0 << 0.0 << 10000.0;
        QTest::newRow("60: the cosine term a hair above 5000") << 60.0 << 5000.0 << 8660.0;
        QTest::newRow("30") << 30.0 << 8660.0 << 5000.0;
        QTest::newRow("180") << 180.0 << -10000.0 << 0.0;
        QTest::newRow("-90") << -90.0 << 0.0 << -10000.0;
        QTest::newRow("225") << 225.0 << -7071.0 << -7071.0;
        QTest::newRow("360") << 360.0 << 10000.0 << 0.0;
        QTest::newRow("-45") << -45.0 << 7071.0 << -7071.0;
        QTest::newRow("12.5") << 12.5 << 9763.0 << 2164.0;
    }

    void armEnd()
    {
        QFETCH(double, angle);
        QFETCH(double, x);
        QFETCH(double, y);
        QCOMPARE(frmMain::NeedleX(angle), x);
        QCOMPARE(frmMain::NeedleY(angle), y);
    }

    void armEndOfHugeAngles_data()
    {
        QTest::addColumn<double>("angle");
        QTest::newRow("1e300") << 1e300;
        QTest::newRow("-1e300") << -1e300;
        QTest::newRow("1e15 + 0.5") << 1e15 + 0.5;
        QTest::newRow("largest double") << 1.7976931348623157e308;
    }

    // Far beyond a full turn the arm still ends, in whole twips, 10000 away.
    void armEndOfHugeAngles()
    {
        QFETCH(double, angle);
        const double x = frmMain::NeedleX(angle);
        const double y = frmMain::NeedleY(angle);
        QCOMPARE(std::trunc(x), x);
        QCOMPARE(std::trunc(y), y);
        QVERIFY2(std::abs(std::hypot(x, y) - 10000) <= 1, qPrintable(QString::number(x)));
    }

    void boxesStartEmpty()
    {
        frmMain window;
        window.show();
        for (const char *name : {"picLaunchAngle", "picWindAngle"}) {
            const auto *box = control<PictureBox>(window, name);
            QVERIFY2(plotprobe::isEmpty(*box), name);
            QVERIFY2(box->toolTip().isEmpty(), name);
        }
    }

    void tooltipAndNeedle_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("tooltip");
        QTest::addColumn<QLineF>("line");

        const QPointF centre(187.5, 187.5);
        const struct
        {
            const char *name, *typed, *tooltip;
            QPointF far;
        } rows[] = {
            {"45", "45", "45 degrees", {7071, 375 - 7071}},
            {"0", "0", "0 degrees", {10000, 375}},
            {"90", "90", "90 degrees", {0, 375 - 10000}},
            {"12.5", "12.5", "12.5 degrees", {9763, 375 - 2164}},
            {"-30", "-30", "-30 degrees", {8660, 375 + 5000}},
            {"letters", "abc", "0 degrees", {10000, 375}},
            {"empty", "", "0 degrees", {10000, 375}},
            {"number then letters", "60abc", "60 degrees", {5000, 375 - 8660}},
            {"leading blanks", "  180", "180 degrees", {-10000, 375}},
            {"exponent", "1e3", "1000 degrees", {1736, 375 + 9848}},
            {"negative zero", "-0", "0 degrees", {10000, 375}},
        };
        for (const auto &row : rows) {
            for (const char *field : {"txtLaunchAngle", "txtWindAngle"}) {
                QTest::addRow("%s: %s", field, row.name)
                    << QByteArray(field) << QString(row.typed) << QString(row.tooltip)
                    << QLineF(row.far, centre);
            }
        }
    }

    // Typed key by key; the last key release leaves the needle of the whole text.
    void tooltipAndNeedle()
    {
        QFETCH(QByteArray, field);
        QFETCH(QString, typed);
        QFETCH(QString, tooltip);
        QFETCH(QLineF, line);
        frmMain window;
        window.show();
        auto *box = control<PictureBox>(window, needleBoxOf(field));
        SegmentRecorder segments(box);

        type(window, field, typed);

        QCOMPARE(box->toolTip(), tooltip);
        QVERIFY(!segments.lines.empty());
        QCOMPARE(segments.lines.back(), line);
        QVERIFY(box->AutoRedraw());
        const auto *other = control<PictureBox>(window, otherBoxOf(field));
        QVERIFY(plotprobe::isEmpty(*other));
        QVERIFY(other->toolTip().isEmpty());
    }

    void needlePixels_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QPointF>("direction"); // on screen, y downward

        for (const char *field : {"txtLaunchAngle", "txtWindAngle"}) {
            QTest::addRow("%s: 0 points right", field) << QByteArray(field) << "0" << QPointF(1, 0);
            QTest::addRow("%s: 45 points up and right", field)
                << QByteArray(field) << "45" << QPointF(1, -1);
            QTest::addRow("%s: 90 points up", field) << QByteArray(field) << "90" << QPointF(0, -1);
            QTest::addRow("%s: 135 points up and left", field)
                << QByteArray(field) << "135" << QPointF(-1, -1);
            QTest::addRow("%s: 180 points left", field)
                << QByteArray(field) << "180" << QPointF(-1, 0);
            QTest::addRow("%s: -90 points down", field)
                << QByteArray(field) << "-90" << QPointF(0, 1);
            QTest::addRow("%s: 300 points down and right", field)
                << QByteArray(field) << "300" << QPointF(1, std::sqrt(3.0));
        }
    }

    // One red needle from the centre to the edge; everything else is background.
    void needlePixels()
    {
        QFETCH(QByteArray, field);
        QFETCH(QString, typed);
        QFETCH(QPointF, direction);
        frmMain window;
        window.show();
        const auto *box = control<PictureBox>(window, needleBoxOf(field));

        type(window, field, typed);

        const QImage &image = box->image();
        QCOMPARE(image.size(), QSize(25, 25));
        const QColor background = plotprobe::background(*box);
        QVERIFY(background != red);
        for (double distance : {0.0, 4.0, 8.0, 11.5})
            QVERIFY2(plotprobe::colourNear(image, along(image, direction, distance), red),
                     qPrintable(QString("no red at %1 from the centre").arg(distance)));
        const QPointF back = -direction;
        const QPointF across(direction.y(), -direction.x());
        for (QPointF away : {back, across, -across})
            QVERIFY(!plotprobe::colourNear(image, along(image, away, 8), red));
        const int redPixels = plotprobe::countOf(image, red);
        QCOMPARE(redPixels + plotprobe::countOf(image, background), 25 * 25);
        QVERIFY2(redPixels >= 12 && redPixels <= 20, qPrintable(QString::number(redPixels)));
    }

    void redrawClearsTheOldNeedle_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::newRow("launch angle") << QByteArray("txtLaunchAngle");
        QTest::newRow("wind angle") << QByteArray("txtWindAngle");
    }

    void redrawClearsTheOldNeedle()
    {
        QFETCH(QByteArray, field);
        frmMain window;
        window.show();
        const auto *box = control<PictureBox>(window, needleBoxOf(field));
        type(window, field, "45");
        const QImage &image = box->image();
        const QPoint upRight = along(image, QPointF(1, -1), 9);
        QVERIFY(plotprobe::colourNear(image, upRight, red));

        type(window, field, "225");

        QVERIFY(!plotprobe::colourNear(image, upRight, red));
        QVERIFY(plotprobe::colourNear(image, along(image, QPointF(-1, 1), 9), red));
        QCOMPARE(box->toolTip(), QString("225 degrees"));
    }

    void keyWithoutChangeRedrawsTheSame_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<int>("key");
        for (const char *field : {"txtLaunchAngle", "txtWindAngle"}) {
            QTest::addRow("%s: left arrow", field) << QByteArray(field) << int(Qt::Key_Left);
            QTest::addRow("%s: right arrow", field) << QByteArray(field) << int(Qt::Key_Right);
            QTest::addRow("%s: shift", field) << QByteArray(field) << int(Qt::Key_Shift);
            QTest::addRow("%s: home", field) << QByteArray(field) << int(Qt::Key_Home);
        }
    }

    void keyWithoutChangeRedrawsTheSame()
    {
        QFETCH(QByteArray, field);
        QFETCH(int, key);
        frmMain window;
        window.show();
        auto *box = control<PictureBox>(window, needleBoxOf(field));
        type(window, field, "60");
        const QImage before = box->image().copy();
        SegmentRecorder segments(box);

        QTest::keyClick(control(window, field), Qt::Key(key));

        QCOMPARE(segments.lines.size(), std::size_t(1));
        QCOMPARE(segments.lines.front(), QLineF(5000, 375 - 8660, 187.5, 187.5));
        QCOMPARE(box->image(), before);
        QCOMPARE(box->toolTip(), QString("60 degrees"));
    }

    // Only a key release in the field redraws its needle.
    void textChangedWithoutKeyRelease_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QByteArray>("clearButton");
        QTest::newRow("launch angle set as by pasting")
            << QByteArray("txtLaunchAngle") << QByteArray();
        QTest::newRow("wind angle set as by pasting") << QByteArray("txtWindAngle") << QByteArray();
        QTest::newRow("Clear Launch Info")
            << QByteArray("txtLaunchAngle") << QByteArray("cmdClearLaunch");
        QTest::newRow("Clear Wind Info")
            << QByteArray("txtWindAngle") << QByteArray("cmdClearWind");
    }

    void textChangedWithoutKeyRelease()
    {
        QFETCH(QByteArray, field);
        QFETCH(QByteArray, clearButton);
        frmMain window;
        window.show();
        auto *box = control<PictureBox>(window, needleBoxOf(field));
        type(window, field, "45");
        const QImage before = box->image().copy();
        SegmentRecorder segments(box);

        if (clearButton.isEmpty())
            control<QLineEdit>(window, field)->setText("135");
        else
            click(window, clearButton);
        QCoreApplication::processEvents();

        QVERIFY(segments.lines.empty());
        QCOMPARE(box->image(), before);
        QCOMPARE(box->toolTip(), QString("45 degrees"));
    }

    void overflowingTextLeavesTheBox_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QString>("text");
        for (const char *field : {"txtLaunchAngle", "txtWindAngle"}) {
            QTest::addRow("%s: 1e400", field) << QByteArray(field) << "1e400";
            QTest::addRow("%s: -1e400", field) << QByteArray(field) << "-1e400";
            QTest::addRow("%s: 2e308 and letters", field) << QByteArray(field) << "2e308abc";
        }
    }

    // The text is converted before the box is cleared, so the old needle stays.
    void overflowingTextLeavesTheBox()
    {
        QFETCH(QByteArray, field);
        QFETCH(QString, text);
        frmMain window;
        window.show();
        auto *box = control<PictureBox>(window, needleBoxOf(field));
        type(window, field, "45");
        const QImage before = box->image().copy();
        ErrorRecorder errors;
        SegmentRecorder segments(box);
        control<QLineEdit>(window, field)->setText(text);

        QTest::keyClick(control(window, field), Qt::Key_End);

        QCOMPARE(errors.errors.size(), std::size_t(1));
        QCOMPARE(errors.errors.front().number(), 6);
        QVERIFY(segments.lines.empty());
        QCOMPARE(box->image(), before);
        QCOMPARE(box->toolTip(), QString("45 degrees"));
    }

    // A key release queued while a flight runs redraws the needle mid-flight.
    void keyReleaseDuringFlight()
    {
        frmMain window;
        window.show();
        type(window, "txtLaunchVelocity", "100");
        type(window, "txtLaunchAngle", "45");
        auto *field = control<QLineEdit>(window, "txtWindAngle");
        field->setText("90");
        auto *box = control<PictureBox>(window, "picWindAngle");
        SegmentRecorder needle(box);
        postKeyRelease(field);

        click(window, "cmdLaunchWithoutWind");

        QCOMPARE(needle.lines.size(), std::size_t(1));
        QCOMPARE(box->toolTip(), QString("90 degrees"));
        QCOMPARE(caption(window, "cmdLaunchWithoutWind"), QString("Launch Without Wind"));
    }
};

QTEST_MAIN(TestNeedles)
#include "tst_needles.moc"
