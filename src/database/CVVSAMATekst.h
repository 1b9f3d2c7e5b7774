#pragma once

#include "doc/CArchive.h"

#include <string>

// One standard description text: a heading and its body. Held by value in
// the description container and written without a class tag.
class CVVSAMATekst {
public:
    static constexpr std::size_t maxHeading = 256; // the editor's limits
    static constexpr std::size_t maxBody = 2048;

    void Serialize(CArchive& ar);

    bool operator==(const CVVSAMATekst&) const = default;

    std::string heading;
    std::string body;
};
