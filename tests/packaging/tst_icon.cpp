// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include <QFile>
#include <QImageReader>
#include <QTest>
#include <QtEndian>

// The icon compiled into the program: 32 x 32 in two colours, 32 x 32 and 16 x 16
// in sixteen; each image's size as read, colours from the directory, bits from its header.
class TestIcon : public QObject
{
    Q_OBJECT

private slots:
    void images()
    {
        QImageReader reader(":/icons/trevane.ico");
        QFile file(reader.fileName());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray ico = file.readAll();
        QList<int> found;
        for (int i = 0; reader.jumpToImage(i); ++i) {
            const char *entry = ico.constData() + 6 + 16 * i; // after a 6-byte header
            found << reader.read().width() << entry[2]
                  << ico[qFromLittleEndian<quint32>(entry + 12) + 14];
        }
        QCOMPARE(found, QList<int>({32, 2, 1, 32, 16, 4, 16, 16, 4}));
    }
};

QTEST_MAIN(TestIcon)
#include "tst_icon.moc"
