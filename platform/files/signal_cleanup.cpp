// The registry is a fixed array of slots so that the signal handler touches no allocator and no lock: a slot
// moves kFree -> kFilling -> kLive when registered and back to kFree when released. The handler claims a
// live slot (kLive -> kDying) before it reads it, so a slot being refilled on another thread is never read
// half-written; a claimed slot is never reused. A slot holds the temporary's folder as an open descriptor
// and its name within, so that no path length limits it and a later change of the working folder does not
// matter.
#include "platform/files/signal_cleanup.h"

#include <fcntl.h>
#include <limits.h>
#include <pthread.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <utility>

#include "platform/files/path_parts.h"

namespace vellumar {
namespace {

enum SlotState : int { kFree, kFilling, kLive, kDying };

// Besides the file being saved, a conversion through a temporary bitmap holds two at once.
constexpr int kSlotCount = 16;

struct Slot {
  std::atomic<int> state{kFree};  // SlotState
  int folder = -1;                // descriptor of the temporary's folder; valid while state is kLive
  char name[NAME_MAX + 1];        // the temporary's name in folder, NUL-ended; valid while state is kLive
};
static_assert(std::atomic<int>::is_always_lock_free, "the signal handler needs lock-free atomics");

std::array<Slot, kSlotCount> g_slots;

// The signals whose default action ends the program, besides the real-time ones (which all do) and SIGXFSZ,
// which InstallFileSignalHandling ignores. Those that a fault raises are never held back: a fault while they
// are blocked ends the program at once.
struct EndingSignal {
  int number;
  bool from_fault;
};
constexpr std::array<EndingSignal, 20> kEndingSignals = {{
    {SIGHUP, false},  {SIGINT, false},    {SIGQUIT, false}, {SIGILL, true},   {SIGTRAP, true},
    {SIGABRT, false}, {SIGBUS, true},     {SIGFPE, true},   {SIGUSR1, false}, {SIGSEGV, true},
    {SIGUSR2, false}, {SIGPIPE, false},   {SIGALRM, false}, {SIGTERM, false}, {SIGSTKFLT, false},
    {SIGXCPU, false}, {SIGVTALRM, false}, {SIGPROF, false}, {SIGIO, false},   {SIGSYS, true},
}};

template <typename Visit>
void ForEachEndingSignal(Visit visit) {
  for (const EndingSignal& signal : kEndingSignals) visit(signal.number, signal.from_fault);
  visit(SIGPWR, false);
  for (int number = SIGRTMIN; number <= SIGRTMAX; ++number) visit(number, false);
}

// Only async-signal-safe calls: unlinkat and raise. SA_RESETHAND has restored the default action, and the
// signal stays blocked until the handler returns, when the raised one ends the program (a fault's signal
// ends it when the faulting instruction runs again).
extern "C" void RemoveTemporariesAndEnd(int signal_number) {
  const int saved_errno = errno;
  for (Slot& slot : g_slots) {
    int expected = kLive;
    if (slot.state.compare_exchange_strong(expected, kDying)) ::unlinkat(slot.folder, slot.name, 0);
  }
  ::raise(signal_number);
  errno = saved_errno;
}

sigset_t HeldSignalSet() {
  sigset_t set;
  ::sigemptyset(&set);
  ForEachEndingSignal([&set](int number, bool from_fault) {
    if (!from_fault) ::sigaddset(&set, number);
  });
  return set;
}

// Only a signal at its default action gets the handler: one that is ignored (as in a background job or
// under nohup) stays ignored, and one with a handler of its own (a sanitizer's, a crash reporter's) keeps it.
bool HasDefaultAction(int signal_number) {
  struct sigaction current {};
  if (::sigaction(signal_number, nullptr, &current) != 0) return false;
  return (current.sa_flags & SA_SIGINFO) == 0 && current.sa_handler == SIG_DFL;
}

void Release(int slot) {
  if (slot < 0) return;
  Slot& entry = g_slots[static_cast<size_t>(slot)];
  const int folder = entry.folder;
  int expected = kLive;
  if (entry.state.compare_exchange_strong(expected, kFree)) ::close(folder);
}

}  // namespace

void InstallFileSignalHandling() {
  ::signal(SIGXFSZ, SIG_IGN);
  sigset_t during_handler;
  ::sigemptyset(&during_handler);
  ForEachEndingSignal([&during_handler](int number, bool) { ::sigaddset(&during_handler, number); });
  ForEachEndingSignal([&during_handler](int number, bool) {
    if (!HasDefaultAction(number)) return;
    struct sigaction action {};
    action.sa_handler = RemoveTemporariesAndEnd;
    action.sa_mask = during_handler;
    action.sa_flags = SA_RESETHAND;
    ::sigaction(number, &action, nullptr);
  });
}

RegisteredTemporary::RegisteredTemporary(const std::string& path) noexcept {
  std::string folder_path;
  std::string name;
  try {
    folder_path = FolderOf(path);
    name = NameOf(path);
  } catch (...) {
    return;
  }
  if (name.empty() || name.size() > NAME_MAX) return;
  const int folder = ::open(folder_path.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
  if (folder < 0) return;
  for (size_t i = 0; i < g_slots.size(); ++i) {
    int expected = kFree;
    if (!g_slots[i].state.compare_exchange_strong(expected, kFilling)) continue;
    g_slots[i].folder = folder;
    std::memcpy(g_slots[i].name, name.c_str(), name.size() + 1);
    g_slots[i].state.store(kLive);
    slot_ = static_cast<int>(i);
    return;
  }
  ::close(folder);
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
  const sigset_t held = HeldSignalSet();
  ::pthread_sigmask(SIG_BLOCK, &held, &previous_);
}

TerminationSignalsHeld::~TerminationSignalsHeld() {
  ::pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
}

}  // namespace vellumar
