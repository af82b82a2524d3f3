// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "csvline.h"
#include "flightcolumns.h"
#include "flightdatarows.h"
#include "flightlog.h"
#include "flightpoints.h"

#include <QTest>
#include <locale>

namespace {

// The figures of a flight as the table shows them, its points as CSV does.
QString joined(const std::vector<std::string> &cells)
{
    QStringList texts;
    for (const std::string &cell : cells)
        texts << QString::fromStdString(cell);
    return texts.join(' ');
}

struct CommaDecimal : std::numpunct<char>
{
    char do_decimal_point() const override { return ','; }
};

} // namespace

class TestFlightLog : public QObject
{
    Q_OBJECT

private slots:
    // A flight's points as it drew them: its time a sum of tenths.
    void points_data()
    {
        QTest::addColumn<QString>("inputs"); // wind?, launch velocity and angle, wind's
        QTest::addColumn<qint64>("segment");
        QTest::addColumn<QString>("point");
        QTest::newRow("launch") << "no 100 45 0 0" << qint64(0) << "0 0 0";
        QTest::newRow("a tenth") << "no 100 45 0 0" << qint64(1)
                                 << "0.1 7.0710678118654755 7.022034561865475";
        QTest::newRow("ten tenths") << "no 100 45 0 0" << qint64(10)
                                    << "0.9999999999999999 70.71067811865474 65.80735311865473";
        QTest::newRow("the last drawn")
            << "no 100 45 0 0" << qint64(145)
            << "14.499999999999964 1025.3048327204915 -5.619248529503693";
        QTest::newRow("with wind") << "yes 100 45 20 180" << qint64(145)
                                   << "14.499999999999964 880.3048327204918 -5.619248529503675";
        QTest::newRow("far on") << "no 1e6 45 0 0" << qint64(3000000)
                                << "300000.0000019568 212132034357.34796 -229167215648.40897";
    }

    void points()
    {
        QFETCH(QString, inputs);
        QFETCH(qint64, segment);
        QFETCH(QString, point);
        const QStringList in = inputs.split(' ');
        FlightLog log;
        const FlightRecord flight = log.start(in[0] == "yes", in[1].toDouble(), in[2].toDouble(),
                                              in[3].toDouble(), in[4].toDouble());
        FlightPoints points(flight);
        QCOMPARE(joined(pointCells(points.at(segment))), point);
        // Read again after others, further on and back, it is the same.
        points.at(segment + 70000);
        points.at(segment / 2);
        QCOMPARE(joined(pointCells(points.at(segment))), point);
    }

    // How flights end, as the table shows them.
    void endings_data()
    {
        QTest::addColumn<int>("ending");
        QTest::addColumn<QString>("cells");
        QTest::newRow("flying") << int(FlightEnding::Flying) << "1 yes 100 45 20 180 flying 146   ";
        QTest::newRow("landed") << int(FlightEnding::Landed)
                                << "1 yes 100 45 20 180 landed 146 875.5065631614165 "
                                   "254.929053244482 14.420964981651174";
        QTest::newRow("stopped") << int(FlightEnding::Stopped)
                                 << "1 yes 100 45 20 180 stopped 146   ";
        QTest::newRow("failed") << int(FlightEnding::Failed)
                                << "1 yes 100 45 20 180 failed: Overflow 146   ";
    }

    void endings()
    {
        QFETCH(int, ending);
        QFETCH(QString, cells);
        FlightLog log;
        const int number = log.start(true, 100, 45, 20, 180).number;
        for (int segment = 0; segment < 146; ++segment)
            log.drewSegment(number);
        if (ending != int(FlightEnding::Flying))
            log.end(number, FlightEnding(ending), "Overflow");
        QCOMPARE(joined(flightCells(log.at(0))), cells);
    }

    // Cleared, the log keeps counting; a flight cleared away is passed over.
    void cleared()
    {
        FlightLog log;
        const int first = log.start(false, 10, 45, 3, 4).number;
        log.clear();
        log.drewSegment(first);
        log.end(first, FlightEnding::Landed);
        const int second = log.start(false, 10, 45, 3, 4).number;
        log.drewSegment(second);
        QCOMPARE(log.size(), 1u);
        QCOMPARE(joined(flightCells(log.at(0))), "2 no 10 45   flying 1   ");
    }

    // Every point of every flight, after its flight's number and inputs.
    void pointRows()
    {
        FlightLog log;
        // Straight ahead, where every maths library agrees to the last bit.
        for (const double velocity : {0.0, 5.0}) {
            const int number = log.start(false, velocity, 0, 0, 0).number;
            log.drewSegment(number);
            log.drewSegment(number);
        }
        FlightDataRows rows(log, FlightDataRows::Kind::Points);
        QCOMPARE(rows.size(), 4);
        std::string file;
        for (std::string line; rows.next(line);)
            file += line;
        QCOMPARE(QString::fromStdString(file),
                 "Flight,Wind,Launch velocity (m/s),Launch angle (degrees),Wind velocity (m/s),"
                 "Wind angle (degrees),t (s),x (m),y (m)\r\n"
                 "1,no,0,0,,,0,0,0\r\n1,no,0,0,,,0.1,0,-0.04903325000000001\r\n"
                 "2,no,5,0,,,0,0,0\r\n2,no,5,0,,,0.1,0.5,-0.04903325000000001\r\n");
    }

    void csv_data()
    {
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("line");
        QTest::newRow("plain") << QStringList{"1", "landed"} << "1,landed\r\n";
        QTest::newRow("comma") << QStringList{"a,b", ""} << "\"a,b\",\r\n";
        QTest::newRow("quote") << QStringList{"say \"hi\""} << "\"say \"\"hi\"\"\"\r\n";
        QTest::newRow("line break") << QStringList{"a\nb"} << "\"a\nb\"\r\n";
    }

    void csv()
    {
        QFETCH(QStringList, fields);
        QFETCH(QString, line);
        std::vector<std::string> cells;
        for (const QString &field : fields)
            cells.push_back(field.toStdString());
        QCOMPARE(QString::fromStdString(csvLine(cells)), line);
    }

    // A decimal point whatever the language of the program's C++ streams.
    void decimalPoint()
    {
        const std::locale previous =
            std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
        const std::string text = exactNumber(0.1);
        std::locale::global(previous);
        QCOMPARE(QString::fromStdString(text), "0.1");
    }
};

QTEST_APPLESS_MAIN(TestFlightLog)
#include "tst_flightlog.moc"
