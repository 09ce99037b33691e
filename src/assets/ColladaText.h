#pragma once
// Plain text scanning of a COLLADA document, enough for the checks made
// before Assimp reads one: start tags with their attributes, where an element
// closes, attribute values as the XML library reads them. No XML library: a
// document these cannot follow is left to the importer.
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

namespace dusk::collada {

using Attributes = std::map<std::string, std::string>;

// One start tag: where it begins and ends (just past its '>'), and its
// attributes.
struct Tag {
    size_t begin = 0;
    size_t end = 0;
    bool empty = false;  // <name ... />
    Attributes attributes;
};

bool isSpace(char c);

// The attributes of a start tag's inside (name='value' or name="value"),
// up to the first that is not one.
Attributes parseAttributes(const std::string& text);

// The next start tag <name ...> at or after from and before limit.
bool findTag(const std::string& doc, const std::string& name, size_t from, size_t limit, Tag& tag);

// Where the element whose start tag ended at `from` is closed (the end of
// doc when it is not).
size_t closing(const std::string& doc, const std::string& name, size_t from);

// An unsigned attribute as the XML library reads it: decimal or 0x hex,
// 0 when there is no number, the largest value on overflow.
uint64_t number(const std::string& text);

// The tag's attribute read by number; fallback when it has none.
uint64_t attribute(const Tag& tag, const std::string& name, uint64_t fallback);

// The id a "#id" attribute refers to; empty when it is missing or no reference.
std::string reference(const Tag& tag, const std::string& name);

}  // namespace dusk::collada
