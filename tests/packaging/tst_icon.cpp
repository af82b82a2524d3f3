#include <QFile>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QTest>
#include <QtEndian>

namespace {

const QString iconFile = QStringLiteral(":/icons/trevane.ico");

struct IconEntry
{
    int width, height, colours, bitsPerPixel;
};

// The icon file's directory: one 16-byte entry per image after a 6-byte header.
QList<IconEntry> directoryOf(const QByteArray &file)
{
    const auto byte = [&](qsizetype at) { return int(quint8(file.at(at))); };
    const auto word = [&](qsizetype at) {
        return int(qFromLittleEndian<quint16>(file.data() + at));
    };
    QList<IconEntry> entries;
    for (int i = 0; i < word(4); ++i) {
        const qsizetype at = 6 + 16 * i;
        entries.append({byte(at) ? byte(at) : 256, byte(at + 1) ? byte(at + 1) : 256, byte(at + 2),
                        word(at + 6)});
    }
    return entries;
}

QSet<QRgb> coloursOf(const QImage &image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return colours;
}

} // namespace

class TestIcon : public QObject
{
    Q_OBJECT

private slots:
    void images_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("colours");
        QTest::addColumn<int>("bitsPerPixel");
        QTest::newRow("32 x 32 in two colours") << 0 << 32 << 2 << 1;
        QTest::newRow("32 x 32 in sixteen colours") << 1 << 32 << 16 << 4;
        QTest::newRow("16 x 16 in sixteen colours") << 2 << 16 << 16 << 4;
    }

    void images()
    {
        QFETCH(int, index);
        QFETCH(int, size);
        QFETCH(int, colours);
        QFETCH(int, bitsPerPixel);
        QFile file(iconFile);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<IconEntry> entries = directoryOf(file.readAll());
        QCOMPARE(entries.size(), 3);
        const IconEntry &entry = entries[index];
        QCOMPARE(entry.width, size);
        QCOMPARE(entry.height, size);
        QCOMPARE(entry.colours, colours);
        QCOMPARE(entry.bitsPerPixel, bitsPerPixel);

        QImageReader reader(iconFile);
        QVERIFY(reader.jumpToImage(index));
        const QImage image = reader.read();
        QCOMPARE(image.size(), QSize(size, size));
        const QSet<QRgb> shown = coloursOf(image);
        QVERIFY(shown.size() <= colours);
        QVERIFY(shown.contains(qRgb(0, 0, 0)));
        QVERIFY(shown.contains(qRgb(255, 255, 255)));
        if (colours > 2) {
            QVERIFY(shown.contains(qRgb(255, 0, 0))); // the projectile
            QVERIFY(shown.contains(qRgb(0, 128, 0))); // the ground
        }
    }

    // What the program hands to the window as its icon.
    void windowIconSizes()
    {
        const QIcon icon(iconFile);
        const QList<QSize> sizes = icon.availableSizes();
        QVERIFY(sizes.contains(QSize(16, 16)));
        QVERIFY(sizes.contains(QSize(32, 32)));
        QCOMPARE(icon.pixmap(QSize(16, 16)).size(), QSize(16, 16));
    }
};

QTEST_MAIN(TestIcon)
#include "tst_icon.moc"
