// One control on its own headless host: made together, and on destruction detached from the host and
// terminated, so that a control made aside (a load that may still fail) goes without a trace.
#pragma once

#include "control/headless_host.h"
#include "control/vellumar.h"

namespace vellumar {

class HostedControl {
 public:
  // The control raises its events to the host, which passes them to its listener.
  HostedControl() : control_(host_, &host_) { host_.Attach(&control_); }
  ~HostedControl() {
    host_.Attach(nullptr);
    control_.Terminate();
  }
  HostedControl(const HostedControl&) = delete;
  HostedControl& operator=(const HostedControl&) = delete;

  HeadlessHost& host() { return host_; }
  Vellumar& control() { return control_; }

 private:
  HeadlessHost host_;  // declared before the control, which refers to it
  Vellumar control_;
};

}  // namespace vellumar
