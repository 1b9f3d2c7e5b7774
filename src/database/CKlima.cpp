#include "CKlima.h"

#include "doc/FileIO.h"
#include "doc/StringTable.h"
#include "platform/Services.h"

#include <algorithm>
#include <vector>

TEKVAR_IMPLEMENT_ABSTRACT_CLASS(CKlima, CItem)

namespace {

const ItemList<CKlimasted>* workingList = nullptr;

// Points the name check at the dialog's list for as long as the dialog is open.
class WorkingListScope {
public:
    explicit WorkingListScope(const ItemList<CKlimasted>& list) : outer_(workingList) { workingList = &list; }
    ~WorkingListScope() { workingList = outer_; }
    WorkingListScope(const WorkingListScope&) = delete;
    WorkingListScope& operator=(const WorkingListScope&) = delete;

private:
    const ItemList<CKlimasted>* outer_;
};

void tellReadFailure(const std::string& path)
{
    platform::prompter().Tell(FormatPositional("Kan inte läsa ortsfilen (%1).", {path}));
}

// The item of `to` at the position `item` has in `from`; none when it is not there.
CKlimasted* counterpart(const ItemList<CKlimasted>& from, const CKlimasted* item, const ItemList<CKlimasted>& to)
{
    auto it = std::find_if(from.begin(), from.end(), [&](const auto& entry) { return entry.get() == item; });
    if (it == from.end() || std::size_t(it - from.begin()) >= to.size())
        return nullptr;
    return to[std::size_t(it - from.begin())].get();
}

} // namespace

bool CKlima::Load()
{
    filePath = platform::settings().GetString("Files", "Climate File", "tekvar.ort");

    std::vector<std::uint8_t> bytes;
    if (ReadWholeFile(filePath, bytes) != FileError::None) {
        tellReadFailure(filePath);
        return false;
    }
    ItemList<CKlimasted> read;
    bool complete = true;
    try {
        CArchive ar(bytes);
        SerializeList(ar, read);
    } catch (const ArchiveError&) {
        tellReadFailure(filePath);
        complete = false;
    }
    selected = nullptr;
    TakeList(locations, read, false);
    return complete;
}

bool CKlima::Save()
{
    CArchive ar;
    SerializeList(ar, locations);
    if (WriteFileSafely(filePath, ar.Bytes()) != FileError::None) {
        platform::prompter().Tell(FormatPositional("Kan inte skriva ortsfilen (%1).", {filePath}));
        return false;
    }
    return true;
}

bool CKlima::Edit()
{
    CKlima working;
    working.filePath = filePath;
    CopyList(working.locations, locations);
    working.selected = counterpart(locations, selected, working.locations);

    {
        WorkingListScope scope(working.locations);
        if (!platform::editors().Edit(working))
            return false;
    }

    // Only a location of the working list can be chosen.
    CKlimasted* chosen = counterpart(working.locations, working.selected, working.locations);
    TakeList(locations, working.locations, true);
    selected = chosen;
    if (working.listChanged)
        Save();
    return true;
}

const ItemList<CKlimasted>* CKlima::WorkingList()
{
    return workingList;
}
