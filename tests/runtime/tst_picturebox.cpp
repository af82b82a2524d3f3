#include "colourcode.h"
#include "picturebox.h"

#include <QApplication>
#include <QPaintEvent>
#include <QTest>
#include <cfloat>

using runtime::ColourCode;
using runtime::PictureBox;

namespace {

// 100 by 60 pixels: 1500 by 900 twips.
const QRect boxGeometry(10, 10, 100, 60);

const QColor systemBackground(10, 20, 30);
const QColor systemText(40, 50, 60);

using Points = QList<QPoint>;

// A box in a window, with its own system colours so that they cannot be
// mistaken for plain white or black.
class BoxInWindow
{
public:
    BoxInWindow()
    {
        QPalette palette = box.palette();
        palette.setColor(QPalette::Base, systemBackground);
        palette.setColor(QPalette::Text, systemText);
        box.setPalette(palette);
        box.setGeometry(boxGeometry);
        box.setBackColour(runtime::white);
        window.resize(120, 80);
    }

    QWidget window;
    PictureBox box{&window};
};

// What a person sees of the box: its paint, one pixel per device pixel.
QImage seen(PictureBox &box)
{
    return box.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

int pixelsNotOfColour(const QImage &image, const QColor &colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) != colour;
    return count;
}

Points row(int y, int fromX, int toX)
{
    Points points;
    for (int x = fromX; x <= toX; ++x)
        points << QPoint(x, y);
    return points;
}

Points column(int x, int fromY, int toY)
{
    Points points;
    for (int y = fromY; y <= toY; ++y)
        points << QPoint(x, y);
    return points;
}

Points diagonal(int from, int to)
{
    Points points;
    for (int i = from; i <= to; ++i)
        points << QPoint(i, i);
    return points;
}

// Records the region of every paint the box receives.
class PaintRecorder : public QObject
{
public:
    explicit PaintRecorder(QWidget *widget) { widget->installEventFilter(this); }
    QList<QRegion> regions;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            regions << static_cast<QPaintEvent *>(event)->region();
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

class TestPictureBox : public QObject
{
    Q_OBJECT

private slots:
    void backgroundColours_data() { addColourRows(); }

    void backgroundColours()
    {
        QFETCH(ColourCode, code);
        QFETCH(QColor, colour);
        BoxInWindow boxInWindow;
        boxInWindow.box.setBackColour(code);
        QCOMPARE(pixelsNotOfColour(seen(boxInWindow.box), colour), 0);
    }

    void lineColours_data() { addColourRows(); }

    void lineColours()
    {
        QFETCH(ColourCode, code);
        QFETCH(QColor, colour);
        BoxInWindow boxInWindow;
        boxInWindow.box.setBackColour(0x00808080);
        boxInWindow.box.Line(0, 450, 1500, 450, code);
        const QImage image = seen(boxInWindow.box);
        QCOMPARE(image.pixelColor(0, 30), colour);
        QCOMPARE(image.pixelColor(99, 30), colour);
        QCOMPARE(image.pixelColor(50, 31), QColor(0x80, 0x80, 0x80));
    }

    void fifteenTwipsToAPixel_data()
    {
        QTest::addColumn<float>("twips");
        QTest::addColumn<int>("pixel");
        QTest::newRow("0") << 0.0f << 0;
        QTest::newRow("14") << 14.0f << 0;
        QTest::newRow("14.99") << 14.99f << 0;
        QTest::newRow("15") << 15.0f << 1;
        QTest::newRow("29.9") << 29.9f << 1;
        QTest::newRow("30") << 30.0f << 2;
        QTest::newRow("450") << 450.0f << 30;
        QTest::newRow("last pixel") << 885.0f << 59;
        QTest::newRow("last twip") << 899.0f << 59;
    }

    void fifteenTwipsToAPixel()
    {
        QFETCH(float, twips);
        QFETCH(int, pixel);
        BoxInWindow boxInWindow;
        boxInWindow.box.Line(0, twips, 1500, twips, runtime::black);
        boxInWindow.box.Line(twips, 0, twips, 900, runtime::black);
        const QImage image = seen(boxInWindow.box);
        QCOMPARE(image.pixelColor(80, pixel), QColor(Qt::black));
        QCOMPARE(image.pixelColor(pixel, 50), QColor(Qt::black));
        QCOMPARE(pixelsNotOfColour(image, Qt::white), 100 + 60 - 1);
    }

    void lineIsClipped_data()
    {
        QTest::addColumn<QLineF>("line");
        QTest::addColumn<Points>("drawn");
        const float big = 3e38f;
        QTest::newRow("inside") << QLineF(150, 150, 450, 150) << row(10, 10, 30);
        QTest::newRow("across") << QLineF(-1000, 450, 3000, 450) << row(30, 0, 99);
        QTest::newRow("top to bottom") << QLineF(300, -5000, 300, 5000) << column(20, 0, 59);
        QTest::newRow("into the box") << QLineF(750, 450, 10000, 450) << row(30, 50, 99);
        QTest::newRow("corner to corner") << QLineF(-1500, -1500, 3000, 3000) << diagonal(0, 59);
        QTest::newRow("above the box") << QLineF(-100, -100, 3000, -100) << Points();
        QTest::newRow("right of the box") << QLineF(1600, 0, 1600, 900) << Points();
        QTest::newRow("enormous, across") << QLineF(-big, 450, big, 450) << row(30, 0, 99);
        QTest::newRow("enormous, down") << QLineF(300, big, 300, -big) << column(20, 0, 59);
        QTest::newRow("enormous, into the box") << QLineF(750, 450, big, 450) << row(30, 50, 99);
        QTest::newRow("enormous, corner to corner")
            << QLineF(-big, -big, big, big) << diagonal(0, 59);
        QTest::newRow("enormous, uneven")
            << QLineF(-big, -big, big / 3, big / 3) << diagonal(0, 59);
        QTest::newRow("enormous, outside") << QLineF(big, big, big, -big) << Points();
        QTest::newRow("largest single") << QLineF(-FLT_MAX, 450, FLT_MAX, 450) << row(30, 0, 99);
    }

