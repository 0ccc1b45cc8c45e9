#include "AppTestSupport.h"

#include "base/Streams.h"
#include "slides/SlideClasses.h"
#include "slides/SlideWriter.h"

#include <QApplication>
#include <QListWidget>
#include <filesystem>

std::vector<uint8_t> MakeSlide(int highX, int highY) {
    // Kept inside the extents: a point outside them switches the renderer to colour 7.
    const int r = highX - 1, t = highY - 1;
    TSlideWriter w(highX, highY);
    w.Colour(1);
    w.Vector(1, 1, r, 1);
    w.Vector(r, 1, r, t);
    w.Vector(r, t, 1, t);
    w.Vector(1, t, 1, 1);
    w.Vector(1, 1, r, t);
    w.End();
    return w.Bytes();
}

void WriteLibrary(const std::string& path,
                  const std::vector<std::pair<std::string, std::vector<uint8_t>>>& slides) {
    std::unique_ptr<TSlideLib> lib = TSlideLib::CreateEmpty();
    for (const auto& [name, bytes] : slides) {
        TMemoryStream stream(bytes);
        std::unique_ptr<TSlide> slide = TSlide::CreateFromStream(name, stream);
        lib->AddCopy(slide.get());
    }
    lib->SaveToFile(path);
}

std::vector<std::string> Captions(const TForm1& form) {
    std::vector<std::string> captions;
    for (int i = 0; i < form.ListBox1->count(); ++i)
        captions.push_back(form.ListBox1->item(i)->text().toStdString());
    return captions;
}

TWindowSetup::TWindowSetup(std::string programDir) {
    if (programDir.empty()) {
        programDir = home.File("program");
        std::filesystem::create_directory(programDir);
    }
    m_programDir = programDir;
    form = NewForm();
}

std::unique_ptr<TForm1> TWindowSetup::NewForm() {
    TForm1::TOptions options;
    options.ProgramDir = m_programDir;
    options.SettingsFile = SettingsFile();
    options.Dialogs = &dialogs;
    auto f = std::make_unique<TForm1>(options);
    f->show();
    QApplication::processEvents();
    return f;
}
