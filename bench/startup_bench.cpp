// Start-up, memory and idle cost of the real program on an X server of its
// own, next to the bare window with the same controls, run alternately in
// one loop.
//   scripts/x-session -- startup_bench PROGRAM BARE_PROGRAM [RUNS [REPEATS]]
// RUNS (11) paired start-ups; REPEATS (3) paired CPU measurements. 0 skips.
//
// First frame: from the start of the process to the moment the yellow
// target's pixels show in the mapped window (polled with XGetImage).
// Memory: resident and proportional set sizes 2 s after the start.
// CPU: the process's time on the CPU over 10 s stopped and 10 s running at
// 200 ms, from /proc/PID/task/*/schedstat, and its context switches; the
// median of alternating repeats.

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

int ignoreXErrors(Display *, XErrorEvent *)
{
    return 0; // the window may go away under a request; that is no failure here
}

struct Usage
{
    qint64 cpuNs = 0;
    qint64 switches = 0;
};

Usage usageOf(qint64 pid)
{
    Usage usage;
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString &task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile schedstat(tasks.filePath(task + QStringLiteral("/schedstat")));
        if (schedstat.open(QIODevice::ReadOnly))
            usage.cpuNs += schedstat.readAll().split(' ').value(0).toLongLong();
        QFile status(tasks.filePath(task + QStringLiteral("/status")));
        if (status.open(QIODevice::ReadOnly))
            for (const QByteArray &line : status.readAll().split('\n'))
                if (line.contains("ctxt_switches:"))
                    usage.switches += line.split(':').value(1).trimmed().toLongLong();
    }
    return usage;
}

std::pair<long, long> memoryOf(qint64 pid)
{
    QFile rollup(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
    long rss = 0, pss = 0;
    if (rollup.open(QIODevice::ReadOnly))
        for (const QByteArray &line : rollup.readAll().split('\n')) {
            const long kb = line.mid(line.indexOf(':') + 1).trimmed().split(' ').value(0).toLong();
            if (line.startsWith("Rss:"))
                rss = kb;
            else if (line.startsWith("Pss:"))
                pss = kb;
        }
    return {rss, pss};
}

// A program on the X server, with its top-level window once it is painted.
class Run
{
public:
    Run(Display *x, const QString &program)
        : x_(x)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        process_.setProcessEnvironment(env);
        process_.setProcessChannelMode(QProcess::ForwardedChannels);
        clock_.start();
        process_.start(program, {});
    }

    ~Run()
    {
        process_.terminate();
        if (!process_.waitForFinished(3000))
            process_.kill();
        process_.waitForFinished(3000);
    }

    qint64 pid() const { return process_.processId(); }
    qint64 elapsedMs() const { return clock_.elapsed(); }

    // Milliseconds from the start to the first frame that shows the target.
    std::optional<double> waitForFirstFrame()
    {
        Window window = 0;
        while (clock_.elapsed() < 15000) {
            while (!window && XPending(x_)) {
                XEvent event;
                XNextEvent(x_, &event);
                if (event.type == MapNotify && event.xmap.event == DefaultRootWindow(x_)) {
                    XWindowAttributes attributes;
                    if (XGetWindowAttributes(x_, event.xmap.window, &attributes) && attributes.width == 461)
                        window = event.xmap.window;
                }
            }
            if (window) {
                if (XImage *image = XGetImage(x_, window, 16, 170, 1, 1, AllPlanes, ZPixmap)) {
                    const unsigned long pixel = XGetPixel(image, 0, 0);
                    XDestroyImage(image);
                    if ((pixel & 0xFFFFFF) == 0xFFFF00) {
                        window_ = window;
                        return double(clock_.nsecsElapsed()) / 1e6;
                    }
                }
            }
            QThread::usleep(window ? 300 : 1000);
        }
        return std::nullopt;
    }

    void clickStart()
    {
        int x = 0, y = 0;
        Window child;
        XTranslateCoordinates(x_, window_, DefaultRootWindow(x_), 216, 60, &x, &y, &child);
        QProcess xdotool;
        xdotool.start(QStringLiteral("xdotool"), {"mousemove", QString::number(x), QString::number(y), "click", "1"});
        xdotool.waitForFinished();
    }

private:
    Display *x_;
    QProcess process_;
    QElapsedTimer clock_;
    Window window_ = 0;
};

