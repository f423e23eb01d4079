// Temporary files that must not outlive the program: a signal whose default action ends the program (SIGINT,
// SIGTERM, SIGHUP, SIGUSR1, SIGALRM, the real-time signals, a fault's SIGSEGV...) removes every registered
// one before the program ends by that signal.
#pragma once

#include <signal.h>

#include <string>

namespace vellumar {

// For a program's main function. Installs handlers that remove the registered temporaries on every signal
// whose default action ends the program, and then end the program by the same signal, so its exit status
// still tells how it ended; a signal that is ignored at the call (as in a background job or under nohup)
// stays ignored, and one that has a handler already keeps it. Ignores SIGXFSZ,
// so that a write beyond the file-size limit (ulimit -f) fails with EFBIG like any other failed write instead
// of ending the program. Calling it again changes nothing.
void InstallFileSignalHandling();

// A temporary file, known to those handlers while the object lives by its folder (held open) and its name,
// so that a path of any length is covered and a relative one stays that of the working folder at
// registration. The object never removes the file: its owner does, before the registration ends. When every
// slot is taken or the folder cannot be opened, the file is simply not covered.
class RegisteredTemporary {
 public:
  RegisteredTemporary() = default;
  explicit RegisteredTemporary(const std::string& path) noexcept;
  ~RegisteredTemporary();
  RegisteredTemporary(RegisteredTemporary&& other) noexcept;
  RegisteredTemporary& operator=(RegisteredTemporary&& other) noexcept;
  RegisteredTemporary(const RegisteredTemporary&) = delete;
  RegisteredTemporary& operator=(const RegisteredTemporary&) = delete;

  bool covered() const { return slot_ >= 0; }

 private:
  int slot_ = -1;  // index into the registry, -1 when nothing is registered
};

// Holds back those signals (but the ones a fault raises) on this thread while it lives, so that a file
// created and then registered meanwhile cannot be left behind by a signal between the two; such a signal
// arrives at the end.
class TerminationSignalsHeld {
 public:
  TerminationSignalsHeld();
  ~TerminationSignalsHeld();
  TerminationSignalsHeld(const TerminationSignalsHeld&) = delete;
  TerminationSignalsHeld& operator=(const TerminationSignalsHeld&) = delete;

 private:
  sigset_t previous_;  // the thread's mask before, restored at the end
};

}  // namespace vellumar
