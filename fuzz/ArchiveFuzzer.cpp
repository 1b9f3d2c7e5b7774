// Feeds arbitrary bytes to the archive reader: as a whole document, and as a
// bare list of items of any registered class. Any input must end in success
// or an ArchiveError, without a crash, a leak or unbounded allocation.
#include "doc/CVekDoc.h"
#include "doc/ItemList.h"
#include "modules/StandardDocumentParts.h"
#include "platform/ScriptedPrompter.h"
#include "platform/Services.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static platform::ScriptedPrompter prompter;
    static platform::ScopedServices services({&prompter});
    static StandardDocumentParts parts;
    static CVekDoc doc(parts);
    prompter.Clear();

    const std::span<const std::uint8_t> bytes(data, size);
    try {
        doc.Load(bytes);
        // What was read must write and read back to the same bytes.
        const std::vector<std::uint8_t> stored = doc.Store();
        doc.Load(stored);
        if (doc.Store() != stored)
            __builtin_trap();
    } catch (const ArchiveError&) {
    }

    try {
        CArchive ar(bytes);
        ItemList<CListItem> list;
        SerializeList(ar, list);
        CArchive out;
        SerializeList(out, list);
    } catch (const ArchiveError&) {
    }
    return 0;
}