struct StartSample
{
    double firstFrameMs;
    long rssKb, pssKb;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_bench PROGRAM BARE_PROGRAM [RUNS [REPEATS]]\n");
        return 2;
    }
    const QString programs[2] = {QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2])};
    const char *names[2] = {"eye-trainer", "bare Qt window"};
    const int runs = argc > 3 ? std::max(0, atoi(argv[3])) : 11;
    const int repeats = argc > 4 ? std::max(0, atoi(argv[4])) : 3;

    const QByteArray display = qgetenv("DISPLAY");
    Display *x = XOpenDisplay(display.constData());
    if (!x) {
        std::fprintf(stderr, "startup_bench: cannot open display '%s'\n", display.constData());
        return 1;
    }
    XSetErrorHandler(ignoreXErrors);
    XSelectInput(x, DefaultRootWindow(x), SubstructureNotifyMask);
    XSync(x, True);

    if (runs > 0)
        std::printf("X server %s, %d paired runs, alternating\n", display.constData(), runs);
    std::vector<StartSample> samples[2];
    for (int run = 0; run < runs; ++run) {
        for (int which : {run % 2, 1 - run % 2}) {
            Run started(x, programs[which]);
            const std::optional<double> firstFrame = started.waitForFirstFrame();
            if (!firstFrame) {
                std::fprintf(stderr, "startup_bench: %s showed no target within 15 s\n", names[which]);
                return 1;
            }
            QThread::msleep(ulong(std::max<qint64>(0, 2000 - started.elapsedMs())));
            const auto [rss, pss] = memoryOf(started.pid());
            samples[which].push_back({*firstFrame, rss, pss});
        }
        XSync(x, True);
    }

    for (int which : {0, 1}) {
        if (samples[which].empty())
            break;
        std::vector<double> frame, rss, pss;
        for (const StartSample &s : samples[which]) {
            frame.push_back(s.firstFrameMs);
            rss.push_back(double(s.rssKb));
            pss.push_back(double(s.pssKb));
        }
        std::printf("%-16s first frame %7.1f ms (min %.1f, max %.1f)   resident %6.1f MB   proportional %6.1f MB\n", names[which], median(frame),
            *std::min_element(frame.begin(), frame.end()), *std::max_element(frame.begin(), frame.end()), median(rss) / 1024, median(pss) / 1024);
    }
    // Each pair ran side by side in time; the median of their ratios is
    // steadier than the ratio of the medians.
    if (runs > 0) {
        std::vector<double> frame, rss, pss;
        for (int run = 0; run < runs; ++run) {
            frame.push_back(samples[0][run].firstFrameMs / samples[1][run].firstFrameMs);
            rss.push_back(double(samples[0][run].rssKb) / double(samples[1][run].rssKb));
            pss.push_back(double(samples[0][run].pssKb) / double(samples[1][run].pssKb));
        }
        std::printf("%-16s first frame %7.2f x   resident %6.2f x   proportional %6.2f x   (median of the pairs' ratios)\n", "ratio", median(frame),
            median(rss), median(pss));
    }

    // Idle and running cost: repeats of each program on its own,
    // alternating, and the median of each figure.
    struct CostSample
    {
        double stoppedMs, runningMs;
        qint64 stoppedSwitches, runningSwitches;
    };
    std::vector<CostSample> costs[2];
    for (int repeat = 0; repeat < repeats; ++repeat) {
        for (int which : {repeat % 2, 1 - repeat % 2}) {
            Run started(x, programs[which]);
            if (!started.waitForFirstFrame())
                return 1;
            QThread::msleep(2000);
            const Usage before = usageOf(started.pid());
            QThread::msleep(10000);
            const Usage stopped = usageOf(started.pid());
            started.clickStart();
            const Usage running = usageOf(started.pid());
            QThread::msleep(10000);
            const Usage after = usageOf(started.pid());
            costs[which].push_back({double(stopped.cpuNs - before.cpuNs) / 1e6, double(after.cpuNs - running.cpuNs) / 1e6, stopped.switches - before.switches,
                after.switches - running.switches});
            XSync(x, True);
        }
    }
    double perTick[2];
    for (int which : {0, 1}) {
        if (costs[which].empty())
            break;
        std::vector<double> stoppedMs, runningMs, stoppedSwitches, runningSwitches;
        for (const CostSample &c : costs[which]) {
            stoppedMs.push_back(c.stoppedMs);
            runningMs.push_back(c.runningMs);
            stoppedSwitches.push_back(double(c.stoppedSwitches));
            runningSwitches.push_back(double(c.runningSwitches));
        }
        perTick[which] = median(runningMs) / 50.0;
        std::printf("%-16s stopped 10 s: CPU %6.3f ms, %3.0f context switches   running 10 s at 200 ms: CPU %6.2f ms, %.3f ms per tick, %3.0f switches\n",
            names[which], median(stoppedMs), median(stoppedSwitches), median(runningMs), perTick[which], median(runningSwitches));
    }
    if (repeats > 0)
        std::printf("%-16s CPU per tick while running %.2f x\n", "ratio", perTick[0] / perTick[1]);

    XCloseDisplay(x);
    return 0;
}
