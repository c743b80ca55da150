#include "core/system_error_text.h"

namespace tandarel {

std::string systemErrorText(const std::error_code& error) { return error.message(); }

}  // namespace tandarel
