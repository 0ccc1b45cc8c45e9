// TForm1: the thumbnails of the slide list. The items on screen are drawn at once, the rest by
// TThumbnailRenderer's workers while the window stays usable; scrolling brings the items on
// screen to the front of their queue. Only the items on and near the screen hold an icon;
// limg keeps the pictures (packed) and lets the farthest go when it holds many.
#include "QtSupport.h"
#include "testslides.h"

#include "graphics/Graphic.h"
#include "graphics/IndexedPicture.h"
#include "slides/SlideClasses.h"
#include "slides/Slides.h"

#include <QCoreApplication>
#include <QListWidget>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>
#include <memory>

namespace {

// Pictures held at most (about 20 MB of packed thumbnails; a screen shows a few dozen).
constexpr size_t kHeldThumbnails = 2000;

} // namespace

void TForm1::StartThumbnailBatch() {
    const TSlideLib* list = m_model.CurrentList();
    if (!list || m_shown.Items.size() != limg.size() || limg.empty() ||
        m_shown.HasIcon.size() != limg.size())
        return;
    // The first screen is drawn here, so the list shows its thumbnails at once.
    ListBox1->doItemsLayout();
    const auto [first, last] = VisibleItems();
    // Messages of damaged slides come once, when the workers are done with this list.
    m_model.SetThumbnailsPending(true);
    m_problemTimer->start();
    const QSize pixels = ThumbnailPixels();
    {
        TWindowModel::TBusy busy(m_model);
        TBitmap bitmap;
        for (int i = first; i >= 0 && i <= last; ++i) {
            if (limg.Has(static_cast<size_t>(i)))
                continue;
            const std::string message =
                m_model.DrawThumbnail(ItemOfRow(i), bitmap, pixels.width(), pixels.height());
            if (!message.empty())
                MarkFailedItem(i, message);
            limg.Set(static_cast<size_t>(i), TThumbnailList::ToImage(PackPicture(bitmap.Canvas())));
        }
    }
    // The batch is the rows: only the slides shown are drawn.
    std::vector<TSlideData> slides;
    slides.reserve(limg.size());
    for (const int item : m_shown.Items) {
        const TSlide* slide = list->Slide(item);
        if (!slide)
            return; // cannot be: the rows are of this list
        slides.push_back(slide->Data());
    }
    m_shown.Background = m_model.PreviewBackground();
    m_shown.Batch = m_renderer->Start(std::move(slides), limg.Done(), m_model.RenderState(),
                                      pixels.width(), pixels.height());
    ShowVisibleThumbnails();
}

void TForm1::ForgetShownThumbnails() {
    m_renderer->Cancel();
    limg.Reset(0);
    m_shown = TShownThumbnails();
}

QSize TForm1::ThumbnailPixels() const {
    return {qRound(kThumbWidth * limg.Ratio()), qRound(kThumbHeight * limg.Ratio())};
}

std::pair<int, int> TForm1::VisibleItems() const {
    const int count = ListBox1->count();
    if (count == 0)
        return {-1, -1};
    const int height = ListBox1->viewport()->height();
    // Items stand in list order from the top down: the first whose bottom is on screen and
    // the last whose top is.
    int lo = 0, hi = count;
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (ListBox1->visualItemRect(ListBox1->item(mid)).bottom() < 0)
            lo = mid + 1;
        else
            hi = mid;
    }
    const int first = std::min(lo, count - 1);
    lo = first;
    hi = count;
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (ListBox1->visualItemRect(ListBox1->item(mid)).top() <= height)
            lo = mid + 1;
        else
            hi = mid;
    }
    return {first, std::max(first, lo - 1)};
}

