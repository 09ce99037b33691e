#include "assets/ColladaCheck.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <optional>
#include <string_view>
#include <vector>

#include "assets/ColladaText.h"

namespace dusk {

namespace {

using namespace collada;

// What Assimp keeps of an accessor: elements, where they lie in which array,
// and how many values one element is read as (a float4x4 parameter is 16).
struct Accessor {
    uint64_t count = 0;
    uint64_t stride = 1;
    uint64_t offset = 0;
    uint64_t size = 0;
    std::string array;
};

struct Input {
    std::string semantic;
    std::string source;
    uint64_t offset = 0;
};

// The value count of every array Assimp reads, by id.
std::map<std::string, uint64_t> arrays(const std::string& doc) {
    std::map<std::string, uint64_t> out;
    for (const char* kind : {"float_array", "IDREF_array", "Name_array"}) {
        Tag tag;
        for (size_t at = 0; findTag(doc, kind, at, doc.size(), tag); at = tag.end) {
            out[tag.attributes["id"]] = attribute(tag, "count", 0);
        }
    }
    return out;
}

// The accessor of every <source>, by the source's id.
std::map<std::string, Accessor> accessors(const std::string& doc) {
    std::map<std::string, Accessor> out;
    Tag source;
    for (size_t at = 0; findTag(doc, "source", at, doc.size(), source); at = source.end) {
        const size_t end = closing(doc, "source", source.end);
        Tag tag;
        if (source.empty || !findTag(doc, "accessor", source.end, end, tag)) {
            continue;
        }
        Accessor accessor{attribute(tag, "count", 0), attribute(tag, "stride", 1),
                          attribute(tag, "offset", 0), 0, reference(tag, "source")};
        const size_t accessorEnd = tag.empty ? tag.end : closing(doc, "accessor", tag.end);
        Tag param;
        for (size_t p = tag.end; findTag(doc, "param", p, accessorEnd, param); p = param.end) {
            accessor.size += param.attributes["type"] == "float4x4" ? 16 : 1;
        }
        out[source.attributes["id"]] = accessor;
    }
    return out;
}

// The inputs of the element that starts at from and ends at end.
std::vector<Input> inputs(const std::string& doc, size_t from, size_t end) {
    std::vector<Input> out;
    Tag tag;
    for (size_t at = from; findTag(doc, "input", at, end, tag); at = tag.end) {
        out.push_back(
            {tag.attributes["semantic"], reference(tag, "source"), attribute(tag, "offset", 0)});
    }
    return out;
}

const Input* withSemantic(const std::vector<Input>& list, const std::string& semantic) {
    for (const Input& input : list) {
        if (input.semantic == semantic) {
            return &input;
        }
    }
    return nullptr;
}

// Whether elements 0 .. count - 1 of the accessor, each read as `values`
// values, lie inside its array (an array it does not name is not checked).
bool fits(const Accessor& accessor, uint64_t count, uint64_t values,
          const std::map<std::string, uint64_t>& arrayCounts) {
    const auto array = arrayCounts.find(accessor.array);
    if (count == 0 || array == arrayCounts.end()) {
        return true;
    }
    // In 128 bits: the counts come from the file and may be anything.
    const unsigned __int128 last = static_cast<unsigned __int128>(accessor.stride) * (count - 1) +
                                   accessor.offset + std::max<uint64_t>(values, 1);
    return last <= array->second;
}

std::vector<int64_t> integers(const std::string& text) {
    std::vector<int64_t> out;
    const char* p = text.c_str();
    while (*p != '\0') {
        char* end = nullptr;
        const long long value = std::strtoll(p, &end, 10);
        if (end == p) {
            break;
        }
        out.push_back(value);
        p = end;
    }
    return out;
}

std::string elementText(const std::string& doc, const std::string& name, size_t from, size_t end) {
    Tag tag;
    if (!findTag(doc, name, from, end, tag) || tag.empty) {
        return "";
    }
    return doc.substr(tag.end, closing(doc, name, tag.end) - tag.end);
}

// Whether every offset-th of each stride values of list lies in 0 .. count - 1.
bool indicesBelow(const std::vector<int64_t>& list, uint64_t offset, uint64_t stride,
                  uint64_t count) {
    for (size_t i = offset; i < list.size(); i += stride) {
        if (list[i] < 0 || uint64_t(list[i]) >= count) {
            return false;
        }
    }
    return true;
}

// The position count of the geometry with this id; nullopt when it or its
// positions cannot be found.
std::optional<uint64_t> positionCount(const std::string& doc, const std::string& geometryId,
                                      const std::map<std::string, Accessor>& sources) {
    Tag geometry;
    for (size_t at = 0; findTag(doc, "geometry", at, doc.size(), geometry); at = geometry.end) {
        if (geometry.empty || geometry.attributes["id"] != geometryId) {
            continue;
        }
        const size_t end = closing(doc, "geometry", geometry.end);
        Tag vertices;
        if (!findTag(doc, "vertices", geometry.end, end, vertices) || vertices.empty) {
            return std::nullopt;
        }
        const auto list = inputs(doc, vertices.end, closing(doc, "vertices", vertices.end));
        const Input* position = withSemantic(list, "POSITION");
        if (position == nullptr || sources.count(position->source) == 0) {
            return std::nullopt;
        }
        return sources.at(position->source).count;
    }
    return std::nullopt;
}

// Assimp finds a vertex's weights by its position index among the skin's
// <vertex_weights count>: every position of the skinned geometry needs one.
bool weightsCoverVertices(const std::string& doc, const std::map<std::string, Accessor>& sources) {
    Tag skin;
    for (size_t at = 0; findTag(doc, "skin", at, doc.size(), skin); at = skin.end) {
        const auto positions = positionCount(doc, reference(skin, "source"), sources);
        Tag weights;
        if (skin.empty || !positions ||
            !findTag(doc, "vertex_weights", skin.end, closing(doc, "skin", skin.end), weights)) {
            continue;
        }
        if (attribute(weights, "count", 0) < *positions) {  // a negative count reads as 0
            return false;
        }
    }
    return true;
}

// A skin's bind matrices (16 values for every joint), the weight and joint
// index of every influence in <v>, and a weight entry for every vertex.
bool skinFits(const std::string& doc, const std::map<std::string, Accessor>& sources,
              const std::map<std::string, uint64_t>& arrayCounts) {
    Tag tag;
    for (size_t at = 0; findTag(doc, "joints", at, doc.size(), tag); at = tag.end) {
        const auto list = inputs(doc, tag.end, closing(doc, "joints", tag.end));
        const Input* joint = withSemantic(list, "JOINT");
        const Input* matrix = withSemantic(list, "INV_BIND_MATRIX");
        if (joint != nullptr && matrix != nullptr && sources.count(joint->source) != 0 &&
            sources.count(matrix->source) != 0 &&
            !fits(sources.at(matrix->source), sources.at(joint->source).count, 16, arrayCounts)) {
            return false;
        }
    }
    for (size_t at = 0; findTag(doc, "vertex_weights", at, doc.size(), tag); at = tag.end) {
        const size_t end = closing(doc, "vertex_weights", tag.end);
        const auto list = inputs(doc, tag.end, end);
        const Input* weight = withSemantic(list, "WEIGHT");
        if (weight == nullptr || sources.count(weight->source) == 0) {
            continue;
        }
        uint64_t stride = 1;
        for (const Input& input : list) {
            stride = std::max(stride, input.offset + 1);
        }
        const auto v = integers(elementText(doc, "v", tag.end, end));
        if (!indicesBelow(v, weight->offset, stride, sources.at(weight->source).count)) {
            return false;
        }
        const Input* joint = withSemantic(list, "JOINT");
        if (joint != nullptr && sources.count(joint->source) != 0 &&
            !indicesBelow(v, joint->offset, stride, sources.at(joint->source).count)) {
            return false;
        }
    }
    return weightsCoverVertices(doc, sources);
}

bool isColladaDocument(const std::string& bytes) {
    std::string lower(bytes);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return lower.find("<collada") != std::string::npos;
}

bool isIndexCharacter(char c) {
    return (c >= '0' && c <= '9') || c == '+' || c == '-' || isSpace(c);
}

}  // namespace

bool runawayIndexList(const std::string& document) {
    if (!isColladaDocument(document)) {
        return false;
    }
    Tag tag;
    for (size_t at = 0; findTag(document, "p", at, document.size(), tag); at = tag.end) {
        if (tag.empty) {
            continue;
        }
        size_t end = tag.end;
        while (end < document.size() && isIndexCharacter(document[end])) {
            ++end;
        }
        if (end < document.size() && document.compare(end, 4, "</p>") != 0) {
            return true;
        }
    }
    return false;
}

bool readsPastAnArray(const std::string& document) {
    if (!isColladaDocument(document)) {
        return false;
    }
    const auto arrayCounts = arrays(document);
    const auto sources = accessors(document);
    for (const auto& [id, accessor] : sources) {
        if (!fits(accessor, accessor.count, accessor.size, arrayCounts)) {
            return true;
        }
    }
    return !skinFits(document, sources, arrayCounts);
}

std::string colladaProblem(const std::string& document) {
    if (runawayIndexList(document)) {
        return "a COLLADA index list (<p>) holds a character that is not part of a number";
    }
    if (readsPastAnArray(document)) {
        return "a COLLADA accessor or skin reaches past the values of its array";
    }
    return "";
}

}  // namespace dusk
