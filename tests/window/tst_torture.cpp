#include "eventpump.h"
#include "flightlimiter.h"
#include "windowdriver.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMetaObject>
#include <array>
#include <functional>
#include <random>

using namespace windowdriver;

namespace {

constexpr std::array<const char *, 4> fields{"txtLaunchAngle", "txtLaunchVelocity", "txtWindAngle",
                                             "txtWindVelocity"};
constexpr std::array<const char *, 6> buttons{"cmdLaunchWithoutWind", "cmdLaunchWithWind",
                                              "cmdClearLaunch",       "cmdClearWind",
                                              "cmdClearPlot",         "cmdDrawPlotLines"};
constexpr std::array<const char *, 2> readyCaptions{"Launch Without Wind", "Launch With Wind"};
constexpr int clearLaunch = 2;
constexpr int clearWind = 3;

// What each field should show. Typing, pasting and clicks made at once change
// it at once; keys and clicks still in the queue change it, in order, when
// the window gets round to them.
class FieldModel
{
public:
    void set(std::size_t field, const QString &text) { shown_[field] = text; }
    void setLater(std::size_t field, const QString &text)
    {
        pending_.push_back({field, text, true});
    }
    void appendLater(std::size_t field, const QString &text)
    {
        pending_.push_back({field, text, false});
    }
    void deliver()
    {
        for (const Change &change : pending_)
            shown_[change.field] =
                change.replace ? change.text : shown_[change.field] + change.text;
        pending_.clear();
    }
    const QString &shown(std::size_t field) const { return shown_[field]; }

private:
    struct Change
    {
        std::size_t field;
        QString text;
        bool replace;
    };
    std::array<QString, 4> shown_{"0", "0", "0", "0"};
    std::vector<Change> pending_;
};

// Texts a person might enter: mostly small numbers, so that flights stay short,
// with junk, blanks and numbers the program cannot compute with mixed in.
class TextMaker
{
public:
    explicit TextMaker(std::mt19937 &random) : random_(random) {}

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    // Latin-1 only: the test library types nothing else key by key.
    QString typeable()
    {
        switch (below(6)) {
        case 0:
            return QString();
        case 1:
            return pick({"abc", " 12 ", "1e", "-", ".", "3,5", "e5", "+7x", " 4"});
        case 2:
            return pick({"1e400", "1e300", "-0", "NaN", "inf", "1e-400", "99e37"});
        default:
            return QString::number(below(31) - 5) + pick({"", ".5", "e0", "abc", " m/s"});
        }
    }

    QString pasteable()
    {
        if (below(3) == 0)
            return pick({"\u0664\u0665", "\uFF14\uFF15", "\U0001F600", "\x01\x1b 9",
                         "1.7976931348623157e308", "1.8e308"});
        return typeable();
    }

    QString key() { return pick({"0", "1", "5", "9", ".", "e", "-", "x", " ", "\u0664"}); }

private:
    QString pick(std::initializer_list<const char *> choices)
    {
        return QString::fromUtf8(*(choices.begin() + below(int(choices.size()))));
    }

    std::mt19937 &random_;
};

// Counts the clicks that arrive while a flight is under way.
class ClicksInFlight : public QObject
{
public:
    explicit ClicksInFlight(const frmMain &window) : window_(window)
    {
        for (const char *button : buttons)
            control(window, button)->installEventFilter(this);
    }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonRelease)
            for (std::size_t i = 0; i < readyCaptions.size(); ++i)
                if (caption(window_, buttons[i]) == QLatin1String("Stop Plotting")) {
                    ++count;
                    break;
                }
        return false;
    }

private:
    const frmMain &window_;
};

// One run of random actions against one window.
class Torture
{
public:
    Torture(frmMain &window, std::uint32_t seed)
        : window_(window), seed_(seed), random_(seed), texts_(random_), limiter_(window, 120)
    {
        actions_ = {
            {6, [this] { clickLaunch(); }},    {2, [this] { clickOther(); }},
            {3, [this] { typeText(); }},       {1, [this] { pasteText(); }},
            {1, [this] { releaseInAngle(); }}, {6, [this] { queueClick(); }},
            {3, [this] { queueKey(); }},       {1, [this] { queueRelease(); }},
        };
        for (const Action &action : actions_)
            totalWeight_ += action.weight;
    }

