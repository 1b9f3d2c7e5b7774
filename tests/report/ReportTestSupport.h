#pragma once

#include "platform/RecordingCanvas.h"
#include "report/PageModel.h"

#include <gtest/gtest.h>

// Every report test starts on the screen (0.254 mm per unit) with the
// fallback sheet of 202 × 297 mm and the fixed text rule of the recording
// canvas: fonts 10 units high (20 for the large one), 6 units per
// character, external leading 1.
class ReportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        PageModel::Get().Reset();
        PageModel::Get().SetScreenMeasure(&screen);
    }
    void TearDown() override { PageModel::Get().Reset(); }

    // A printer of the fallback sheet with dots of 0.1 mm across and down:
    // 10-unit screen fonts become round(10 × 0.254 ÷ 0.1) = 25 dots.
    static platform::RecordingCanvas Printer(int dotsAcross = 2020, int dotsDown = 2970)
    {
        platform::RecordingCanvas printer;
        printer.printer = true;
        printer.resolution = {dotsAcross, dotsDown};
        printer.sheet = platform::fallbackSheet;
        return printer;
    }

    static constexpr platform::Rect everything{0, 0, 100000, 100000};

    platform::RecordingCanvas screen;
};

// The line calls drawn with a given pen width and style.
inline std::vector<const platform::RecordingCanvas::Call*> LinesWith(const platform::RecordingCanvas& canvas,
                                                                    int width, platform::PenStyle style)
{
    std::vector<const platform::RecordingCanvas::Call*> found;
    for (const auto* call : canvas.Calls(platform::RecordingCanvas::Op::Line))
        if (call->pen.width == width && call->pen.style == style)
            found.push_back(call);
    return found;
}
