// The form file's JSON read as a stream: bag entries are decoded as soon as each one ends, so that reading
// never holds more of the document than one entry besides the form it builds.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/form_file/form_file.h"

namespace vellumar::form_file {

// The form the JSON text describes. Throws HostError kErrInvalidFormFile ("FILE: problem") for text that is
// not JSON and for a structure that is not a form (see form_file.h); damaged values become invalid entries.
// The caller has bounded the nesting of the text.
Form ParseFormDocument(std::string_view text, const std::string& file_name, int64_t picture_pixel_budget);

}  // namespace vellumar::form_file
