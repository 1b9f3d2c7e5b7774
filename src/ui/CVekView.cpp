#include "CVekView.h"

#include "QtCanvas.h"
#include "QtDefaultPrinter.h"
#include "doc/CVekDoc.h"
#include "report/CGraphicsItem.h"
#include "report/PageModel.h"
#include "report/Pagination.h"
#include "report/ResultPages.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

CVekView::CVekView(CVekDoc& doc, QWidget* parent) : QAbstractScrollArea(parent), doc_(doc)
{
    // The page is paper: white whatever the desktop's colour scheme.
    QPalette paper = viewport()->palette();
    paper.setColor(QPalette::Window, Qt::white);
    viewport()->setPalette(paper);
    viewport()->setAutoFillBackground(true);
    setFrameShape(QFrame::NoFrame);
    // The page model measures with the screen's fonts and takes its sheet
    // from the default printer from the first view on.
    static const QtTextMeasure screen;
    static const QtDefaultPrinter printer;
    PageModel::Get().SetScreenMeasure(&screen);
    PageModel::Get().SetDefaultPrinter(&printer);
    PageModel::Get().ReadSheetSize();
    viewId_ = doc_.AddView([this](std::uint32_t hint) { onUpdate(hint); });
}

CVekView::~CVekView()
{
    doc_.RemoveView(viewId_);
}

void CVekView::onUpdate(std::uint32_t)
{
    updateExtent();
    viewport()->update();
}

void CVekView::updateExtent()
{
    ResultPages* pages = ResultPages::Of(doc_);
    if (!pages)
        return;
    const PageExtent extent = ScrollExtent(UpdatePageExtent(pages->Lists().ActiveItems()));
    const QSize client = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, extent.width - client.width()));
    verticalScrollBar()->setRange(0, std::max(0, extent.height - client.height()));
    horizontalScrollBar()->setPageStep(client.width());
    verticalScrollBar()->setPageStep(client.height());
    horizontalScrollBar()->setSingleStep(std::max(1, client.width() / 8));
    verticalScrollBar()->setSingleStep(std::max(1, client.height() / 8));
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

void CVekView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    painter.fillRect(event->rect(), Qt::white);
    ResultPages* pages = ResultPages::Of(doc_);
    if (!pages)
        return;
    // The page in screen units, one unit a pixel, from the scroll position.
    QtCanvas canvas(&painter);
    const int left = horizontalScrollBar()->value();
    const int top = verticalScrollBar()->value();
    const platform::Rect visible{left, top, left + viewport()->width(), top + viewport()->height()};
    for (CGraphicsItem* item : pages->Lists().ActiveItems())
        item->Draw(canvas, visible);
}
