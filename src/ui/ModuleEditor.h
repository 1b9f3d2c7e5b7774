#pragma once

#include "doc/CItem.h"

#include <QDialog>

// A module's input: its dialog opens on a copy of the module's values; on
// OK the module takes them over and calculates.
template <class Dialog, class Module>
bool EditModule(CItem& item, QWidget* parent)
{
    auto* module = dynamic_cast<Module*>(&item);
    if (!module)
        return false;
    Dialog dialog(Dialog::ValuesOf(*module), parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    Dialog::TakeValues(*module, dialog.Result());
    module->Calculate();
    return true;
}
