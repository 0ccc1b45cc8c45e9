#include "model/ThumbnailRenderer.h"

#include "base/Errors.h"
#include "graphics/RasterCanvas.h"
#include "slides/Slides.h"

#include <algorithm>
#include <new>

void MarkFailedThumbnail(TCanvas& canvas, int width, int height) {
    if (width <= 0 || height <= 0)
        return;
    const TColor pen = canvas.PenColor();
    canvas.SetPenColor(0x0000FF); // red
    // Two pixels wide, so the mark shows on any background and at any size.
    for (int d = 0; d < 2; ++d) {
        canvas.MoveTo(d, 0);
        canvas.LineTo(width + d, height);
        canvas.MoveTo(width - 1 - d, 0);
        canvas.LineTo(-1 - d, height);
        canvas.MoveTo(d, d);
        canvas.LineTo(width - 1 - d, d);
        canvas.LineTo(width - 1 - d, height - 1 - d);
        canvas.LineTo(d, height - 1 - d);
        canvas.LineTo(d, d);
    }
    canvas.SetPenColor(pen);
}

std::string FailureText(const std::exception_ptr& failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const std::bad_alloc&) {
        return "There is not enough memory to draw it.";
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "It cannot be drawn.";
    }
}

TThumbnailRenderer::TThumbnailRenderer(TDelivery deliver, int threads, TDrawing draw)
    : m_deliver(std::move(deliver)), m_draw(draw ? std::move(draw) : TDrawing(&Draw)) {
    if (threads <= 0)
        threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    for (int i = 0; i < threads; ++i)
        m_workers.emplace_back([this](std::stop_token stop) { Work(stop); });
}

TThumbnailRenderer::~TThumbnailRenderer() {
    Cancel();
    for (std::jthread& w : m_workers)
        w.request_stop();
    m_wake.notify_all();
    m_workers.clear(); // joins
}

int TThumbnailRenderer::Start(std::vector<TSlideData> slides, const std::vector<bool>& done,
                              const TRenderState& state, int width, int height) {
    std::lock_guard lock(m_mutex);
    ++m_batch;
    m_slides = std::move(slides);
    m_pending.assign(m_slides.size(), 1);
    m_pendingCount = static_cast<int>(m_slides.size());
    for (size_t i = 0; i < done.size() && i < m_pending.size(); ++i) {
        if (done[i]) {
            m_pending[i] = 0;
            --m_pendingCount;
        }
    }
    m_cursor = 0;
    m_focusFirst = 0;
    m_focusLast = -1;
    m_state = state;
    m_width = width;
    m_height = height;
    m_wake.notify_all();
    return m_batch;
}

void TThumbnailRenderer::Prioritize(int batch, int first, int last) {
    std::lock_guard lock(m_mutex);
    if (batch != m_batch)
        return;
    m_focusFirst = std::max(0, first);
    m_focusLast = std::min(last, static_cast<int>(m_pending.size()) - 1);
}

void TThumbnailRenderer::Request(int batch, int index) {
    std::lock_guard lock(m_mutex);
    if (batch != m_batch || index < 0 || index >= static_cast<int>(m_pending.size()) ||
        m_pending[static_cast<size_t>(index)])
        return;
    m_pending[static_cast<size_t>(index)] = 1;
    ++m_pendingCount;
    m_cursor = std::min(m_cursor, static_cast<size_t>(index));
    m_wake.notify_one();
}

void TThumbnailRenderer::Cancel() {
    std::lock_guard lock(m_mutex);
    ++m_batch;
    m_slides.clear();
    m_pending.clear();
    m_pendingCount = 0;
    m_cursor = 0;
    if (m_running == 0)
        m_idle.notify_all();
}

void TThumbnailRenderer::WaitIdle() {
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return m_pendingCount == 0 && m_running == 0; });
}

bool TThumbnailRenderer::Idle() {
    std::lock_guard lock(m_mutex);
    return m_pendingCount == 0 && m_running == 0;
}

int TThumbnailRenderer::Take() {
    if (m_pendingCount == 0)
        return -1;
    // The items on screen first (a few dozen), then the rest in list order.
    for (int i = m_focusFirst; i <= m_focusLast; ++i)
        if (m_pending[static_cast<size_t>(i)])
            return i;
    while (m_cursor < m_pending.size() && !m_pending[m_cursor])
        ++m_cursor;
    return m_cursor < m_pending.size() ? static_cast<int>(m_cursor) : -1;
}

void TThumbnailRenderer::Work(std::stop_token stop) {
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, stop, [this] { return m_pendingCount > 0; });
        if (stop.stop_requested())
            return;
        const int index = Take();
        if (index < 0) { // cannot happen while the counts agree; never spin on it
            m_pendingCount = 0;
            if (m_running == 0)
                m_idle.notify_all();
            continue;
        }
        m_pending[static_cast<size_t>(index)] = 0;
        --m_pendingCount;
        ++m_running;
        const int batch = m_batch;
        const TSlideData slide = m_slides[static_cast<size_t>(index)];
        const TRenderState state = m_state;
        const int width = m_width, height = m_height;
        lock.unlock();

        TThumbnail thumbnail;
        try {
            thumbnail = m_draw(slide, state, width, height);
        } catch (...) {
            // One thumbnail that fails, for whatever reason, never ends the program.
            try {
                thumbnail = FailedThumbnail(FailureText(std::current_exception()),
                                            state.Background(), width, height);
            } catch (...) {
                thumbnail = {}; // not even that: the item keeps its placeholder
                thumbnail.Message = "There is not enough memory to draw it.";
            }
        }
        thumbnail.Batch = batch;
        thumbnail.Index = index;
        m_deliver(std::move(thumbnail));

        lock.lock();
        --m_running;
        if (m_pendingCount == 0 && m_running == 0)
            m_idle.notify_all();
    }
}

TThumbnailRenderer::TThumbnail TThumbnailRenderer::Draw(const TSlideData& slide,
                                                        const TRenderState& state, int width,
                                                        int height) {
    TThumbnail thumbnail;
    TRasterCanvas canvas(width, height);
    canvas.SetBrushColor(state.Background());
    canvas.SetBrushStyle(TBrushStyle::Solid);
    canvas.FillRect({0, 0, width, height});
    try {
        TSlideData::TView view = slide.Open();
        if (DrawSlide(view.Stream(), canvas, {0, 0, width - 1, height - 1}, state).Invalid)
            thumbnail.Message = kInvalidSlideMessage;
    } catch (const EVarnelError& e) {
        thumbnail.Message = e.what();
    }
    if (thumbnail.Failed())
        MarkFailedThumbnail(canvas, width, height);
    thumbnail.Picture = PackPicture(canvas);
    return thumbnail;
}

TThumbnailRenderer::TThumbnail TThumbnailRenderer::FailedThumbnail(const std::string& reason,
                                                                   TColor background, int width,
                                                                   int height) {
    TThumbnail thumbnail;
    TRasterCanvas canvas(width, height);
    canvas.SetBrushColor(background);
    canvas.SetBrushStyle(TBrushStyle::Solid);
    canvas.FillRect({0, 0, width, height});
    MarkFailedThumbnail(canvas, width, height);
    thumbnail.Message = reason;
    thumbnail.Picture = PackPicture(canvas);
    return thumbnail;
}
