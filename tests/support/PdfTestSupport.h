// Helpers of the PDF tests: a fixed clock, saving to bytes, inflating content streams, and the
// independent checkers (qpdf, pdftoppm).
#pragma once

#include "pdf/PdfDoc.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Fixes the writer's clock at 2024-01-31 23:59:59 for its lifetime.
class TFixedPdfClock {
public:
    TFixedPdfClock();
    ~TFixedPdfClock();

private:
    TPdfClock m_saved;
};

std::string SaveDoc(TPdfDoc& doc);
// The content of every stream object in file order, inflated when it is FlateDecode.
std::vector<std::string> InflatedStreams(const std::string& file);
// The texts shown on the pages of the PDF file at path but the page numbers ("pg. n"), in file
// order, each followed by a space.
std::string PdfCaptions(const std::string& path);
// Each "n" line of the table points at the first digit of "k 0 obj", and startxref at "xref".
void ExpectXrefPointsAtObjects(const std::string& file);
// qpdf --check is clean and pdftoppm renders the expected number of pages.
void ExpectValidPdf(const std::string& file, int pages);

template <class E, class F> void ExpectThrowMessage(F f, const std::string& message) {
    try {
        f();
        ADD_FAILURE() << "no exception, expected: " << message;
    } catch (const E& e) {
        EXPECT_EQ(std::string(e.what()), message);
    }
}
