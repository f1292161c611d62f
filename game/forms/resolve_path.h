// File look-up that ignores letter case and takes '\' and '/' alike, on every platform.
#pragma once

#include <string>
#include <vector>

namespace forms {

// The existing file that path names when letter case is ignored; empty when there is none.
std::string ResolvePath(const std::string& path);

// The whole content of a file found by ResolvePath; throws RuntimeError (file not found).
std::vector<unsigned char> ReadFileBytes(const std::string& path);

}  // namespace forms
