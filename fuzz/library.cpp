// Slide libraries: opening, listing (names, lengths, extents), drawing every slide on a
// thumbnail, contact sheets of them, a few edits, and saving to memory; a saved library must
// open again with the same names (upper-cased, as written) and the same slide bytes.
#include "FuzzSupport.h"

#include "base/Errors.h"
#include "base/Streams.h"
#include "graphics/RasterCanvas.h"
#include "output/SlidesToPdf.h"
#include "slides/SlideClasses.h"

#include <algorithm>
#include <string>

namespace {

std::string UpperAZ(std::string name) {
    for (char& c : name)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return name;
}

std::vector<uint8_t> SlideBytes(const TSlideLib& lib, int i) {
    TMemoryStream out;
    lib.SaveSlideToStream(i, out);
    return out.Bytes();
}

// The errors a sheet file may report after it was written.
void ExpectPromisedFailure(const TPdfSlidesResult& result) {
    if (result.Failure) {
        try {
            std::rethrow_exception(result.Failure);
        } catch (const EVarnelError&) {
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::unique_ptr<TSlideLib> lib;
    try {
        lib = TSlideLib::CreateFromBytes("fuzz.slb", FuzzBytes(data, size));
    } catch (const EFileError&) {
        return 0;
    }
    FUZZ_CHECK(lib->Count() <= static_cast<int>(size / 36));

    // Every slide lies in the file, and the slides together hold no more bytes than it.
    int64_t measured = 0;
    std::vector<bool> good(static_cast<size_t>(lib->Count()));
    TRasterCanvas thumbnail(64, 40);
    for (int i = 0; i < lib->Count(); ++i) {
        FUZZ_CHECK(!lib->SlideName(i).empty() && lib->SlideName(i).size() <= 31);
        try {
            const int64_t length = lib->SlideSize(i);
            FUZZ_CHECK(length > 0 && lib->Slide(i)->Start() + length <= static_cast<int64_t>(size));
            measured += length;
            good[static_cast<size_t>(i)] = true;
        } catch (const EReadError&) {
        }
        try {
            lib->Draw(i, thumbnail, {0, 0, 63, 39}, TRenderState());
        } catch (const EVarnelError&) {
        }
    }
    FUZZ_CHECK(measured <= static_cast<int64_t>(size));

    if (lib->Count() > 0) {
        TMemoryStream sheet;
        TPdfSheetSettings settings;
        settings.Columns = 1 + FuzzByte(data, size, 0) % 4;
        settings.Rows = 1 + FuzzByte(data, size, 1) % 4;
        settings.Sorted = FuzzByte(data, size, 2) & 1;
        std::vector<int> first;
        for (int i = 0; i < lib->Count() && i < 24; ++i)
            first.push_back(i);
        ExpectPromisedFailure(
            WriteSlideSheetPdf(sheet, PdfSheetEntries(*lib, first, settings.Sorted), settings));
    }

    TMemoryStream saved;
    try {
        lib->SaveToStream(saved);
    } catch (const EVarnelError&) {
        // A slide that cannot be measured cannot be written.
        FUZZ_CHECK(std::find(good.begin(), good.end(), false) != good.end());
        return 0;
    }
    FUZZ_CHECK(saved.Size() <= 68 + 36 * int64_t{lib->Count()} + measured);
    auto reopened = TSlideLib::CreateFromBytes("saved.slb", saved.Bytes());
    FUZZ_CHECK(reopened->Count() == lib->Count());
    for (int i = 0; i < lib->Count(); ++i) {
        FUZZ_CHECK(reopened->SlideName(i) == UpperAZ(lib->SlideName(i)));
        FUZZ_CHECK(SlideBytes(*reopened, i) == SlideBytes(*lib, i));
    }

    // Edits on the reopened copy: rename, move, copy into a new library, delete.
    if (reopened->Count() > 1) {
        reopened->Exchange(0, reopened->Count() - 1);
        FUZZ_CHECK(!reopened->Rename(0, reopened->SlideName(1)) ||
                   reopened->IndexOfName(reopened->SlideName(1)) == 0);
    }
    auto target = TSlideLib::CreateEmpty();
    for (int i = 0; i < reopened->Count() && i < 8; ++i)
        target->AddFrom(reopened.get(), i);
    reopened->DeleteByName(reopened->SlideName(0));
    TMemoryStream copy;
    target->SaveToStream(copy);
    return 0;
}
