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

void showMessageBox(const QString &message)
{
    std::fprintf(stderr, "eye-trainer: %s\n", qPrintable(message));
    if (qobject_cast<QApplication *>(QCoreApplication::instance()))
        QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("Тренировка за очите"), message);
}

// One for the process, as the end that a failure brings is the process's.
struct
{
    Reporter reporter = showMessageBox;
    bool failed = false;
} state;

} // namespace

void setReporter(Reporter newReporter)
{
    state.reporter = std::move(newReporter);
}

bool hasFailed()
{
    return state.failed;
}

void resetForTesting()
{
    state.failed = false;
}

void fail(const std::exception &error)
{
    state.failed = true;
    const auto *runtimeError = dynamic_cast<const RuntimeError *>(&error);
    const QString what = runtimeError ? runtimeError->message() : QString::fromLocal8Bit(error.what());
    state.reporter(QStringLiteral("Грешка по време на изпълнение: %1").arg(what));
    // Ends the event loop if it runs; before it runs, main() sees hasFailed().
    QCoreApplication::exit(EXIT_FAILURE);
}

} // namespace runtime
} // namespace ui
