#include "CVekView.h"

#include "QtCanvas.h"
#include "QtDefaultPrinter.h"
#include "QtSheetOutputs.h"
#include "doc/CVekDoc.h"
#include "report/CGraphicsItem.h"
#include "report/PageModel.h"
#include "report/Pagination.h"
#include "report/PrintJob.h"
#include "report/ResultPages.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

namespace {

platform::Point pointOf(const QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    return {at.x(), at.y()};
}

} // namespace

CVekView::CVekView(CVekDoc& doc, QWidget* parent) : QAbstractScrollArea(parent), doc_(doc)
{
    // The page is paper: white whatever the desktop's colour scheme.
    QPalette paper = viewport()->palette();
    paper.setColor(QPalette::Window, Qt::white);
    viewport()->setPalette(paper);
    viewport()->setAutoFillBackground(true);
    // The hand cursor follows the mouse over the items without a button down.
    viewport()->setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setFrameShape(QFrame::NoFrame);
    // The page model measures with the screen's fonts and takes its sheet
    // from the default printer from the first view on.
    static const QtTextMeasure screen;
    static const QtDefaultPrinter printer;
    PageModel::Get().SetScreenMeasure(&screen);
    PageModel::Get().SetDefaultPrinter(&printer);
    PageModel::Get().ReadSheetSize();
    module_ = doc_.ActiveModule();
    viewId_ = doc_.AddView([this](std::uint32_t hint) { onUpdate(hint); });
    updateExtent();
}

CVekView::~CVekView()
{
    doc_.RemoveView(viewId_);
}

platform::Point CVekView::origin() const
{
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

platform::Rect CVekView::VisibleRect() const
{
    const platform::Point o = origin();
    return {o.x, o.y, o.x + viewport()->width(), o.y + viewport()->height()};
}

void CVekView::onUpdate(std::uint32_t hint)
{
    const int active = doc_.ActiveModule();
    const bool switched = active != module_ && active >= 0 && active < int(saved_.size());
    if (switched || hint == CVekDoc::fullRedraw) {
        clearSelection(module_);
        if (switched) {
            saved_.at(std::size_t(module_)) = origin();
            module_ = active;
        }
    }
    // Items move or are rebuilt on every update; the hover is found afresh.
    clearHover();
    updateExtent();
    if (switched) {
        horizontalScrollBar()->setValue(saved_.at(std::size_t(module_)).x);
        verticalScrollBar()->setValue(saved_.at(std::size_t(module_)).y);
    }
    emit selectionChanged();
    viewport()->update();
}

void CVekView::updateExtent()
{
    ResultPages* pages = ResultPages::Of(doc_);
    if (!pages)
        return;
    const PageExtent extent = ScrollExtent(UpdatePageExtent(pages->Lists().ActiveItems()));
    const QSize client = viewport()->size();
    // The ranges clamp the positions: a page that shrank, or a window that
    // grew, brings the visible part back onto the page.
    horizontalScrollBar()->setRange(0, std::max(0, extent.width - client.width()));
    verticalScrollBar()->setRange(0, std::max(0, extent.height - client.height()));
    horizontalScrollBar()->setPageStep(std::max(1, client.width()));
    verticalScrollBar()->setPageStep(std::max(1, client.height()));
    horizontalScrollBar()->setSingleStep(std::max(1, client.width() / 8));
    verticalScrollBar()->setSingleStep(std::max(1, client.height() / 8));
}

void CVekView::clearSelection(int module)
{
    ResultPages* pages = ResultPages::Of(doc_);
    if (!pages || module < 0 || module >= CPageLists::pageCount)
        return;
    for (CGraphicsItem* item : pages->Lists().Items(module))
        item->selected = false;
}

void CVekView::clearHover()
{
    hovering_ = false;
    hoverRect_ = {};
    viewport()->unsetCursor();
}

CGraphicsItem* CVekView::SelectedItem() const
{
    // The flag lives on the item, so an item rebuilt by a recalculation is
    // never selected and no stale pointer is kept here.
    ResultPages* pages = ResultPages::Of(doc_);
    if (!pages)
        return nullptr;
    for (CGraphicsItem* item : pages->Lists().ActiveItems())
        if (item->selected)
            return item;
    return nullptr;
}

bool CVekView::CanCopy() const
{
    const CGraphicsItem* item = SelectedItem();
    return item && item->copyable;
}

void CVekView::OnEditCopy()
{
    if (CanCopy())
        SelectedItem()->CopyToClipboard();
}

void CVekView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateExtent();
}

void CVekView::scrollContentsBy(int, int)
{
    viewport()->update();
}

