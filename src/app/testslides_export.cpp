// TForm1: the picture commands. "&Export to Image" writes slides as image files through the
// export dialog fimage, "Copy to Clipboard (as WMF)" puts the selected slide on the clipboard
// as an enhanced metafile and a PNG, "&Import from Image" traces a picture into a slide file.
#include "QtSupport.h"
#include "testslides.h"

#include "base/Errors.h"
#include "base/Paths.h"
#include "dlgimg.h"
#include "graphics/BmpReader.h"
#include "graphics/Graphic.h"
#include "model/ExportCommands.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <QMimeData>
#include <QPainter>
#include <QPalette>
#include <algorithm>
#include <cstring>
#include <set>

namespace {

// A slide holds at most 32767 x 32767 pixels; larger pictures are refused before they are read.
constexpr int kMaxSlidePixels = 32767;

// Pictures of every format Qt reads. BMP files go through the project's own reader first, so
// the window and `sldtool convert` make the same slide of them; Qt reads what that reader does
// not know (other formats, compressed BMP variants).
class TQtPictureReader : public TPictureReader {
public:
    std::string Filter() const override {
        std::set<std::string> extensions;
        for (const QByteArray& format : QImageReader::supportedImageFormats())
            extensions.insert(format.toLower().toStdString());
        extensions.erase("bmp");
        if (extensions.empty())
            return {};
        std::string patterns = "*.bmp";
        for (const std::string& ext : extensions)
            patterns += ";*." + ext;
        return "All pictures|" + patterns;
    }

    void Load(const std::string& path, TBitmap& bitmap) const override {
        if (SameText(ExtensionOf(path), ".bmp")) {
            try {
                LoadBmpFile(path, bitmap);
                return;
            } catch (const EVarnelError&) {
                // Qt may know the variant; when it does not, the project's message is clearer.
                std::string ignored;
                if (LoadWithQt(path, bitmap, ignored))
                    return;
                throw;
            }
        }
        std::string why;
        if (!LoadWithQt(path, bitmap, why))
            throw EVarnelError("Cannot read image \"" + path + "\": " + why);
    }

private:
    static bool LoadWithQt(const std::string& path, TBitmap& bitmap, std::string& why) {
        QImageReader reader(QString::fromStdString(path));
        reader.setAutoTransform(true);
        const QSize size = reader.size();
        if (size.isValid() && (size.width() > kMaxSlidePixels || size.height() > kMaxSlidePixels)) {
            why = "the picture is " + std::to_string(size.width()) + " x " +
                  std::to_string(size.height()) +
                  " pixels; a slide holds at most 32767 x 32767 pixels";
            return false;
        }
        QImage image = reader.read();
        if (image.isNull()) {
            why = reader.errorString().toStdString();
            return false;
        }
        // Transparent parts become black, which the converter leaves out of the slide.
        QImage rgb(image.size(), QImage::Format_RGB32);
        rgb.fill(Qt::black);
        {
            QPainter painter(&rgb);
            painter.drawImage(0, 0, image);
        }
        bitmap.SetSize(rgb.width(), rgb.height());
        // Both hold 0xFFRRGGBB words, row by row.
        for (int y = 0; y < rgb.height(); ++y)
            std::memcpy(bitmap.Canvas().Bits() + static_cast<size_t>(y) * rgb.width(),
                        rgb.constScanLine(y), static_cast<size_t>(rgb.width()) * 4);
        return true;
    }
};

// The desktop's button colour, for the export background "Button Face".
TColor ButtonFaceColour() {
    const QColor c = QApplication::palette().color(QPalette::Active, QPalette::Button);
    return RGBColor(unsigned(c.red()), unsigned(c.green()), unsigned(c.blue()));
}

} // namespace

void TForm1::ConnectExportCommands() {
    fimage = new Tfimage(m_settingsFile, this);
    m_exportDialog = m_options.ExportDialog ? m_options.ExportDialog : fimage;

    for (QAction* action : {ExportToImage1, ConvertSlideToImage1})
        connect(action, &QAction::triggered, this, &TForm1::SaveAsPicts);
    connect(CopyToClipboard1, &QAction::triggered, this, &TForm1::btnCopyclipClick);
    for (QAction* action : {ImportFromImage1, ConvertImageToSlide1})
        connect(action, &QAction::triggered, this, &TForm1::ConvertBMPToSlideClick);
}

void TForm1::SaveAsPicts() {
    RunCommand([&] { ::SaveAsPicts(m_model, *m_exportDialog, ButtonFaceColour()); });
}

void TForm1::btnCopyclipClick() {
    RunCommand([&] {
        const std::optional<TClipboardPicture> picture = ClipboardPicture(m_model);
        if (!picture)
            return;
        const TRasterCanvas& canvas = picture->Bitmap->Canvas();
        const QImage image = WrapCanvas(canvas).copy();
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, "PNG"))
            throw EVarnelError("Cannot make the clipboard's PNG picture");

        auto mime = std::make_unique<QMimeData>();
        const QByteArray emf(reinterpret_cast<const char*>(picture->Emf.data()),
                             static_cast<qsizetype>(picture->Emf.size()));
        // The metafile under both names programs look for, and a PNG that any program pastes.
        mime->setData("image/x-emf", emf);
        mime->setData("image/emf", emf);
        mime->setData("image/png", png);
        // CAD programs paste the slide's lines and fills as a drawing.
        mime->setData("image/vnd.dxf",
                      QByteArray(reinterpret_cast<const char*>(picture->Dxf.data()),
                                 static_cast<qsizetype>(picture->Dxf.size())));
        mime->setImageData(image);
        QGuiApplication::clipboard()->setMimeData(mime.release());
    });
}

void TForm1::ConvertBMPToSlideClick() {
    RunCommand([&] {
        const TQtPictureReader reader;
        ::ConvertBMPToSlideClick(m_model, reader);
    });
}
