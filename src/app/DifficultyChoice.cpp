#include "app/DifficultyChoice.h"

namespace dusk {

Difficulty difficultyFor(DifficultyLevel level) {
    switch (level) {
        case DifficultyLevel::Relaxed:
            return Difficulty::relaxed();
        case DifficultyLevel::Hard:
            return Difficulty::hard();
        default:
            return Difficulty::standard();
    }
}

}  // namespace dusk
