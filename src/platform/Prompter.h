#pragma once

#include <string>

namespace platform {

// The buttons and icon of a message box, and the answer it gave.
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Icon { None, Information, Exclamation, Question, Stop };
enum class Answer { Ok, Cancel, Yes, No };

// Every message and question the model shows goes through here, so that
// calculations and file handling never talk to a window directly.
class Prompter {
public:
    virtual ~Prompter() = default;
    virtual Answer Ask(const std::string& text, Buttons buttons, Icon icon) = 0;

    void Tell(const std::string& text, Icon icon = Icon::Exclamation) { Ask(text, Buttons::Ok, icon); }
};

// The answer a box gives when the user just presses Enter.
Answer DefaultAnswer(Buttons buttons);

} // namespace platform
