// limg: the slide list's thumbnails, one per item, kept as 8-bit indexed images (a slide has at
// most 256 colours), so a list of thousands costs little. Items far from the screen may let
// their image go when many are held; they are drawn again when they come back into view.
#pragma once

#include <QImage>
#include <vector>

struct TIndexedPicture;

class TThumbnailList {
public:
    // count items, none with an image yet. ratio: the screen's device pixels per pixel; images
    // set later have that many pixels per pixel of the item's 128 x 80 (256 x 160 at 2) and are
    // shown at the screen's own pixels, not scaled.
    void Reset(size_t count, double ratio = 1);
    double Ratio() const { return m_ratio; }
    size_t size() const { return m_images.size(); }
    bool empty() const { return m_images.empty(); }
    bool Has(size_t i) const { return i < m_images.size() && !m_images[i].isNull(); }
    // The item's image; a null image when it has none.
    const QImage& operator[](size_t i) const { return m_images[i]; }
    void Set(size_t i, QImage image);
    size_t Held() const { return m_held; }
    // Lets go of the images farthest from item centre until at most keep are held; returns the
    // items that lost theirs.
    std::vector<size_t> Trim(size_t keep, size_t centre);
    // Which items have an image.
    std::vector<bool> Done() const;

    // The image of a picture drawn by the core.
    static QImage ToImage(const TIndexedPicture& picture);

private:
    std::vector<QImage> m_images;
    size_t m_held = 0;
    double m_ratio = 1;
};
