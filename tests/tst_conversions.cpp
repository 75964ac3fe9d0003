// Conversions between numbers and texts, and the run-time errors they raise.

#include "conversions.h"
#include "runtimeerror.h"
#include "variant.h"

#include <QTest>

#include <cmath>
#include <functional>
#include <limits>

using namespace ui;

Q_DECLARE_METATYPE(ui::Variant)
Q_DECLARE_METATYPE(std::function<void()>)

class TestConversions : public QObject
{
    Q_OBJECT

private slots:
    void numericValueOfText_data();
    void numericValueOfText();
    void roundsTiesToEven_data();
    void roundsTiesToEven();
    void runtimeErrors_data();
    void runtimeErrors();
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
    // past 16 bits, a run-time error there
    QTest::newRow("32767.5 rounds past int16") << 32767.5 << 32768;
    QTest::newRow("-32768.6 rounds past int16") << -32768.6 << -32769;
    QTest::newRow("40000") << 40000.0 << 40000;
}
// clang-format on

void TestConversions::roundsTiesToEven()
{
    QFETCH(double, value);
    QFETCH(int, expected);
    if (expected == qint16(expected))
        QCOMPARE(int(toInt16(value)), expected);
    else
        QVERIFY_THROWS_EXCEPTION(RuntimeError, toInt16(value));
    QCOMPARE(toInt32(value), expected);
}

// clang-format off
void TestConversions::runtimeErrors_data()
{
    QTest::addColumn<std::function<void()>>("conversion");
    QTest::addColumn<QString>("message"); // empty: whatever it says

    const double nan = std::numeric_limits<double>::quiet_NaN(), infinity = std::numeric_limits<double>::infinity();
    static volatile double zero = 0.0;
    for (const QString &text : {QStringLiteral("1E400"), QStringLiteral("-1E400"), QString(400, QChar(u'9'))})
        QTest::addRow("text %s", qPrintable(text.left(8))) << std::function<void()>([text] { numericValue(text); }) << QStringLiteral("препълване (%1)").arg(text);
    QTest::newRow("16 bits") << std::function<void()>([] { toInt16(40005); }) << "препълване (40005 не се побира в 16-битово цяло число)";
    QTest::newRow("32 bits") << std::function<void()>([] { toInt32(1e10); }) << "препълване (10000000000 не се побира в 32-битово цяло число)";
    QTest::newRow("3e9 in 16 bits") << std::function<void()>([] { toInt16(3e9); }) << "";
    QTest::newRow("3e9 in 32 bits") << std::function<void()>([] { toInt32(3e9); }) << "";
    QTest::newRow("NaN in 16 bits") << std::function<void()>([nan] { toInt16(nan); }) << "";
    QTest::newRow("NaN in 32 bits") << std::function<void()>([nan] { toInt32(nan); }) << "";
    QTest::newRow("infinity in 16 bits") << std::function<void()>([infinity] { toInt16(infinity); }) << "";
    QTest::newRow("infinity in 32 bits") << std::function<void()>([infinity] { toInt32(infinity); }) << "";
    QTest::newRow("1E39 in a single") << std::function<void()>([] { toSingle(1e39); }) << "";
    QTest::newRow("-1E39 in a single") << std::function<void()>([] { toSingle(-1e39); }) << "";
    QTest::newRow("NaN in a single") << std::function<void()>([nan] { toSingle(nan); }) << "";
    QTest::newRow("division by zero") << std::function<void()>([] { checked(1.0 / zero); }) << "";
    QTest::newRow("zero by zero") << std::function<void()>([] { checked(zero / zero); }) << "";
    QTest::newRow("single overflow") << std::function<void()>([] { checked(std::numeric_limits<float>::max() * 2.0f); }) << "";
}
// clang-format on

void TestConversions::runtimeErrors()
{
    QFETCH(std::function<void()>, conversion);
    QFETCH(QString, message);
    // What fits passes through.
    QCOMPARE(toSingle(2957.5), 2957.5f);
    QCOMPARE(checked(1.0 / 4.0), 0.25);
    try {
        conversion();
        QFAIL("no run-time error");
    } catch (const RuntimeError &error) {
        if (!message.isEmpty())
            QCOMPARE(error.message(), message);
    }
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
