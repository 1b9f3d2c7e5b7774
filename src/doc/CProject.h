#pragma once

#include "CItem.h"

#include <string>

// The project information at the head of every document.
class CProject : public CItem {
    TEKVAR_DECLARE_CLASS(CProject)

public:
    static constexpr int responsibleLimit = 60;
    static constexpr int projectNameLimit = 60;
    static constexpr int referenceLimit = 255;
    static constexpr int commentLimit = 255;

    void Serialize(CArchive& ar) override;
    bool Edit() override;
    void Clear();

    std::string responsible;
    std::string projectName;
    std::string reference;
    std::string comment;

    // Set by reading: the document was written before the project got its
    // header text, and its catalogue references have the legacy form.
    bool readOldFormat = false;
};
