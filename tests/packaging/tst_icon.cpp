// The window's icon and the Windows executable's icon are one picture: the
// 32 x 32 image with a 256-colour palette, kept as PNG and as ICO.

#include <QFile>
#include <QImage>
#include <QTest>
#include <QtEndian>

class TestIcon : public QObject
{
    Q_OBJECT

private slots:
    void pngIsPalettedThirtyTwoSquare();
    void icoHoldsOnePalettedImage();
    void bothShowTheSamePicture();
};

void TestIcon::pngIsPalettedThirtyTwoSquare()
{
    const QImage png(QStringLiteral(ICON_PNG));
    QCOMPARE(png.size(), QSize(32, 32));
    QCOMPARE(png.format(), QImage::Format_Indexed8);
    QVERIFY(png.colorCount() <= 256);
}

void TestIcon::icoHoldsOnePalettedImage()
{
    QFile file(QStringLiteral(ICON_ICO));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray ico = file.readAll();
    QVERIFY(ico.size() > 22 + 40);
    const auto *bytes = reinterpret_cast<const uchar *>(ico.constData());
    QCOMPARE(qFromLittleEndian<quint16>(bytes + 2), quint16(1));     // an icon
    QCOMPARE(qFromLittleEndian<quint16>(bytes + 4), quint16(1));     // one image
    QCOMPARE(int(bytes[6]), 32);                                     // width
    QCOMPARE(int(bytes[7]), 32);                                     // height
    QCOMPARE(qFromLittleEndian<quint16>(bytes + 6 + 6), quint16(8)); // bits per pixel: a palette
    const quint32 offset = qFromLittleEndian<quint32>(bytes + 6 + 12);
    QCOMPARE(qFromLittleEndian<quint16>(bytes + offset + 14), quint16(8));
}

void TestIcon::bothShowTheSamePicture()
{
    const QImage png = QImage(QStringLiteral(ICON_PNG)).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage ico = QImage(QStringLiteral(ICON_ICO)).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QVERIFY(!ico.isNull());
    QCOMPARE(ico.size(), png.size());
    for (int y = 0; y < png.height(); ++y)
        for (int x = 0; x < png.width(); ++x)
            QVERIFY2(png.pixel(x, y) == ico.pixel(x, y),
                qPrintable(QString("pixel (%1, %2): %3 in the PNG, %4 in the ICO").arg(x).arg(y).arg(png.pixel(x, y), 8, 16).arg(ico.pixel(x, y), 8, 16)));
}

QTEST_GUILESS_MAIN(TestIcon)
#include "tst_icon.moc"
