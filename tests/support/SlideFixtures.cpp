#include "SlideFixtures.h"

#include "SlideWriter.h"
#include "TestFiles.h"
#include "base/Streams.h"
#include "slides/SlideClasses.h"

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

std::vector<std::string> LibraryNames(const std::string& path) {
    std::unique_ptr<TSlideLib> lib = TSlideLib::CreateFromFile(path);
    std::vector<std::string> names;
    for (int i = 0; i < lib->Count(); ++i)
        names.push_back(lib->SlideName(i));
    return names;
}

void WriteBrowseFolder(const std::string& folder) {
    WriteFileBytes(folder + "/b.sld", MakeSlide(300, 300));
    WriteFileBytes(folder + "/A.SLD", MakeSlide(400, 200));
    WriteFileBytes(folder + "/c.Sld", MakeSlide(200, 100));
    WriteLibrary(folder + "/Lib.SLB", {{"FIRST", MakeSlide(100, 50)},
                                       {"SECOND", MakeSlide(50, 100)},
                                       {"THIRD", MakeSlide(80, 80)}});
    WriteFileText(folder + "/hatch.pat", "*X,x\n0,0,0,0,1\n");
    WriteFileText(folder + "/notes.txt", "x");
}
