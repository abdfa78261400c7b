// Fibers on their own, and the runner that puts a window's handlers on them.

#include <QDialog>
#include <QPointer>
#include <QTest>
#include <stdexcept>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <new>

#include "ui/modality/fiber.h"
#include "ui/modality/handler_runner.h"

namespace {

// Sets a flag when it goes: tells whether a fiber's frames were unwound.
struct Witness {
    bool* gone;
    ~Witness() { *gone = true; }
};

// The address space the process has mapped now, in bytes.
rlim_t mappedNow() {
    std::ifstream statm("/proc/self/statm");
    unsigned long pages = 0;
    statm >> pages;
    return static_cast<rlim_t>(pages) * static_cast<rlim_t>(sysconf(_SC_PAGESIZE));
}

}  // namespace

class FiberTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // First, while no stack has been mapped and kept for reuse.
    void withoutAStackTheBodyNeverRuns() {
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("AddressSanitizer needs more address space than any limit that leaves a stack out");
#endif
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            bool ran = false;
            Fiber fiber([&ran] { ran = true; });
            const rlimit limit{mappedNow() + Fiber::kStackSize / 4, RLIM_INFINITY};
            setrlimit(RLIMIT_AS, &limit);
            try {
                fiber.resume();
            } catch (const std::bad_alloc&) {
                _exit(ran || !fiber.finished() ? 2 : 0);
            }
            _exit(1);  // ran on a stack it could not have had
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);
    }

    void anExceptionLeavesAtResume() {
        Fiber fiber([] {
            Fiber::suspend();
            throw std::runtime_error("from the body");
        });
        fiber.resume();
        QVERIFY(fiber.suspended());
        QString thrown;
        try {
            fiber.resume();
        } catch (const std::runtime_error& error) {
            thrown = QString::fromUtf8(error.what());
        }
        QCOMPARE(thrown, QStringLiteral("from the body"));
        QVERIFY(fiber.finished());
        QVERIFY(Fiber::current() == nullptr);
    }

    void anAbandonedFiberKeepsItsFrames() {
        bool gone = false;
        auto fiber = std::make_unique<Fiber>([&gone] {
            const Witness witness{&gone};
            Fiber::suspend();
        });
        fiber->resume();
        QVERIFY(fiber->suspended());
        fiber.reset();
        QVERIFY(!gone);
        // The program runs on, and later fibers with it.
        bool ran = false;
        Fiber next([&ran] { ran = true; });
        next.resume();
        QVERIFY(ran && next.finished());
    }

    // As at quit: the handler waiting for its box runs to its end at once,
    // its box gone and counted as answered.
    void finishingEndsTheWaitingHandler() {
        HandlerRunner runner(this);
        QPointer<QDialog> box;
        bool wentOn = false;
        int ended = 0;
        runner.ended = [&ended] { ++ended; };
        QVERIFY(runner.run([&] {
            box = new QDialog;
            box->show();
            runner.waitFor(box);
            wentOn = true;
            return true;
        }));
        QVERIFY(runner.waiting() && runner.busy() && !wentOn);
        QCOMPARE(runner.waitingBox(), box.data());
        QVERIFY(!runner.run([] { return true; }));  // one handler at a time
        runner.finish(false);
        QVERIFY(wentOn && box == nullptr && !runner.busy() && !runner.ending());
        QCOMPARE(ended, 1);
    }
};

QTEST_MAIN(FiberTest)
#include "fiber_test.moc"
