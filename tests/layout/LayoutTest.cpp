// The source tree's floors, read from the files themselves: an include only
// points down or sideways between folders, never round a loop; inside a
// folder no file includes one that includes it back; the rounds' floors name
// no GL or window header; and the README and docs/ARCHITECTURE.md list every
// folder there is.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <string>

namespace fs = std::filesystem;

namespace dusk::test {
namespace {

const fs::path src = fs::path(DUSK_SOURCE_DIR) / "src";

// The floors as docs/ARCHITECTURE.md draws them; a higher one may include a
// lower one, and folders on one floor each other, as long as no loop forms.
const std::map<std::string, int> floors = {
    {"app", 5},     {"replay", 4}, {"game", 3},  {"render", 3},  {"ui", 3},
    {"audio", 3},   {"input", 3},  {"scene", 2}, {"records", 2}, {"settings", 2},
    {"storage", 1}, {"assets", 0}, {"math", 0},  {"base", 0},
};

// "folder/Unit" -> the units it includes ("folder/Unit" without extension).
using Graph = std::map<std::string, std::set<std::string>>;

struct Tree {
    Graph units;
    std::map<std::string, std::set<std::string>> systemHeaders;  // by folder
};

Tree readTree() {
    const std::regex quoted(R"(^\s*#\s*include\s+"([a-z]+)/(\w+)\.h")");
    const std::regex system(R"(^\s*#\s*include\s+<(\w+)/)");
    Tree tree;
    for (const auto& entry : fs::recursive_directory_iterator(src)) {
        if (!entry.is_regular_file()) {
            continue;
        }
        const std::string folder = entry.path().parent_path().filename().string();
        const std::string unit = folder + "/" + entry.path().stem().string();
        tree.units[unit];
        std::ifstream in(entry.path());
        std::smatch match;
        for (std::string line; std::getline(in, line);) {
            if (std::regex_search(line, match, quoted)) {
                tree.units[unit].insert(match[1].str() + "/" + match[2].str());
            } else if (std::regex_search(line, match, system)) {
                tree.systemHeaders[folder].insert(match[1].str());
            }
        }
    }
    return tree;
}

std::string folderOf(const std::string& unit) { return unit.substr(0, unit.find('/')); }

// A loop in the graph as "a -> b -> a", or empty.
std::string loopIn(const Graph& graph) {
    std::map<std::string, int> state;  // 1: on the path, 2: done
    std::vector<std::string> path;
    std::string found;
    std::function<void(const std::string&)> visit = [&](const std::string& node) {
        state[node] = 1;
        path.push_back(node);
        for (const std::string& next :
             graph.count(node) ? graph.at(node) : std::set<std::string>{}) {
            if (found.empty() && state[next] == 1) {
                for (auto at = std::find(path.begin(), path.end(), next); at != path.end(); ++at) {
                    found += *at + " -> ";
                }
                found += next;
            } else if (found.empty() && state[next] == 0) {
                visit(next);
            }
        }
        path.pop_back();
        state[node] = 2;
    };
    for (const auto& [node, edges] : graph) {
        if (found.empty() && state[node] == 0) {
            visit(node);
        }
    }
    return found;
}

TEST(Layout, IncludesPointDownOrSidewaysAndNeverRoundALoop) {
    const Tree tree = readTree();
    Graph folders;
    std::map<std::string, Graph> inside;
    for (const auto& [unit, includes] : tree.units) {
        const std::string from = folderOf(unit);
        ASSERT_TRUE(floors.count(from)) << "src/" << from << " has no floor";
        for (const std::string& included : includes) {
            const std::string to = folderOf(included);
            ASSERT_TRUE(tree.units.count(included)) << unit << " includes a missing " << included;
            if (to == from) {
                if (included != unit) {
                    inside[from][unit].insert(included);
                }
                continue;
            }
            ASSERT_TRUE(floors.count(to)) << "src/" << to << " has no floor";
            EXPECT_LE(floors.at(to), floors.at(from)) << unit << " includes " << included;
            folders[from].insert(to);
        }
    }
    EXPECT_EQ(loopIn(folders), "") << "between folders";
    for (const auto& [folder, units] : inside) {
        EXPECT_EQ(loopIn(units), "") << "inside src/" << folder;
    }
    for (const char* folder : {"game", "scene", "assets", "math", "base"}) {
        const auto headers = tree.systemHeaders.find(folder);
        EXPECT_FALSE(headers != tree.systemHeaders.end() &&
                     (headers->second.count("GL") || headers->second.count("GLFW")))
            << "src/" << folder << " includes a GL or GLFW header";
    }
}

TEST(Layout, TheReadmeAndTheArchitectureListEveryFolder) {
    const auto text = [](const fs::path& path) {
        std::ifstream in(path);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    };
    const std::string readme = text(fs::path(DUSK_SOURCE_DIR) / "README.md");
    const std::string architecture = text(fs::path(DUSK_SOURCE_DIR) / "docs" / "ARCHITECTURE.md");
    const size_t start = architecture.find("## Floors");
    const std::string drawing =
        architecture.substr(start, architecture.find("\n## ", start + 1) - start);
    for (const auto& entry : fs::directory_iterator(src)) {
        const std::string folder = entry.path().filename().string();
        EXPECT_NE(readme.find("| `src/" + folder + "` |"), std::string::npos) << folder;
        EXPECT_TRUE(std::regex_search(drawing, std::regex("[^a-z/`]" + folder + "\\b"))) << folder;
    }
}

}  // namespace
}  // namespace dusk::test
