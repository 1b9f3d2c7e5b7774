#pragma once

class CItem;

namespace platform {

// Opens the editor dialog of an item. The user interface registers one editor
// per class name; the model only ever sees this interface.
class EditorService {
public:
    virtual ~EditorService() = default;
    // True when the user confirmed and the item now holds the edited values.
    virtual bool Edit(CItem& item) = 0;
    // Whether an editor exists for the item's class; commands that would open
    // a missing editor are disabled rather than faked.
    virtual bool CanEdit(const CItem& item) const = 0;
};

} // namespace platform
