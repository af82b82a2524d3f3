#include "windowdriver.h"

#include <QMetaObject>
#include <cstdint>

using namespace windowdriver;

namespace {

const QString withoutWindReady = QStringLiteral("Launch Without Wind");
const QString withWindReady = QStringLiteral("Launch With Wind");

// Notes how deep the stack is each time a press reaches a button: presses
// that arrive one nesting level further in lie further down the stack.
class StackProbe : public QObject
{
public:
    explicit StackProbe(const frmMain &window)
    {
        control(window, "cmdLaunchWithoutWind")->installEventFilter(this);
        control(window, "cmdLaunchWithWind")->installEventFilter(this);
    }

    std::vector<std::uintptr_t> depths;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress)
            depths.push_back(reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0)));
        return false;
    }
};

// How the innermost flight is ended.
enum class Ending { StopSameButton, StopOtherButton, CloseWindow };

} // namespace

Q_DECLARE_METATYPE(Ending)

class TestDeepNesting : public QObject
{
    Q_OBJECT

private slots:
    void nestedFlightsAllEnd_data()
    {
        QTest::addColumn<QByteArray>("outer");
        QTest::addColumn<QByteArray>("nested");
        QTest::addColumn<int>("levels");
        QTest::addColumn<Ending>("ending");

        const QByteArray without = "cmdLaunchWithoutWind";
        const QByteArray with = "cmdLaunchWithWind";
        QTest::newRow("without wind, 1 deep") << without << without << 1 << Ending::StopSameButton;
        QTest::newRow("without wind, 500 deep")
            << without << without << 500 << Ending::StopSameButton;
        QTest::newRow("with wind, 500 deep") << with << with << 500 << Ending::StopSameButton;
        QTest::newRow("other button, 500 deep, stopped by the outer button")
            << without << with << 500 << Ending::StopOtherButton;
        QTest::newRow("other button, 500 deep, stopped by the inner button")
            << with << without << 500 << Ending::StopSameButton;
        QTest::newRow("500 deep, window closed")
            << without << without << 500 << Ending::CloseWindow;
    }

    // Every level is a stop click and a start click on the flying button, both
    // handled before the flight that is running resumes: the second starts a
    // new flight inside it. The pairs all queue at once, so each new flight's
    // first round of events brings the next pair.
    void nestedFlightsAllEnd()
    {
        QFETCH(QByteArray, outer);
        QFETCH(QByteArray, nested);
        QFETCH(int, levels);
        QFETCH(Ending, ending);

        frmMain window;
        window.show();
        ErrorRecorder errors;
        SegmentRecorder segments(control<runtime::PictureBox>(window, "picGraph"));
        type(window, "txtLaunchVelocity", "10");
        type(window, "txtLaunchAngle", "45");
        auto *nestedButton = control(window, nested.constData());
        StackProbe probe(window);

        // A click on the idle button nests once; after that its caption reads
        // "Stop Plotting" and pairs of clicks nest further.
        int pairs = levels;
        if (outer != nested) {
            postClick(nestedButton);
            --pairs;
        }
        for (int i = 0; i < pairs; ++i) {
            postClick(nestedButton);
            postClick(nestedButton);
        }
        switch (ending) {
        case Ending::StopSameButton:
            postClick(nestedButton);
            break;
        case Ending::StopOtherButton:
            postClick(window, outer.constData());
            break;
        case Ending::CloseWindow:
            QMetaObject::invokeMethod(&window, "close", Qt::QueuedConnection);
            break;
        }
        click(window, outer.constData());

        QVERIFY(errors.errors.empty());
        QVERIFY(!window.isPlotting());
        QCOMPARE(caption(window, "cmdLaunchWithoutWind"), withoutWindReady);
        QCOMPARE(caption(window, "cmdLaunchWithWind"), withWindReady);
        // Every flight was stopped before it drew its first segment.
        QCOMPARE(segments.lines.size(), std::size_t(0));
        QCOMPARE(window.isVisible(), ending != Ending::CloseWindow);
        // A closing arrives at the innermost flight without a press.
        reportStackUse(probe.depths, ending == Ending::CloseWindow ? levels - 1 : levels);

        if (ending != Ending::CloseWindow) {
            click(window, "cmdLaunchWithoutWind");
            QCOMPARE(segments.lines.size(), std::size_t(17));
            QCOMPARE(caption(window, "cmdLaunchWithoutWind"), withoutWindReady);
        }
    }

private:
    static void reportStackUse(const std::vector<std::uintptr_t> &depths, int levels)
    {
        if (depths.size() < 2 || levels < 2)
            return;
        const std::uintptr_t used = depths.front() - depths.back();
        qInfo("stack for %d nested flights: %zu KiB, %zu bytes per level", levels,
              std::size_t(used / 1024), std::size_t(used / std::uintptr_t(levels)));
    }
};

QTEST_MAIN(TestDeepNesting)
#include "tst_deepnesting.moc"
