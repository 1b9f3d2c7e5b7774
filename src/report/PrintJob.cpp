#include "PrintJob.h"

#include "CGraphicsItem.h"
#include "Pagination.h"

int PrintItems(CPageLists::Page& items, SheetOutput& output)
{
    platform::Canvas& canvas = output.Canvas();
    const platform::Size dots = canvas.Resolution();
    const PageExtent extent = BeginPrintLayout(items, canvas);

    SheetGrid grid;
    if (dots.width > 0 && dots.height > 0) {
        grid.across = extent.width / dots.width + 1;
        grid.down = extent.height / dots.height + 1;
    }

    int printed = 0;
    for (int p = 0; p < grid.Count(); ++p) {
        if (!output.NewSheet())
            break;
        const int left = (p % grid.across) * dots.width;
        const int top = (p / grid.across) * dots.height;
        const platform::Rect visible{left, top, left + dots.width, top + dots.height};
        for (CGraphicsItem* item : items)
            item->Draw(canvas, visible);
        ++printed;
    }

    EndPrintLayout(items);
    return printed == grid.Count() ? printed : 0;
}

std::string SheetImagePath(const std::string& path, int sheet)
{
    if (sheet <= 1)
        return path;
    const std::size_t slash = path.find_last_of('/');
    std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        dot = path.size();
    return path.substr(0, dot) + "-" + std::to_string(sheet) + path.substr(dot);
}
