#pragma once

#include "doc/ItemList.h"

#include <memory>
#include <string>
#include <vector>

class QComboBox;
class QWidget;

// A drop-down box choosing one item of a list, with an optional text window
// that shows the chosen item's description.
class ChoiceBoxController {
public:
    ChoiceBoxController() = default;
    ~ChoiceBoxController();
    ChoiceBoxController(const ChoiceBoxController&) = delete;
    ChoiceBoxController& operator=(const ChoiceBoxController&) = delete;

    // Fills the box with the names of the list and selects the current item.
    // A current item whose name the list lacks still shows: the box offers
    // its name and a copy of it, kept by the controller, so the list the
    // program shares is never changed by a dialog. The text window may be a
    // QLabel, a QLineEdit or a plain or rich text field; it may be none.
    template <class T>
    void Init(const ItemList<T>& list, QComboBox* box, QWidget* text, const CListItem* current)
    {
        std::vector<CListItem*> items;
        items.reserve(list.size());
        for (const auto& item : list)
            items.push_back(item.get());
        init(std::move(items), box, text, current);
    }
    void Init(std::vector<CListItem*> items, QComboBox* box, QWidget* text, const CListItem* current)
    {
        init(std::move(items), box, text, current);
    }

    // The first item whose name is the box's selected text, with its
    // description shown; none when nothing is selected.
    CListItem* Selected();
    template <class T>
    T* SelectedAs()
    {
        return static_cast<T*>(Selected());
    }
    // Selects the line of that name; false when the box has none.
    bool SelectName(const std::string& name);
    // The box and the text window together.
    void Enable(bool enable);

    QComboBox* Box() const { return box_; }

private:
    void init(std::vector<CListItem*> items, QComboBox* box, QWidget* text, const CListItem* current);
    void showDescription(const CListItem* item);

    std::vector<CListItem*> items_;
    std::unique_ptr<CListItem> ownCopy_; // the current item the list lacked
    QComboBox* box_ = nullptr;
    QWidget* text_ = nullptr;
};
