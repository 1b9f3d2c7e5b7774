#pragma once

// What the document and the shell know of each of the eight modules.
struct ModuleInfo {
    const char* className;
    const char* menuCaption;  // View menu
    const char* menuPrompt;   // status bar
    int viewCommand;          // command id of the View menu item
    int pageTitleId;          // string id of the page title
    int shortNameId;          // string id of the tab label
};

inline constexpr int ModuleCount = 8;

const ModuleInfo& GetModuleInfo(int index);
// The module index of a View-menu command, or -1.
int ModuleForViewCommand(int command);
