#include "CKostnad.h"

#include "doc/FileIO.h"
#include "doc/StringTable.h"
#include "platform/Services.h"

#include <algorithm>
#include <vector>

TEKVAR_IMPLEMENT_ABSTRACT_CLASS(CKostnad, CItem)

namespace {

const ItemList<CIsoKostnad>* workingList = nullptr;

// Points the name check at the dialog's list for as long as the dialog is open.
class WorkingListScope {
public:
    explicit WorkingListScope(const ItemList<CIsoKostnad>& list) : outer_(workingList) { workingList = &list; }
    ~WorkingListScope() { workingList = outer_; }
    WorkingListScope(const WorkingListScope&) = delete;
    WorkingListScope& operator=(const WorkingListScope&) = delete;

private:
    const ItemList<CIsoKostnad>* outer_;
};

// The same message for reading and writing.
void tellFailure(const std::string& path)
{
    platform::prompter().Tell(FormatMessage(430, {path}));
}

// The item of `to` at the position `item` has in `from`; none when it is not there.
CIsoKostnad* counterpart(const ItemList<CIsoKostnad>& from, const CIsoKostnad* item, const ItemList<CIsoKostnad>& to)
{
    auto it = std::find_if(from.begin(), from.end(), [&](const auto& entry) { return entry.get() == item; });
    if (it == from.end() || std::size_t(it - from.begin()) >= to.size())
        return nullptr;
    return to[std::size_t(it - from.begin())].get();
}

} // namespace

bool CKostnad::Load()
{
    path = platform::settings().GetString("Files", "Cost File", "tekvar.cst");

    std::vector<std::uint8_t> bytes;
    if (ReadWholeFile(path, bytes) != FileError::None) {
        tellFailure(path);
        return false;
    }
    ItemList<CIsoKostnad> read;
    bool complete = true;
    try {
        CArchive ar(bytes);
        SerializeList(ar, read);
    } catch (const ArchiveError&) {
        tellFailure(path);
        complete = false;
    }
    selected = nullptr;
    TakeList(entries, read, false);
    return complete;
}

bool CKostnad::Save()
{
    CArchive ar;
    SerializeList(ar, entries);
    if (WriteFileSafely(path, ar.Bytes()) != FileError::None) {
        tellFailure(path);
        return false;
    }
    return true;
}

bool CKostnad::Edit()
{
    CKostnad working;
    working.path = path;
    working.unit = unit;
    CopyList(working.entries, entries);
    working.selected = counterpart(entries, selected, working.entries);
    {
        WorkingListScope scope(working.entries);
        if (!platform::editors().Edit(working))
            return false;
    }

    // Only an entry of the working list can be chosen.
    CIsoKostnad* chosen = counterpart(working.entries, working.selected, working.entries);
    TakeList(entries, working.entries, true);
    selected = chosen;
    if (working.listChanged)
        Save();
    return true;
}

const ItemList<CIsoKostnad>* CKostnad::WorkingList()
{
    return workingList;
}
