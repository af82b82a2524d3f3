#include "windowdriver.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <memory>

using namespace windowdriver;

namespace {

// The text a person reads on a control, whatever its kind.
QString shownText(const QWidget *control)
{
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    if (const auto *frame = qobject_cast<const QGroupBox *>(control))
        return frame->title();
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (const auto *field = qobject_cast<const QLineEdit *>(control))
        return field->text();
    return {};
}

QString kindOf(const QWidget *control)
{
    if (qobject_cast<const QAbstractButton *>(control))
        return QStringLiteral("button");
    if (qobject_cast<const QGroupBox *>(control))
        return QStringLiteral("frame");
    if (qobject_cast<const QLabel *>(control))
        return QStringLiteral("label");
    if (qobject_cast<const QLineEdit *>(control))
        return QStringLiteral("field");
    if (qobject_cast<const runtime::PictureBox *>(control))
        return QStringLiteral("picture");
    return QStringLiteral("unknown");
}

QString twipsText(const QRect &twips)
{
    return QStringLiteral("%1, %2, %3 x %4")
        .arg(twips.x())
        .arg(twips.y())
        .arg(twips.width())
        .arg(twips.height());
}

QRect inTwips(const QRect &pixels)
{
    return {pixels.x() * 15, pixels.y() * 15, pixels.width() * 15, pixels.height() * 15};
}

// What a person sees of a picture box.
QImage seen(const frmMain &window, const char *box)
{
    return control(window, box)->grab().toImage();
}

int pixelsNotOfColour(const QImage &image, const QColor &colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) != colour;
    return count;
}

// A control of the same kind, font and caption, 200 pixels wider.
std::unique_ptr<QWidget> withRoomToSpare(const QWidget *control)
{
    std::unique_ptr<QWidget> roomy;
    if (const auto *frame = qobject_cast<const QGroupBox *>(control))
        roomy = std::make_unique<QGroupBox>(frame->title());
    else if (const auto *label = qobject_cast<const QLabel *>(control))
        roomy = std::make_unique<QLabel>(label->text());
    else
        roomy = std::make_unique<QPushButton>(shownText(control));
    roomy->setFont(control->font());
    roomy->resize(control->width() + 200, control->height());
    return roomy;
}

// The dark pixels where the caption is drawn: a frame's title band, inside a
// button's bevel, or the whole of a label.
int captionInk(QWidget *control)
{
    QRect area = control->rect();
    if (qobject_cast<QGroupBox *>(control))
        area.setHeight(control->fontMetrics().height());
    else if (qobject_cast<QAbstractButton *>(control))
        area.adjust(3, 3, -3, -3);
    const QImage image = control->grab().toImage();
    int ink = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ink += qGray(image.pixel(x, y)) < 128;
    return ink;
}

QString focusName()
{
    const QWidget *focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QStringLiteral("(nothing)");
}

// Tab as a person presses it: the press goes to the control with the focus,
// the release to whichever has it by then.
void pressTab(Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const int key = modifiers & Qt::ShiftModifier ? Qt::Key_Backtab : Qt::Key_Tab;
    QTest::keyPress(QApplication::focusWidget(), Qt::Key(key), modifiers);
    QTest::keyRelease(QApplication::focusWidget(), Qt::Key(key), modifiers);
}

const QStringList focusCycle{"cmdLaunchWithWind", "cmdLaunchWithoutWind", "txtLaunchAngle",
                             "txtLaunchVelocity", "txtWindAngle",         "txtWindVelocity",
                             "cmdClearLaunch",    "cmdClearWind",         "cmdClearPlot",
                             "cmdDrawPlotLines"};

} // namespace

