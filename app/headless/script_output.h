// The text the script host prints: values, notices and the state dump, one line each, without line breaks.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "control/headless_host.h"
#include "control/property_table.h"

namespace vellumar {

// The shortest text that reads back as the same float ("10", "8.25", "-0.5").
std::string FormatSingle(float value);
// Text in double quotes with \" and \\ as the script writes them; other control bytes as \xNN.
std::string QuoteString(std::string_view text);
// Colours as 0x%08X, Booleans True/False, numbers in decimal, strings quoted, a font with its attributes,
// a picture with its type and HIMETRIC size or Nothing, no value as Empty.
std::string FormatValue(const ControlPropertyValue& value);
// "event NAME ARG=VALUE ..." or "changed NAME".
std::string FormatNotice(const HostNotice& notice);
// The lines of the dump command: one for the control, one for the page, one for each tab.
std::vector<std::string> DumpLines(const Vellumar& control, const HeadlessHost& host);

}  // namespace vellumar
