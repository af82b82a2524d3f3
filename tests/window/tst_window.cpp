// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "applicationsetup.h"
#include "driver.h"
#include "table.h"

#include <QAccessible>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QMimeDatabase>
#include <QProcess>
#include <QProgressDialog>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTableView>

#ifdef _WIN32
#include <windows.h>

// Wine's ntdll alone exports its version.
static bool underWine()
{
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

class TestWindow : public QObject
{
    Q_OBJECT

    QStringList timerEvents;
    bool eventFilter(QObject *receiver, QEvent *event) override
    {
        if (event->type() == QEvent::Timer)
            timerEvents << receiver->metaObject()->className();
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

    // Once drawn, every picture is on screen, and nothing wakes until the user acts.
    // First of all, before other windows' tooltips and dialogs leave timers of
    // Qt's own behind.
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
        QVERIFY2(timerEvents.isEmpty(), qPrintable(timerEvents.join(", ")));
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

    // The flight table as a person uses it: opened, its rows selected, copied.
    void flightTable_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("copied");
        const QString header = "Flight\tWind\tLaunch velocity (m/s)\tLaunch angle (degrees)\tWind "
                               "velocity (m/s)\tWind angle (degrees)\tEnded\tSegments\tRange "
                               "(m)\tHighest point (m)\tTime in the air (s)\n";
        const QString landed = "1\tno\t100\t45\t\t\tlanded\t146\t1019.7162129779282\t"
                               "254.929053244482\t14.420964981651174\n";
        QTest::newRow("landed, Ctrl+T")
            << "0:LaunchWithoutWind 0:Ctrl+T 0:Ctrl+A 0:Ctrl+C" << header + landed;
        QTest::newRow("from the menu, plot cleared")
            << "0:LaunchWithoutWind 0:ClearPlot 0:right:10,10 0:choose:Flight 0:Ctrl+A 0:Ctrl+C"
            << header + landed;
        QTest::newRow("stopped, nested")
            << "0:LaunchWithoutWind 10:LaunchWithWind 20:LaunchWithWind 0:Ctrl+T 0:Ctrl+A 0:Ctrl+C"
            << header + "1\tno\t100\t45\t\t\tstopped\t10\t\t\t\n"
                        "2\tyes\t100\t45\t20\t180\tstopped\t10\t\t\t\n";
        QTest::newRow("still flying") << "0:LaunchWithoutWind 3:Ctrl+T 4:Ctrl+A 5:Ctrl+C"
                                      << header + "1\tno\t100\t45\t\t\tflying\t5\t\t\t\n";
        QTest::newRow("failed") << "0:LaunchVelocity:=1e200 0:LaunchWithoutWind 0:Ctrl+T 0:Ctrl+A "
                                   "0:Ctrl+C"
                                << header + "1\tno\t1e+200\t45\t\t\tfailed: Overflow\t1\t\t\t\n";
        QTest::newRow("log cleared")
            << "0:LaunchWithoutWind 0:Ctrl+T ; 0:ClearLog 0:LaunchWithWind "
               "0:Ctrl+T 0:Alt+F 0:Ctrl+A 0:Ctrl+C"
            << header + "2\tyes\t100\t45\t20\t180\tlanded\t146\t"
                        "875.5065631614165\t254.929053244482\t"
                        "14.420964981651174\n";
        QTest::newRow("points followed to landing")
            << "0:LaunchVelocity:=0 0:Ctrl+T 0:LaunchWithoutWind 3:Down 0:Tab 0:Ctrl+A 0:Ctrl+C"
            << "t (s)\tx (m)\ty (m)\n0\t0\t0\n0.1\t0\t-0.04903325000000001\n"
               "0.2\t0\t-0.19613300000000003\n0.30000000000000004\t0\t-0.4412992500000001\n"
               "0.4\t0\t-0.7845320000000001\n0.5\t0\t-1.22583125\n";
        QTest::newRow("points of the second")
            << "0:LaunchVelocity:=0 0:LaunchWithoutWind 0:LaunchWithWind 0:Ctrl+T 0:Down 0:Tab "
               "0:Ctrl+A 0:Ctrl+C"
            << "t (s)\tx (m)\ty (m)\n0\t0\t0\n0.1\t-1\t-0.04903324999999988\n"
               "0.2\t-2\t-0.19613299999999978\n"
               "0.30000000000000004\t-3.0000000000000004\t-0.4412992499999997\n"
               "0.4\t-4\t-0.7845319999999997\n0.5\t-5\t-1.2258312499999993\n";
    }

    void flightTable()
    {
        QFETCH(QString, script);
        QFETCH(QString, copied);
        Driver driver;
        // The table's buttons are there once it has opened: a run after " ; ".
        driver.run("0:LaunchVelocity:=100 0:LaunchAngle:=45 0:WindVelocity:=20 0:WindAngle:=180");
        for (const QString &part : script.split(" ; "))
            driver.run(part);
        QCOMPARE(QGuiApplication::clipboard()->text(), copied);
    }

    // Every cell reachable from the keyboard and told with its column's name;
    // the table goes with Escape and with the main window.
    void flightTableKeys()
    {
        Driver driver;
        driver.run("0:LaunchVelocity:=100 0:LaunchAngle:=45 0:LaunchWithoutWind 0:Ctrl+T 0:End");
        auto *flights = driver.find<QTableView>("tblFlights");
        QCOMPARE(QApplication::focusWidget(), flights);
        QCOMPARE(flights->currentIndex().column(), 10);
        QAccessibleInterface *table = QAccessible::queryAccessibleInterface(flights);
        QCOMPARE(table->tableInterface()->cellAt(0, 8)->text(QAccessible::Name),
                 "Range (m): 1019.7162129779282");
        driver.run("0:Escape");
        QVERIFY(!flights->isVisible());
        driver.run("0:Ctrl+T");
        QVERIFY(flights->isVisible());
        driver.run("0:close");
        QVERIFY(!flights->isVisible());
    }

    // What a script reads from the CSV file, through Python's csv module: the
    // exact doubles the flight drew.
    void flightData()
    {
        if (QStandardPaths::findExecutable("python3").isEmpty())
            QSKIP("no Python to read the file with");
        Driver driver;
        driver.run("0:LaunchVelocity:=100 0:LaunchAngle:=45 0:LaunchWithoutWind 0:Ctrl+T");
        driver.run("0:file:flights.csv 0:SaveFlightData");
        QProcess python;
        python.start("python3", {"-c",
                                 "import csv, sys\n"
                                 "for row in csv.DictReader(open(sys.argv[1], newline='')):\n"
                                 "    print(row['Flight'], repr(float(row['t (s)'])), "
                                 "repr(float(row['x (m)'])), repr(float(row['y (m)'])))",
                                 driver.savedPath()});
        python.waitForFinished();
        const QStringList rows =
            QString(python.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(rows.size(), driver.lines.size());
        double t = 0;
        for (qsizetype i = 0; i < rows.size(); ++i, t += 0.1) {
            const QStringList cells = rows[i].split(' ');
            QCOMPARE(cells[0], "1");
            QCOMPARE(cells[1].toDouble(), t);
            QCOMPARE(float(cells[2].toDouble()), float(driver.lines[i].x2()));
            QCOMPARE(float(5415 - cells[3].toDouble()), float(driver.lines[i].y2()));
        }
    }

    // The files of flight data: the kind chosen in the save dialog, CSV with
    // CR LF line ends; a file that cannot be written reported once.
    void flightDataFiles_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("file");
        const QString flights = "Flight,Wind,Launch velocity (m/s),Launch angle (degrees),Wind "
                                "velocity (m/s),Wind angle (degrees),Ended,Segments,Range "
                                "(m),Highest point (m),Time in the air (s)\r\n";
        QTest::newRow("flights alone")
            << "0:kind:Flights 0:file:f.csv 0:SaveFlightData"
            << flights + "1,no,0,45,,,landed,6,,,\r\n2,yes,0,45,20,180,stopped,3,,,\r\n";
        QTest::newRow("points")
            << "0:file:f.csv 0:SaveFlightData"
            << "Flight,Wind,Launch velocity (m/s),Launch angle (degrees),Wind velocity (m/s),"
               "Wind angle (degrees),t (s),x (m),y (m)\r\n1,no,0,45,,,0,0,0\r\n"
               "1,no,0,45,,,0.1,0,-0.04903325000000001\r\n";
        QTest::newRow("unwritable")
            << "0:file:/nonexistent/f.csv 0:SaveFlightData"
            << "Run-time error '75': Cannot save /nonexistent/f.csv: No such file or directory";
    }

    void flightDataFiles()
    {
        QFETCH(QString, script);
        QFETCH(QString, file);
#ifdef _WIN32
        if (QLatin1String(QTest::currentDataTag()) == QLatin1String("unwritable"))
            QSKIP("Windows names the path and its failure in its own words");
#endif
        Driver driver;
        driver.run("0:LaunchVelocity:=0 0:LaunchAngle:=45 0:WindVelocity:=20 0:WindAngle:=180 "
                   "0:LaunchWithoutWind 0:LaunchWithWind 9:LaunchWithWind 0:Ctrl+T");
        driver.run(script);
        QFile saved(driver.savedPath());
        const QString seen = saved.open(QIODevice::ReadOnly) ? saved.readAll().left(file.size())
                                                             : driver.errors.join("; ");
        QCOMPARE(seen, file);
    }

    // The save dialog as a person meets it: steps of its own, run when it has the keyboard.
    static void whenSaveDialogShown(Driver &driver, std::function<void(QFileDialog *)> steps)
    {
        QObject::connect(qApp, &QGuiApplication::focusWindowChanged, &driver.window, [steps] {
            if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget()))
                QTimer::singleShot(0, dialog, [dialog, steps] { steps(dialog); });
        });
    }

    // A home folder whose name is not valid UTF-8, started in, cannot be shown:
    // the dialog starts in one it can show, so that it saves where it says.
    void saveWithUnreachableHome()
    {
#ifdef _WIN32
        QSKIP("Windows names folders in UTF-16");
#else
        QTemporaryDir scratch;
        const QByteArray home = QFile::encodeName(scratch.path()) + "/\xff";
        QCOMPARE(mkdir(home, 0700), 0);
        const QByteArray oldHome = qgetenv("HOME");
        const QString oldCurrent = QDir::currentPath();
        const auto restore = qScopeGuard([&] {
            qputenv("HOME", oldHome);
            QDir::setCurrent(oldCurrent);
        });
        qputenv("HOME", home);
        QCOMPARE(chdir(home), 0);
        Driver driver;
        QString shown;
        whenSaveDialogShown(driver, [&shown](QFileDialog *dialog) {
            shown = dialog->directory().absolutePath();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        });
        driver.run("0:Ctrl+S");
        QCOMPARE(shown, QDir::rootPath());
#endif
    }

    // The dialog names a file's type from its name alone: reading it could
    // block for good, as /proc/kmsg does.
    void saveDialogReadsNoFile()
    {
        QTemporaryDir scratch;
        QFile picture(scratch.filePath("picture"));
        QVERIFY(picture.open(QIODevice::WriteOnly));
        QVERIFY(QImage(1, 1, QImage::Format_RGB32).save(&picture, "PNG"));
        picture.close();
        Driver driver;
        QString type;
        whenSaveDialogShown(driver, [&](QFileDialog *dialog) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(QApplication::focusWidget(), scratch.path());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            auto *files = dialog->findChild<QFileSystemModel *>();
            const auto typeShown = [&] { return files->type(files->index(picture.fileName())); };
            if (QTest::qWaitFor([&] { return !typeShown().isEmpty(); }, 20000))
                type = typeShown();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        });
        driver.run("0:right:10,10 0:choose:Save");
        QVERIFY(!type.isEmpty());
        QVERIFY2(type != QMimeDatabase().mimeTypeForName("image/png").comment(), qPrintable(type));
    }

    // A long file written between rounds of events, so that its progress
    // dialog can be cancelled: then no file is left.
    void flightDataCancelled()
    {
        Driver driver;
        driver.run("0:LaunchVelocity:=20000 0:LaunchAngle:=45 0:LaunchWithoutWind 0:Ctrl+T");
        QTimer cancel; // at the first round of events the writing gives
        QObject::connect(&cancel, &QTimer::timeout, [&] {
            if (auto *progress = driver.window.findChild<QProgressDialog *>())
                progress->cancel();
        });
        cancel.start(0);
        driver.run("0:file:f.csv 0:SaveFlightData");
        QVERIFY(!QFile::exists(driver.savedPath()));
        QCOMPARE(driver.errors, {});
    }

    // The lab sheet as a reader finds it: the title, the table's numbers with a
    // decimal point in any language, and the plot as an image of its pixels,
    // losslessly compressed.
    void labSheet()
    {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("no pdftotext (poppler-utils) to read the sheet with");
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        Driver driver;
        driver.run("0:LaunchVelocity:=100 0:LaunchAngle:=45 0:WindVelocity:=20 0:WindAngle:=180 "
                   "0:LaunchWithoutWind 0:LaunchWithWind 0:Ctrl+T");
        driver.run("0:file:sheet.pdf 0:SaveLabSheet");
        QLocale::setDefault(QLocale::c());
        const auto output = [](const QString &tool, const QStringList &arguments) {
            QProcess process;
            process.start(tool, arguments);
            process.waitForFinished();
            return QString(process.readAllStandardOutput()).simplified();
        };
        const QString text = output("pdftotext", {"-layout", driver.savedPath(), "-"});
        for (const char *expected :
             {"Trevane 1.00", "1 100 m/s at 45° none landed 146 1019.72 254.93 14.42",
              "2 100 m/s at 45° 20 m/s at 180° landed 146 875.51 254.93 14.42"})
            QVERIFY2(text.contains(expected), qPrintable(text));
        const QString images = output("pdfimages", {"-list", driver.savedPath()});
        QVERIFY2(images.contains("1 0 image 513 361 rgb 3 8 image"), qPrintable(images));
    }

    // Flights that do not fit on the sheet's page go on to the next, under
    // the table's header again.
    void labSheetPages()
    {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("no pdftotext (poppler-utils) to read the sheet with");
        Driver driver;
        driver.run("0:LaunchAngle:=45" + QString(" 0:LaunchWithoutWind").repeated(70) +
                   " 0:Ctrl+T");
        driver.run("0:file:sheet.pdf 0:SaveLabSheet");
        QProcess pdftotext;
        pdftotext.start("pdftotext", {"-layout", "-f", "2", driver.savedPath(), "-"});
        pdftotext.waitForFinished();
        const QString lastPages = QString(pdftotext.readAllStandardOutput()).simplified();
        QVERIFY2(lastPages.startsWith("Flight Launch Wind Ended Segments") &&
                     lastPages.endsWith("70 0 m/s at 45° none landed 6"),
                 qPrintable(lastPages));
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
