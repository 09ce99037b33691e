#include "records/RecordsProblem.h"

#include "storage/FileLines.h"

namespace dusk {

std::string recordsProblem(const std::string& fileName, const std::string& where,
                           const std::string& what) {
    return fileLine("Records file", fileName, where, what);
}

}  // namespace dusk
