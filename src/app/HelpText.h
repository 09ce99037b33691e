#pragma once
// The console's texts for F2 and F5.
#include <array>

namespace dusk {

// The twelve lines F2 prints.
const std::array<const char*, 12>& helpLines();

// The line F5 prints for the new mode.
const char* mipmapMessage(int mipmapMode);

}  // namespace dusk
