#pragma once

#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QTest>

// Where a failing test leaves what shows why: the folder CTest names for
// the test, made on first use, else the working folder.
inline QString failureFolder()
{
    const QString folder = qEnvironmentVariable("EYETRAINER_TEST_OUTPUT", QDir::currentPath());
    QDir().mkpath(folder);
    return folder;
}

// Empty where the image is the reference pixel for pixel; else the first
// pixel that differs, with the image and a difference image left in the
// failure folder for the reader, named after the test.
inline QString differenceFrom(const QImage &image, const QImage &reference, const QString &referenceName)
{
    if (reference.isNull())
        return QStringLiteral("%1 is missing").arg(referenceName);
    const QImage expected = reference.convertToFormat(QImage::Format_RGB32);
    const QImage actual = image.convertToFormat(QImage::Format_RGB32);
    if (expected.size() != actual.size())
        return QStringLiteral("the size differs from %1's").arg(referenceName);
    QImage difference(actual.size(), QImage::Format_RGB32);
    QPoint first(-1, -1);
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x) {
            const bool same = actual.pixel(x, y) == expected.pixel(x, y);
            difference.setPixel(x, y, same ? qRgb(255, 255, 255) : qRgb(255, 0, 0));
            if (!same && first.x() < 0)
                first = QPoint(x, y);
        }
    if (first.x() < 0)
        return {};
    QString name = QCoreApplication::applicationName() + '-' + QString::fromLatin1(QTest::currentTestFunction());
    if (QTest::currentDataTag())
        name += '-' + QString::fromLatin1(QTest::currentDataTag());
    const QString stem = QDir(failureFolder()).absoluteFilePath(name.replace(' ', '-'));
    actual.save(stem + QStringLiteral("-capture.png"));
    difference.save(stem + QStringLiteral("-difference.png"));
    return QStringLiteral("pixel (%1) is %2, %3 has %4; see %5-capture.png and -difference.png")
        .arg(QString::asprintf("%d, %d", first.x(), first.y()), QColor(actual.pixel(first)).name(), referenceName, QColor(expected.pixel(first)).name(), stem);
}
