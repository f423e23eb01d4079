// The registry is a fixed array of slots so that the signal handler touches no allocator and no lock: a slot
// moves kFree -> kFilling -> kLive when registered and back to kFree when released. The handler claims a
// live slot (kLive -> kDying) before it reads the path, so a slot being refilled on another thread is never
// read half-written; a claimed slot is never reused.
#include "platform/signal_cleanup.h"

#include <limits.h>
#include <pthread.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cstring>
#include <filesystem>
#include <utility>

namespace vellumar {
namespace {

enum SlotState : int { kFree, kFilling, kLive, kDying };

// Besides the file being saved, a conversion through a temporary bitmap holds two at once.
constexpr int kSlotCount = 16;

struct Slot {
  std::atomic<int> state{kFree};  // SlotState
  char path[PATH_MAX];            // absolute, NUL-ended; valid while state is kLive
};
static_assert(std::atomic<int>::is_always_lock_free, "the signal handler needs lock-free atomics");

std::array<Slot, kSlotCount> g_slots;

constexpr std::array<int, 3> kTerminationSignals = {SIGINT, SIGTERM, SIGHUP};

// Only async-signal-safe calls: unlink and raise. SA_RESETHAND has restored the default action, and the
// signal stays blocked until the handler returns, when the raised one ends the program.
extern "C" void RemoveTemporariesAndEnd(int signal_number) {
  for (Slot& slot : g_slots) {
    int expected = kLive;
    if (slot.state.compare_exchange_strong(expected, kDying)) ::unlink(slot.path);
  }
  ::raise(signal_number);
}

sigset_t TerminationSignalSet() {
  sigset_t set;
  ::sigemptyset(&set);
  for (const int signal_number : kTerminationSignals) ::sigaddset(&set, signal_number);
  return set;
}

bool IsIgnored(int signal_number) {
  struct sigaction current {};
  if (::sigaction(signal_number, nullptr, &current) != 0) return true;
  return (current.sa_flags & SA_SIGINFO) == 0 && current.sa_handler == SIG_IGN;
}

void Release(int slot) {
  if (slot < 0) return;
  int expected = kLive;
  g_slots[static_cast<size_t>(slot)].state.compare_exchange_strong(expected, kFree);
}

}  // namespace

void InstallFileSignalHandling() {
  ::signal(SIGXFSZ, SIG_IGN);
  for (const int signal_number : kTerminationSignals) {
    if (IsIgnored(signal_number)) continue;
    struct sigaction action {};
    action.sa_handler = RemoveTemporariesAndEnd;
    action.sa_mask = TerminationSignalSet();
    action.sa_flags = SA_RESETHAND;
    ::sigaction(signal_number, &action, nullptr);
  }
}

RegisteredTemporary::RegisteredTemporary(const std::string& path) noexcept {
  std::string absolute;
  try {
    std::error_code error;
    absolute = std::filesystem::absolute(path, error).string();
    if (error) return;
  } catch (...) {
    return;
  }
  if (absolute.empty() || absolute.size() >= PATH_MAX) return;
  for (size_t i = 0; i < g_slots.size(); ++i) {
    int expected = kFree;
    if (!g_slots[i].state.compare_exchange_strong(expected, kFilling)) continue;
    std::memcpy(g_slots[i].path, absolute.c_str(), absolute.size() + 1);
    g_slots[i].state.store(kLive);
    slot_ = static_cast<int>(i);
    return;
  }
}

RegisteredTemporary::~RegisteredTemporary() {
  Release(slot_);
}

RegisteredTemporary::RegisteredTemporary(RegisteredTemporary&& other) noexcept
    : slot_(std::exchange(other.slot_, -1)) {}

RegisteredTemporary& RegisteredTemporary::operator=(RegisteredTemporary&& other) noexcept {
  if (this != &other) {
    Release(slot_);
    slot_ = std::exchange(other.slot_, -1);
  }
  return *this;
}

TerminationSignalsHeld::TerminationSignalsHeld() {
  const sigset_t held = TerminationSignalSet();
  ::pthread_sigmask(SIG_BLOCK, &held, &previous_);
}

TerminationSignalsHeld::~TerminationSignalsHeld() {
  ::pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
}

}  // namespace vellumar
