// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "driver.h"

#include <QAccessible>
#include <QClipboard>
#include <QFile>
#include <QGroupBox>
#include <QPainter>

namespace {

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
        QTest::addColumn<QString>("inputs");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("seen");
        QFile file(QFINDTESTDATA("scenarios.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        for (const QString &line : QString(file.readAll()).split('\n')) {
            const QStringList cells = line.split('|');
            if (cells.size() == 4 && !line.startsWith('#'))
                QTest::newRow(cells[0].trimmed().toUtf8())
                    << cells[1].trimmed() << cells[2].trimmed() << cells[3].trimmed();
        }
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
