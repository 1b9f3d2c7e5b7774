#pragma once

#include "platform/Clipboard.h"

// Puts plain text on the desktop clipboard.
class QtClipboard final : public platform::Clipboard {
public:
    void SetText(const std::string& text) override;
};
