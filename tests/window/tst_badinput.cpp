#include "flightlimiter.h"
#include "windowdriver.h"

#include <QClipboard>
#include <QGuiApplication>

using namespace windowdriver;

namespace {

const QString stopCaption = QStringLiteral("Stop Plotting");

struct Launcher
{
    const char *button;
    const char *ready;
    bool readsWind;
};

const Launcher withoutWind{"cmdLaunchWithoutWind", "Launch Without Wind", false};
const Launcher withWind{"cmdLaunchWithWind", "Launch With Wind", true};

bool isWindField(const QByteArray &field)
{
    return field.startsWith("txtWind");
}
bool isAngleField(const QByteArray &field)
{
    return field.endsWith("Angle");
}

const char *needleBoxOf(const QByteArray &field)
{
    return field == "txtLaunchAngle" ? "picLaunchAngle" : "picWindAngle";
}

// Replaces a field's text as a person pasting it: Ctrl+A, then Ctrl+V.
void paste(const frmMain &window, const char *field, const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    auto *edit = control<QLineEdit>(window, field);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
}

QString repeated(QChar c, int count)
{
    return QString(count, c);
}

} // namespace

class TestBadInput : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("probe"));
        if (QGuiApplication::clipboard()->text() != QLatin1String("probe"))
            QSKIP("this platform has no clipboard to paste from");
    }

    void anyTextInAnyField_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("overflows");
        // The number as an angle field's tooltip shows it (when it converts).
        QTest::addColumn<QString>("shown");

        struct Hostile
        {
            const char *label;
            QString text;
            bool overflows;
            const char *shown;
        };
        const QString tenThousandNines = repeated(u'9', 10000);
        const QString tinyFraction = QStringLiteral("0.") + repeated(u'0', 9997) + u'1';
        const QString longFraction = QStringLiteral("1.") + repeated(u'5', 9998);
        const std::vector<Hostile> texts{
            {"empty", QString(), false, "0"},
            {"letters", QStringLiteral("abc"), false, "0"},
            {"arabic-indic digits", QStringLiteral("\u0664\u0665"), false, "0"},
            {"fullwidth digits", QStringLiteral("\uFF14\uFF15"), false, "0"},
            {"superscript digits", QStringLiteral("\u2074\u2075"), false, "0"},
            {"mathematical digits", QStringLiteral("\U0001D7D2\U0001D7D3"), false, "0"},
            {"NaN", QStringLiteral("NaN"), false, "0"},
            {"inf", QStringLiteral("inf"), false, "0"},
            {"-Infinity", QStringLiteral("-Infinity"), false, "0"},
            {"hex", QStringLiteral("0x1F"), false, "0"},
            {"comma decimal", QStringLiteral("1,5"), false, "1"},
            {"minus zero", QStringLiteral("-0"), false, "0"},
            {"below the smallest double", QStringLiteral("1e-400"), false, "0"},
            {"smallest subnormal", QStringLiteral("4.9e-324"), false, "4.94065645841247E-324"},
            {"small exponent", QStringLiteral("1e-5"), false, "1E-05"},
            {"largest double", QStringLiteral("1.7976931348623157e308"), false,
             "1.79769313486232E+308"},
            {"1e308", QStringLiteral("1e308"), false, "1E+308"},
            {"eighteen digits", QStringLiteral("123456789012345678"), false,
             "1.23456789012346E+17"},
            {"1e400", QStringLiteral("1e400"), true, ""},
            {"-1e400", QStringLiteral("-1e400"), true, ""},
            {"just above the double range", QStringLiteral("1.8e308"), true, ""},
            {"dangling exponent", QStringLiteral("12e"), false, "12"},
            {"signed dangling exponent", QStringLiteral("1e+"), false, "1"},
            {"leading point", QStringLiteral(".5"), false, "0.5"},
            {"lone point", QStringLiteral("."), false, "0"},
            {"lone sign", QStringLiteral("-"), false, "0"},
            {"double sign", QStringLiteral("--5"), false, "0"},
            {"blanks and a unit", QStringLiteral(" \t\r\n 30 degrees"), false, "30"},
            {"no-break space", QStringLiteral("\u00A045"), false, "0"},
            {"control characters", QStringLiteral("\x01\x02 7\x1b"), false, "0"},
            {"embedded nul", QStringLiteral("4") + QChar(0) + QStringLiteral("5"), false, "4"},
            {"delete and escape after digits", QStringLiteral("25\x7f\x1b"), false, "25"},
            {"right-to-left override", QStringLiteral("\u202E45"), false, "0"},
            {"combining accent", QStringLiteral("45\u0301"), false, "45"},
            {"emoji", QStringLiteral("\U0001F600 45"), false, "0"},
            {"lone surrogate", QString(QChar(0xD800)) + QStringLiteral("5"), false, "0"},
            {"10000 nines", tenThousandNines, true, ""},
            {"10000 letters", repeated(u'x', 10000), false, "0"},
            {"10000-character tiny fraction", tinyFraction, false, "0"},
            {"10000-character fraction", longFraction, false, "1.55555555555556"},
            {"digits then 9998 letters", QStringLiteral("45") + repeated(u'z', 9998), false, "45"},
            {"10000-digit exponent", QStringLiteral("1e") + repeated(u'0', 9997) + u'1', false,
             "10"},
        };
        for (const char *field :
             {"txtLaunchAngle", "txtLaunchVelocity", "txtWindAngle", "txtWindVelocity"})
            for (const Hostile &hostile : texts)
                QTest::addRow("%s: %s", field, hostile.label)
                    << QByteArray(field) << hostile.text << hostile.overflows
                    << QString::fromLatin1(hostile.shown);
    }

    // The field keeps the text; a text the program cannot compute with is one
    // Overflow error per action, and the window works normally afterwards.
    void anyTextInAnyField()
    {
        QFETCH(QByteArray, field);
        QFETCH(QString, input);
        QFETCH(bool, overflows);
        QFETCH(QString, shown);

        frmMain window;
        window.show();
        ErrorRecorder errors;
        SegmentRecorder segments(control<runtime::PictureBox>(window, "picGraph"));
        const FlightLimiter limiter(window, 300);
        type(window, "txtLaunchVelocity", "10");
        type(window, "txtLaunchAngle", "45");

        paste(window, field.constData(), input);
        QCOMPARE(text(window, field.constData()), input);
        // Once pasted, the text is read on the release of V and again on that of Ctrl.
        const bool pasteFails = overflows && isAngleField(field);
        QCOMPARE(errors.errors.size(), std::size_t(pasteFails ? 2 : 0));
        if (isAngleField(field))
            checkNeedleAfterKeyRelease(window, field, errors, overflows, shown);
        errors.errors.clear();

        for (const Launcher &launcher : {withoutWind, withWind}) {
            segments.lines.clear();
            click(window, launcher.button);
            const bool readsField = !isWindField(field) || launcher.readsWind;
            QVERIFY2(errors.errors.size() <= 1, launcher.button);
            if (overflows && readsField) {
                QCOMPARE(errors.errors.size(), std::size_t(1));
                QCOMPARE(errors.errors.front().number(), 6);
                QVERIFY(segments.lines.empty());
            }
            if (!readsField) {
                QVERIFY(errors.errors.empty());
                QCOMPARE(segments.lines.size(), std::size_t(17));
            }
            recoverCaption(window, launcher, errors);
            QCOMPARE(text(window, field.constData()), input);
        }

        checkStillWorks(window, segments, errors);
    }

