#include "CVekView.h"

#include "doc/CVekDoc.h"

#include <QPaintEvent>
#include <QPainter>

CVekView::CVekView(CVekDoc& doc, QWidget* parent) : QAbstractScrollArea(parent), doc_(doc)
{
    // The page is paper: white whatever the desktop's colour scheme.
    QPalette paper = viewport()->palette();
    paper.setColor(QPalette::Window, Qt::white);
    viewport()->setPalette(paper);
    viewport()->setAutoFillBackground(true);
    setFrameShape(QFrame::NoFrame);
    viewId_ = doc_.AddView([this](std::uint32_t hint) { onUpdate(hint); });
}

CVekView::~CVekView()
{
    doc_.RemoveView(viewId_);
}

void CVekView::onUpdate(std::uint32_t)
{
    viewport()->update();
}

void CVekView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    painter.fillRect(event->rect(), Qt::white);
}
