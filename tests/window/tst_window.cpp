// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "driver.h"

#include <QAccessible>
#include <QClipboard>
#include <QGroupBox>
#include <QPainter>

namespace {

// Data rows from a table, a row a line: the row's name, then a column for
// each name given, separated by '|'.
void table(std::initializer_list<const char *> columns, const QString &rows)
{
    for (const char *column : columns)
        QTest::addColumn<QString>(column);
    for (const QString &line : rows.split('\n', Qt::SkipEmptyParts)) {
        const QStringList cells = line.split('|');
        QTestData &row = QTest::newRow(cells[0].trimmed().toLatin1());
        for (const QString &cell : cells.mid(1))
            row << cell.trimmed();
    }
}

// The four fields filled as by pasting, then the script.
QString filled(const QString &inputs, const QString &script)
{
    const QStringList v = inputs.split(' ');
    return QString("0:LaunchVelocity:=%1 0:LaunchAngle:=%2 0:WindVelocity:=%3 0:WindAngle:=%4 %5")
        .arg(v[0], v[1], v[2], v[3], script);
}

} // namespace

class TestWindow : public QObject
{
    Q_OBJECT

    int timerEvents = 0;

    bool eventFilter(QObject *, QEvent *event) override
    {
        timerEvents += event->type() == QEvent::Timer;
        return false;
    }

private slots:
    void plot_data()
    {
        // The fields are filled in the order launch velocity, launch angle,
        // wind velocity, wind angle; the script is Driver::run()'s.
        table({"inputs", "script", "seen"}, R"(
velocity 0    |0 45 20 90    |0:LaunchWithoutWind|6 lines to 0.000, 5416.226; black none; ready
10 at 45      |10 45 0 0     |0:LaunchWithoutWind|17 lines to 11.314, 5416.239; black 0,360 1x1; ready
100 at 45     |100 45 0 0    |0:LaunchWithoutWind|146 lines to 1025.305, 5420.619; black 0,344 68x17; ready
with wind     |100 45 20 180 |0:LaunchWithWind   |146 lines to 880.305, 5420.619; black 0,344 59x17; ready
wind ignored  |100 45 20 180 |0:LaunchWithoutWind|146 lines to 1025.305, 5420.619; black 0,344 68x17; ready
angle 0       |50 0 0 0      |0:LaunchWithoutWind|6 lines to 25.000, 5416.226; black none; ready
stop          |100 45 20 180 |0:LaunchWithoutWind 10:LaunchWithoutWind|10 lines to 63.640, 5355.332; black 0,357 5x4; ready
nested        |100 45 20 180 |0:LaunchWithoutWind 10:LaunchWithWind|292 lines to 1025.305, 5420.619; black 0,344 68x17; ready
stop by inner |100 45 20 180 |0:LaunchWithoutWind 10:LaunchWithWind 20:LaunchWithWind|20 lines to 54.640, 5355.332; black 0,357 5x4; ready
stop by outer |100 45 20 180 |0:LaunchWithoutWind 10:LaunchWithWind 20:LaunchWithoutWind|20 lines to 54.640, 5355.332; black 0,357 5x4; ready
stop, relaunch|100 45 20 180 |0:LaunchWithWind 10:LaunchWithWind 10:LaunchWithWind|292 lines to 880.305, 5420.619; black 0,344 59x17; ready
queued together|100 45 20 180|0:LaunchWithoutWind&LaunchWithoutWind&LaunchWithoutWind&LaunchWithoutWind|0 lines to 0.000, 0.000; black none; ready
clear plot    |100 45 0 0    |0:LaunchWithoutWind 50:ClearPlot|146 lines to 1025.305, 5420.619; black 23,344 45x17; ready
grid          |100 45 0 0    |0:LaunchWithoutWind 10:DrawPlotLines|172 lines to 1025.305, 5420.619; black 0,0 513x361; ready
retyped       |100 45 0 0    |0:LaunchWithoutWind 10:LaunchVelocity=50|146 lines to 1025.305, 5420.619; black 0,344 68x17; ready
cleared       |100 45 0 0    |0:LaunchWithoutWind 10:ClearLaunch|146 lines to 1025.305, 5420.619; black 0,344 68x17; ready
close         |100 45 0 0    |0:LaunchWithoutWind 10:close|10 lines to 63.640, 5355.332; black 0,357 5x4; ready; closed
grid alone    |0 0 0 0       |0:DrawPlotLines|26 lines to 7695.000, 415.000; black 0,0 513x361; ready
grid nested   |0 0 0 0       |0:DrawPlotLines 3:DrawPlotLines|52 lines to 7695.000, 415.000; black 0,0 513x361; ready
grid cleared  |0 0 0 0       |0:DrawPlotLines 20:ClearPlot|26 lines to 7695.000, 415.000; black 0,27 513x168; ready
grid, flight  |10 45 0 0     |0:DrawPlotLines 3:LaunchWithoutWind|43 lines to 7695.000, 415.000; black 0,0 513x361; ready
fault         |1e200 45 0 0  |0:LaunchWithoutWind|1 lines to 0.000, 5415.000; black none; Stop Plotting / Launch With Wind; Run-time error '6': Overflow
fault, click  |1e200 45 0 0  |0:LaunchWithoutWind 0:LaunchWithoutWind|1 lines to 0.000, 5415.000; black none; ready; Run-time error '6': Overflow
unreadable    |1e400 45 0 0  |0:LaunchWithoutWind|0 lines to 0.000, 0.000; black none; Stop Plotting / Launch With Wind; Run-time error '6': Overflow
fault in wind |10 45 1e308 0 |0:LaunchWithWind|1 lines to 0.000, 5415.000; black none; Launch Without Wind / Stop Plotting; Run-time error '6': Overflow
fault mid-grid|1e200 45 0 0  |0:DrawPlotLines 3:LaunchWithoutWind|27 lines to 7695.000, 415.000; black 0,0 513x361; Stop Plotting / Launch With Wind; Run-time error '6': Overflow
grid 500s|0 0 0 0|0:plot=500x400 0:DrawPlotLines|28 lines to 7500.000, 0.000; black 0,0 500x400; ready
grid under 500|0 0 0 0|0:plot=33x33 0:DrawPlotLines|1 lines to 495.000, 495.000; black none; ready
grid over 500|0 0 0 0|0:plot=34x34 0:DrawPlotLines|3 lines to 510.000, 10.000; black 0,0 34x34; ready
needle 45|0 0 0 0|0:LaunchAngle=45|0 lines to 0.000, 0.000; black none; ready; needles 12,0 13x13, 45 degrees / none
needle 0|0 0 0 0|0:LaunchAngle=0|0 lines to 0.000, 0.000; black none; ready; needles 12,12 13x1, 0 degrees / none
needle 90|0 0 0 0|0:LaunchAngle=90|0 lines to 0.000, 0.000; black none; ready; needles 12,0 1x13, 90 degrees / none
needle no number|0 0 0 0|0:LaunchAngle=abc|0 lines to 0.000, 0.000; black none; ready; needles 12,12 13x1, 0 degrees / none
needle wind|0 0 0 0|0:WindAngle=180|0 lines to 0.000, 0.000; black none; ready; needles none / 0,12 13x1, 180 degrees
needle redrawn|0 0 0 0|0:LaunchAngle=0 0:LaunchAngle=90|0 lines to 0.000, 0.000; black none; ready; needles 12,0 1x13, 90 degrees / none
needle arrow key|0 0 0 0|0:LaunchAngle:=30 0:LaunchAngle:Right|0 lines to 0.000, 0.000; black none; ready; needles 12,5 13x8, 30 degrees / none
needle no key|0 0 0 0|0:LaunchAngle=45 0:LaunchAngle:=90 0:ClearLaunch|0 lines to 0.000, 0.000; black none; ready; needles 12,0 13x13, 45 degrees / none
needle fault|0 0 0 0|0:LaunchAngle=45 0:LaunchAngle:=1e400 0:LaunchAngle:End|0 lines to 0.000, 0.000; black none; ready; needles 12,0 13x13, 45 degrees / none; Run-time error '6': Overflow
needle tab|0 0 0 0|0:LaunchAngle:=30 0:Tab 0:Tab|0 lines to 0.000, 0.000; black none; ready; needles 12,5 13x8, 30 degrees / none
deep, stopped|20000 45 0 0|0:LaunchWithoutWind 1-500:LaunchWithoutWind 1-500:LaunchWithoutWind 501:LaunchWithoutWind|501 lines to 0.000, 5415.000; black none; ready
deep, closed|20000 45 0 0|0:LaunchWithoutWind 1-500:LaunchWithoutWind 1-500:LaunchWithoutWind 501:close|501 lines to 0.000, 5415.000; black none; ready; closed
keys answer reports|0 0 0 0|0:LaunchAngle:=1e400 0:answer:Return 0:Tab 0:Tab 0:answer:Enter 0:LaunchAngle:End 0:answer:Escape 0:LaunchAngle:End 0:answer:Space 0:LaunchAngle:End 0:LaunchAngle:=45 0:LaunchAngle:End|0 lines to 0.000, 0.000; black none; ready; needles 12,0 13x13, 45 degrees / none; Run-time error '6': Overflow; Run-time error '6': Overflow; Run-time error '6': Overflow; Run-time error '6': Overflow
held key|0 0 0 0|0:LaunchAngle:=1e400000 0:LaunchAngle:Backspace*2|0 lines to 0.000, 0.000; black none; ready; Run-time error '6': Overflow
held Return|100 45 20 180|0:LaunchWithWind:Return*3|146 lines to 880.305, 5420.619; black 0,344 59x17; ready
Return on grid|0 0 0 0|0:DrawPlotLines:Return*2|26 lines to 7695.000, 415.000; black 0,0 513x361; ready
Enter, Space|100 45 0 0|0:ClearLaunch:Enter 0:LaunchWithoutWind:Space|6 lines to 0.000, 5416.226; black none; ready
needle mid-flight|100 45 0 0|0:LaunchWithoutWind 5:LaunchAngle:Right|146 lines to 1025.305, 5420.619; black 0,344 68x17; ready; needles 12,0 13x13, 45 degrees / none
)");
    }

