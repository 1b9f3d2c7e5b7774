#pragma once

#include <QRect>
#include <QStringList>
#include <QWidget>

// A picture of a code tree: a root box over a row or two of boxes, one
// clickable area per box. The chosen box is drawn highlighted; a click on
// another box says so through `clicked`.
class CodeTreePicture : public QWidget {
    Q_OBJECT

public:
    explicit CodeTreePicture(QWidget* parent = nullptr);

    void SetTree(const QString& root, const QStringList& boxes);
    void SetChosen(int index);
    // Room for this many rows whatever the tree, so that the dialog keeps
    // its size from one tree to the next.
    void ReserveRows(int rows);
    int Chosen() const { return chosen_; }
    int BoxCount() const { return int(boxes_.size()); }
    // Where box `index` is drawn, in the widget's coordinates.
    QRect AreaOf(int index) const;

    QSize sizeHint() const override;

signals:
    void clicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QRect rootArea() const;
    int perRow() const;

    QString root_;
    QStringList boxes_;
    int chosen_ = -1;
    int reservedRows_ = 1;
};
