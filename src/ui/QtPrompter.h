#pragma once

#include "platform/Prompter.h"

class QMessageBox;

// Shows the model's messages and questions in message boxes titled "Tekvar",
// over whichever window of the program is active.
class QtPrompter final : public platform::Prompter {
public:
    platform::Answer Ask(const std::string& text, platform::Buttons buttons, platform::Icon icon) override;
};
