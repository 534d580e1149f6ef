#include "files/interrupt_cleanup.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace trochograph {

namespace {

// A slot goes free -> claimed (being filled, the handler skips it) -> ready (the handler
// removes its file) -> free. Only lock-free atomics are safe to read in a handler.
enum SlotState : int { slotFree, slotClaimed, slotReady };
static_assert(std::atomic<int>::is_always_lock_free);

struct Slot {
    std::atomic<int> state{slotFree};
    int folder = -1;
    char name[temporaryNameCapacity + 1];
};

Slot slots[temporaryFileSlots];

// Only async-signal-safe calls in here: unlinkat, sigaction, raise.
extern "C" void removeTemporaryFilesAndDie(int signal)
{
    for (Slot& slot : slots)
        if (slot.state.load(std::memory_order_acquire) == slotReady) ::unlinkat(slot.folder, slot.name, 0);
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    ::sigaction(signal, &fallback, nullptr);
    // Blocked while the handler runs; delivered with the default action once it returns.
    ::raise(signal);
}

void installFor(int signal)
{
    struct sigaction previous {};
    if (::sigaction(signal, nullptr, &previous) != 0 || previous.sa_handler != SIG_DFL) return;
    struct sigaction action {};
    action.sa_handler = removeTemporaryFilesAndDie;
    sigemptyset(&action.sa_mask);
    // Either signal arriving during the handler waits, so the table is walked once.
    sigaddset(&action.sa_mask, SIGINT);
    sigaddset(&action.sa_mask, SIGTERM);
    ::sigaction(signal, &action, nullptr);
}

}  // namespace

void removeTemporaryFilesOnInterrupt()
{
    static const bool installed = [] {
        installFor(SIGINT);
        installFor(SIGTERM);
        return true;
    }();
    (void)installed;
}

int registerTemporaryFile(int folder, std::string_view name)
{
    if (name.size() > temporaryNameCapacity) return -1;
    for (int i = 0; i < temporaryFileSlots; ++i) {
        int expected = slotFree;
        if (!slots[i].state.compare_exchange_strong(expected, slotClaimed, std::memory_order_acquire)) continue;
        slots[i].folder = folder;
        std::memcpy(slots[i].name, name.data(), name.size());
        slots[i].name[name.size()] = '\0';
        slots[i].state.store(slotReady, std::memory_order_release);
        return i;
    }
    return -1;
}

void unregisterTemporaryFile(int slot)
{
    if (slot < 0 || slot >= temporaryFileSlots) return;
    slots[slot].state.store(slotFree, std::memory_order_release);
}

}  // namespace trochograph
