#include "assets/ColladaText.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace dusk::collada {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

Attributes parseAttributes(const std::string& text) {
    Attributes out;
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (isSpace(text[i]) || text[i] == '/')) {
            ++i;
        }
        const size_t nameStart = i;
        while (i < text.size() && text[i] != '=' && !isSpace(text[i])) {
            ++i;
        }
        const std::string name = text.substr(nameStart, i - nameStart);
        while (i < text.size() && isSpace(text[i])) {
            ++i;
        }
        if (name.empty() || i >= text.size() || text[i] != '=') {
            break;
        }
        ++i;
        while (i < text.size() && isSpace(text[i])) {
            ++i;
        }
        if (i >= text.size() || (text[i] != '"' && text[i] != '\'')) {
            break;
        }
        const size_t close = text.find(text[i], i + 1);
        if (close == std::string::npos) {
            break;
        }
        out[name] = text.substr(i + 1, close - i - 1);
        i = close + 1;
    }
    return out;
}

bool findTag(const std::string& doc, const std::string& name, size_t from, size_t limit, Tag& tag) {
    const std::string open = "<" + name;
    const std::string_view searched(doc.data(), std::min(limit, doc.size()));
    for (size_t at = searched.find(open, from); at != std::string::npos;
         at = searched.find(open, at + 1)) {
        const size_t after = at + open.size();
        if (after >= doc.size()) {
            return false;
        }
        if (doc[after] != '>' && doc[after] != '/' && !isSpace(doc[after])) {
            continue;
        }
        const size_t close = doc.find('>', after);
        if (close == std::string::npos) {
            return false;
        }
        tag.begin = at;
        tag.end = close + 1;
        tag.empty = doc[close - 1] == '/';
        tag.attributes = parseAttributes(doc.substr(after, close - after));
        return true;
    }
    return false;
}

size_t closing(const std::string& doc, const std::string& name, size_t from) {
    const size_t at = doc.find("</" + name, from);
    return at == std::string::npos ? doc.size() : at;
}

uint64_t number(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && isSpace(text[i])) {
        ++i;
    }
    if (i < text.size() && text[i] == '-') {
        return 0;
    }
    i += i < text.size() && text[i] == '+' ? 1 : 0;
    int base = 10;
    if (text.compare(i, 2, "0x") == 0 || text.compare(i, 2, "0X") == 0) {
        base = 16;
        i += 2;
    }
    uint64_t value = 0;
    for (; i < text.size() && std::isxdigit(static_cast<unsigned char>(text[i])); ++i) {
        const int digit = std::isdigit(static_cast<unsigned char>(text[i]))
                              ? text[i] - '0'
                              : std::tolower(static_cast<unsigned char>(text[i])) - 'a' + 10;
        if (digit >= base) {
            break;
        }
        value = std::min<uint64_t>(value * base + digit, UINT32_MAX);
    }
    return value;
}

uint64_t attribute(const Tag& tag, const std::string& name, uint64_t fallback) {
    const auto found = tag.attributes.find(name);
    return found == tag.attributes.end() ? fallback : number(found->second);
}

std::string reference(const Tag& tag, const std::string& name) {
    const auto found = tag.attributes.find(name);
    if (found == tag.attributes.end() || found->second.empty() || found->second[0] != '#') {
        return "";
    }
    return found->second.substr(1);
}

}  // namespace dusk::collada
