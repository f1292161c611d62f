// Text conversions at the Win32 boundary: the runtime speaks UTF-8, Windows UTF-16 or ANSI.
#pragma once

#include <string>

namespace forms {

std::wstring Utf8ToWide(const std::string& utf8);
std::string WideToUtf8(const std::wstring& wide);
// The text in the ANSI code page; characters it lacks become '?'.
std::string Utf8ToAnsi(const std::string& utf8);

}  // namespace forms
