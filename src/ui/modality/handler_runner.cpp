#include "ui/modality/handler_runner.h"

#include <QCoreApplication>
#include <QDialog>

#include "ui/modality/fiber.h"

HandlerRunner::HandlerRunner(QObject* window) : QObject(window) {
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { finish(false); });
}

HandlerRunner::~HandlerRunner() = default;

bool HandlerRunner::run(std::function<bool()> handler) {
    if (busy_) {
        return false;
    }
    busy_ = true;
    if (starting) {
        starting();
    }
    result_ = false;
    handler_ = std::make_unique<Fiber>([this, handler = std::move(handler)] { result_ = handler(); });
    resume();
    return busy_ || result_;
}

bool HandlerRunner::waiting() const {
    return handler_ != nullptr && handler_->suspended();
}

void HandlerRunner::resume() {
    handler_->resume();
    if (!handler_->finished()) {
        return;
    }
    handler_.reset();
    busy_ = false;
    if (ended) {
        ended();
    }
}

void HandlerRunner::waitFor(QDialog* box) {
    if (handler_ == nullptr || Fiber::current() != handler_.get()) {
        return;  // no handler of this window asks: nothing waits for the answer
    }
    // Closing the box in any way counts as its answer. The handler goes on
    // at the next pass of the event loop, not inside the box's own signal.
    const unsigned wait = ++waits_;
    const auto answered = [this, wait] {
        QMetaObject::invokeMethod(
            this,
            [this, wait] {
                if (wait == waits_ && waiting()) {
                    resume();
                }
            },
            Qt::QueuedConnection);
    };
    connect(box, &QDialog::finished, this, answered);
    connect(box, &QObject::destroyed, this, answered);
    box_ = box;
    Fiber::suspend();
    box_ = nullptr;
    ++waits_;
}

void HandlerRunner::finish(bool forGood) {
    ending_ = true;
    while (waiting()) {
        delete box_;
        resume();
    }
    ending_ = forGood;
}
