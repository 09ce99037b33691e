#pragma once
// What every fuzz target shares: a private scratch folder for the files made
// from the fuzzer's bytes, one hidden GL context for the whole run, and a
// check that ends the run with a message when an invariant breaks.
#include <cstddef>
#include <cstdint>
#include <string>

namespace dusk::fuzz {

// Writes the bytes to `name` inside this process's scratch folder (made on
// first use, removed at exit) and returns the file's absolute path.
std::string writeScratchFile(const std::string& name, const uint8_t* data, size_t size);

// The absolute path of a file in the scratch folder that never exists.
std::string missingScratchFile(const std::string& name);

// Opens a hidden 3.3 core window once and keeps its context current; aborts
// when there is no display.
void makeGlContextOnce();

// Drains the GL error flags and returns how many there were.
int drainGlErrors();

// Aborts with the message when the condition is false: a finding.
void require(bool condition, const std::string& message);

}  // namespace dusk::fuzz
