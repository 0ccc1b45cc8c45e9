// Zoom and pan of the preview: the slide's point under the mouse stays under it, panning stops
// at the frame's edges, a zoomed line stays one pixel wide, and another slide starts fitted.
#include "ModelFixture.h"
#include "ModelTestSupport.h"
#include "SlideWriter.h"
#include "graphics/AcadPal.h"
#include "model/Commands.h"
#include "model/PreviewZoom.h"
#include "slides/Slides.h"

#include <gtest/gtest.h>

namespace {

// The slide coordinates (of a highX x highY slide) under the view's pixel (x, y), from the
// renderer's own transform of the zoom's frame.
std::pair<double, double> SlidePointAt(const TPreviewZoom& zoom, double x, double y, int highX,
                                       int highY) {
    const TRect f = zoom.Frame();
    const TSlideTransform t(f, highX, highY);
    return {(x - f.Left - t.OffsetX) / t.Scale, (t.Height - (y - f.Top) - t.OffsetY) / t.Scale};
}

// The view's pixel where the slide's point is drawn.
std::pair<double, double> ViewPointOf(const TPreviewZoom& zoom, std::pair<double, double> p,
                                      int highX, int highY) {
    const TRect f = zoom.Frame();
    const TSlideTransform t(f, highX, highY);
    return {p.first * t.Scale + t.OffsetX + f.Left,
            t.Height - p.second * t.Scale - t.OffsetY + f.Top};
}

} // namespace

TEST(PreviewZoom, TheSlidesPointUnderTheMouseStaysUnderIt) {
    TPreviewZoom zoom;
    zoom.SetViewSize(704, 170);
    EXPECT_TRUE(zoom.Fitted());
    EXPECT_EQ(zoom.Frame(), (TRect{0, 0, 703, 169}));
    EXPECT_EQ(zoom.ZoomText(), "100%");

    // Wheel notches in and out at several places, with a wide slide and a tall one: the point
    // under the mouse moves by a pixel at most (the frame's edges and size are whole pixels, so
    // its width and height round apart: add half a pixel).
    struct TStep {
        double factor, x, y;
    };
    const TStep steps[] = {{2, 100, 40},  {TPreviewZoom::WheelFactor(120), 600, 150},
                           {4, 350, 85},  {TPreviewZoom::WheelFactor(-120), 10, 10},
                           {3, 703, 169}, {0.5, 200, 100},
                           {1.7, 0, 0},   {TPreviewZoom::WheelFactor(360), 512, 3}};
    for (const auto& [highX, highY] : {std::pair{1000, 500}, std::pair{300, 2000}}) {
        zoom.Fit();
        for (const TStep& step : steps) {
            const auto before = SlidePointAt(zoom, step.x, step.y, highX, highY);
            ASSERT_TRUE(zoom.ZoomAt(step.factor, step.x, step.y));
            const auto [x, y] = ViewPointOf(zoom, before, highX, highY);
            EXPECT_NEAR(x, step.x, 1.5) << step.factor << " at " << step.x << "," << step.y;
            EXPECT_NEAR(y, step.y, 1.5) << step.factor << " at " << step.x << "," << step.y;
        }
    }

    // The frame is the zoom times the view, and always covers the view.
    zoom.Fit();
    zoom.ZoomAt(8, 0, 0); // around the top left corner: the frame starts there
    EXPECT_EQ(zoom.Frame(), (TRect{0, 0, 8 * 704 - 1, 8 * 170 - 1}));
    EXPECT_EQ(zoom.ZoomText(), "800%");
    zoom.Pan(-1e6, -1e6); // dragged to the bottom right corner, and zoomed out there
    EXPECT_EQ(zoom.Frame(), (TRect{704 - 8 * 704, 170 - 8 * 170, 703, 169}));
    zoom.ZoomAt(0.5, 704, 170);
    EXPECT_EQ(zoom.Frame(), (TRect{704 - 4 * 704, 170 - 4 * 170, 703, 169}));
}

