#include "ui/modality/fiber.h"

#include <sys/mman.h>
#include <ucontext.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <new>
#include <utility>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#define BRIMLET_FIBER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define BRIMLET_FIBER_ASAN 1
#endif
#endif

#ifdef BRIMLET_FIBER_ASAN
#include <sanitizer/asan_interface.h>
#include <sanitizer/common_interface_defs.h>
#endif

namespace {

// AddressSanitizer keeps its own picture of which stack runs: every switch is
// announced before it happens and confirmed after it, or it takes the frames
// of one stack for overflows of another.
void startSwitch(void** fakeStackSave, const void* bottom, std::size_t size) {
#ifdef BRIMLET_FIBER_ASAN
    __sanitizer_start_switch_fiber(fakeStackSave, bottom, size);
#else
    (void)fakeStackSave;
    (void)bottom;
    (void)size;
#endif
}

void finishSwitch(void* fakeStackSave, const void** oldBottom, std::size_t* oldSize) {
#ifdef BRIMLET_FIBER_ASAN
    __sanitizer_finish_switch_fiber(fakeStackSave, oldBottom, oldSize);
#else
    (void)fakeStackSave;
    (void)oldBottom;
    (void)oldSize;
#endif
}

std::size_t pageSize() {
    static const auto size = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    return size;
}

// Stacks are mapped with an inaccessible page below them, so that an
// overflow faults at once instead of writing over other memory. A few are
// kept for the next handler: most handlers end without ever suspending.
class StackPool {
public:
    static constexpr std::size_t kKept = 4;

    char* take() {
        if (!free_.empty()) {
            char* stack = free_.back();
            free_.pop_back();
            return stack;
        }
        const std::size_t guard = pageSize();
        void* memory = ::mmap(nullptr, guard + Fiber::kStackSize, PROT_READ | PROT_WRITE,
                              MAP_PRIVATE | MAP_ANONYMOUS | MAP_STACK | MAP_NORESERVE, -1, 0);
        if (memory == MAP_FAILED) {
            return nullptr;
        }
        ::mprotect(memory, guard, PROT_NONE);
        return static_cast<char*>(memory) + guard;
    }

    void give(char* stack) {
#ifdef BRIMLET_FIBER_ASAN
        // The frames that lived there are gone; their poison must not trap the next user.
        __asan_unpoison_memory_region(stack, Fiber::kStackSize);
#endif
        if (free_.size() < kKept) {
            free_.push_back(stack);
            return;
        }
        ::munmap(stack - pageSize(), pageSize() + Fiber::kStackSize);
    }

private:
    std::vector<char*> free_;
};

StackPool& stacks() {
    static thread_local StackPool pool;
    return pool;
}

thread_local Fiber* running = nullptr;

}  // namespace

struct Fiber::Context {
    enum class State { New, Running, Suspended, Finished };

    std::function<void()> body;
    State state = State::New;
    char* stack = nullptr;
    ucontext_t own{};
    ucontext_t caller{};
    Fiber* resumer = nullptr;  // the fiber (or nullptr, the thread's stack) that resumed this one
    std::exception_ptr error;
    // The stack that resumed this fiber, and this fiber's fake stack while it
    // is away, for the address sanitizer.
    const void* callerBottom = nullptr;
    std::size_t callerSize = 0;
    void* fakeStack = nullptr;
};

Fiber::Fiber(std::function<void()> body) : context_(std::make_unique<Context>()) {
    context_->body = std::move(body);
}

Fiber::~Fiber() {
    if (context_->state == Context::State::Suspended || context_->state == Context::State::Running) {
        // Its frames still hold objects: the stack is left mapped rather than
        // handed to the next fiber, and the context with it.
        std::fputs("brimlet: a suspended handler was abandoned\n", stderr);
        (void)context_.release();
        return;
    }
    if (context_->stack != nullptr) {
        stacks().give(context_->stack);
    }
}

bool Fiber::finished() const {
    return context_->state == Context::State::Finished;
}

bool Fiber::suspended() const {
    return context_->state == Context::State::Suspended;
}

Fiber* Fiber::current() {
    return running;
}

void Fiber::resume() {
    Context& c = *context_;
    if (c.state == Context::State::New) {
        c.stack = stacks().take();
        if (c.stack == nullptr || ::getcontext(&c.own) != 0) {
            if (c.stack != nullptr) {
                stacks().give(std::exchange(c.stack, nullptr));
            }
            c.state = Context::State::Finished;
            throw std::bad_alloc();
        }
        c.own.uc_stack.ss_sp = c.stack;
        c.own.uc_stack.ss_size = kStackSize;
        c.own.uc_link = nullptr;
        ::makecontext(&c.own, &Fiber::entry, 0);
    } else if (c.state != Context::State::Suspended) {
        return;
    }
    switchIn();
    if (c.state == Context::State::Finished && c.error != nullptr) {
        std::rethrow_exception(std::exchange(c.error, nullptr));
    }
}

void Fiber::switchIn() {
    Context& c = *context_;
    c.resumer = running;
    running = this;
    c.state = Context::State::Running;
    void* callerFakeStack = nullptr;
    startSwitch(&callerFakeStack, c.stack, kStackSize);
    ::swapcontext(&c.caller, &c.own);
    finishSwitch(callerFakeStack, nullptr, nullptr);
    running = c.resumer;
}

void Fiber::switchOut() {
    Context& c = *context_;
    c.state = Context::State::Suspended;
    startSwitch(&c.fakeStack, c.callerBottom, c.callerSize);
    ::swapcontext(&c.own, &c.caller);
    // Whoever resumes it now may run on another stack than the first time.
    finishSwitch(c.fakeStack, &c.callerBottom, &c.callerSize);
}

void Fiber::suspend() {
    if (running != nullptr) {
        running->switchOut();
    }
}

void Fiber::entry() {
    Fiber* self = running;
    Context& c = *self->context_;
    finishSwitch(nullptr, &c.callerBottom, &c.callerSize);
    try {
        c.body();
    } catch (...) {
        c.error = std::current_exception();
    }
    c.state = Context::State::Finished;
    // A null save: the fiber ends, its fake stack goes with it.
    startSwitch(nullptr, c.callerBottom, c.callerSize);
    ::setcontext(&c.caller);
    std::abort();  // setcontext returns only on failure
}
