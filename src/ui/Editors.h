#pragma once

class QtEditorService;

// Registers the editor dialog of every item class that has one so far.
void RegisterEditors(QtEditorService& editors);
