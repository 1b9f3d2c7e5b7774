#pragma once

#include "CGraphicsItem.h"

#include <string>
#include <vector>

// A block of free text on a page: a bold title (the item's name), an empty
// line, then lines in the normal font.
class CText : public CGraphicsItem {
    TEKVAR_DECLARE_CLASS(CText)

public:
    CText();

    // Texts by string id; the line count is the number of ids.
    void Set(int titleId, const std::vector<int>& lineIds, float x, float y);
    void Set(std::string title, std::vector<std::string> lines, float x, float y);

    void Draw(platform::Canvas& canvas, const platform::Rect& visible) override;
    void BeginPrint(const platform::Canvas& printer) override;
    void EndPrint() override;
    void SetPosition(float x, float y) override;

    const std::vector<std::string>& Lines() const { return lines_; }
    int LineCount() const { return int(lines_.size()); }

private:
    void layout();

    std::vector<std::string> lines_;
    float x_ = 0;
    float y_ = 0;
    int titleHeight_ = 0;
    int lineHeight_ = 0;
};
