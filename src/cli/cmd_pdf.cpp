// sldtool pdf: slides to a PDF file, either the first slide on a landscape page or contact
// sheets of all of them.
#include "CliCommon.h"

#include "base/CodePage.h"
#include "base/Errors.h"
#include "base/FileUtil.h"
#include "graphics/SheetLayout.h"
#include "output/SlidesToPdf.h"
#include "slides/SlideClasses.h"

int CmdPdf(TArgs args) {
    const std::string output = TakeOption(args, "-o");
    const std::string sheet = TakeOption(args, "--sheet");
    const bool sorted = TakeFlag(args, "--sorted");
    const bool blackWhite = TakeFlag(args, "--bw");
    const std::string jobs = TakeOption(args, "-j", "0");
    RejectUnknownOptions(args);
    if (args.empty() || output.empty())
        throw TUsageError{"pdf needs slide sources and -o OUT.pdf"};
    TPdfSheetSettings settings;
    settings.Sorted = sorted;
    settings.ColourMode = blackWhite ? TPdfColourMode::BlackWhite : TPdfColourMode::Color;
    settings.Threads = ParseJobs(jobs);
    if (!sheet.empty()) {
        try {
            ParseSize(sheet, settings.Columns, settings.Rows);
        } catch (const TUsageError&) {
            settings.Columns = 0;
        }
        if (!SheetGridInRange(settings.Columns, settings.Rows))
            throw TUsageError{"bad sheet \"" + sheet + "\" (CxR, columns " + SheetColumnRange() +
                              ", rows " + SheetRowRange() + ")"};
    }

    const std::vector<TSlideSource> sources = OpenSources(args);
    std::vector<TPdfSheetEntry> entries;
    for (const TSlideSource& s : sources)
        for (const int i : s.indices)
            if (TSlide* slide = s.lib->Slide(i))
                entries.push_back({slide->Name(), slide});
    if (entries.empty())
        throw EVarnelError(kNoSlidesToWriteMessage);
    if (!sheet.empty() && sorted)
        SortPdfSheetEntries(entries);

    TPdfSlidesResult result;
    SaveFileAtomically(output, [&](TStream& out) {
        result = sheet.empty() ? WriteCurrentSlidePdf(out, *entries[0].Slide, entries[0].Name,
                                                      settings.ColourMode)
                               : WriteSlideSheetPdf(out, entries, settings);
    });
    if (result.Failure) {
        // The file holds the pages as far as they were drawn; the error still fails the command.
        try {
            std::rethrow_exception(result.Failure);
        } catch (const std::exception& e) {
            throw EVarnelError("slide \"" + Cp1252ToUtf8(result.FailedSlide) + "\": " + e.what() +
                               " (\"" + output + "\" holds the pages drawn before it)");
        }
    }
    return 0;
}
