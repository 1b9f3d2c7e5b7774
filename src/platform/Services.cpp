#include "Services.h"

namespace platform {

Answer DefaultAnswer(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok:
    case Buttons::OkCancel:
        return Answer::Ok;
    case Buttons::YesNo:
    case Buttons::YesNoCancel:
        return Answer::Yes;
    }
    return Answer::Ok;
}

namespace {

class SilentPrompter final : public Prompter {
public:
    Answer Ask(const std::string&, Buttons buttons, Icon) override { return DefaultAnswer(buttons); }
};

class DefaultSettings final : public SettingsStore {
public:
    std::string GetString(const std::string&, const std::string&, const std::string& fallback) const override
    {
        return fallback;
    }
    int GetInt(const std::string&, const std::string&, int fallback) const override { return fallback; }
    void SetString(const std::string&, const std::string&, const std::string&) override {}
    void SetInt(const std::string&, const std::string&, int) override {}
};

class NoEditors final : public EditorService {
public:
    bool Edit(CItem&) override { return false; }
    bool CanEdit(const CItem&) const override { return false; }
};

class NoHelp final : public HelpService {
public:
    bool ShowTopic(const std::string&) override { return false; }
};

class NoClipboard final : public Clipboard {
public:
    void SetText(const std::string&) override {}
};

// Takes the preselected first value and says nothing; whoever wants the
// message shown (the headless export) installs its own chooser.
class FirstChoice final : public ReplacementChooser {
public:
    int Choose(const std::string&, const std::vector<std::string>&, ReplacementSource) override { return 0; }
};

Services& installed()
{
    static Services current;
    return current;
}

template <class T, class Fallback>
T& orFallback(T* service)
{
    static Fallback fallback;
    return service ? *service : fallback;
}

} // namespace

Prompter& prompter() { return orFallback<Prompter, SilentPrompter>(installed().prompter); }
SettingsStore& settings() { return orFallback<SettingsStore, DefaultSettings>(installed().settings); }
EditorService& editors() { return orFallback<EditorService, NoEditors>(installed().editors); }
HelpService& help() { return orFallback<HelpService, NoHelp>(installed().help); }
Clipboard& clipboard() { return orFallback<Clipboard, NoClipboard>(installed().clipboard); }
ReplacementChooser& replacementChooser()
{
    return orFallback<ReplacementChooser, FirstChoice>(installed().replacementChooser);
}

Services Install(const Services& services)
{
    Services previous = installed();
    installed() = services;
    return previous;
}

} // namespace platform
