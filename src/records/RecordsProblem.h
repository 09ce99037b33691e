#pragma once
#include <string>

namespace dusk {

// "Records file "<fileName>"<where>: <what>" on one line: control characters
// in any part are written as escapes.
std::string recordsProblem(const std::string& fileName, const std::string& where,
                           const std::string& what);

}  // namespace dusk