    void lineIsClipped()
    {
        QFETCH(QLineF, line);
        QFETCH(Points, drawn);
        BoxInWindow boxInWindow;
        QList<QLineF> asked;
        connect(&boxInWindow.box, &PictureBox::lineDrawn, this,
                [&asked](const QLineF &twips) { asked << twips; });
        boxInWindow.box.Line(line.x1(), line.y1(), line.x2(), line.y2(), runtime::black);
        const QImage image = seen(boxInWindow.box);
        for (const QPoint &point : drawn)
            QVERIFY2(image.pixelColor(point) == Qt::black,
                     qPrintable(QStringLiteral("(%1, %2)").arg(point.x()).arg(point.y())));
        QCOMPARE(pixelsNotOfColour(image, Qt::white), drawn.size());
        QCOMPARE(asked, QList<QLineF>{line});
    }

    void clsRestoresTheBackground_data()
    {
        QTest::addColumn<ColourCode>("background");
        QTest::addColumn<bool>("autoRedraw");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("white, kept") << runtime::white << true << QColor(Qt::white);
        QTest::newRow("white, not kept") << runtime::white << false << QColor(Qt::white);
        QTest::newRow("system background")
            << runtime::systemWindowBackground << true << systemBackground;
    }

    void clsRestoresTheBackground()
    {
        QFETCH(ColourCode, background);
        QFETCH(bool, autoRedraw);
        QFETCH(QColor, colour);
        BoxInWindow boxInWindow;
        PictureBox &box = boxInWindow.box;
        box.setBackColour(background);
        box.setAutoRedraw(autoRedraw);
        box.Line(0, 0, 1500, 900, runtime::red);
        box.Line(0, 450, 1500, 450, runtime::black);
        box.Cls();
        QCOMPARE(pixelsNotOfColour(seen(box), colour), 0);
        QCOMPARE(box.AutoRedraw(), autoRedraw);
        box.Cls();
        QCOMPARE(pixelsNotOfColour(seen(box), colour), 0);
    }

    void repaintsOnlyWhatALineTouched_data()
    {
        QTest::addColumn<QLineF>("line");
        QTest::addColumn<QRect>("touched");
        QTest::newRow("short, across") << QLineF(150, 150, 450, 150) << QRect(10, 10, 21, 1);
        QTest::newRow("short, down") << QLineF(600, 300, 600, 600) << QRect(40, 20, 1, 21);
        QTest::newRow("running off to the right")
            << QLineF(1350, 150, 1e9f, 150) << QRect(90, 10, 10, 1);
        QTest::newRow("running in from far away")
            << QLineF(-3e38f, 600, 150, 600) << QRect(0, 40, 11, 1);
    }

    void repaintsOnlyWhatALineTouched()
    {
        QFETCH(QLineF, line);
        QFETCH(QRect, touched);
        BoxInWindow boxInWindow;
        boxInWindow.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&boxInWindow.window));
        QCoreApplication::processEvents();
        PaintRecorder paints(&boxInWindow.box);
        boxInWindow.box.Line(line.x1(), line.y1(), line.x2(), line.y2(), runtime::black);
        QTRY_VERIFY_WITH_TIMEOUT(!paints.regions.isEmpty(), 10000);
        const QRect repainted = paints.regions.first().boundingRect();
        QVERIFY2(repainted.contains(touched) && touched.adjusted(-2, -2, 2, 2).contains(repainted),
                 qPrintable(QStringLiteral("repainted %1,%2 %3x%4")
                                .arg(repainted.x())
                                .arg(repainted.y())
                                .arg(repainted.width())
                                .arg(repainted.height())));
    }

    void drawingSurvivesHideAndShow()
    {
        BoxInWindow boxInWindow;
        boxInWindow.box.setAutoRedraw(true);
        boxInWindow.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&boxInWindow.window));
        boxInWindow.box.Line(0, 450, 1500, 450, runtime::red);
        boxInWindow.window.hide();
        QCoreApplication::processEvents();
        boxInWindow.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&boxInWindow.window));
        const QImage image = seen(boxInWindow.box);
        QCOMPARE(image.pixelColor(0, 30), QColor(Qt::red));
        QCOMPARE(pixelsNotOfColour(image, Qt::white), 100);
    }

    void drawingWhileHiddenShowsLater()
    {
        BoxInWindow boxInWindow;
        boxInWindow.box.Line(0, 450, 1500, 450, runtime::black);
        boxInWindow.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&boxInWindow.window));
        QCOMPARE(pixelsNotOfColour(seen(boxInWindow.box), Qt::white), 100);
    }

private:
    static void addColourRows()
    {
        QTest::addColumn<ColourCode>("code");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("black") << ColourCode(0) << QColor(0, 0, 0);
        QTest::newRow("red") << ColourCode(255) << QColor(255, 0, 0);
        QTest::newRow("blue") << ColourCode(0xFF0000) << QColor(0, 0, 255);
        QTest::newRow("blue, green, red order")
            << ColourCode(0x00336699) << QColor(0x99, 0x66, 0x33);
        QTest::newRow("system window background") << ColourCode(0x80000005) << systemBackground;
        QTest::newRow("system window text") << ColourCode(0x80000008) << systemText;
    }
};

QTEST_MAIN(TestPictureBox)
#include "tst_picturebox.moc"
