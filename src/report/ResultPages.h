#pragma once

#include "CFooter.h"
#include "CHeader.h"
#include "CPageLists.h"
#include "doc/DocumentParts.h"

#include <array>
#include <memory>

class CVekDoc;

// The document's result pages: the eight page lists, one page header per
// module and the footer that every page shows. The headers read the
// project, the path and the active module's picture from the document.
class ResultPages final : public DocumentPages, private PageHeaderSource {
public:
    explicit ResultPages(CVekDoc& doc);
    ~ResultPages() override;
    ResultPages(const ResultPages&) = delete;
    ResultPages& operator=(const ResultPages&) = delete;

    // The pages of a document made with them; none otherwise.
    static ResultPages* Of(CVekDoc& doc);

    void Activate(int module) override;

    CPageLists& Lists() { return lists_; }
    const CPageLists& Lists() const { return lists_; }
    CHeader& Header(int module) { return *headers_.at(std::size_t(module)); }
    CFooter& Footer() { return *footer_; }

    // For the clock of the header's date line in tests; none: the system clock.
    void SetTime(std::optional<LocalTime> time) { time_ = time; }

private:
    std::string ProjectName() const override;
    std::string Responsible() const override;
    ProductPicture ActiveProductPicture() const override;
    std::string PathName() const override;
    LocalTime Now() const override;

    CVekDoc& doc_;
    CPageLists lists_;
    std::array<std::unique_ptr<CHeader>, CPageLists::pageCount> headers_;
    std::unique_ptr<CFooter> footer_;
    std::optional<LocalTime> time_;
};
