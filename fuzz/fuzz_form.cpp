// The form-file reader on arbitrary bytes. Whatever it accepts must also survive the conversions a control
// applies while reading, and saving it again must give a file that reads back to the same text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/errors/host_error.h"
#include "platform/form_file/form_file.h"

namespace {

constexpr const char* kName = "fuzz.vform";

void ConvertEveryValue(const vellumar::Form& form) {
  using namespace vellumar;
  for (const FormControl& control : form.controls) {
    for (const PropertyBag::Entry& entry : control.bag.entries()) {
      const PropertyValue value = control.bag.ReadProperty(entry.key);
      try {
        ToInt32(value);
      } catch (const HostError&) {
      }
      try {
        ToString(value);
      } catch (const HostError&) {
      }
      try {
        ToPicture(value);
      } catch (const HostError&) {
      }
      try {
        ToFont(value);
      } catch (const HostError&) {
      }
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  vellumar::Form form;
  try {
    form = vellumar::ParseForm(bytes, kName);
  } catch (const vellumar::HostError&) {
    return 0;
  }
  ConvertEveryValue(form);
  std::string saved;
  try {
    saved = vellumar::SerializeForm(form, kName);
  } catch (const vellumar::HostError& error) {
    // Only a form that its own text would make too large for a load may be refused; the rest must save.
    if (error.number() != vellumar::kErrOutOfMemory) __builtin_trap();
    return 0;
  }
  if (vellumar::SerializeForm(vellumar::ParseForm(saved, kName), kName) != saved) __builtin_trap();
  return 0;
}
