#pragma once

#include "CFieldDlg.h"
#include "doc/ItemList.h"

#include <functional>
#include <string>
#include <vector>

class QLineEdit;

// The editors of the catalogue items: a name field and number fields, and
// for some a picture file or a colour to choose. The name is checked against
// the other entries of the list the item belongs to, as the program sees
// that list now (the database editor's working copy while it is open).
class CCatalogueItemDlg : public CFieldDlg {
    Q_OBJECT

public:
    static constexpr int nameLimit = 60;
    static constexpr int pictureLimit = 255;

    using CFieldDlg::CFieldDlg;

    // Stand-ins for the file-open box and the colour chooser, so that tests
    // can answer them; empty (or nullopt) is Cancel.
    static std::function<std::string(QWidget* parent)> choosePicture;
    static std::function<bool(unsigned& colour, QWidget* parent)> chooseColour;

protected:
    // A text field that takes at most `limit` characters when typed into; a
    // longer text from a data file is shown whole and refused on OK.
    QLineEdit* TextField(const char* objectName, const std::string& text, int limit);
    // "Använd inte fler än %1 tecken." when the text is too long.
    bool ExchangeText(QLineEdit* field, int limit, std::string& text);

    // The items of the list other than the one being edited.
    template <class T>
    static std::vector<const CListItem*> Others(const ItemList<T>& list, const CListItem* self)
    {
        std::vector<const CListItem*> others;
        for (const auto& item : list)
            if (item.get() != self)
                others.push_back(item.get());
        return others;
    }

    // Opens the file-open box for a JPEG picture; the chosen file's name
    // without its folder goes into the field.
    void BrowsePicture(QLineEdit* field);
};
