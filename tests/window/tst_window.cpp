// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "applicationsetup.h"
#include "driver.h"
#include "table.h"

#include <QAccessible>
#include <QClipboard>
#include <QFile>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>

#ifdef _WIN32
#include <windows.h>

// Wine's ntdll alone exports its version.
static bool underWine()
{
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}
#endif

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
    // Set up as the program is: its view of held keys; on Windows its style
    // too (Qt's default there, windowsvista, pulses the default button), and
    // Qt's own file dialog, which QtTest can type into.
    void initTestCase()
    {
        setUpApplication();
#ifdef _WIN32
        QApplication::setStyle(QStringLiteral("Fusion"));
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
#endif
    }

    // A scenario's inputs become steps that paste them into the fields.
    void plot_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("seen");
        for (const QStringList &cells : tableRows(QFINDTESTDATA("scenarios.txt"), 4)) {
            const QStringList inputs = cells[1].split(' ', Qt::SkipEmptyParts);
            QString script = cells[2].trimmed();
            for (qsizetype i = 0; i < std::min(inputs.size(), fields.size()); ++i)
                script.prepend(QString("0:%1:=%2 ").arg(fields[i], inputs[i]));
            QTest::newRow(cells[0].trimmed().toUtf8()) << script << cells[3].trimmed();
        }
    }

    void plot()
    {
        QFETCH(QString, script);
        QFETCH(QString, seen);
#ifdef _WIN32
        if (QLatin1String(QTest::currentDataTag()) == QLatin1String("save unwritable"))
            QSKIP("Windows names the path and its failure in its own words");
        if (underWine() && QGuiApplication::platformName() == "windows" &&
            script.contains(":point:"))
            QSKIP("Wine moves the pointer onto the plot, but no hover reaches the window there, "
                  "so no tooltip shows");
#endif
        Driver driver;
        driver.run(script);
        QCOMPARE(driver.seen(), seen);
    }

    // Nothing drawn, no caption cut, every field and picture told apart by a
    // screen reader, Tab going round in order, 32,767 characters in a field.
    void startsReady()
    {
        Driver driver;
        QCOMPARE(driver.window.windowTitle(), "Trevane");
        const QRgb base = driver.window.palette().color(QPalette::Base).rgb();
        for (const auto &[name, blank] : {std::pair{"picGraph", qRgb(255, 255, 255)},
                                          {"picLaunchAngle", base},
                                          {"picWindAngle", base}}) {
            const QImage box = driver.find(name)->grab().toImage();
            QCOMPARE(rect(pixelsWhere(box, [&](QRgb p) { return p != blank; })), "none");
        }
        // Qt offscreen on Windows finds no fonts: every caption is cut alike.
        const bool fonts = QFontDatabase::hasFamily(QStringLiteral("Liberation Sans")) ||
                           QFontDatabase::hasFamily(QStringLiteral("Arial"));
        const auto inkWidth = [](const QImage &image) {
            return pixelsWhere(image, [](QRgb pixel) { return qGray(pixel) < 100; }).width();
        };
        for (QWidget *control : driver.window.findChildren<QWidget *>()) {
            QVERIFY(control->parentWidget()->rect().contains(control->geometry()));
            auto *frame = qobject_cast<QGroupBox *>(control);
            const QString text = frame ? frame->title() : control->property("text").toString();
            QLabel alone(text); // with room for all of it
            alone.setFont(control->font());
            alone.adjustSize();
            QVERIFY2(!fonts ||
                         inkWidth(control->grab().toImage()) >= inkWidth(alone.grab().toImage()),
                     qPrintable(text));
        }
        QSet<QString> names; // a screen reader tells every field and picture apart
        for (QWidget *c : driver.window.findChildren<QWidget *>(QRegularExpression("^txt|^pic")))
            names << QAccessible::queryAccessibleInterface(c)->text(QAccessible::Name);
        QVERIFY(names.size() == 7 && !names.contains(""));
        QStringList focus;
#ifdef _WIN32
        // Wine gives the window the keyboard a moment after activating it.
        if (underWine())
            QTRY_VERIFY(QApplication::focusWidget());
#endif
        for (int press = 0; press <= 10; ++press, driver.run("0:Tab")) {
            const QWidget *focused = QApplication::focusWidget();
            focus << (focused ? focused->objectName() : "nothing");
        }
        QCOMPARE(focus.join(' '), "cmdLaunchWithWind cmdLaunchWithoutWind txtLaunchAngle "
                                  "txtLaunchVelocity txtWindAngle txtWindVelocity cmdClearLaunch "
                                  "cmdClearWind cmdClearPlot cmdDrawPlotLines cmdLaunchWithWind");
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
