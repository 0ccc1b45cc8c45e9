// Thumbnails drawn on worker threads: the same pixels as one thread draws, the items on screen
// first, nothing of an old batch mixed into a new one.
#include "SlideFixtures.h"
#include "SlideWriter.h"
#include "TestFiles.h"
#include "base/UiHooks.h"
#include "graphics/AcadPal.h"
#include "graphics/Graphic.h"
#include "graphics/IndexedPicture.h"
#include "graphics/RasterCanvas.h"
#include "model/ThumbnailRenderer.h"
#include "output/SlideGraphic.h"
#include "slides/SlideClasses.h"

#include <atomic>
#include <gtest/gtest.h>
#include <map>
#include <mutex>
#include <thread>

namespace {

// Slides that differ from each other: a fan of lines in colours that depend on n.
std::vector<uint8_t> NumberedSlide(int n) {
    TSlideWriter w(200 + n, 100 + 2 * n);
    for (int k = 0; k < 20; ++k) {
        w.Colour((n * 7 + k) % 255 + 1);
        w.Vector(k * 7, 0, 200 - k * 3, 100 + n);
    }
    w.Fill({{10, 10}, {60 + n, 15}, {30, 70}});
    w.End();
    return w.Bytes();
}

struct TCollector {
    std::mutex mutex;
    std::vector<TThumbnailRenderer::TThumbnail> arrived;
    void operator()(TThumbnailRenderer::TThumbnail&& t) {
        std::lock_guard lock(mutex);
        arrived.push_back(std::move(t));
    }
};

std::vector<uint32_t> Words(const TIndexedPicture& p) {
    std::vector<uint32_t> words;
    for (int y = 0; y < p.Height; ++y)
        for (int x = 0; x < p.Width; ++x)
            words.push_back(p.Word(x, y));
    return words;
}

class ThumbnailRendererTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (int n = 0; n < 60; ++n) {
            char name[16];
            std::snprintf(name, sizeof name, "s%02d.sld", n);
            WriteFileBytes(dir.File(name), NumberedSlide(n));
        }
        lib = TSlideLib::CreateFromDirectory(dir.Path(), "*.sld");
    }
    std::vector<TSlideData> Data() const {
        std::vector<TSlideData> data;
        for (int i = 0; i < lib->Count(); ++i)
            data.push_back(lib->Slide(i)->Data());
        return data;
    }
    // What one thread draws for item i, through the same call the window's first screen uses.
    std::vector<uint32_t> OneThread(int i, const TRenderState& state) {
        TBitmap bitmap;
        DrawToGraphic(*lib, i, bitmap, 80, 128, state);
        return Words(PackPicture(bitmap.Canvas()));
    }

    TTempDir dir;
    std::unique_ptr<TSlideLib> lib;
    TCollector collector;
};

TEST_F(ThumbnailRendererTest, WorkersDrawWhatOneThreadDrawsOrSayWhyNot) {
    // Gone since the folder was read; and one whose record cannot be drawn.
    std::vector<TSlideData> data = Data();
    std::remove(dir.File("s03.sld").c_str());
    TSlideWriter w(100, 100);
    w.Vector(0, 0, 50, 50);
    w.Raw({0x00, 0x90});
    w.End();
    TMemoryStream bad(w.Bytes());
    data[4] = TSlide::CreateFromStream("bad", bad)->Data();
    std::map<int, std::vector<uint32_t>> got;
    std::map<int, std::string> messages;
    // The workers never reach the user's hooks (which are not made for other threads): the
    // message of the slide that cannot be drawn comes with its thumbnail.
    std::atomic<int> shown{0};
    UiHooks::THookScope hooks([&](const std::string&) { ++shown; });
    const TRenderState white(0xFFFFFF, false);
    {
        TThumbnailRenderer renderer([this](auto&& t) { collector(std::move(t)); }, 3);
        std::vector<bool> done(60);
        done[5] = true; // drawn already: not drawn again
        const int batch = renderer.Start(data, done, white, 128, 80);
        renderer.WaitIdle();
        for (auto& t : collector.arrived) {
            EXPECT_EQ(t.Batch, batch);
            if (!t.Message.empty()) {
                messages[t.Index] = t.Message;
                continue;
            }
            EXPECT_TRUE(t.Picture.Packed());
            got[t.Index] = Words(t.Picture);
        }
    }
    EXPECT_EQ(got.size(), 57u);
    EXPECT_EQ(got.count(5), 0u);
    for (const auto& [i, words] : got)
        ASSERT_EQ(words, OneThread(i, white)) << "item " << i;
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_NE(messages[3].find("s03.sld"), std::string::npos) << messages[3];
    EXPECT_EQ(messages[4], "Error reading slide file. *Invalid*");
    EXPECT_EQ(shown, 0);
}

