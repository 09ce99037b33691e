#include "records/FirstFault.h"

#include <utility>

namespace dusk {

void FirstFault::add(Line line, std::string what) {
    if (what_.empty() || line < line_) {
        line_ = line;
        what_ = std::move(what);
    }
}

void FirstFault::add(const toml::node& node, std::string what) {
    add(node.source().begin.line, std::move(what));
}

}  // namespace dusk
