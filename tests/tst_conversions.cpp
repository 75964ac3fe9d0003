// Conversions between numbers and texts, and the run-time errors they raise.

#include "conversions.h"
#include "runtimeerror.h"
#include "variant.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace ui;

Q_DECLARE_METATYPE(ui::Variant)

class TestConversions : public QObject
{
    Q_OBJECT

private slots:
    void numericValueOfText_data();
    void numericValueOfText();
    void roundsTiesToEven_data();
    void roundsTiesToEven();
    void numberBeyondDoubleIsRuntimeError_data();
    void numberBeyondDoubleIsRuntimeError();
    void overflowReportNamesTheType_data();
    void overflowReportNamesTheType();
    void integerOverflowIsRuntimeError_data();
    void integerOverflowIsRuntimeError();
    void singleOverflowIsRuntimeError();
    void floatingPointFaultIsRuntimeError();
    void defaultTextForm_data();
    void defaultTextForm();
};

// clang-format off
void TestConversions::numericValueOfText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    // the period entries and ring entries
    QTest::newRow("period 200") << "200" << 200.0;
    QTest::newRow("period 900") << "900" << 900.0;
    QTest::newRow("ring 0") << "0" << 0.0;
    QTest::newRow("ring 5") << "5" << 5.0;
    // the general rule
    QTest::newRow("leading blanks") << "  42" << 42.0;
    QTest::newRow("negative") << "-7" << -7.0;
    QTest::newRow("fraction") << "2957.5" << 2957.5;
    QTest::newRow("exponent") << "1.5E+03" << 1500.0;
    QTest::newRow("stops at letter") << "12ab" << 12.0;
    QTest::newRow("lone E is not an exponent") << "3E" << 3.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("no digits") << "abc" << 0.0;
    QTest::newRow("lone point") << "." << 0.0;
    // texts that spell a number only in part
    QTest::newRow("fraction without whole part") << ".5" << 0.5;
    QTest::newRow("exponent sign without digits") << "3E+" << 3.0;
    QTest::newRow("sign alone") << "-" << 0.0;
    QTest::newRow("blanks alone") << "   " << 0.0;
}
// clang-format on

void TestConversions::numericValueOfText()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(numericValue(text), expected);
}

// clang-format off
void TestConversions::numberBeyondDoubleIsRuntimeError_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("1E400") << "1E400";
    QTest::newRow("-1E400") << "-1E400";
    QTest::newRow("400 digits") << QString(400, QChar(u'9'));
}
// clang-format on

void TestConversions::numberBeyondDoubleIsRuntimeError()
{
    QFETCH(QString, text);
    try {
        numericValue(text);
        QFAIL("no run-time error");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.message(), QStringLiteral("препълване (%1)").arg(text));
    }
}

// clang-format off
void TestConversions::overflowReportNamesTheType_data()
{
    QTest::addColumn<bool>("toSixteenBits");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("message");

    QTest::newRow("16 bits") << true << 40005.0 << "препълване (40005 не се побира в 16-битово цяло число)";
    QTest::newRow("32 bits") << false << 1e10 << "препълване (10000000000 не се побира в 32-битово цяло число)";
}
// clang-format on

void TestConversions::overflowReportNamesTheType()
{
    QFETCH(bool, toSixteenBits);
    QFETCH(double, value);
    QFETCH(QString, message);
    try {
        if (toSixteenBits)
            toInt16(value);
        else
            toInt32(value);
        QFAIL("no run-time error");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.message(), message);
    }
}

// clang-format off
void TestConversions::roundsTiesToEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected");

    QTest::newRow("0.5 to 0") << 0.5 << 0;
    QTest::newRow("1.5 to 2") << 1.5 << 2;
    QTest::newRow("2.5 to 2") << 2.5 << 2;
    QTest::newRow("-2.5 to -2") << -2.5 << -2;
    QTest::newRow("-3.5 to -4") << -3.5 << -4;
    QTest::newRow("2957.5 to 2958") << 2957.5 << 2958;
    QTest::newRow("2312.5 to 2312") << 2312.5 << 2312;
    QTest::newRow("below half rounds down") << 2.4999 << 2;
    QTest::newRow("above half rounds up") << 2.5001 << 3;
    QTest::newRow("int16 top") << 32767.4 << 32767;
    QTest::newRow("int16 bottom") << -32768.4 << -32768;
}
// clang-format on