void TForm1::ShowVisibleThumbnails() {
    // Nothing to do unless the items, the images and the icon marks are of one list.
    const int count = ListBox1->count();
    if (limg.empty() || count != static_cast<int>(limg.size()) ||
        m_shown.HasIcon.size() != limg.size())
        return;
    const auto [first, last] = VisibleItems();
    if (first < 0)
        return;
    m_renderer->Prioritize(m_shown.Batch, first, last);
    // One screen above and one below also hold their icons, so scrolling shows pictures.
    const int screen = last - first + 1;
    const int from = std::max(0, first - screen);
    const int to = std::min(count - 1, last + screen);
    std::vector<uint8_t>& hasIcon = m_shown.HasIcon;
    for (int i = std::max(0, m_shown.IconFirst); i <= std::min(m_shown.IconLast, count - 1); ++i) {
        if ((i < from || i > to) && hasIcon[static_cast<size_t>(i)]) {
            ListBox1->item(i)->setIcon(m_placeholder);
            hasIcon[static_cast<size_t>(i)] = 0;
        }
    }
    for (int i = from; i <= to; ++i) {
        const auto k = static_cast<size_t>(i);
        if (hasIcon[k])
            continue;
        if (limg.Has(k)) {
            ListBox1->item(i)->setIcon(QIcon(QPixmap::fromImage(limg[k])));
            hasIcon[k] = 1;
        } else {
            m_renderer->Request(m_shown.Batch, i); // let go earlier: draw it again
        }
    }
    m_shown.IconFirst = from;
    m_shown.IconLast = to;
}

void TForm1::ThumbnailArrived(TThumbnailRenderer::TThumbnail&& thumbnail) {
    const auto k = static_cast<size_t>(thumbnail.Index);
    if (thumbnail.Batch != m_shown.Batch || k >= limg.size() ||
        ListBox1->count() != static_cast<int>(limg.size()) || m_shown.HasIcon.size() != limg.size())
        return; // a thumbnail of a list no longer shown
    if (thumbnail.Failed()) {
        // Said once the batch is done (ShowThumbnailProblems), in one box for the whole list.
        m_model.ReportSlideProblem(ItemOfRow(thumbnail.Index), thumbnail.Message);
        MarkFailedItem(thumbnail.Index, thumbnail.Message);
    }
    limg.Set(k, TThumbnailList::ToImage(thumbnail.Picture));
    std::vector<uint8_t>& hasIcon = m_shown.HasIcon;
    if (thumbnail.Index >= m_shown.IconFirst && thumbnail.Index <= m_shown.IconLast &&
        !hasIcon[k]) {
        ListBox1->item(thumbnail.Index)->setIcon(QIcon(QPixmap::fromImage(limg[k])));
        hasIcon[k] = 1;
    }
    if (limg.Held() > kHeldThumbnails) {
        const size_t centre =
            static_cast<size_t>(std::max(0, (m_shown.IconFirst + m_shown.IconLast) / 2));
        for (size_t dropped : limg.Trim(kHeldThumbnails * 9 / 10, centre)) {
            if (hasIcon[dropped]) {
                ListBox1->item(static_cast<int>(dropped))->setIcon(m_placeholder);
                hasIcon[dropped] = 0;
            }
        }
    }
}

void TForm1::TakeThumbnails() {
    std::vector<TThumbnailRenderer::TThumbnail> arrived;
    {
        std::lock_guard lock(m_inboxMutex);
        arrived.swap(m_inbox);
    }
    for (TThumbnailRenderer::TThumbnail& t : arrived)
        ThumbnailArrived(std::move(t));
}

void TForm1::WaitForThumbnails() {
    m_renderer->WaitIdle();
    TakeThumbnails();
    if (m_problemTimer->isActive())
        ShowThumbnailProblems();
    QCoreApplication::processEvents(); // and whatever showing them left behind
}

void TForm1::MarkFailedItem(int index, const std::string& message) {
    // The picture carries the mark; the tooltip says why.
    if (QListWidgetItem* item = ListBox1->item(index))
        item->setToolTip(item->text() + "\n" + tr("Cannot be drawn: %1").arg(ToQString(message)));
}

void TForm1::ShowThumbnailProblems() {
    TakeThumbnails();
    if (!m_renderer->Idle())
        return; // the timer asks again
    m_problemTimer->stop();
    // A box opened here lets events run: nothing of this batch is left to arrive.
    m_model.SetThumbnailsPending(false);
}
