#pragma once

#include "Clipboard.h"
#include "EditorService.h"
#include "HelpService.h"

#include <functional>
#include <string>
#include <vector>

namespace platform {

// Test doubles for the smaller services.
class RecordingClipboard final : public Clipboard {
public:
    void SetText(const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

class RecordingHelp final : public HelpService {
public:
    bool ShowTopic(const std::string& topic) override
    {
        topics.push_back(topic);
        return available;
    }
    std::vector<std::string> topics;
    bool available = true;
};

// Runs a test's own function in place of a dialog.
class ScriptedEditors final : public EditorService {
public:
    bool Edit(CItem& item) override { return edit ? edit(item) : false; }
    bool CanEdit(const CItem&) const override { return bool(edit); }
    std::function<bool(CItem&)> edit;
};

} // namespace platform
