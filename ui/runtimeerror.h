#pragma once

#include <QString>

#include <exception>
#include <functional>
#include <stdexcept>

namespace ui {

// A failed conversion, a floating-point fault or a failed property access.
// Nothing in the program traps it: it travels up to the event that started
// the handler, where it is reported and the program ends.
class RuntimeError : public std::runtime_error
{
public:
    explicit RuntimeError(const QString &message);
    QString message() const;
};

namespace runtime {

// Shows the report to the user. The default shows a message box; tests put
// their own in its place.
using Reporter = std::function<void(const QString &message)>;
void setReporter(Reporter reporter);

// True once a handler has failed. From then on no handler runs any more: the
// program is ending, and a timer must not tick into a second report.
bool hasFailed();

// Restores the state before any failure, for tests that provoke one.
void resetForTesting();

void fail(const std::exception &error);

} // namespace runtime

// The one place where every event handler runs: a run-time error inside it is
// reported and the program ends with a non-zero status. Returns false when
// the handler failed or did not run because an earlier one had failed.
template <typename Handler>
bool runHandler(Handler &&handler)
{
    if (runtime::hasFailed())
        return false;
    try {
        handler();
        return true;
    } catch (const std::exception &error) {
        runtime::fail(error);
        return false;
    }
}

} // namespace ui
