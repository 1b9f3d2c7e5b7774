#pragma once

#include "JsonText.h"

// A dump written over reviewed sources keeps what only the sources know:
// the file's title, notes and references, each item's "source" and "note",
// and a product's declared conductivities where the curve still is the one
// fitted to them. Dumping an unchanged database over its sources therefore
// changes nothing, and a changed one shows only its changes.
class SourceNotes {
public:
    // `dumped` is a fresh document of the dump; `existing` the source file it
    // replaces. Items are matched by name, nameless ones (texts) by position.
    static Json Merge(Json dumped, const Json& existing);
};
