#include "closeonsignal.h"

#include <QApplication>
#include <QCloseEvent>
#include <QTest>
#include <csignal>
#include <memory>

using runtime::CloseOnSignal;

namespace {

// Counts the close events a window receives.
class Window : public QWidget
{
public:
    int closes = 0;

protected:
    void closeEvent(QCloseEvent *event) override
    {
        ++closes;
        QWidget::closeEvent(event);
    }
};

} // namespace

class TestCloseOnSignal : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { CloseOnSignal::catchSignals(); }

    void eachSignalClosesTheWindow_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGHUP") << SIGHUP;
    }

    // The window closes as if the user had closed it: through its close event.
    void eachSignalClosesTheWindow()
    {
        QFETCH(int, signal);
        Window window;
        const CloseOnSignal closeOnSignal(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        std::raise(signal);
        QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), 10000);
        QCOMPARE(window.closes, 1);
    }

    // A signal that comes before anything watches for it is kept, not lost.
    void earlySignalIsKept()
    {
        std::raise(SIGTERM);
        Window window;
        const CloseOnSignal closeOnSignal(&window);
        window.show();
        QTRY_VERIFY_WITH_TIMEOUT(window.closes == 1, 10000);
        QVERIFY(!window.isVisible());
    }

    void signalsInARowCloseOnce()
    {
        Window window;
        const CloseOnSignal closeOnSignal(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (int i = 0; i < 100; ++i)
            std::raise(SIGINT);
        QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), 10000);
        QCOMPARE(window.closes, 1);
    }

    void aWindowAlreadyGoneIsNoFault()
    {
        auto window = std::make_unique<Window>();
        const CloseOnSignal closeOnSignal(window.get());
        window.reset();
        std::raise(SIGHUP);
        Window other;
        const CloseOnSignal closeOther(&other);
        other.show();
        QTRY_VERIFY_WITH_TIMEOUT(!other.isVisible(), 10000);
    }
};

QTEST_MAIN(TestCloseOnSignal)
#include "tst_closeonsignal.moc"