class TestLayout : public QObject
{
    Q_OBJECT

private slots:
    void window()
    {
        frmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("Trevane"));
        QCOMPARE(twipsText(inTwips(window.rect())), twipsText(QRect(0, 0, 7935, 7335)));
    }

    void controls_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("text");
        const auto row = [](const char *name, const char *kind, const char *container, int left,
                            int top, int width, int height, const char *text) {
            QTest::newRow(name) << kind << container << QRect(left, top, width, height) << text;
        };
        row("picGraph", "picture", "frmMain", 120, 120, 7695, 5415, "");
        row("framLaunch", "frame", "frmMain", 240, 5640, 2535, 1095,
            "Launch Angle and Velocity (m/s)");
        row("framWind", "frame", "frmMain", 5160, 5640, 2535, 1095,
            "Wind Angle and Velocity (m/s)");
        row("cmdLaunchWithWind", "button", "frmMain", 3120, 5640, 1695, 495, "Launch With Wind");
        row("cmdLaunchWithoutWind", "button", "frmMain", 3120, 6240, 1695, 495,
            "Launch Without Wind");
        row("lblInfo0", "label", "framLaunch", 120, 360, 450, 195, "Angle:");
        row("txtLaunchAngle", "field", "framLaunch", 840, 240, 1095, 285, "0");
        row("lblInfo1", "label", "framLaunch", 120, 720, 600, 195, "Velocity:");
        row("txtLaunchVelocity", "field", "framLaunch", 840, 600, 1095, 285, "0");
        row("lblInfo2", "label", "framWind", 120, 360, 450, 195, "Angle:");
        row("txtWindAngle", "field", "framWind", 840, 240, 1095, 285, "0");
        row("lblInfo3", "label", "framWind", 120, 720, 600, 195, "Velocity:");
        row("txtWindVelocity", "field", "framWind", 840, 600, 1095, 285, "0");
        row("cmdClearLaunch", "button", "frmMain", 240, 6840, 1695, 375, "Clear Launch Info");
        row("cmdClearWind", "button", "frmMain", 6000, 6840, 1695, 375, "Clear Wind Info");
        row("cmdClearPlot", "button", "frmMain", 2160, 6840, 1695, 375, "Clear Plot");
        row("cmdDrawPlotLines", "button", "frmMain", 4080, 6840, 1695, 375, "Draw Plot Lines");
        row("picLaunchAngle", "picture", "framLaunch", 2040, 360, 375, 375, "");
        row("picWindAngle", "picture", "framWind", 2040, 360, 375, 375, "");
    }

    // Every control in its place, reading what it should right after start.
    void controls()
    {
        QFETCH(QString, kind);
        QFETCH(QString, container);
        QFETCH(QRect, twips);
        QFETCH(QString, text);
        frmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QWidget *found = control(window, QTest::currentDataTag());
        QCOMPARE(kindOf(found), kind);
        const QWidget *parent = found->parentWidget();
        QCOMPARE(parent == &window ? QStringLiteral("frmMain") : parent->objectName(), container);
        QCOMPARE(twipsText(inTwips(found->geometry())), twipsText(twips));
        QCOMPARE(shownText(found), text);
        QVERIFY(found->isVisible());
    }

    void captionsFit_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name :
             {"framLaunch", "framWind", "cmdLaunchWithWind", "cmdLaunchWithoutWind", "lblInfo0",
              "lblInfo1", "lblInfo2", "lblInfo3", "cmdClearLaunch", "cmdClearWind", "cmdClearPlot",
              "cmdDrawPlotLines"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    // Not a dark pixel of a caption may be cut off: the control shows as much
    // of it as the same control drawn with room to spare.
    void captionsFit()
    {
        QFETCH(QString, name);
        frmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QWidget *found = control(window, qPrintable(name));
        const std::unique_ptr<QWidget> roomy = withRoomToSpare(found);
        QCOMPARE(captionInk(found), captionInk(roomy.get()));
    }

    void pictureBoxesStartBlank_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("systemBackground");
        QTest::newRow("picGraph") << "picGraph" << false;
        QTest::newRow("picLaunchAngle") << "picLaunchAngle" << true;
        QTest::newRow("picWindAngle") << "picWindAngle" << true;
    }

    void pictureBoxesStartBlank()
    {
        QFETCH(QString, name);
        QFETCH(bool, systemBackground);
        frmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QWidget *box = control(window, qPrintable(name));
        const QColor background =
            systemBackground ? box->palette().color(QPalette::Base) : QColor(Qt::white);
        QCOMPARE(pixelsNotOfColour(seen(window, qPrintable(name)), background), 0);
        QCOMPARE(box->toolTip(), QString());
    }

    void clearButtonsTouchOnlyTheirFields_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("Clear Launch Info") << "cmdClearLaunch" << QStringList{"0", "0", "60", "5"};
        QTest::newRow("Clear Wind Info") << "cmdClearWind" << QStringList{"30", "10", "0", "0"};
    }

    void clearButtonsTouchOnlyTheirFields()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, fields);
        frmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        type(window, "txtLaunchAngle", "30");
        type(window, "txtLaunchVelocity", "10");
        type(window, "txtWindAngle", "60");
        type(window, "txtWindVelocity", "5");
        click(window, "cmdLaunchWithoutWind");
        const QImage plot = seen(window, "picGraph");
        const QImage launchNeedle = seen(window, "picLaunchAngle");
        const QImage windNeedle = seen(window, "picWindAngle");
        QVERIFY(pixelsNotOfColour(plot, Qt::white) > 0);
        QCOMPARE(control(window, "picLaunchAngle")->toolTip(), QStringLiteral("30 degrees"));
        QCOMPARE(control(window, "picWindAngle")->toolTip(), QStringLiteral("60 degrees"));

        click(window, qPrintable(button));
        QCOMPARE((QStringList{text(window, "txtLaunchAngle"), text(window, "txtLaunchVelocity"),
                              text(window, "txtWindAngle"), text(window, "txtWindVelocity")}),
                 fields);
        QVERIFY(seen(window, "picGraph") == plot);
        QVERIFY(seen(window, "picLaunchAngle") == launchNeedle);
        QVERIFY(seen(window, "picWindAngle") == windNeedle);
        QCOMPARE(control(window, "picLaunchAngle")->toolTip(), QStringLiteral("30 degrees"));
        QCOMPARE(control(window, "picWindAngle")->toolTip(), QStringLiteral("60 degrees"));
    }

    void firstFocus()
    {
        frmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(focusName(), focusCycle.first());
    }

    void tabOrder_data()
    {
        QTest::addColumn<bool>("backwards");
        QTest::newRow("Tab") << false;
        QTest::newRow("Shift+Tab") << true;
    }

    // Round the whole cycle and back to the start, skipping the picture
    // boxes, frames and labels.
    void tabOrder()
    {
        QFETCH(bool, backwards);
        frmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QStringList expected = focusCycle;
        if (backwards)
            std::reverse(expected.begin() + 1, expected.end());
        expected << focusCycle.first();
        QStringList visited{focusName()};
        for (int press = 0; press < focusCycle.size(); ++press) {
            pressTab(backwards ? Qt::ShiftModifier : Qt::NoModifier);
            visited << focusName();
        }
        QCOMPARE(visited, expected);
    }

    // The Tab key is let go in the field it moved to: that is a key release
    // in an angle field like any other.
    void tabbingIntoAnAngleFieldDrawsItsNeedle()
    {
        frmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        control(window, "cmdLaunchWithoutWind")->setFocus(Qt::TabFocusReason);
        pressTab();
        QCOMPARE(focusName(), QStringLiteral("txtLaunchAngle"));
        QCOMPARE(control(window, "picLaunchAngle")->toolTip(), QStringLiteral("0 degrees"));
        QCOMPARE(control(window, "picWindAngle")->toolTip(), QString());
    }

    void pictureBoxesTakeNoFocus_data()
    {
        QTest::addColumn<QString>("box");
        QTest::newRow("picGraph") << "picGraph";
        QTest::newRow("picLaunchAngle") << "picLaunchAngle";
        QTest::newRow("picWindAngle") << "picWindAngle";
    }

    void pictureBoxesTakeNoFocus()
    {
        QFETCH(QString, box);
        frmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        control(window, "txtWindVelocity")->setFocus();
        QTest::mouseClick(control(window, qPrintable(box)), Qt::LeftButton);
        QCOMPARE(focusName(), QStringLiteral("txtWindVelocity"));
    }

    void anErrorIsReportedOnceAndTheWindowCarriesOn_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("segmentsBeforeError");
        QTest::newRow("launch velocity") << "txtLaunchVelocity"
                                         << "1e400"
                                         << "cmdLaunchWithoutWind" << 0;
        QTest::newRow("launch angle") << "txtLaunchAngle"
                                      << "1e400"
                                      << "cmdLaunchWithWind" << 0;
        QTest::newRow("wind velocity") << "txtWindVelocity"
                                       << "1e400"
                                       << "cmdLaunchWithWind" << 0;
        QTest::newRow("wind angle") << "txtWindAngle"
                                    << "1e400"
                                    << "cmdLaunchWithWind" << 0;
        QTest::newRow("a flight off the single range") << "txtLaunchVelocity"
                                                       << "1e200"
                                                       << "cmdLaunchWithoutWind" << 1;
    }

    // The failed launch leaves its button reading "Stop Plotting", since the
    // error abandons the handler before the flight's end resets it; one click
    // puts it back, and the next launch flies.
    void anErrorIsReportedOnceAndTheWindowCarriesOn()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, button);
        QFETCH(int, segmentsBeforeError);
        frmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        ErrorRecorder errors;
        SegmentRecorder segments(control<runtime::PictureBox>(window, "picGraph"));
        type(window, "txtLaunchVelocity", "10");
        type(window, "txtLaunchAngle", "45");
        type(window, qPrintable(field), value);
        errors.errors.clear();

        click(window, qPrintable(button));
        QCOMPARE(errors.errors.size(), std::size_t(1));
        QCOMPARE(runtime::errorMessage(errors.errors.front()),
                 QStringLiteral("Run-time error '6': Overflow"));
        QCOMPARE(segments.lines.size(), std::size_t(segmentsBeforeError));
        QCOMPARE(caption(window, qPrintable(button)), QStringLiteral("Stop Plotting"));

        click(window, qPrintable(button));
        QCOMPARE(caption(window, qPrintable(button)), readyCaption(button));
        click(window, "cmdClearLaunch");
        click(window, "cmdClearWind");
        type(window, "txtLaunchVelocity", "10");
        type(window, "txtLaunchAngle", "45");
        segments.lines.clear();
        click(window, qPrintable(button));
        QCOMPARE(segments.lines.size(), std::size_t(17));
        QCOMPARE(caption(window, qPrintable(button)), readyCaption(button));
        QCOMPARE(errors.errors.size(), std::size_t(1));
    }

    void aNeedleErrorIsReportedOnce()
    {
        frmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        ErrorRecorder errors;
        type(window, "txtWindAngle", "1e400");
        QCOMPARE(errors.errors.size(), std::size_t(1));
        QCOMPARE(control(window, "picWindAngle")->toolTip(), QStringLiteral("1E+40 degrees"));
        click(window, "cmdClearWind");
        type(window, "txtWindAngle", "45");
        QCOMPARE(control(window, "picWindAngle")->toolTip(), QStringLiteral("45 degrees"));
        QCOMPARE(errors.errors.size(), std::size_t(1));
    }

private:
    static QString readyCaption(const QString &button)
    {
        return button == QLatin1String("cmdLaunchWithWind") ? QStringLiteral("Launch With Wind")
                                                            : QStringLiteral("Launch Without Wind");
    }
};

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
