// Numbered errors that say what failed and where, after the host's standard description:
// "Out of memory: FORM.vform: control Vellumar1: 100001 tabs, at most 100000".
#pragma once

#include <string_view>

#include "platform/host_error.h"

namespace vellumar {

// "Standard description: detail".
HostError DetailedError(int number, std::string_view detail);

// The same error placed at where: "Standard description: where: detail", where detail is what the error
// said beyond its standard description (nothing when it said no more).
HostError ErrorWithin(const HostError& error, std::string_view where);

}  // namespace vellumar
