#include "CHeader.h"

#include "PageModel.h"
#include "doc/ModuleInfo.h"
#include "doc/StringTable.h"

#include <ctime>

TEKVAR_IMPLEMENT_CLASS(CHeader, CGraphicsItem)

namespace {

constexpr const char* helpTopics[ModuleCount] = {
    "resvarmetap", "reskanal", "restank", "resutvkondens", "resinnvkondens", "resfrost", "reslyd", "resokonomi",
};

constexpr int projectNameFormat = 62252;
constexpr int responsibleFormat = 62253;

} // namespace

LocalTime PageHeaderSource::Now() const
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min};
}

CHeader::CHeader(int module) : module_(module >= 0 && module < ModuleCount ? module : 0)
{
    title_ = LoadString(GetModuleInfo(module_).pageTitleId);
    name = title_;
    helpTopic = std::string("::/html/") + helpTopics[module_] + ".htm";
    logo_ = platform::PictureRef::Resource("logo");
    modulePicture_ = ModulePictureOf(module_);
    layout();
}

platform::PictureRef CHeader::ModulePictureOf(int module)
{
    return platform::PictureRef::Resource("module-" + std::to_string(module));
}

platform::PictureRef CHeader::PictureOf(const ProductPicture& picture)
{
    platform::PictureRef ref;
    if (picture.builtin >= 0)
        ref.resource = "picture-" + std::to_string(picture.builtin);
    ref.file = picture.file;
    return ref;
}

void CHeader::Refresh()
{
    const LocalTime now = source_ ? source_->Now() : PageHeaderValues().Now();
    lines_[0] = Sprintf("Programversion : %.2f", double(programVersion));
    lines_[1] = Sprintf("Datum/tid : %d-%02d-%02d %02d.%02d", now.year, now.month, now.day, now.hour, now.minute);
    const std::string project = source_ ? source_->ProjectName() : std::string();
    const std::string responsible = source_ ? source_->Responsible() : std::string();
    lines_[2] = Sprintf(LoadString(projectNameFormat), project.c_str());
    lines_[3] = Sprintf(LoadString(responsibleFormat), responsible.c_str());
    if (source_)
        if (const ProductPicture picture = source_->ActiveProductPicture(); !picture.IsNone())
            modulePicture_ = PictureOf(picture);
    layout();
}

void CHeader::BeginPrint(const platform::Canvas&)
{
    layout();
}

void CHeader::EndPrint()
{
    layout();
}

void CHeader::layout()
{
    const PageModel& m = PageModel::Get();
    frame_ = {m.XUnits(20), m.YUnits(7), m.XUnits(190), m.YUnits(55)};
    separatorY_ = m.YUnits(29);
    logoRect_ = {m.XUnits(20), m.YUnits(9), m.XUnits(70), m.YUnits(26)};
    pictureRect_ = {m.XUnits(160), m.YUnits(30), m.XUnits(190), m.YUnits(60)};
    productPos_ = {m.XUnits(75), m.YUnits(11)};
    titlePos_ = {m.XUnits(75), m.YUnits(19)};
    captionPos_ = {m.XUnits(20), m.YUnits(25)};
    const float lineY[5] = {30, 35, 45, 50, 55};
    for (std::size_t i = 0; i < linePos_.size(); ++i)
        linePos_[i] = {m.XUnits(20), m.YUnits(lineY[i])};
    rect = frame_;
}

bool CHeader::Contains(platform::Point point) const
{
    const PageModel& m = PageModel::Get();
    for (int k = 0; k < m.SheetCount(); ++k)
        if (frame_.Moved(k * m.SheetWidthUnits(), 0).Contains(point))
            return true;
    return false;
}

void CHeader::Draw(platform::Canvas& canvas, const platform::Rect& visible)
{
    const PageModel& m = PageModel::Get();
    const std::string path = source_ ? source_->PathName() : std::string();
    lines_[4] = Sprintf("Filnamn: %s", path.c_str());
    for (int k = 0; k < m.SheetCount(); ++k) {
        const int shift = k * m.SheetWidthUnits();
        if (frame_.Moved(shift, 0).Intersects(visible))
            drawSheet(canvas, shift - visible.left, -visible.top);
    }
}

void CHeader::drawSheet(platform::Canvas& canvas, int dx, int dy) const
{
    const PageModel& m = PageModel::Get();
    auto at = [&](platform::Point p) { return platform::Point{p.x + dx, p.y + dy}; };

    canvas.SelectFont(m.Font(platform::FontRole::Large));
    canvas.DrawText(at(productPos_), "Tekvar®");
    canvas.DrawText(at(titlePos_), title_);
    canvas.SelectFont(m.Font(platform::FontRole::Bold));
    canvas.DrawText(at(captionPos_), "Teknisk Isolering");
    canvas.SelectFont(m.Font(platform::FontRole::Normal));
    for (std::size_t i = 0; i < lines_.size(); ++i)
        canvas.DrawText(at(linePos_[i]), lines_[i]);

    canvas.DrawPicture(logo_, logoRect_.Moved(dx, dy));
    canvas.DrawPicture(modulePicture_, pictureRect_.Moved(dx, dy));

    canvas.SetPen({platform::black, m.YUnits(0.8f), platform::PenStyle::Solid});
    canvas.DrawLine(at({frame_.left, frame_.top}), at({frame_.right, frame_.top}));
    canvas.DrawLine(at({frame_.left, separatorY_}), at({frame_.right, separatorY_}));
}
