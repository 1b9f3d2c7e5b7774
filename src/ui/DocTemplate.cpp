#include "DocTemplate.h"

#include "doc/StringTable.h"

namespace {
constexpr int docTemplateId = 2;
}

std::string DocTemplateString(DocTemplatePart part)
{
    const std::string text = LoadString(docTemplateId);
    std::size_t start = 0;
    for (int skip = int(part); skip > 0; --skip) {
        start = text.find('\n', start);
        if (start == std::string::npos)
            return {};
        ++start;
    }
    const std::size_t end = text.find('\n', start);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}
