#include "numberconversion.h"
#include "runtimeerror.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <functional>
#include <limits>

using namespace runtime;

namespace {

// The number of the run-time error raised, 0 when there is none.
int errorNumberOf(const std::function<void()> &conversion)
{
    try {
        conversion();
    } catch (const RuntimeError &error) {
        return error.number();
    }
    return 0;
}

std::u16string_view view(const QString &text)
{
    return {reinterpret_cast<const char16_t *>(text.utf16()), std::size_t(text.size())};
}

QByteArray describe(double value)
{
    return QByteArray::number(value, 'g', 17);
}

constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();

} // namespace

class TestNumberConversion : public QObject
{
    Q_OBJECT

private slots:
    void valueOfText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("error");
        QTest::newRow("empty") << "" << 0.0 << 0;
        QTest::newRow("blanks, then letters") << "  12.5abc" << 12.5 << 0;
        QTest::newRow("negative exponent form") << "-3e2" << -300.0 << 0;
        QTest::newRow("plus and no whole part") << "+.5" << 0.5 << 0;
        QTest::newRow("capital E") << "1E2" << 100.0 << 0;
        QTest::newRow("signed exponent") << "1e+05" << 100000.0 << 0;
        QTest::newRow("everything") << "  -12.75e-1xyz" << -1.275 << 0;
        QTest::newRow("trailing point") << "5." << 5.0 << 0;
        QTest::newRow("point then exponent") << ".5e1" << 5.0 << 0;
        QTest::newRow("leading zeros") << "00012" << 12.0 << 0;
        QTest::newRow("minus zero") << "-0" << 0.0 << 0;
        QTest::newRow("many digits")
            << "123456789012345678901234567890" << 1.2345678901234568e29 << 0;
        QTest::newRow("tab") << "\t7" << 7.0 << 0;
        QTest::newRow("line breaks") << "\r\n 3" << 3.0 << 0;
        QTest::newRow("no-break space is not blank") << QString(QChar(0xA0)) + "5" << 0.0 << 0;
        QTest::newRow("point alone") << "." << 0.0 << 0;
        QTest::newRow("sign alone") << "-" << 0.0 << 0;
        QTest::newRow("two signs") << "+-1" << 0.0 << 0;
        QTest::newRow("blank after sign") << "- 5" << 0.0 << 0;
        QTest::newRow("comma ends the number") << "1,5" << 1.0 << 0;
        QTest::newRow("blank ends the number") << "12 34" << 12.0 << 0;
        QTest::newRow("second point ends it") << "1.2.3" << 1.2 << 0;
        QTest::newRow("letters") << "abc" << 0.0 << 0;
        QTest::newRow("e without digits") << "12e" << 12.0 << 0;
        QTest::newRow("e and sign without digits") << "12e+" << 12.0 << 0;
        QTest::newRow("e and sign then letter") << "12e-x" << 12.0 << 0;
        QTest::newRow("exponent alone") << "e5" << 0.0 << 0;
        QTest::newRow("point and exponent alone") << ".e5" << 0.0 << 0;
        QTest::newRow("hexadecimal is not read") << "0x10" << 0.0 << 0;
        QTest::newRow("inf is not a number") << "inf" << 0.0 << 0;
        QTest::newRow("Infinity is not a number") << "Infinity" << 0.0 << 0;
        QTest::newRow("nan is not a number") << "nan" << 0.0 << 0;
        QTest::newRow("Arabic-Indic digit") << QString(QChar(0x0663)) << 0.0 << 0;
        QTest::newRow("full-width digit") << QString(QChar(0xFF17)) << 0.0 << 0;
        QTest::newRow("largest double") << "1.7976931348623157e308" << DBL_MAX << 0;
        QTest::newRow("subnormal") << "1e-320" << 1e-320 << 0;
        QTest::newRow("smallest subnormal") << "4.9e-324" << 4.9e-324 << 0;
        QTest::newRow("too small") << "1e-400" << 0.0 << 0;
        QTest::newRow("far too small") << "1e-99999999999999999999" << 0.0 << 0;
        QTest::newRow("zero with a huge exponent") << "0e99999" << 0.0 << 0;
        QTest::newRow("too large") << "1e400" << 0.0 << 6;
        QTest::newRow("too large, negative") << "-1e400" << 0.0 << 6;
        QTest::newRow("huge exponent") << "1e99999999999999999999" << 0.0 << 6;
        QTest::newRow("too large, then text") << "2e308 m/s" << 0.0 << 6;
    }

    void valueOfText()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QFETCH(int, error);
        double actual = 0;
        QCOMPARE(errorNumberOf([&] { actual = runtime::valueOfText(view(text)); }), error);
        if (error == 0)
            QVERIFY2(actual == value, describe(actual));
    }

    void valueOfTextInGermanLocale_data() { valueOfText_data(); }

    // A locale whose decimal separator is a comma must change nothing.
    void valueOfTextInGermanLocale()
    {
        if (!useGermanLocale())
            QSKIP("no German locale here");
        QCOMPARE(std::localeconv()->decimal_point, ",");
        valueOfText();
    }

    void numericPrefixLength_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("length");
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("blanks only") << "   " << 0;
        QTest::newRow("blanks, then letters") << "  12.5abc" << 6;
        QTest::newRow("letters") << "abc" << 0;
        QTest::newRow("e without digits") << "12e" << 2;
        QTest::newRow("e and sign without digits") << "12e+" << 2;
        QTest::newRow("exponent") << "1e5x" << 3;
        QTest::newRow("signed") << "-3e2" << 4;
        QTest::newRow("tab") << "\t7" << 2;
        QTest::newRow("sign alone") << "-" << 0;
        QTest::newRow("point alone") << "." << 0;
        QTest::newRow("blank after sign") << "- 5" << 0;
        QTest::newRow("no whole part") << "+.5" << 3;
        QTest::newRow("trailing point") << "5." << 2;
        QTest::newRow("second point") << "1.2.3" << 3;
        QTest::newRow("too large is still a number") << "1e400" << 5;
        QTest::newRow("Arabic-Indic digit") << QString(QChar(0x0663)) << 0;
    }

    void numericPrefixLength()
    {
        QFETCH(QString, text);
        QFETCH(int, length);
        QCOMPARE(runtime::numericPrefixLength(view(text)), std::size_t(length));
    }

    void textOfNumber_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("error");
        QTest::newRow("45") << 45.0 << "45" << 0;
        QTest::newRow("-30") << -30.0 << "-30" << 0;
        QTest::newRow("0") << 0.0 << "0" << 0;
        QTest::newRow("negative zero") << -0.0 << "0" << 0;
        QTest::newRow("0.1") << 0.1 << "0.1" << 0;
        QTest::newRow("2.5") << 2.5 << "2.5" << 0;
        QTest::newRow("-2.5") << -2.5 << "-2.5" << 0;
        QTest::newRow("0.1 + 0.2") << 0.1 + 0.2 << "0.3" << 0;
        QTest::newRow("a third") << 1.0 / 3 << "0.333333333333333" << 0;
        QTest::newRow("two thirds") << 2.0 / 3 << "0.666666666666667" << 0;
        QTest::newRow("1234.56789") << 1234.56789 << "1234.56789" << 0;
        QTest::newRow("needle arm") << 7071.067811865476 << "7071.06781186548" << 0;
        QTest::newRow("1e14") << 1e14 << "100000000000000" << 0;
        QTest::newRow("15 digits") << 123456789012345.0 << "123456789012345" << 0;
        QTest::newRow("largest plain") << 999999999999999.0 << "999999999999999" << 0;
        QTest::newRow("1e15") << 1e15 << "1E+15" << 0;
        QTest::newRow("16 digits") << 1234567890123456.0 << "1.23456789012346E+15" << 0;
        QTest::newRow("0.0001") << 0.0001 << "0.0001" << 0;
        QTest::newRow("0.000123") << 0.000123 << "0.000123" << 0;
        QTest::newRow("1e-5") << 1e-5 << "1E-05" << 0;
        QTest::newRow("1.5e-5") << 1.5e-5 << "1.5E-05" << 0;
        QTest::newRow("cosine of 90 degrees")
            << 6.123233995736766e-17 << "6.12323399573677E-17" << 0;
        QTest::newRow("1e300") << 1e300 << "1E+300" << 0;
        QTest::newRow("-2.5e300") << -2.5e300 << "-2.5E+300" << 0;
        QTest::newRow("largest double") << DBL_MAX << "1.79769313486232E+308" << 0;
        QTest::newRow("smallest subnormal") << 4.9e-324 << "4.94065645841247E-324" << 0;
        QTest::newRow("infinity") << inf << "" << 6;
        QTest::newRow("minus infinity") << -inf << "" << 6;
        QTest::newRow("not a number") << notANumber << "" << 6;
    }

    void textOfNumber()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QFETCH(int, error);
        std::string actual;
        QCOMPARE(errorNumberOf([&] { actual = runtime::textOfNumber(value); }), error);
        QCOMPARE(QString::fromStdString(actual), text);
    }

    void textOfNumberInGermanLocale_data() { textOfNumber_data(); }

    void textOfNumberInGermanLocale()
    {
        if (!useGermanLocale())
            QSKIP("no German locale here");
        QCOMPARE(std::localeconv()->decimal_point, ",");
        textOfNumber();
    }

    void roundToInt32_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("rounded");
        QTest::addColumn<int>("error");
        QTest::newRow("0.5 to even") << 0.5 << 0 << 0;
        QTest::newRow("1.5 to even") << 1.5 << 2 << 0;
        QTest::newRow("2.5 to even") << 2.5 << 2 << 0;
        QTest::newRow("-0.5 to even") << -0.5 << 0 << 0;
        QTest::newRow("-1.5 to even") << -1.5 << -2 << 0;
        QTest::newRow("-2.5 to even") << -2.5 << -2 << 0;
        QTest::newRow("below a half") << 7071.4999 << 7071 << 0;
        QTest::newRow("above a half") << 4999.5000001 << 5000 << 0;
        QTest::newRow("largest") << 2147483647.4 << 2147483647 << 0;
        QTest::newRow("largest, tie rounds up out of range") << 2147483647.5 << 0 << 6;
        QTest::newRow("smallest, tie rounds to even") << -2147483648.5 << -2147483647 - 1 << 0;
        QTest::newRow("below the smallest") << -2147483648.6 << 0 << 6;
        QTest::newRow("far too large") << 1e10 << 0 << 6;
        QTest::newRow("infinity") << inf << 0 << 6;
        QTest::newRow("not a number") << notANumber << 0 << 6;
    }

    void roundToInt32()
    {
        QFETCH(double, value);
        QFETCH(int, rounded);
        QFETCH(int, error);
        std::int32_t actual = 0;
        QCOMPARE(errorNumberOf([&] { actual = runtime::roundToInt32(value); }), error);
        QCOMPARE(actual, rounded);
    }

    void toSingle_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<float>("single");
        QTest::addColumn<int>("error");
        QTest::newRow("0.1") << 0.1 << 0.1f << 0;
        QTest::newRow("3.4e38") << 3.4e38 << 3.4e38f << 0;
        QTest::newRow("largest single") << double(FLT_MAX) << FLT_MAX << 0;
        QTest::newRow("largest single, negative") << -double(FLT_MAX) << -FLT_MAX << 0;
        QTest::newRow("just rounds down to the largest") << 0x1.fffffefffffffp127 << FLT_MAX << 0;
        QTest::newRow("halfway rounds out of range") << 0x1.ffffffp127 << 0.0f << 6;
        QTest::newRow("3.5e38") << 3.5e38 << 0.0f << 6;
        QTest::newRow("-3.5e38") << -3.5e38 << 0.0f << 6;
        QTest::newRow("too small becomes 0") << 1e-50 << 0.0f << 0;
        QTest::newRow("infinity") << inf << 0.0f << 6;
        QTest::newRow("not a number") << notANumber << 0.0f << 6;
    }

    void toSingle()
    {
        QFETCH(double, value);
        QFETCH(float, single);
        QFETCH(int, error);
        float actual = 0;
        QCOMPARE(errorNumberOf([&] { actual = runtime::toSingle(value); }), error);
        QVERIFY2(actual == single, QByteArray::number(actual, 'g', 9));
    }

    void cleanup() { std::setlocale(LC_ALL, "C"); }

private:
    // Switches to a German locale, compiling one into a scratch folder if the
    // system has none installed.
    bool useGermanLocale()
    {
        if (std::setlocale(LC_ALL, "de_DE.UTF-8"))
            return true;
        if (triedToCompile_)
            return false;
        triedToCompile_ = true;
        if (!locales_.isValid() ||
            QProcess::execute(QStringLiteral("localedef"),
                              {QStringLiteral("-i"), QStringLiteral("de_DE"), QStringLiteral("-f"),
                               QStringLiteral("UTF-8"), locales_.filePath("de_DE.UTF-8")}) != 0)
            return false;
        qputenv("LOCPATH", QFile::encodeName(locales_.path()));
        return std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    }

    QTemporaryDir locales_;
    bool triedToCompile_ = false;
};

QTEST_GUILESS_MAIN(TestNumberConversion)
#include "tst_numberconversion.moc"