TEST_F(ThumbnailRendererTest, ItemsOnScreenComeFirstAndANewBatchDropsTheOld) {
    // One worker makes the order visible. It hands over its first thumbnail only once the
    // screen has moved: on a busy machine it could otherwise draw dozens before that.
    std::atomic<bool> moved = false;
    TThumbnailRenderer renderer(
        [&](auto&& t) {
            while (!moved)
                std::this_thread::yield();
            collector(std::move(t));
        },
        1);
    const int first = renderer.Start(Data(), {}, TRenderState(), 128, 80);
    renderer.Prioritize(first, 40, 44);
    moved = true;
    renderer.WaitIdle();
    std::vector<int> order;
    for (auto& t : collector.arrived)
        order.push_back(t.Index);
    ASSERT_EQ(order.size(), 60u);
    // At most the item that was being drawn when the screen moved comes before them.
    const auto at40 = std::find(order.begin(), order.end(), 40) - order.begin();
    EXPECT_LE(at40, 2);
    EXPECT_EQ(std::vector<int>(order.begin() + at40, order.begin() + at40 + 5),
              (std::vector<int>{40, 41, 42, 43, 44}));

    // A new batch while the old one is drawn: what arrives with the new number is the new
    // batch's, drawn on its background.
    collector.arrived.clear();
    renderer.Start(Data(), {}, TRenderState(), 128, 80);
    const int second = renderer.Start(Data(), {}, TRenderState(0xFFFFFF, false), 128, 80);
    EXPECT_GT(second, first);
    renderer.WaitIdle();
    int ofSecond = 0;
    for (auto& t : collector.arrived) {
        if (t.Batch != second)
            continue;
        ++ofSecond;
        EXPECT_EQ(Words(t.Picture), OneThread(t.Index, TRenderState(0xFFFFFF, false)));
    }
    EXPECT_EQ(ofSecond, 60);

    // Let go and asked for again: drawn again.
    collector.arrived.clear();
    renderer.Request(second, 7);
    renderer.WaitIdle();
    ASSERT_EQ(collector.arrived.size(), 1u);
    EXPECT_EQ(collector.arrived[0].Index, 7);
    // Indices of an older batch do not reach the running one.
    renderer.Request(first, 9);
    renderer.Prioritize(first, 0, 59);
    renderer.WaitIdle();
    EXPECT_EQ(collector.arrived.size(), 1u);
    renderer.Cancel();
    renderer.Request(second, 8); // nothing to ask for once cancelled
    renderer.WaitIdle();
    EXPECT_EQ(collector.arrived.size(), 1u);
}

TEST_F(ThumbnailRendererTest, AThumbnailThatThrowsIsMarkedAndTheOthersAreDrawn) {
    // Out of memory in one thumbnail, some other error in another: the process goes on, both
    // arrive marked as failed with their reason, every other one is drawn as ever.
    TThumbnailRenderer renderer(
        [this](auto&& t) { collector(std::move(t)); }, 2,
        [](const TSlideData& slide, const TRenderState& state, int w, int h) {
            if (slide.Path.find("s07") != std::string::npos)
                throw std::bad_alloc();
            if (slide.Path.find("s09") != std::string::npos)
                throw std::logic_error("went wrong");
            if (slide.Path.find("s11") != std::string::npos)
                throw 11;
            return TThumbnailRenderer::Draw(slide, state, w, h);
        });
    renderer.Start(Data(), {}, TRenderState(0xFFFFFF, false), 128, 80);
    renderer.WaitIdle();
    ASSERT_EQ(collector.arrived.size(), 60u);
    std::map<int, std::string> failed;
    for (auto& t : collector.arrived) {
        if (t.Failed()) {
            failed[t.Index] = t.Message;
            // The red cross: corners and centre.
            EXPECT_EQ(t.Picture.Word(0, 0), 0xFFFF0000u) << t.Index;
            EXPECT_EQ(t.Picture.Word(64, 40), 0xFFFF0000u) << t.Index;
            EXPECT_EQ(t.Picture.Word(127, 79), 0xFFFF0000u) << t.Index;
        } else {
            EXPECT_EQ(Words(t.Picture), OneThread(t.Index, TRenderState(0xFFFFFF, false)))
                << t.Index;
        }
    }
    EXPECT_EQ(failed, (std::map<int, std::string>{{7, "There is not enough memory to draw it."},
                                                  {9, "went wrong"},
                                                  {11, "It cannot be drawn."}}));
}

TEST(IndexedPicture, PacksUpTo256ColoursAndKeepsTheWordsOfMore) {
    TRasterCanvas canvas(300, 2);
    for (int x = 0; x < 300; ++x)
        canvas.SetPixel(x, 0, static_cast<TColor>(x % 200) * 3);
    TIndexedPicture packed = PackPicture(canvas);
    EXPECT_TRUE(packed.Packed());
    EXPECT_EQ(packed.Colours.size(), 200u); // row 1 is black, which row 0 holds at x = 0
    for (int x = 0; x < 300; ++x)
        EXPECT_EQ(packed.Word(x, 0), TRasterCanvas::ToWord(static_cast<TColor>(x % 200) * 3));
    for (int x = 0; x < 300; ++x)
        canvas.SetPixel(x, 1, static_cast<TColor>(x) * 5 + 1);
    TIndexedPicture words = PackPicture(canvas);
    EXPECT_FALSE(words.Packed());
    EXPECT_EQ(words.Word(299, 1), TRasterCanvas::ToWord(299 * 5 + 1));
}

} // namespace
