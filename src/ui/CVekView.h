#pragma once

#include "platform/Canvas.h"

#include <QAbstractScrollArea>

#include <array>
#include <cstdint>

class CGraphicsItem;
class CVekDoc;
class QPagedPaintDevice;
class SheetOutput;

// The window that shows the active module's result page at the screen's
// fixed scale (one device unit a pixel). It scrolls over the page, keeps
// each module's scroll position while another module is shown, selects the
// item under a click, copies a selected table's or graph's data, opens an
// item's help topic on a double click, and prints the page over sheets.
class CVekView : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit CVekView(CVekDoc& doc, QWidget* parent = nullptr);
    ~CVekView() override;

    CVekDoc& Document() const { return doc_; }

    // The part of the page shown, in page device units.
    platform::Rect VisibleRect() const;
    // Where the module's page was scrolled to when another one was shown.
    platform::Point SavedPosition(int module) const { return saved_.at(std::size_t(module)); }
    // The item of the active page the user selected; none after a click on
    // empty paper, a module switch or a recalculation (new items).
    CGraphicsItem* SelectedItem() const;
    // Whether the mouse is over an item, and that item's rectangle; the
    // cursor is the hand while it is.
    bool Hovering() const { return hovering_; }
    platform::Rect HoverRect() const { return hoverRect_; }

    // "Kopiera till Urklipp": for a selected table or graph.
    bool CanCopy() const;
    void OnEditCopy();

    // Prints the active page on the output's sheets (printer units,
    // pagination over the sheets, every sheet across and down), then lays it
    // out for the screen again. Returns the sheets drawn, 0 when the output
    // failed. The output is not finished here.
    int Print(SheetOutput& output);
    // The same on a printer or the preview's printer, which must print on
    // its full page; false when the printer reported a failure.
    bool Print(QPagedPaintDevice& printer);
    bool IsPrinting() const { return printing_; }

signals:
    // The selection or its copyability changed: commands look again.
    void selectionChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void onUpdate(std::uint32_t hint);
    // Scroll ranges and steps from the active page's extent and the client size.
    void updateExtent();
    void clearSelection(int module);
    void clearHover();
    platform::Point origin() const;

    CVekDoc& doc_;
    int viewId_ = 0;
    int module_ = 0;
    std::array<platform::Point, 8> saved_{};
    bool printing_ = false;
    bool hovering_ = false;
    platform::Rect hoverRect_;
};
