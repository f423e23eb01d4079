// The form the designer shows when it is started without a form file.
#pragma once

#include <string>
#include <vector>

#include "platform/form_file/form_file.h"

namespace vellumar {

// The built-in demo form: two controls, one with its tabs on top and one with its tabs at the bottom,
// captions with access keys, colours and fonts other than a new control's, and a picture on a tab.
Form BuildDemoForm();

// The demo form from the first of the candidate files that exists and loads; the built-in one when none
// does. problems receives one line for each candidate that exists but could not be loaded.
Form LoadDemoForm(const std::vector<std::string>& candidates, std::vector<std::string>& problems);

}  // namespace vellumar