TEST(PreviewZoom, ZoomStaysBetweenFittedAnd64TimesAndPanStopsAtTheEdges) {
    TPreviewZoom zoom;
    zoom.SetViewSize(200, 100);
    // Fitted, nothing moves and nothing zooms out.
    EXPECT_FALSE(zoom.Pan(10, 10));
    EXPECT_FALSE(zoom.ZoomOut());
    EXPECT_FALSE(zoom.ZoomAt(0.5, 50, 50));
    for (int i = 0; i < 10; ++i)
        zoom.ZoomIn();
    EXPECT_EQ(zoom.Zoom(), TPreviewZoom::kMaxZoom);
    EXPECT_FALSE(zoom.ZoomIn());
    EXPECT_EQ(zoom.ZoomText(), "6400%");
    // Six notches out and six in land on the fitted view exactly.
    zoom.Fit();
    for (int i = 0; i < 6; ++i)
        zoom.ZoomAt(TPreviewZoom::WheelFactor(120), 30, 70);
    EXPECT_EQ(zoom.ZoomText(), "800%");
    for (int i = 0; i < 6; ++i)
        zoom.ZoomAt(TPreviewZoom::WheelFactor(-120), 150, 20);
    EXPECT_TRUE(zoom.Fitted());
    EXPECT_EQ(zoom.Frame(), (TRect{0, 0, 199, 99}));

    // Dragging moves the frame by the pixels dragged, until its edge meets the view's.
    zoom.ZoomIn(); // 2x around the centre: frame (-100, -50) .. (299, 149)
    EXPECT_EQ(zoom.Frame(), (TRect{-100, -50, 299, 149}));
    EXPECT_TRUE(zoom.Pan(30, -20));
    EXPECT_EQ(zoom.Frame(), (TRect{-70, -70, 329, 129}));
    EXPECT_TRUE(zoom.Pan(500, 500)); // stops at the top left corner
    EXPECT_EQ(zoom.Frame(), (TRect{0, 0, 399, 199}));
    EXPECT_FALSE(zoom.Pan(1, 1));
    EXPECT_TRUE(zoom.Pan(-1000, -1000)); // and at the bottom right one
    EXPECT_EQ(zoom.Frame(), (TRect{-200, -100, 199, 99}));

    // A resized view shows the same part of the slide: here still its bottom right corner.
    zoom.SetViewSize(400, 300);
    EXPECT_EQ(zoom.Frame(), (TRect{-400, -300, 399, 299}));
    zoom.Fit();
    EXPECT_EQ(zoom.Frame(), (TRect{0, 0, 399, 299}));
}

namespace {

class PreviewZoomModelTest : public TModelTest {
protected:
    void SetUp() override {
        // 200 x 100 slide units in a 200 x 100 preview: one unit a pixel when fitted. A level
        // line across the middle in colour 1, a second slide with nothing but a short line.
        TSlideWriter line(200, 100);
        line.Colour(1);
        line.Vector(20, 50, 180, 50);
        line.End();
        WriteFileBytes(dir.File("a.sld"), line.Bytes());
        WriteFileBytes(dir.File("b.sld"), MakeSlide(300, 300));
        ShowDir(200, 100);
    }
    // The rows of column x that show the line's colour.
    std::vector<int> RedRows(int x) const {
        std::vector<int> rows;
        for (int y = 0; y < model.Preview().Height(); ++y)
            if (model.Preview().Pixel(x, y) == model.RenderState().Palette()[1])
                rows.push_back(y);
        return rows;
    }
};

} // namespace

TEST_F(PreviewZoomModelTest, AZoomedLineStaysOnePixelWide) {
    ASSERT_EQ(model.Items(), (Names{"a.sld", "b.sld"}));
    EXPECT_EQ(model.StatusText(TStatusPanel::Zoom), "100%");
    const int row = RedRows(100).at(0);
    EXPECT_EQ(RedRows(100).size(), 1u);
    EXPECT_TRUE(RedRows(10).empty()); // the line starts at x 20

    // 8 times around the line's middle: it crosses the whole preview, still one pixel high,
    // in the row it was in, and is drawn at the zoom, not blown up from the fitted picture.
    EXPECT_FALSE(CommandApplies(model, TCommand::Fit));
    ASSERT_TRUE(model.ZoomPreview(8, 100, row));
    model.RepaintPreview();
    EXPECT_EQ(model.StatusText(TStatusPanel::Zoom), "800%");
    EXPECT_TRUE(CommandApplies(model, TCommand::Fit));
    for (int x = 0; x < 200; ++x)
        ASSERT_EQ(RedRows(x), std::vector<int>{row}) << "column " << x;

    // Panned down by 7 pixels, the line follows by 7.
    ASSERT_TRUE(model.PanPreview(0, 7));
    model.RepaintPreview();
    EXPECT_EQ(RedRows(0), std::vector<int>{row + 7});
    EXPECT_EQ(RedRows(199), std::vector<int>{row + 7});

    // A reload that keeps the slide keeps the zoom; another slide starts fitted.
    model.ReloadSlideList();
    EXPECT_EQ(model.StatusText(TStatusPanel::Zoom), "800%");
    model.SelectItem(1);
    model.ActivateSelection();
    EXPECT_TRUE(model.PreviewZoom().Fitted());
    EXPECT_EQ(model.StatusText(TStatusPanel::Zoom), "100%");
    model.SelectItem(0);
    model.ActivateSelection();
    EXPECT_EQ(RedRows(10), std::vector<int>{});

    // Fit takes the zoom back; with no slide shown nothing zooms.
    ASSERT_TRUE(model.ZoomPreview(2, 0, 0));
    EXPECT_TRUE(model.FitPreview());
    EXPECT_FALSE(model.FitPreview());
    model.SetSelection({});
    EXPECT_FALSE(model.ZoomPreview(2, 0, 0));
    EXPECT_FALSE(CommandApplies(model, TCommand::ZoomIn));
}
