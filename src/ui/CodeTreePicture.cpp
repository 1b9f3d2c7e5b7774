#include "CodeTreePicture.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int boxWidth = 62;
constexpr int boxHeight = 26;
constexpr int gap = 8;
constexpr int margin = 6;
constexpr int rowGap = 30;

} // namespace

CodeTreePicture::CodeTreePicture(QWidget* parent) : QWidget(parent)
{
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void CodeTreePicture::SetTree(const QString& root, const QStringList& boxes)
{
    root_ = root;
    boxes_ = boxes;
    chosen_ = -1;
    updateGeometry();
    setFixedSize(sizeHint());
    update();
}

void CodeTreePicture::SetChosen(int index)
{
    chosen_ = index >= 0 && index < BoxCount() ? index : -1;
    update();
}

void CodeTreePicture::ReserveRows(int rows)
{
    reservedRows_ = std::max(1, rows);
    setFixedSize(sizeHint());
}

int CodeTreePicture::perRow() const
{
    return 6;
}

QSize CodeTreePicture::sizeHint() const
{
    const int columns = perRow();
    const int rows = std::max(reservedRows_, (BoxCount() + perRow() - 1) / perRow());
    return {2 * margin + columns * boxWidth + (columns - 1) * gap,
            2 * margin + boxHeight + rows * (rowGap + boxHeight)};
}

QRect CodeTreePicture::rootArea() const
{
    const int width = std::max(boxWidth, fontMetrics().horizontalAdvance(root_) + 16);
    return {(sizeHint().width() - width) / 2, margin, width, boxHeight};
}

QRect CodeTreePicture::AreaOf(int index) const
{
    if (index < 0 || index >= BoxCount())
        return {};
    const int row = index / perRow();
    const int inRow = std::min(perRow(), BoxCount() - row * perRow());
    const int rowWidth = inRow * boxWidth + (inRow - 1) * gap;
    const int left = (sizeHint().width() - rowWidth) / 2;
    const int column = index % perRow();
    return {left + column * (boxWidth + gap), margin + boxHeight + rowGap + row * (rowGap + boxHeight), boxWidth,
            boxHeight};
}

void CodeTreePicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().base());
    const QColor line(90, 100, 120);
    const QColor chosenFill(40, 90, 170);

    const QRect root = rootArea();
    painter.setPen(QPen(line, 1.2));
    for (int i = 0; i < BoxCount(); ++i) {
        const QRect box = AreaOf(i);
        const int midY = box.top() - rowGap / 2;
        painter.drawLine(QPoint(root.center().x(), root.bottom()), QPoint(root.center().x(), margin + boxHeight + rowGap / 2));
        painter.drawLine(QPoint(root.center().x(), midY), QPoint(box.center().x(), midY));
        painter.drawLine(QPoint(box.center().x(), midY), QPoint(box.center().x(), box.top()));
        if (i >= perRow())
            painter.drawLine(QPoint(root.center().x(), margin + boxHeight + rowGap / 2), QPoint(root.center().x(), midY));
    }
    painter.setBrush(QColor(235, 238, 244));
    painter.drawRoundedRect(root, 4, 4);
    painter.drawText(root, Qt::AlignCenter, root_);
    for (int i = 0; i < BoxCount(); ++i) {
        const QRect box = AreaOf(i);
        const bool chosen = i == chosen_;
        painter.setPen(QPen(chosen ? chosenFill.darker() : line, chosen ? 2 : 1.2));
        painter.setBrush(chosen ? chosenFill : QColor(Qt::white));
        painter.drawRoundedRect(box, 4, 4);
        painter.setPen(chosen ? Qt::white : palette().text().color());
        painter.drawText(box, Qt::AlignCenter, boxes_[i]);
    }
}

void CodeTreePicture::mousePressEvent(QMouseEvent* event)
{
    for (int i = 0; i < BoxCount(); ++i)
        if (AreaOf(i).contains(event->position().toPoint())) {
            emit clicked(i);
            return;
        }
    QWidget::mousePressEvent(event);
}
