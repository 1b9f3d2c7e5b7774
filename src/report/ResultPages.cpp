#include "ResultPages.h"

#include "doc/CVekDoc.h"

ResultPages::ResultPages(CVekDoc& doc) : doc_(doc)
{
    for (int i = 0; i < CPageLists::pageCount; ++i) {
        headers_[std::size_t(i)] = std::make_unique<CHeader>(i);
        headers_[std::size_t(i)]->SetSource(this);
        lists_.Add(i, headers_[std::size_t(i)].get());
    }
    footer_ = std::make_unique<CFooter>();
    for (int i = 0; i < CPageLists::pageCount; ++i)
        lists_.Add(i, footer_.get());
}

ResultPages::~ResultPages() = default;

ResultPages* ResultPages::Of(CVekDoc& doc)
{
    return dynamic_cast<ResultPages*>(doc.Pages());
}

void ResultPages::Activate(int module)
{
    lists_.Activate(module);
}

std::string ResultPages::ProjectName() const
{
    return doc_.Project().projectName;
}

std::string ResultPages::Responsible() const
{
    return doc_.Project().responsible;
}

ProductPicture ResultPages::ActiveProductPicture() const
{
    return doc_.ActiveModuleItem().GetProductPicture();
}

std::string ResultPages::PathName() const
{
    return doc_.PathName();
}

LocalTime ResultPages::Now() const
{
    return time_ ? *time_ : PageHeaderSource::Now();
}