    // Runs one action; returns what went wrong, or nothing.
    QString step(int index)
    {
        step_ = index;
        int roll = texts_.below(totalWeight_);
        for (const Action &action : actions_) {
            roll -= action.weight;
            if (roll < 0) {
                action.run();
                break;
            }
        }
        return check();
    }

    // Ends with a flight under way when the window closes.
    QString closeMidFlight()
    {
        lastAction_ = QStringLiteral("close during a flight");
        type(window_, "txtLaunchVelocity", "20");
        type(window_, "txtLaunchAngle", "80");
        model_.set(1, QStringLiteral("20"));
        model_.set(0, QStringLiteral("80"));
        flush();
        QMetaObject::invokeMethod(&window_, "close", Qt::QueuedConnection);
        click(window_, "cmdLaunchWithWind");
        flush();
        if (window_.isVisible())
            return failure(QStringLiteral("the window is still shown after closing"));
        if (window_.isPlotting())
            return failure(QStringLiteral("Plotting is still True after closing"));
        return check(false);
    }

    int errorCount() const { return int(errors_.errors.size()); }
    int stops() const { return limiter_.stops(); }
    int clicksInFlight() const { return clicksInFlight_.count; }

private:
    struct Action
    {
        int weight;
        std::function<void()> run;
    };

    void clickLaunch()
    {
        const int button = texts_.below(2);
        lastAction_ = QStringLiteral("click %1").arg(buttons[button]);
        click(window_, buttons[button]);
        afterClick(button);
    }

    void clickOther()
    {
        const int button = 2 + texts_.below(4);
        lastAction_ = QStringLiteral("click %1").arg(buttons[button]);
        click(window_, buttons[button]);
        afterClick(button);
    }

    void afterClick(int button)
    {
        if (button == clearLaunch || button == clearWind)
            clearFields(button, false);
        flush();
    }

    void clearFields(int button, bool later)
    {
        const std::size_t first = button == clearLaunch ? 0 : 2;
        for (std::size_t field = first; field < first + 2; ++field)
            later ? model_.setLater(field, QStringLiteral("0"))
                  : model_.set(field, QStringLiteral("0"));
    }

    void typeText()
    {
        const std::size_t field = std::size_t(texts_.below(4));
        const QString text = texts_.typeable();
        lastAction_ = QStringLiteral("type \"%1\" into %2").arg(text, fields[field]);
        type(window_, fields[field], text);
        model_.set(field, text);
        flush();
    }

    void pasteText()
    {
        const std::size_t field = std::size_t(texts_.below(4));
        const QString text = texts_.pasteable();
        lastAction_ = QStringLiteral("paste \"%1\" into %2").arg(text, fields[field]);
        QGuiApplication::clipboard()->setText(text);
        auto *edit = control<QLineEdit>(window_, fields[field]);
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        model_.set(field, text);
        flush();
    }

    void releaseInAngle()
    {
        const std::size_t field = std::size_t(2 * texts_.below(2));
        lastAction_ = QStringLiteral("release a key in %1").arg(fields[field]);
        QTest::keyClick(control(window_, fields[field]), Qt::Key_Right);
        flush();
    }

    void queueClick()
    {
        const int button = texts_.below(int(buttons.size()));
        lastAction_ = QStringLiteral("queue a click on %1").arg(buttons[button]);
        postClick(window_, buttons[button]);
        if (button == clearLaunch || button == clearWind)
            clearFields(button, true);
    }

    void queueKey()
    {
        const std::size_t field = std::size_t(texts_.below(4));
        const QString key = texts_.key();
        lastAction_ = QStringLiteral("queue the key \"%1\" in %2").arg(key, fields[field]);
        auto *edit = control(window_, fields[field]);
        QCoreApplication::postEvent(edit,
                                    new QKeyEvent(QEvent::KeyPress, Qt::Key_unknown, {}, key));
        postKeyRelease(edit, Qt::Key_unknown, key);
        model_.appendLater(field, key);
    }

