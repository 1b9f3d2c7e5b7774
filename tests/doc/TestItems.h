#pragma once

#include "doc/CItem.h"
#include "doc/ItemList.h"

#include <vector>

// Small item classes that exercise the archive the way catalogue items do.
class CTestLeaf : public CListItem {
    TEKVAR_DECLARE_CLASS(CTestLeaf)

public:
    void Serialize(CArchive& ar) override
    {
        CListItem::Serialize(ar);
        ar.Float(value);
    }
    std::unique_ptr<CListItem> Clone() const override { return std::make_unique<CTestLeaf>(*this); }
    bool IsEqual(const CListItem& other) const override
    {
        const auto* leaf = dynamic_cast<const CTestLeaf*>(&other);
        return leaf && leaf->name == name && leaf->value == value;
    }

    float value = 0;
};

// A leaf of another class, for tags of a second class and kind checks.
class CTestOther : public CTestLeaf {
    TEKVAR_DECLARE_CLASS(CTestOther)
};

// An item that owns a list, as a product owns its thicknesses.
class CTestNode : public CListItem {
    TEKVAR_DECLARE_CLASS(CTestNode)

public:
    void Serialize(CArchive& ar) override
    {
        CListItem::Serialize(ar);
        SerializeList(ar, children);
    }
    ItemList<CListItem> children;
};

// Records what its referenced items tell it.
class CTestWatcher : public CItem {
public:
    void Changed(CItem* item) override { told.push_back(item); }
    std::vector<CItem*> told;
};
