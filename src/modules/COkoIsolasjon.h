#pragma once

#include "COkoTykkelse.h"
#include "database/CIsoProdukt.h"
#include "doc/ItemList.h"

#include <string>

// The economy module's record begins with this one. In the first layout it
// was the module's single insulation choice: a product and its priced
// thicknesses. Since then it is written empty with the format number 5,
// which tells the two layouts apart.
class COkoIsolasjon : public CItem {
    TEKVAR_DECLARE_CLASS(COkoIsolasjon)

public:
    static constexpr int currentFormat = 5;

    // The whole record: the head, and the rest when it is of the first layout.
    void Serialize(CArchive& ar) override;
    // The thickness list and the format number. True when the record is the
    // current one, which ends there.
    bool SerializeHead(CArchive& ar);
    // The rest of a first-layout record: the product source, two values no
    // one uses and the product as a full copy. A maker's product is resolved
    // in the database; a user product cannot be, it is only read past.
    void SerializeFirstLayout(CArchive& ar);

    bool IsFirstLayout() const { return format != currentFormat; }

    ItemList<COkoTykkelse> thicknesses;
    int format = currentFormat;
    int productSource = 0; // 0 maker, 1 user
    std::string unusedText;
    float unusedValue = 0.0f;
    CIsoProdukt* product = nullptr; // an item of the database, maker source only; not owned
};
