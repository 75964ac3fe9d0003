#include "runtimeerror.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>

namespace ui {

RuntimeError::RuntimeError(const QString &message)
    : std::runtime_error(message.toStdString())
{
}

QString RuntimeError::message() const
{
    return QString::fromStdString(what());
}

namespace runtime {
namespace {

bool failed = false;

void showMessageBox(const QString &message)
{
    std::fprintf(stderr, "eye-trainer: %s\n", qPrintable(message));
    if (qobject_cast<QApplication *>(QCoreApplication::instance()))
        QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("Тренировка за очите"), message);
}

Reporter &reporter()
{
    static Reporter current = showMessageBox;
    return current;
}

} // namespace

void setReporter(Reporter newReporter)
{
    reporter() = std::move(newReporter);
}

bool hasFailed()
{
    return failed;
}

void resetForTesting()
{
    failed = false;
}

void fail(const std::exception &error)
{
    failed = true;
    const auto *runtimeError = dynamic_cast<const RuntimeError *>(&error);
    const QString what = runtimeError ? runtimeError->message() : QString::fromLocal8Bit(error.what());
    reporter()(QStringLiteral("Грешка по време на изпълнение: %1").arg(what));
    // Ends the event loop if it runs; before it runs, main() sees hasFailed().
    QCoreApplication::exit(EXIT_FAILURE);
}

} // namespace runtime
} // namespace ui
