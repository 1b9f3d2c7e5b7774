#pragma once

#include <QAbstractScrollArea>

#include <cstdint>

class CVekDoc;

// The window that shows the active module's result page. It repaints
// whenever the document tells its views of a change.
class CVekView : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit CVekView(CVekDoc& doc, QWidget* parent = nullptr);
    ~CVekView() override;

    CVekDoc& Document() const { return doc_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void onUpdate(std::uint32_t hint);
    // Scroll ranges from the active page's extent.
    void updateExtent();

    CVekDoc& doc_;
    int viewId_ = 0;
};
