// Writes the program's icon as a Windows .ico: the same 32 x 32 picture with
// its palette of at most 256 colours, transparent pixels in the AND mask.
//   pngtoico INPUT.png OUTPUT.ico

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QtEndian>

#include <cstdio>

namespace {

void put16(QByteArray &out, quint16 value)
{
    const quint16 le = qToLittleEndian(value);
    out.append(reinterpret_cast<const char *>(&le), 2);
}

void put32(QByteArray &out, quint32 value)
{
    const quint32 le = qToLittleEndian(value);
    out.append(reinterpret_cast<const char *>(&le), 4);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: pngtoico INPUT.png OUTPUT.ico\n");
        return 2;
    }
    QImage image(QString::fromLocal8Bit(argv[1]));
    if (image.isNull() || image.width() > 255 || image.height() > 255 || image.width() % 32 != 0) {
        std::fprintf(stderr, "pngtoico: %s is not an image of a width that is a multiple of 32, below 256\n", argv[1]);
        return 1;
    }
    if (image.format() != QImage::Format_Indexed8)
        image = image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    const int width = image.width();
    const int height = image.height();
    const QList<QRgb> colours = image.colorTable();

    const quint32 paletteSize = 256 * 4;
    const quint32 pixelsSize = quint32(width * height);
    const quint32 maskSize = quint32(width / 8 * height);
    const quint32 imageSize = 40 + paletteSize + pixelsSize + maskSize;

    QByteArray ico;
    // ICONDIR and its one ICONDIRENTRY
    put16(ico, 0);
    put16(ico, 1);
    put16(ico, 1);
    ico.append(char(width));
    ico.append(char(height));
    ico.append(char(0)); // 0 stands for 256 colours
    ico.append(char(0));
    put16(ico, 1); // planes
    put16(ico, 8); // bits per pixel
    put32(ico, imageSize);
    put32(ico, 6 + 16);
    // BITMAPINFOHEADER: the height counts the picture and its mask
    put32(ico, 40);
    put32(ico, quint32(width));
    put32(ico, quint32(2 * height));
    put16(ico, 1);
    put16(ico, 8);
    put32(ico, 0); // no compression
    put32(ico, pixelsSize + maskSize);
    put32(ico, 0);
    put32(ico, 0);
    put32(ico, 256);
    put32(ico, 0);
    // The palette; transparent entries are black, so the screen shows through.
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < colours.size() && qAlpha(colours[i]) >= 128 ? colours[i] : 0;
        ico.append(char(qBlue(c)));
        ico.append(char(qGreen(c)));
        ico.append(char(qRed(c)));
        ico.append(char(0));
    }
    // The picture and then the mask, both from the bottom row up.
    for (int y = height - 1; y >= 0; --y)
        ico.append(reinterpret_cast<const char *>(image.constScanLine(y)), width);
    for (int y = height - 1; y >= 0; --y) {
        const uchar *row = image.constScanLine(y);
        for (int x = 0; x < width; x += 8) {
            uchar bits = 0;
            for (int bit = 0; bit < 8; ++bit)
                if (qAlpha(colours.value(row[x + bit])) < 128)
                    bits |= uchar(0x80 >> bit);
            ico.append(char(bits));
        }
    }

    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly) || out.write(ico) != ico.size()) {
        std::fprintf(stderr, "pngtoico: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