    void queueRelease()
    {
        const std::size_t field = std::size_t(2 * texts_.below(2));
        lastAction_ = QStringLiteral("queue a key release in %1").arg(fields[field]);
        postKeyRelease(control(window_, fields[field]));
    }

    // Lets the window handle everything still queued, flights and grids included.
    void flush()
    {
        runtime::pumpEvents();
        runtime::pumpEvents();
        model_.deliver();
    }

    QString check(bool shown = true) const
    {
        if (window_.isVisible() != shown)
            return failure(QStringLiteral("the window's visibility changed"));
        for (std::size_t i = 0; i < readyCaptions.size(); ++i) {
            const QString now = caption(window_, buttons[i]);
            if (now != QLatin1String(readyCaptions[i]) && now != QLatin1String("Stop Plotting"))
                return failure(QStringLiteral("%1 reads \"%2\"").arg(buttons[i], now));
            // Only a launch abandoned by an error leaves "Stop Plotting" behind.
            if (now != QLatin1String(readyCaptions[i]) && errors_.errors.empty())
                return failure(QStringLiteral("%1 reads \"%2\" after every flight ended")
                                   .arg(buttons[i], now));
        }
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (text(window_, fields[i]) != model_.shown(i))
                return failure(QStringLiteral("%1 reads \"%2\", not \"%3\"")
                                   .arg(fields[i], text(window_, fields[i]), model_.shown(i)));
        }
        for (const char *box : {"picLaunchAngle", "picWindAngle"}) {
            const QString tip = control<runtime::PictureBox>(window_, box)->ToolTipText();
            if (!tip.isEmpty() && !tip.endsWith(QLatin1String(" degrees")))
                return failure(QStringLiteral("%1's tooltip is \"%2\"").arg(box, tip));
        }
        for (const runtime::RuntimeError &error : errors_.errors)
            if (error.number() != 6 && error.number() != 11)
                return failure(QStringLiteral("unexpected error %1: %2")
                                   .arg(error.number())
                                   .arg(QString::fromStdString(error.description())));
        return {};
    }

    QString failure(const QString &what) const
    {
        return QStringLiteral("seed %1 (set TREVANE_TORTURE_SEED=%1 to repeat), action %2 (%3): %4")
            .arg(seed_)
            .arg(step_)
            .arg(lastAction_, what);
    }

    frmMain &window_;
    std::uint32_t seed_;
    std::mt19937 random_;
    TextMaker texts_;
    ErrorRecorder errors_;
    FlightLimiter limiter_;
    ClicksInFlight clicksInFlight_{window_};
    FieldModel model_;
    std::vector<Action> actions_;
    int totalWeight_ = 0;
    int step_ = 0;
    QString lastAction_;
};

} // namespace

class TestTorture : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("probe"));
        if (QGuiApplication::clipboard()->text() != QLatin1String("probe"))
            QSKIP("this platform has no clipboard to paste from");
    }

    void randomActions_data()
    {
        QTest::addColumn<std::uint32_t>("seed");
        QTest::addColumn<int>("actions");
        bool given = false;
        const std::uint32_t seed = qEnvironmentVariable("TREVANE_TORTURE_SEED").toUInt(&given);
        if (given) {
            QTest::addRow("seed %u", seed) << seed << 5000;
            return;
        }
        for (const std::uint32_t fixed : {20261207u, 1u, 4242u})
            QTest::addRow("seed %u", fixed) << fixed << 2000;
    }

    void randomActions()
    {
        QFETCH(std::uint32_t, seed);
        QFETCH(int, actions);
        frmMain window;
        window.show();
        Torture torture(window, seed);
        for (int i = 1; i <= actions; ++i) {
            const QString failure = torture.step(i);
            if (!failure.isEmpty())
                QFAIL(qPrintable(failure));
        }
        const QString failure = torture.closeMidFlight();
        if (!failure.isEmpty())
            QFAIL(qPrintable(failure));
        qInfo("seed %u: %d actions, %d clicks during flights, %d run-time errors, %d flights "
              "stopped for length",
              seed, actions, torture.clicksInFlight(), torture.errorCount(), torture.stops());
    }
};

QTEST_MAIN(TestTorture)
#include "tst_torture.moc"