    void plot()
    {
        QFETCH(QString, inputs);
        QFETCH(QString, script);
        QFETCH(QString, seen);
        Driver driver;
        driver.run(filled(inputs, script));
        QCOMPARE(driver.seen(), seen);
    }

    // Fields read 0, nothing is drawn, no caption is cut, Tab goes round in
    // order, and each clear button clears its own frame's fields.
    void startsReady()
    {
        Driver driver;
        const auto fields = [&] {
            QStringList texts;
            for (const char *name : {"LaunchAngle", "LaunchVelocity", "WindAngle", "WindVelocity"})
                texts << driver.find<QLineEdit>(QString("txt") + name)->text();
            return texts.join(' ');
        };
        QCOMPARE(driver.window.windowTitle() + ": " + fields(), "Trevane: 0 0 0 0");
        for (const char *name : {"picGraph", "picLaunchAngle", "picWindAngle"}) {
            QWidget *box = driver.find(name);
            const QRgb blank = name == QString("picGraph")
                                   ? qRgb(255, 255, 255)
                                   : box->palette().color(QPalette::Base).rgb();
            const QRect drawn =
                pixelsWhere(box->grab().toImage(), [&](QRgb p) { return p != blank; });
            QCOMPARE(rect(drawn) + box->toolTip(), "none");
        }
        const auto inkWidth = [](const QImage &image) {
            return pixelsWhere(image, [](QRgb pixel) { return qGray(pixel) < 100; }).width();
        };
        for (QWidget *control : driver.window.findChildren<QWidget *>()) {
            QVERIFY(control->parentWidget()->rect().contains(control->geometry()));
            auto *frame = qobject_cast<QGroupBox *>(control);
            const QString text = frame ? frame->title() : control->property("text").toString();
            QImage alone(QSize(300, 30), QImage::Format_RGB32);
            alone.fill(Qt::white);
            QPainter painter(&alone);
            painter.setFont(control->font());
            painter.drawText(alone.rect(), text);
            painter.end();
            QVERIFY2(inkWidth(control->grab().toImage()) >= inkWidth(alone), qPrintable(text));
        }
        QSet<QString> names; // a screen reader tells every field and picture apart
        for (QWidget *c : driver.window.findChildren<QWidget *>(QRegularExpression("^txt|^pic")))
            names << QAccessible::queryAccessibleInterface(c)->text(QAccessible::Name);
        QVERIFY(names.size() == 7 && !names.contains(""));
        QStringList focus;
        for (int press = 0; press <= 10; ++press, driver.run("0:Tab"))
            focus << QApplication::focusWidget()->objectName();
        QCOMPARE(focus.join(' '), "cmdLaunchWithWind cmdLaunchWithoutWind txtLaunchAngle "
                                  "txtLaunchVelocity txtWindAngle txtWindVelocity cmdClearLaunch "
                                  "cmdClearWind cmdClearPlot cmdDrawPlotLines cmdLaunchWithWind");
        const QString typed =
            "0:LaunchAngle:=1 0:LaunchVelocity:=2 0:WindAngle:=3 0:WindVelocity:=4";
        driver.run(typed + " 0:ClearLaunch");
        QCOMPARE(fields(), "0 0 3 4");
        driver.run(typed + " 0:ClearWind");
        QCOMPARE(fields(), "1 2 0 0");
        QGuiApplication::clipboard()->setText(QString(40000, '7'));
        driver.run("0:LaunchVelocity:Ctrl+V");
        QCOMPARE(driver.find<QLineEdit>("txtLaunchVelocity")->text().size(), 32767);
    }

    // Once drawn, every picture is on screen, and nothing wakes until the user acts.
    void idlesOnceShown()
    {
        Driver driver;
        driver.run("0:LaunchVelocity:=100 0:LaunchAngle=45 0:LaunchWithoutWind 0:DrawPlotLines");
        for (const char *name : {"picGraph", "picLaunchAngle"}) {
            QWidget *box = driver.find(name);
            const QPoint at = box->mapTo(&driver.window, QPoint());
            const auto onScreen = [&] {
                return box->screen()
                    ->grabWindow(driver.window.winId(), at.x(), at.y(), box->width(), box->height())
                    .toImage();
            };
            QTRY_COMPARE(onScreen(), box->grab().toImage());
        }
        QTest::qWait(50); // a repaint owed within the last frame
        qApp->installEventFilter(this);
        QTest::qWait(300);
        qApp->removeEventFilter(this);
        QCOMPARE(timerEvents, 0);
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