void CVekView::keyPressEvent(QKeyEvent* event)
{
    // Page Up/Down a vertical page, Home/End a horizontal one, the arrows a line.
    static constexpr struct {
        int key;
        bool vertical;
        QAbstractSlider::SliderAction action;
    } scrollKeys[] = {
        {Qt::Key_PageUp, true, QAbstractSlider::SliderPageStepSub},
        {Qt::Key_PageDown, true, QAbstractSlider::SliderPageStepAdd},
        {Qt::Key_Home, false, QAbstractSlider::SliderPageStepSub},
        {Qt::Key_End, false, QAbstractSlider::SliderPageStepAdd},
        {Qt::Key_Up, true, QAbstractSlider::SliderSingleStepSub},
        {Qt::Key_Down, true, QAbstractSlider::SliderSingleStepAdd},
        {Qt::Key_Left, false, QAbstractSlider::SliderSingleStepSub},
        {Qt::Key_Right, false, QAbstractSlider::SliderSingleStepAdd},
    };
    for (const auto& scroll : scrollKeys)
        if (scroll.key == event->key()) {
            (scroll.vertical ? verticalScrollBar() : horizontalScrollBar())->triggerAction(scroll.action);
            event->accept();
            return;
        }
    QAbstractScrollArea::keyPressEvent(event);
}

void CVekView::wheelEvent(QWheelEvent* event)
{
    // One notch (120) away from the user shows 120 units higher up the page;
    // the scroll bar keeps the position on the page.
    QScrollBar* vertical = verticalScrollBar();
    vertical->setValue(vertical->value() - event->angleDelta().y());
    event->accept();
}

void CVekView::mouseMoveEvent(QMouseEvent* event)
{
    ResultPages* pages = ResultPages::Of(doc_);
    if (!pages || printing_)
        return;
    const platform::Point client = pointOf(event);
    const platform::Point o = origin();
    const platform::Point point{client.x + o.x, client.y + o.y};
    if (hovering_ && hoverRect_.Contains(point))
        return;
    hovering_ = false;
    for (CGraphicsItem* item : pages->Lists().ActiveItems())
        if (item->Contains(point)) {
            hovering_ = true;
            hoverRect_ = item->rect;
            break;
        }
    if (hovering_)
        viewport()->setCursor(Qt::PointingHandCursor);
    else
        viewport()->unsetCursor();
}

void CVekView::mousePressEvent(QMouseEvent* event)
{
    ResultPages* pages = ResultPages::Of(doc_);
    if (!pages || printing_ || event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    CPageLists::Page& items = pages->Lists().ActiveItems();
    for (CGraphicsItem* item : items)
        item->selected = false;
    // The topmost item, the one drawn last, wins.
    for (auto it = items.rbegin(); it != items.rend(); ++it)
        if ((*it)->HitTest(pointOf(event), origin()))
            break;
    emit selectionChanged();
    viewport()->update();
}

void CVekView::mouseDoubleClickEvent(QMouseEvent* event)
{
    ResultPages* pages = ResultPages::Of(doc_);
    if (!pages || printing_ || event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mouseDoubleClickEvent(event);
        return;
    }
    CPageLists::Page& items = pages->Lists().ActiveItems();
    for (auto it = items.rbegin(); it != items.rend(); ++it)
        if ((*it)->OpenHelp(pointOf(event), origin()))
            break;
}

int CVekView::Print(SheetOutput& output)
{
    ResultPages* pages = ResultPages::Of(doc_);
    if (!pages)
        return 0;
    // The items are in printer units until the job ends; the screen must
    // not paint or hit-test them meanwhile.
    struct Printing {
        bool& flag;
        explicit Printing(bool& f) : flag(f) { flag = true; }
        ~Printing() { flag = false; }
    };
    int sheets = 0;
    {
        const Printing printing(printing_);
        sheets = PrintItems(pages->Lists().ActiveItems(), output);
    }
    // Pagination has moved the items; the screen shows them where they now are.
    clearHover();
    updateExtent();
    viewport()->update();
    return sheets;
}

bool CVekView::Print(QPagedPaintDevice& printer)
{
    QtPagedOutput output(printer);
    const int sheets = Print(output);
    return output.Finish() && sheets > 0;
}

void CVekView::paintEvent(QPaintEvent* event)
{
    if (printing_)
        return;
    QPainter painter(viewport());
    painter.fillRect(event->rect(), Qt::white);
    ResultPages* pages = ResultPages::Of(doc_);
    if (!pages)
        return;
    // The page in screen units, one unit a pixel, from the scroll position.
    QtCanvas canvas(&painter);
    const platform::Rect visible = VisibleRect();
    for (CGraphicsItem* item : pages->Lists().ActiveItems())
        item->Draw(canvas, visible);
}
