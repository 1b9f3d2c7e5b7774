#pragma once

#include "CGraphicsItem.h"
#include "doc/CVekModul.h"

#include <array>
#include <optional>
#include <string>

struct LocalTime {
    int year = 0;
    int month = 0; // 1 … 12
    int day = 0;
    int hour = 0;
    int minute = 0;
};

// What a page header shows of its document. The document (or whoever owns
// the headers) answers; the header asks on Refresh and, for the path, each
// time it draws.
class PageHeaderSource {
public:
    virtual ~PageHeaderSource() = default;
    virtual std::string ProjectName() const = 0;
    virtual std::string Responsible() const = 0;
    // GetProductPicture of the active module; none keeps the picture shown.
    virtual ProductPicture ActiveProductPicture() const = 0;
    // The document's full path, empty for a document never saved.
    virtual std::string PathName() const = 0;
    // The local time; the system clock unless a test says otherwise.
    virtual LocalTime Now() const;
};

// A header source of plain values, set by its owner.
class PageHeaderValues final : public PageHeaderSource {
public:
    std::string projectName;
    std::string responsible;
    ProductPicture picture;
    std::string pathName;
    std::optional<LocalTime> time; // none: the system clock

    std::string ProjectName() const override { return projectName; }
    std::string Responsible() const override { return responsible; }
    ProductPicture ActiveProductPicture() const override { return picture; }
    std::string PathName() const override { return pathName; }
    LocalTime Now() const override { return time ? *time : PageHeaderSource::Now(); }
};

// The head of a module's result page, repeated on every sheet: logo, product
// name, module title and picture, and the lines of version, date and time,
// project, responsible person and file name.
class CHeader : public CGraphicsItem {
    TEKVAR_DECLARE_CLASS(CHeader)

public:
    static constexpr float programVersion = 4.01f;

    CHeader() : CHeader(0) {}
    explicit CHeader(int module);

    // Not owned; none leaves the project lines and the file name empty.
    void SetSource(const PageHeaderSource* source) { source_ = source; }

    bool Contains(platform::Point point) const override;
    void Refresh() override;
    void Draw(platform::Canvas& canvas, const platform::Rect& visible) override;
    void BeginPrint(const platform::Canvas& printer) override;
    void EndPrint() override;

    int Module() const { return module_; }
    const std::string& Title() const { return title_; }
    // Version, date/time, project name, responsible person, file name.
    const std::array<std::string, 5>& Lines() const { return lines_; }
    const platform::PictureRef& ModulePicture() const { return modulePicture_; }

    // Names of the program's own pictures.
    static platform::PictureRef ModulePictureOf(int module);
    static platform::PictureRef PictureOf(const ProductPicture& picture);

private:
    void layout();
    void drawSheet(platform::Canvas& canvas, int dx, int dy) const;

    int module_;
    const PageHeaderSource* source_ = nullptr;
    std::string title_;
    std::array<std::string, 5> lines_;
    platform::PictureRef logo_;
    platform::PictureRef modulePicture_;

    // Device units on the first sheet.
    platform::Rect frame_;
    int separatorY_ = 0;
    platform::Rect logoRect_;
    platform::Rect pictureRect_;
    platform::Point productPos_;
    platform::Point titlePos_;
    platform::Point captionPos_;
    std::array<platform::Point, 5> linePos_{};
};
