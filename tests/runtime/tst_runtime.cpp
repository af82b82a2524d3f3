#include "closeonsignal.h"
#include "fieldtext.h"
#include "floatingpointguard.h"
#include "lineclipping.h"
#include "outcomes.h"
#include "picturebox.h"

#include <QApplication>
#include <QPaintEvent>
#include <QScreen>
#include <csignal>

using namespace runtime;

// Run at device pixel ratios 1 and 2: twips keep their size, lines stay crisp.
class TestRuntime : public QObject
{
    Q_OBJECT

    QWidget window;
    PictureBox *box = new PictureBox(&window);
    QRegion painted;

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent *>(event)->region();
        return false;
    }
    // The box as last put on screen, or as painted afresh, a pixel per device pixel.
    QImage seen(bool onScreen = false) const
    {
        const QPixmap shot = onScreen ? box->screen()->grabWindow(window.winId()) : box->grab();
        return shot.toImage().convertToFormat(QImage::Format_RGB32);
    }
    // The logical pixels of the box not in the background colour given, when
    // they are all black and fill a rectangle of device pixels.
    QString pixels(QRgb background = qRgb(255, 255, 255)) const
    {
        const QImage image = seen();
        QRect drawn;
        int black = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != background)
                    drawn |= QRect(x, y, 1, 1), black += image.pixel(x, y) == qRgb(0, 0, 0);
        if (black != drawn.width() * drawn.height())
            return "blurred";
        const double r = box->devicePixelRatio();
        return drawn.isEmpty() ? "none"
                               : shortest({drawn.x() / r, drawn.y() / r, drawn.width() / r,
                                           drawn.height() / r});
    }

