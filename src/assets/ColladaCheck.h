#pragma once
// Checks on a COLLADA document that Debian's Assimp 5.2 does not make before
// it reads: where they fail, the importer would loop until memory runs out
// or stop the whole process on one of its internal assertions (it is built
// with them on). Plain text scanning, no XML library: a document that these
// checks cannot follow is left to the importer.
#include <string>

namespace dusk {

// Empty when the document is not COLLADA or passes every check; otherwise
// the reason, for the loader's message.
std::string colladaProblem(const std::string& document);

// Assimp reads a <p> index list until the end of its text, number by number;
// a character that is neither a digit, a sign nor white space is never passed
// over, and the list grows without end. True when a COLLADA document holds
// such a list (or markup inside one).
bool runawayIndexList(const std::string& document);

// Assimp reads the n-th element of an accessor at offset + n x stride in its
// array and asserts that it lies inside, and it trusts a skin's indices. True
// when some accessor, a skin's bind matrices, a skin's weight or joint indices
// reach past the values that are there, or a skin has fewer weight entries
// than its geometry has positions.
bool readsPastAnArray(const std::string& document);

}  // namespace dusk
