// Small pieces the window's files share: text to the screen, the core's pictures as images,
// and a flag set for the length of a scope.
#pragma once

#include "graphics/RasterCanvas.h"

#include <QImage>
#include <QString>
#include <string>

// UTF-8 text of the core as a Qt string.
inline QString ToQString(const std::string& s) {
    return QString::fromStdString(s);
}

// A picture of the core as an image that wraps its pixels, no copy: valid while the canvas is
// unchanged (copy() it to keep it).
inline QImage WrapCanvas(const TRasterCanvas& canvas) {
    return QImage(reinterpret_cast<const uchar*>(canvas.Bits()), canvas.Width(), canvas.Height(),
                  canvas.Width() * 4, QImage::Format_RGB32);
}

// Sets a flag for its lifetime and puts back what it was, on every path out of the scope.
class TFlagScope {
public:
    explicit TFlagScope(bool& flag) : m_flag(flag), m_saved(flag) { m_flag = true; }
    ~TFlagScope() { m_flag = m_saved; }
    TFlagScope(const TFlagScope&) = delete;
    TFlagScope& operator=(const TFlagScope&) = delete;

private:
    bool& m_flag;
    bool m_saved;
};