private slots:
    void init()
    {
        box->setGeometry(0, 0, 100, 60);
        box->setBackColour(white);
        box->installEventFilter(this);
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, QColor(10, 20, 30));
        box->setPalette(palette);
    }

    void outcomes_data()
    {
        QTest::addColumn<Conversion>("convert");
        QTest::addColumn<QString>("row");
        rows("valueOfText", [](auto s) { return shortest({valueOfText(s)}); },
             {"|0", "  12.5abc|12.5", "-3e2|-300", "+.5|0.5", ".|0", "-|0", "1,5|1", "12 34|12",
              "abc|0", "1e-400|0", "NaN|0", "inf|0", "\t7|7", "- 5|0", "12e+|12", "1.2.3|1.2",
              "4.9e-324|5e-324", "\u0663|0", "1e400|Run-time error '6': Overflow"});
        rows("textOfNumber", [](auto s) { return textOfNumberAsQString(numbers(s)[0]); },
             {"45|45", "-0|0", "0.1|0.1", "-2.5|-2.5", "0.66666666666666663|0.666666666666667",
              "999999999999999|999999999999999", "1e15|1E+15",
              "1234567890123456|1.23456789012346E+15", "0.0001|0.0001", "1.5e-5|1.5E-05",
              "-2.5e300|-2.5E+300", "6.123233995736766e-17|6.12323399573677E-17",
              "inf|Run-time error '6': Overflow"});
        rows("roundToInt32", [](auto s) { return QString::number(roundToInt32(numbers(s)[0])); },
             {"0.5|0", "1.5|2", "2.5|2", "-0.5|0", "-1.5|-2", "2147483647.4|2147483647",
              "-2147483648.5|-2147483648", "2147483647.5|Run-time error '6': Overflow",
              "-2147483648.6|Run-time error '6': Overflow", "nan|Run-time error '6': Overflow"});
        rows("toSingle", [](auto s) { return shortest({toSingle(numbers(s)[0])}); },
             {"0.1|0.10000000149011612", "3.4028234663852886e38|3.4028234663852886e+38",
              "3.5e38|Run-time error '6': Overflow"});
        // "a op b op c", op * or /, worked out from the right under one guard.
        rows("guarded",
             [](auto expression) {
                 const QStringList w = expression.split(' ');
                 const FloatingPointGuard guard;
                 double v = w.last().toDouble();
                 for (qsizetype i = w.size() - 2; i > 0; i -= 2)
                     v = w[i] == "*" ? w[i - 1].toDouble() * v : w[i - 1].toDouble() / v;
                 return shortest({guard.checked(v)});
             },
             {"1e308 * 10|Run-time error '6': Overflow", "0 / 0|Run-time error '6': Overflow",
              "1 / 0|Run-time error '11': Division by zero",
              "1 / 1e308 * 10|Run-time error '6': Overflow", "1e-308 * 1e-308|0",
              "1 / 3|0.3333333333333333"});
        rows("no memory", [](auto) -> QString { throw std::bad_alloc(); },
             {"|Run-time error '7': Out of memory"});
        rows("other", [](auto) -> QString { throw std::logic_error("x"); },
             {"|Run-time error '51': Internal error: x"});
        // In a box of 100 by 60; an end inside comes back exactly.
        rows("clipLine",
             [](auto s) {
                 const QList<double> e = numbers(s);
                 const auto line = clipLine(QLineF(e[0], e[1], e[2], e[3]), QRectF(0, 0, 100, 60));
                 return line ? shortest({line->x1(), line->y1(), line->x2(), line->y2()}) : "none";
             },
             {"10 10 30 50|10 10 30 50", "1e-22 0 0 1e-22|1e-22 0 0 1e-22",
              "1e-6 0 0 1e-6|1e-06 0 0 1e-06", "150 30 -50 30|100 30 0 30",
              "-10 10 10 30|0 20 10 30", "-10 5 5 -10|none",
              "-3.4028234663852886e38 30 3.4028234663852886e38 30|0 30 100 30",
              "-3e38 -3e38 1e38 1e38|0 0 60 60", "50 30 3e38 30|50 30 100 30",
              "-3e38 -1 3e38 -1|none"});
        // A black line in twips, then the box cleared: its pixels on the way.
        rows("Line",
             [this](auto s) {
                 const QList<double> e = numbers(s);
                 box->Line(e[0], e[1], e[2], e[3], black);
                 const QString drawn = pixels();
                 box->Cls();
                 return drawn + "; " + pixels();
             },
             {"0 7 1500 7|0 0 100 1; none", "0 22 1500 22|0 1 100 1; none",
              "600 300 600 600|40 20 1 21; none", "-3e38 450 3e38 450|0 30 100 1; none",
              "750 450 3e38 450|50 30 50 1; none", "-3e38 -99 3e38 -99|none; none"});
        rows("back colour",
             [this](auto s) {
                 box->setBackColour(s.toUInt(nullptr, 16));
                 return seen().pixelColor(0, 0).name() + "; " + pixels(seen().pixel(0, 0));
             },
             {"336699|#996633; none", "0|#000000; none", "80000005|#0a141e; none"});
        // As if the user had closed the window: it closes, and the event loop ends.
        rows("signal",
             [](auto s) {
                 QWidget other;
                 const CloseOnSignal closeOnSignal(&other);
                 other.show();
                 std::raise(s == "SIGTERM" ? SIGTERM : s == "SIGINT" ? SIGINT : SIGHUP);
                 QTimer::singleShot(10000, &other, [] { qApp->exit(1); });
                 const int code = qApp->exec();
                 return QString::number(code) + (other.isVisible() ? " open" : " closed");
             },
             {"SIGTERM|0 closed", "SIGINT|0 closed", "SIGHUP|0 closed"});
    }

    void outcomes() { checkOutcome(); }

    // Only what a line touched is repainted, and the drawing outlives hide and show.
    void reachesTheScreen()
    {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents();
        painted = QRegion();
        box->Line(150, 150, 450, 150, red);
        // The offscreen screen gives as many device pixels as the window has logical ones.
        QImage drawn = box->image().copy(0, 0, 100, 60);
        drawn.setDevicePixelRatio(box->devicePixelRatio());
        QTRY_COMPARE(seen(true), drawn);
        QVERIFY(QRect(8, 8, 25, 5).contains(painted.boundingRect()));
        window.hide();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_COMPARE(seen(true), drawn);
    }
};

QTEST_MAIN(TestRuntime)
#include "tst_runtime.moc"