private:
    // Releasing an arrow key in the field redraws the needle from the text.
    static void checkNeedleAfterKeyRelease(const frmMain &window, const QByteArray &field,
                                           ErrorRecorder &errors, bool overflows,
                                           const QString &shown)
    {
        auto *box = control<runtime::PictureBox>(window, needleBoxOf(field));
        const QImage before = box->image();
        const QString tipBefore = box->ToolTipText();
        errors.errors.clear();
        QTest::keyClick(control(window, field.constData()), Qt::Key_Right);
        if (overflows) {
            QCOMPARE(errors.errors.size(), std::size_t(1));
            QCOMPARE(errors.errors.front().number(), 6);
            QCOMPARE(box->ToolTipText(), tipBefore);
            QVERIFY(box->image() == before);
        } else {
            QVERIFY(errors.errors.empty());
            QCOMPARE(box->ToolTipText(), shown + QStringLiteral(" degrees"));
        }
    }

    // A launch abandoned by an error keeps "Stop Plotting"; one click on it
    // brings back the ready caption.
    static void recoverCaption(const frmMain &window, const Launcher &launcher,
                               ErrorRecorder &errors)
    {
        if (caption(window, launcher.button) == stopCaption) {
            QCOMPARE(errors.errors.size(), std::size_t(1));
            click(window, launcher.button);
        }
        QCOMPARE(caption(window, launcher.button), QString::fromLatin1(launcher.ready));
        QVERIFY(errors.errors.size() <= 1);
        errors.errors.clear();
    }

    static void checkStillWorks(const frmMain &window, SegmentRecorder &segments,
                                ErrorRecorder &errors)
    {
        click(window, "cmdClearLaunch");
        click(window, "cmdClearWind");
        for (const char *field :
             {"txtLaunchAngle", "txtLaunchVelocity", "txtWindAngle", "txtWindVelocity"})
            QCOMPARE(text(window, field), QStringLiteral("0"));
        type(window, "txtLaunchVelocity", "10");
        type(window, "txtLaunchAngle", "45");
        QCOMPARE(control<runtime::PictureBox>(window, "picLaunchAngle")->ToolTipText(),
                 QStringLiteral("45 degrees"));
        for (const Launcher &launcher : {withoutWind, withWind}) {
            segments.lines.clear();
            click(window, launcher.button);
            QCOMPARE(segments.lines.size(), std::size_t(17));
            QCOMPARE(caption(window, launcher.button), QString::fromLatin1(launcher.ready));
        }
        QVERIFY(errors.errors.empty());
    }
};

QTEST_MAIN(TestBadInput)
#include "tst_badinput.moc"
