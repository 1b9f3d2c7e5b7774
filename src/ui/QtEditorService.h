#pragma once

#include "platform/EditorService.h"

#include <functional>
#include <map>
#include <string>

class QWidget;

// The item editors by class name: each opens its dialog over the given parent
// and, on OK, copies the dialog's values into the item.
class QtEditorService final : public platform::EditorService {
public:
    using Editor = std::function<bool(CItem& item, QWidget* parent)>;

    void Register(const std::string& className, Editor editor);

    bool Edit(CItem& item) override;
    bool CanEdit(const CItem& item) const override;

private:
    const Editor* find(const CItem& item) const;

    std::map<std::string, Editor> editors_;
};
