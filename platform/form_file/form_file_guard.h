// Keeps a writer of other files (a painted picture) from destroying the form it was made from.
#pragma once

#include <string>

namespace vellumar {

// Throws HostError 75 naming output when writing there would destroy a form, because output (links
// followed) is the same file as form (compared by device and inode; form may be empty when there is no
// input), or because output holds a form (its first bytes name the form format; the file is sniffed, never
// parsed). The message names form too, and the file is left as it is.
void RequireNoFormAt(const std::string& output, const std::string& form);

}  // namespace vellumar
