// How exactly the program's timer keeps its period: the window's own Timer1
// driving the real tick, next to a bare precise QTimer in the same run, and a
// coarse one for comparison.
//   timer_bench [--quick]   (--quick: a tenth of the ticks)

#include "exerciseform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

namespace {

struct Figures
{
    double mean, p99, max, drift;
};

// Deviation of each interval between ticks from the period; and the drift,
// how much later the last tick is than the first, past whole periods: a
// timer that schedules each tick from the last one's late start drifts, a
// precise one does not.
Figures figuresOf(const std::vector<qint64> &ticksNs, int period)
{
    std::vector<double> deviations;
    double sum = 0;
    for (std::size_t i = 1; i < ticksNs.size(); ++i) {
        deviations.push_back(std::fabs(double(ticksNs[i] - ticksNs[i - 1]) / 1e6 - period));
        sum += deviations.back();
    }
    std::sort(deviations.begin(), deviations.end());
    const std::size_t p99 = std::size_t(std::ceil(0.99 * double(deviations.size()))) - 1;
    const double drift = double(ticksNs.back() - ticksNs.front()) / 1e6 - double(period) * double(ticksNs.size() - 1);
    return {sum / double(deviations.size()), deviations[p99], deviations.back(), drift};
}

void report(const char *what, int period, std::size_t ticks, const Figures &f)
{
    std::printf("%-34s %4d ms x %3zu: mean %6.3f ms  p99 %6.3f ms  max %6.3f ms  drift %+7.3f ms\n", what, period, ticks, f.mean, f.p99, f.max, f.drift);
    std::fflush(stdout);
}

// Records the time of each tick until it has `ticks` of them.
class Recorder
{
public:
    Recorder(const QElapsedTimer &clock, int ticks, std::function<void()> stop)
        : clock_(clock)
        , ticks_(ticks)
        , stop_(std::move(stop))
    {
        times_.reserve(std::size_t(ticks));
    }

    void tick()
    {
        times_.push_back(clock_.nsecsElapsed());
        if (done())
            stop_();
    }
    bool done() const { return int(times_.size()) >= ticks_; }
    const std::vector<qint64> &times() const { return times_; }

private:
    const QElapsedTimer &clock_;
    int ticks_;
    std::function<void()> stop_;
    std::vector<qint64> times_;
};

void runUntil(const std::function<bool()> &finished)
{
    while (!finished())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const int scale = argc > 1 && std::strcmp(argv[1], "--quick") == 0 ? 10 : 1;
    ExerciseForm form;
    form.Form_Load();
    form.show();
    QElapsedTimer clock;
    clock.start();

    // The floor's precise timer and the program's timer with its tick run
    // side by side, half a period apart, so both meet the same machine.
    for (const auto &[period, ticks] : {std::pair{200, 200 / scale}, std::pair{900, 50 / scale}}) {
        QTimer bare;
        bare.setTimerType(Qt::PreciseTimer);
        Recorder bareTicks(clock, ticks, [&bare] { bare.stop(); });
        QObject::connect(&bare, &QTimer::timeout, [&bareTicks] { bareTicks.tick(); });
        Recorder programTicks(clock, ticks, [&form] { form.Command1_Click(1); });
        form.Timer1.setTimerHandler([&form, &programTicks] {
            form.Timer1_Timer();
            programTicks.tick();
        });
        form.Timer1.setInterval(period);
        bare.start(period);
        QTimer::singleShot(period / 2, Qt::PreciseTimer, [&form] { form.Command1_Click(0); });
        runUntil([&] { return bareTicks.done() && programTicks.done(); });
        report("bare QTimer, precise", period, bareTicks.times().size(), figuresOf(bareTicks.times(), period));
        report("program's Timer1 with the tick", period, programTicks.times().size(), figuresOf(programTicks.times(), period));
    }

    // For comparison: the coarse timer type, which a precise one avoids.
    QTimer coarse;
    coarse.setTimerType(Qt::CoarseTimer);
    Recorder coarseTicks(clock, 100 / scale, [&coarse] { coarse.stop(); });
    QObject::connect(&coarse, &QTimer::timeout, [&coarseTicks] { coarseTicks.tick(); });
    coarse.start(200);
    runUntil([&] { return coarseTicks.done(); });
    report("bare QTimer, coarse", 200, coarseTicks.times().size(), figuresOf(coarseTicks.times(), 200));
    return 0;
}
