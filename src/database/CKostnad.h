#pragma once

#include "CIsoKostnad.h"
#include "doc/ItemList.h"

#include <string>

// The user's price list of insulation costs in "tekvar.cst", from which the
// economy alternatives take their cost. It is never part of a document.
class CKostnad : public CItem {
    TEKVAR_DECLARE_CLASS(CKostnad)

public:
    // Touches no file; Load reads the one named in the settings.
    CKostnad() = default;

    // Takes the path from the settings and reads the file. False after the
    // message; a file that cannot be opened leaves the list as it was, a
    // damaged one leaves the entries read before the damage.
    bool Load();
    // False after the message; the list in memory stays as accepted.
    bool Save();

    // The list dialog works on clones. OK puts them in place, takes the
    // dialog's choice and writes the file when the dialog changed the list.
    bool Edit() override;

    // The dialog's working list while it is open, so the entry editor can
    // check names against it; none otherwise.
    static const ItemList<CIsoKostnad>* WorkingList();

    ItemList<CIsoKostnad> entries;
    CIsoKostnad* selected = nullptr; // one of entries, or none
    std::string path;
    // What the costs are counted per while the list is edited: "m²" for the
    // surfaces the economy dialog describes, "m" otherwise. Not stored.
    std::string unit = "m";
    // Set by the list dialog on its working copy when it added, updated or
    // removed an entry.
    bool listChanged = false;
};
