#include "picturebox.h"

#include <QApplication>
#include <QTest>

using runtime::PictureBox;

namespace {

// What a person sees of the box, one pixel per device pixel.
QImage seen(PictureBox &box)
{
    return box.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

int blackPixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == Qt::black;
    return count;
}

} // namespace

// On a screen of two device pixels to a logical pixel the drawing is held at
// the finer resolution, and twips keep their size.
class TestPictureBoxHiDpi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QCOMPARE(qApp->devicePixelRatio(), 2.0); }

    void drawingIsHeldAtTheDeviceResolution()
    {
        QWidget window;
        PictureBox box(&window);
        box.setGeometry(0, 0, 100, 60);
        box.setBackColour(runtime::white);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(box.ScaleWidth(), 1500.0f);
        QCOMPARE(box.ScaleHeight(), 900.0f);
        QCOMPARE(box.image().size(), QSize(200, 120));
        QCOMPARE(seen(box).size(), QSize(200, 120));
    }

    void linesAreOneLogicalPixelWide_data()
    {
        QTest::addColumn<float>("twips");
        QTest::addColumn<float>("reach");
        QTest::addColumn<int>("firstRow");
        QTest::newRow("top edge") << 0.0f << 1500.0f << 0;
        QTest::newRow("half a logical pixel down") << 7.5f << 1500.0f << 1;
        QTest::newRow("middle") << 450.0f << 1500.0f << 60;
        QTest::newRow("enormous ends") << 450.0f << 3e38f << 60;
    }

    void linesAreOneLogicalPixelWide()
    {
        QFETCH(float, twips);
        QFETCH(float, reach);
        QFETCH(int, firstRow);
        QWidget window;
        PictureBox box(&window);
        box.setGeometry(0, 0, 100, 60);
        box.setBackColour(runtime::white);
        box.Line(-reach, twips, reach, twips, runtime::black);
        const QImage image = seen(box);
        QCOMPARE(image.pixelColor(0, firstRow), QColor(Qt::black));
        QCOMPARE(image.pixelColor(199, firstRow + 1), QColor(Qt::black));
        QCOMPARE(blackPixels(image), 2 * 200);
    }
};

int main(int argc, char *argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestPictureBoxHiDpi test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_picturebox_hidpi.moc"
