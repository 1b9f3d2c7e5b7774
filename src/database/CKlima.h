#pragma once

#include "CKlimasted.h"
#include "doc/ItemList.h"

#include <string>

// The climate locations of "tekvar.ort". They belong to the program, not to a
// document: the modules copy a chosen location's values and keep no reference.
class CKlima : public CItem {
    TEKVAR_DECLARE_CLASS(CKlima)

public:
    // Touches no file; Load reads the one named in the settings.
    CKlima() = default;

    // Takes the path from the settings and reads the file. False after the
    // read message; a file that cannot be opened leaves the list as it was,
    // a damaged one leaves the locations read before the damage.
    bool Load();
    // False after the write message; the list in memory keeps its edits.
    bool Save();

    // The list dialog works on a copy. OK puts the copy in place, takes the
    // dialog's choice and writes the file when the dialog changed the list.
    bool Edit() override;

    // The dialog's working list while it is open, so the location editor can
    // check names against it; none otherwise.
    static const ItemList<CKlimasted>* WorkingList();

    ItemList<CKlimasted> locations;
    CKlimasted* selected = nullptr; // one of locations, or none
    std::string filePath;
    // Set by the list dialog on its working copy when it added, updated or
    // removed a location.
    bool listChanged = false;
};
