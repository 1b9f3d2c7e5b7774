#pragma once

#include "Clipboard.h"
#include "EditorService.h"
#include "HelpService.h"
#include "Prompter.h"
#include "ReplacementChooser.h"
#include "SettingsStore.h"

namespace platform {

// The platform services the model reaches. The program installs the desktop
// implementations at start; tests and the headless export install their own.
// Any service not installed falls back to a harmless default (questions get
// their default answer, settings read as their defaults, editors decline, a
// missing catalogue value is replaced by the first one offered).
struct Services {
    Prompter* prompter = nullptr;
    SettingsStore* settings = nullptr;
    EditorService* editors = nullptr;
    HelpService* help = nullptr;
    Clipboard* clipboard = nullptr;
    ReplacementChooser* replacementChooser = nullptr;
};

Prompter& prompter();
SettingsStore& settings();
EditorService& editors();
HelpService& help();
Clipboard& clipboard();
ReplacementChooser& replacementChooser();

// Installs a set of services; returns the previous set.
Services Install(const Services& services);

// Installs services for the lifetime of a scope (tests, headless runs).
class ScopedServices {
public:
    explicit ScopedServices(const Services& services) : previous_(Install(services)) {}
    ~ScopedServices() { Install(previous_); }
    ScopedServices(const ScopedServices&) = delete;
    ScopedServices& operator=(const ScopedServices&) = delete;

private:
    Services previous_;
};

} // namespace platform
