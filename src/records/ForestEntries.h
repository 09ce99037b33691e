#pragma once
// The [[forest]] entries of the records file.
#include <toml++/toml.h>

#include <cstddef>

#include "records/FirstFault.h"
#include "records/Records.h"
#include "records/UnknownKeys.h"

namespace dusk {

// What the forest entries are read against.
struct ForestContext {
    const RecordTotals& totals;  // no forest holds more than these
    const CalendarDate& latest;  // no best date is later
    UnknownKeys& unknown;        // the unknown keys of the entries kept go here
};

// The faults of a records file: those that cost the whole file, and the
// first of the forest entries set aside.
struct RecordsFaults {
    FirstFault wholeFile;
    FirstFault entry;
    std::size_t setAside = 0;
};

// Appends to records.forests every entry of the "forest" node without a
// fault; each one with a fault is set aside and its first fault noted in
// faults.entry. A node that is no list of tables is a whole-file fault.
// The faults of an entry are as readRecordsText lists them.
void readForests(const toml::node& node, const ForestContext& context, Records& records,
                 RecordsFaults& faults);

}  // namespace dusk
