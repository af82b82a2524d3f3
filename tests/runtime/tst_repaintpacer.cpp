#include "colourcode.h"
#include "picturebox.h"

#include <QApplication>
#include <QPaintEvent>
#include <QScreen>
#include <QTest>

using runtime::PictureBox;

namespace {

// 200 by 120 pixels: 3000 by 1800 twips.
const QRect boxGeometry(10, 10, 200, 120);

class BoxInWindow
{
public:
    BoxInWindow()
    {
        box.setGeometry(boxGeometry);
        box.setBackColour(runtime::white);
        window.resize(220, 140);
        window.show();
    }

    QWidget window;
    PictureBox box{&window};
};

// What the screen shows of the box: the window's pixels as last painted,
// not a fresh rendering of the box.
QImage onScreen(const PictureBox &box)
{
    const QPoint at = box.mapTo(box.window(), QPoint(0, 0));
    const QPixmap shot =
        box.screen()->grabWindow(box.window()->winId(), at.x(), at.y(), box.width(), box.height());
    return shot.toImage().convertToFormat(QImage::Format_RGB32);
}

QImage picture(const PictureBox &box)
{
    return box.image().convertToFormat(QImage::Format_RGB32);
}

// Every event of one kind that reaches any object of the program.
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

class PaintRecorder : public QObject
{
public:
    explicit PaintRecorder(QWidget *widget) { widget->installEventFilter(this); }
    QRegion painted;
    int paints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent *>(event)->region();
            ++paints;
        }
        return QObject::eventFilter(watched, event);
    }
};

// A flight's worth of short, connected segments, each followed by a round
// of events as a flight's are, along a parabola in twips.
QList<QLineF> flyAcross(PictureBox &box, int segments)
{
    QList<QLineF> drawn;
    QPointF previous(0, 1700);
    for (int i = 1; i <= segments; ++i) {
        const double x = i * 2900.0 / segments;
        const QPointF next(x, 1700 - x * (2900 - x) / 1400);
        box.Line(previous.x(), previous.y(), next.x(), next.y(), runtime::black);
        drawn << QLineF(previous, next);
        previous = next;
        QCoreApplication::processEvents();
    }
    return drawn;
}

QRect pixelsOf(const QLineF &twips)
{
    const QRectF pixels(twips.p1() / 15, twips.p2() / 15);
    return pixels.normalized().toAlignedRect();
}

} // namespace

class TestRepaintPacer : public QObject
{
    Q_OBJECT

private slots:
    void screenCatchesUpWithEverySegment_data()
    {
        QTest::addColumn<int>("segments");
        QTest::newRow("one") << 1;
        QTest::newRow("a short flight") << 17;
        QTest::newRow("a long flight") << 600;
    }

    void screenCatchesUpWithEverySegment()
    {
        QFETCH(int, segments);
        BoxInWindow boxInWindow;
        QVERIFY(QTest::qWaitForWindowExposed(&boxInWindow.window));
        flyAcross(boxInWindow.box, segments);
        QTRY_COMPARE_WITH_TIMEOUT(onScreen(boxInWindow.box), picture(boxInWindow.box), 5000);
    }

    // Segments drawn faster than the screen refreshes are repainted a frame's
    // worth at a time, yet only where they lie, not over the whole box.
    void segmentsOfAFrameAreRepaintedTogether()
    {
        BoxInWindow boxInWindow;
        QVERIFY(QTest::qWaitForWindowExposed(&boxInWindow.window));
        QTest::qWait(50);
        PaintRecorder recorder(&boxInWindow.box);
        const QList<QLineF> drawn = flyAcross(boxInWindow.box, 400);
        QTRY_COMPARE_WITH_TIMEOUT(onScreen(boxInWindow.box), picture(boxInWindow.box), 5000);
        QVERIFY2(recorder.paints < 40, qPrintable(QString::number(recorder.paints)));
        for (const QLineF &line : drawn)
            QVERIFY(recorder.painted.contains(pixelsOf(line)));
        const qint64 boxArea = qint64(boxGeometry.width()) * boxGeometry.height();
        qint64 paintedArea = 0;
        for (const QRect &rect : recorder.painted)
            paintedArea += qint64(rect.width()) * rect.height();
        QVERIFY2(paintedArea < boxArea / 2, qPrintable(QString::number(paintedArea)));
    }

    void anIdleBoxRunsNoTimer()
    {
        BoxInWindow boxInWindow;
        QVERIFY(QTest::qWaitForWindowExposed(&boxInWindow.window));
        flyAcross(boxInWindow.box, 100);
        QTRY_COMPARE_WITH_TIMEOUT(onScreen(boxInWindow.box), picture(boxInWindow.box), 5000);
        const EventCounter timers(QEvent::Timer);
        QTest::qWait(200);
        QCOMPARE(timers.count, 0);
    }

    void clearingMidFrameKeepsOnlyLaterLines()
    {
        BoxInWindow boxInWindow;
        QVERIFY(QTest::qWaitForWindowExposed(&boxInWindow.window));
        PictureBox &box = boxInWindow.box;
        flyAcross(box, 50);
        box.Cls();
        box.Line(0, 900, 3000, 900, runtime::black);
        QCoreApplication::processEvents();
        QTRY_COMPARE_WITH_TIMEOUT(onScreen(box), picture(box), 5000);
        QImage expected(box.size(), QImage::Format_RGB32);
        expected.fill(Qt::white);
        for (int x = 0; x < expected.width(); ++x)
            expected.setPixelColor(x, 60, Qt::black);
        QCOMPARE(picture(box), expected);
    }

    // A copy of the picture is a picture of that moment, whatever is drawn after.
    void aCopyKeepsWhatItShowed()
    {
        BoxInWindow boxInWindow;
        PictureBox &box = boxInWindow.box;
        box.Line(0, 300, 3000, 300, runtime::black);
        const QImage before = box.image();
        const QImage copied = before.copy();
        box.Line(0, 600, 3000, 600, runtime::red);
        QCOMPARE(before, copied);
        QCOMPARE(box.image().pixelColor(5, 40), QColor(Qt::red));
        QCOMPARE(before.pixelColor(5, 40), QColor(Qt::white));
    }

    void systemColourFollowsThePalette()
    {
        BoxInWindow boxInWindow;
        PictureBox &box = boxInWindow.box;
        QPalette palette = box.palette();
        palette.setColor(QPalette::Text, QColor(10, 20, 30));
        box.setPalette(palette);
        box.Line(0, 300, 3000, 300, runtime::systemWindowText);
        palette.setColor(QPalette::Text, QColor(200, 100, 50));
        box.setPalette(palette);
        box.Line(0, 600, 3000, 600, runtime::systemWindowText);
        QCOMPARE(box.image().pixelColor(5, 20), QColor(10, 20, 30));
        QCOMPARE(box.image().pixelColor(5, 40), QColor(200, 100, 50));
    }
};

QTEST_MAIN(TestRepaintPacer)
#include "tst_repaintpacer.moc"