void TestConversions::roundsTiesToEven()
{
    QFETCH(double, value);
    QFETCH(int, expected);
    QCOMPARE(int(toInt16(value)), expected);
    QCOMPARE(toInt32(value), expected);
}

// clang-format off
void TestConversions::integerOverflowIsRuntimeError_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("fitsInt32");

    QTest::newRow("32767.5 rounds past int16") << 32767.5 << true;
    QTest::newRow("-32768.6") << -32768.6 << true;
    QTest::newRow("40000") << 40000.0 << true;
    QTest::newRow("3e9") << 3e9 << false;
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << false;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << false;
}
// clang-format on

void TestConversions::integerOverflowIsRuntimeError()
{
    QFETCH(double, value);
    QFETCH(bool, fitsInt32);
    QVERIFY_THROWS_EXCEPTION(RuntimeError, toInt16(value));
    if (fitsInt32)
        QCOMPARE(double(toInt32(value)), std::nearbyint(value));
    else
        QVERIFY_THROWS_EXCEPTION(RuntimeError, toInt32(value));
}

void TestConversions::singleOverflowIsRuntimeError()
{
    QCOMPARE(toSingle(2957.5), 2957.5f);
    QVERIFY_THROWS_EXCEPTION(RuntimeError, toSingle(1e39));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, toSingle(-1e39));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, toSingle(std::numeric_limits<double>::quiet_NaN()));
}

void TestConversions::floatingPointFaultIsRuntimeError()
{
    volatile double zero = 0.0;
    QCOMPARE(checked(1.0 / 4.0), 0.25);
    QVERIFY_THROWS_EXCEPTION(RuntimeError, checked(1.0 / zero));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, checked(zero / zero));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, checked(std::numeric_limits<float>::max() * 2.0f));
}

// clang-format off
void TestConversions::defaultTextForm_data()
{
    QTest::addColumn<Variant>("value");
    QTest::addColumn<QString>("expected");

    // whole values have no decimal point
    QTest::newRow("integer 0") << Variant(qint16(0)) << "0";
    QTest::newRow("integer -5") << Variant(qint16(-5)) << "-5";
    QTest::newRow("single 6915") << Variant(6915.0f) << "6915";
    QTest::newRow("double 6365") << Variant(6365.0) << "6365";
    QTest::newRow("double 1E+07 is whole") << Variant(1e7) << "10000000";
    QTest::newRow("negative zero") << Variant(-0.0) << "0";
    // fractions keep their significant digits only
    QTest::newRow("single 2957.5") << Variant(2957.5f) << "2957.5";
    QTest::newRow("double 2312.5") << Variant(2312.5) << "2312.5";
    QTest::newRow("single 1/3") << Variant(1.0f / 3.0f) << "0.3333333";
    QTest::newRow("double 1/3") << Variant(1.0 / 3.0) << "0.333333333333333";
    QTest::newRow("single 500/6") << Variant(float(500.0 / 6.0)) << "83.33334";
    QTest::newRow("double 0.1") << Variant(0.1) << "0.1";
    // too large or too small for the digits: exponent form
    QTest::newRow("single 1E+07") << Variant(1e7f) << "1E+07";
    QTest::newRow("single 12345678") << Variant(12345678.0f) << "1.234568E+07";
    QTest::newRow("double 1E+15") << Variant(1e15) << "1E+15";
    QTest::newRow("double 0.0001") << Variant(0.0001) << "0.0001";
    QTest::newRow("double 0.00001") << Variant(0.00001) << "1E-05";
    QTest::newRow("single -1.5E-10") << Variant(-1.5e-10f) << "-1.5E-10";
    // empty prints as nothing
    QTest::newRow("empty") << Variant() << "";
}
// clang-format on

void TestConversions::defaultTextForm()
{
    QFETCH(Variant, value);
    QFETCH(QString, expected);
    QCOMPARE(toText(value), expected);
}

QTEST_GUILESS_MAIN(TestConversions)
#include "tst_conversions.moc"
