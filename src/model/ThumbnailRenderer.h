// Draws the thumbnails of a slide list on worker threads, so a folder of thousands of slides
// shows at once and the window stays usable while the rest are drawn.
//
// A batch is the list's slides (their data, TSlideData, which stays valid whatever happens to
// the list meanwhile), a render state and a size. Each worker draws into its own raster canvas
// with its own copy of the render state, and nothing it does reaches the user: a record that
// cannot be drawn comes back in the thumbnail's message. The items on screen are drawn first
// (Prioritize); a new batch or Cancel drops what is pending. Finished thumbnails go to the delivery
// function, on the worker's thread, with the number of their batch, so the receiver can drop those
// of a batch it no longer shows.
#pragma once

#include "graphics/AcadPal.h"
#include "graphics/Canvas.h"
#include "graphics/IndexedPicture.h"
#include "slides/SlideClasses.h"

#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// Marks a thumbnail of something that could not be drawn (whole or in part): a red cross over it
// and a red frame, so it stands out in a list of thousands.
void MarkFailedThumbnail(TCanvas& canvas, int width, int height);
// The text for the user of whatever a drawing threw: the error's own message; running out of
// memory says so in words.
std::string FailureText(const std::exception_ptr& failure);

class TThumbnailRenderer {
public:
    struct TThumbnail {
        int Batch = 0;
        int Index = 0;
        TIndexedPicture Picture;
        // What went wrong while drawing (a record that cannot be drawn, a file that cannot be
        // read); the thumbnail keeps what was drawn, marked (MarkFailedThumbnail).
        std::string Message;
        bool Failed() const { return !Message.empty(); }
    };
    using TDelivery = std::function<void(TThumbnail&&)>;
    // Draws one thumbnail (Draw, unless a test puts another in its place).
    using TDrawing = std::function<TThumbnail(const TSlideData& slide, const TRenderState& state,
                                              int width, int height)>;

    // threads 0: one per core. Whatever one thumbnail's drawing throws (even running out of
    // memory) ends that thumbnail only: it arrives marked as failed, with the reason as its
    // message, and the workers go on.
    explicit TThumbnailRenderer(TDelivery deliver, int threads = 0, TDrawing draw = {});
    // Drops what is pending and joins the workers.
    ~TThumbnailRenderer();
    TThumbnailRenderer(const TThumbnailRenderer&) = delete;
    TThumbnailRenderer& operator=(const TThumbnailRenderer&) = delete;

    // A new batch of every slide whose item is not done already (done may be shorter than
    // slides); the previous batch's pending work is dropped. Returns the new batch's number.
    int Start(std::vector<TSlideData> slides, const std::vector<bool>& done,
              const TRenderState& state, int width, int height);
    // Items first..last (inclusive) of batch are on screen: they are drawn before the others.
    // Indices of another batch than the running one mean nothing to it and are ignored, so a
    // caller that still holds an old list's range cannot move the new one.
    void Prioritize(int batch, int first, int last);
    // Item index of batch is wanted again (its thumbnail was let go); ignored unless batch is
    // the running one.
    void Request(int batch, int index);
    // Drops what is pending; thumbnails being drawn still arrive, with their batch number.
    void Cancel();
    // Waits until nothing is pending or being drawn.
    void WaitIdle();
    // True when nothing is pending or being drawn: every thumbnail drawn has been delivered.
    bool Idle();
    int Threads() const { return static_cast<int>(m_workers.size()); }

    // One thumbnail as the workers draw it: filled with the state's background, the slide
    // fitted and centred, in the state's colours.
    static TThumbnail Draw(const TSlideData& slide, const TRenderState& state, int width,
                           int height);

    // A thumbnail in place of one whose drawing threw: the background, marked, with the reason.
    static TThumbnail FailedThumbnail(const std::string& reason, TColor background, int width,
                                      int height);

private:
    void Work(std::stop_token stop);
    // The next item to draw, or -1; with the lock held.
    int Take();

    TDelivery m_deliver;
    TDrawing m_draw;
    std::mutex m_mutex;
    std::condition_variable_any m_wake;
    std::condition_variable m_idle;
    int m_batch = 0;
    std::vector<TSlideData> m_slides;
    std::vector<uint8_t> m_pending; // 1: still to draw
    int m_pendingCount = 0;
    int m_running = 0;
    size_t m_cursor = 0; // no pending item before it, but for requests and the focus
    int m_focusFirst = 0;
    int m_focusLast = -1;
    TRenderState m_state;
    int m_width = 0;
    int m_height = 0;
    std::vector<std::jthread> m_workers;
};
