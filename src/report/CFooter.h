#pragma once

#include "CGraphicsItem.h"

#include <array>
#include <string>

// The foot of every result page, repeated on every sheet: the maker's
// contact lines and "Sida k/n". One footer serves all eight pages.
class CFooter : public CGraphicsItem {
    TEKVAR_DECLARE_CLASS(CFooter)

public:
    CFooter();

    bool Contains(platform::Point point) const override;
    void Refresh() override;
    void Draw(platform::Canvas& canvas, const platform::Rect& visible) override;
    void BeginPrint(const platform::Canvas& printer) override;
    void EndPrint() override;

    const std::array<std::string, 2>& ContactLines() const { return lines_; }

private:
    void layout();

    std::array<std::string, 2> lines_;
    platform::Rect frame_;
    platform::Point firstLine_;
    platform::Point secondLine_;
};
