#pragma once

#include <string>
#include <string_view>

namespace tandarel {

// UTF-16 text from a Windows call, as UTF-8. Windows only.
std::string utf8FromWide(std::wstring_view wide);

}  // namespace tandarel
