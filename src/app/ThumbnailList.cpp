#include "ThumbnailList.h"

#include "graphics/IndexedPicture.h"

#include <algorithm>
#include <cstring>

void TThumbnailList::Reset(size_t count, double ratio) {
    m_images.clear();
    m_images.resize(count);
    m_held = 0;
    m_ratio = ratio;
}

void TThumbnailList::Set(size_t i, QImage image) {
    if (i >= m_images.size())
        return;
    m_held += static_cast<size_t>(!image.isNull()) - static_cast<size_t>(!m_images[i].isNull());
    image.setDevicePixelRatio(m_ratio);
    m_images[i] = std::move(image);
}

std::vector<size_t> TThumbnailList::Trim(size_t keep, size_t centre) {
    std::vector<size_t> dropped;
    if (m_held <= keep)
        return dropped;
    std::vector<size_t> held;
    held.reserve(m_held);
    for (size_t i = 0; i < m_images.size(); ++i)
        if (!m_images[i].isNull())
            held.push_back(i);
    auto distance = [centre](size_t i) { return i > centre ? i - centre : centre - i; };
    // The nearest keep stay; the others go.
    std::nth_element(held.begin(), held.begin() + static_cast<std::ptrdiff_t>(keep), held.end(),
                     [&](size_t a, size_t b) { return distance(a) < distance(b); });
    for (auto it = held.begin() + static_cast<std::ptrdiff_t>(keep); it != held.end(); ++it) {
        m_images[*it] = QImage();
        dropped.push_back(*it);
    }
    m_held = keep;
    return dropped;
}

std::vector<bool> TThumbnailList::Done() const {
    std::vector<bool> done(m_images.size());
    for (size_t i = 0; i < m_images.size(); ++i)
        done[i] = !m_images[i].isNull();
    return done;
}

QImage TThumbnailList::ToImage(const TIndexedPicture& picture) {
    if (picture.Packed()) {
        QImage image(picture.Width, picture.Height, QImage::Format_Indexed8);
        QList<QRgb> colours(picture.Colours.begin(), picture.Colours.end());
        image.setColorTable(colours);
        for (int y = 0; y < picture.Height; ++y)
            std::memcpy(image.scanLine(y),
                        picture.Indices.data() +
                            static_cast<size_t>(y) * static_cast<size_t>(picture.Width),
                        static_cast<size_t>(picture.Width));
        return image;
    }
    QImage image(picture.Width, picture.Height, QImage::Format_RGB32);
    for (int y = 0; y < picture.Height; ++y)
        std::memcpy(image.scanLine(y),
                    picture.Words.data() +
                        static_cast<size_t>(y) * static_cast<size_t>(picture.Width),
                    static_cast<size_t>(picture.Width) * 4);
    return image;
}
