// ScriptRunner: carries out script commands on one control in a headless host and prints what happens,
// one line each, in order: "event NAME ARG=VALUE ..." for every event the control raises, "changed NAME" for
// every PropertyChanged, "= VALUE" for results, "dump ..." for the state dump, and "error N: DESCRIPTION" for
// a numbered error, after which the next command runs as usual (failed() remembers it). A mousemove moves
// the cursor and reaches the control only where a window system would send it (HeadlessHost::ReceivesMoveTo).
//
// Form files: "load FORM [NAME]" reads the form and replaces the current control with its control NAME (the
// first without a name) through ReadProperties, sized as saved. A load is all or nothing: the new control is
// made, read and sized aside, and its notices are printed, only once all of that has succeeded; a form that
// cannot be read, lacks the control, claims more than a control may hold or gives a size the host refuses
// leaves the current control as it was. "save FORM" writes a form of the current control alone, under its
// name ("Vellumar1" for a new control, the loaded name otherwise) and at its size; "save FORM NAME" stores it
// as NAME into the form at FORM, keeping the form's other controls (see StoreControl), and the control goes
// by NAME from then on. What the load could not use is written back by every save (UnusedEntries).
#pragma once

#include <cstdint>
#include <memory>
#include <ostream>
#include <span>
#include <string>

#include "app/headless/form_control.h"
#include "app/headless/hosted_control.h"
#include "app/headless/script_command.h"
#include "control/headless_host.h"
#include "control/unused_entries.h"
#include "control/vellumar.h"

namespace vellumar {

struct RunnerOptions {
  // paint, load, save and picture file paths; off, they fail with error 70 (for fuzzing, where no file may be
  // touched).
  bool allow_files = true;
  // When above 0, new and size make each side of a surface at most this long (sizes the host refuses stay
  // refused), so that fuzzing stays fast.
  int32_t max_surface_side = 0;
};

class ScriptRunner {
 public:
  explicit ScriptRunner(std::ostream& out, RunnerOptions options = {});
  ~ScriptRunner();
  ScriptRunner(const ScriptRunner&) = delete;
  ScriptRunner& operator=(const ScriptRunner&) = delete;

  void Execute(const ScriptCommand& command);
  void Run(std::span<const ScriptCommand> commands);

  // True once any command has raised an error.
  bool failed() const { return failed_; }

  // The current control and its host; null before the first new.
  Vellumar* control() { return current_ ? &current_->control() : nullptr; }
  HeadlessHost* host() { return current_ ? &current_->host() : nullptr; }

 private:
  void Dispatch(const ScriptCommand& command);
  void Print(const std::string& line);
  Vellumar& Control();
  HeadlessHost& Host();
  void New(const ScriptCommand& command);
  void Load(const ScriptCommand& command);
  void Save(const ScriptCommand& command);
  void RequireFiles() const;
  void Size(HeadlessHost& host, int32_t width, int32_t height) const;
  void Set(const ScriptCommand& command);
  void Get(const ScriptCommand& command);
  void Call(const ScriptCommand& command);
  void Mouse(const ScriptCommand& command);
  void Paint(const std::string& path, int32_t scale);
  StdPictureRef Picture(const ScriptValue& value) const;

  std::ostream& out_;
  RunnerOptions options_;
  std::unique_ptr<HostedControl> current_;  // the control and its host; null before the first new
  ControlPlace place_;    // the control's name and place on its form; its size is the host's
  UnusedEntries unused_;  // what the load of the current control could not use
  std::string form_;      // the form file the control was last loaded from or saved to; empty for none
  bool failed_ = false;   // a command raised an error
};

}  // namespace vellumar
