#include "QtEditorService.h"

#include "doc/CItem.h"

#include <QApplication>
#include <QWidget>

void QtEditorService::Register(const std::string& className, Editor editor)
{
    editors_[className] = std::move(editor);
}

const QtEditorService::Editor* QtEditorService::find(const CItem& item) const
{
    // The exact class, not a base: an editor for a base class would lose the
    // fields of the derived one.
    auto it = editors_.find(item.GetClass().name);
    return it == editors_.end() ? nullptr : &it->second;
}

bool QtEditorService::Edit(CItem& item)
{
    const Editor* editor = find(item);
    if (!editor)
        return false;
    QWidget* parent = QApplication::activeModalWidget();
    if (!parent)
        parent = QApplication::activeWindow();
    return (*editor)(item, parent);
}

bool QtEditorService::CanEdit(const CItem& item) const
{
    return find(item) != nullptr;
}
