#include "PdfTestSupport.h"

#include "TestFiles.h"
#include "base/Streams.h"

#include <zlib.h>

#include <cstdlib>

TFixedPdfClock::TFixedPdfClock()
    : m_saved(SetPdfClock([] { return TPdfDateTime{2024, 1, 31, 23, 59, 59}; })) {}

TFixedPdfClock::~TFixedPdfClock() {
    SetPdfClock(m_saved);
}

std::string SaveDoc(TPdfDoc& doc) {
    TMemoryStream m;
    doc.SaveToStream(m);
    return std::string(m.Bytes().begin(), m.Bytes().end());
}

namespace {

std::string Inflate(const std::string& data) {
    z_stream z{};
    EXPECT_EQ(inflateInit(&z), Z_OK);
    std::string out;
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    z.avail_in = static_cast<uInt>(data.size());
    char buf[65536];
    int rc = Z_OK;
    while (rc == Z_OK) {
        z.next_out = reinterpret_cast<Bytef*>(buf);
        z.avail_out = sizeof buf;
        rc = inflate(&z, Z_NO_FLUSH);
        out.append(buf, sizeof buf - z.avail_out);
    }
    inflateEnd(&z);
    EXPECT_EQ(rc, Z_STREAM_END) << "content stream does not inflate";
    return out;
}

// The zlib header's level field (its second byte's top two bits) says which of libdeflate's
// levels made the stream: 1, 2 to 5, 6 or 7, or 8 to 12.
bool DeflatedAtItsLevel(const std::string& content, const std::string& deflated) {
    if (deflated.size() < 2)
        return false;
    static const std::vector<int> kLevels[4] = {{1}, {2, 3, 4, 5}, {6, 7}, {8, 9, 10, 11, 12}};
    for (const int level : kLevels[static_cast<uint8_t>(deflated[1]) >> 6])
        if (DeflateBytes(content, level) == deflated)
            return true;
    return false;
}

} // namespace

std::vector<std::string> InflatedStreams(const std::string& file) {
    std::vector<std::string> result;
    size_t at = 0;
    while ((at = file.find("/Length ", at)) != std::string::npos) {
        const size_t length = std::strtoul(file.c_str() + at + 8, nullptr, 10);
        const size_t dictEnd = file.find(">>\r\nstream\r\n", at);
        if (dictEnd == std::string::npos)
            break;
        const bool flate = file.substr(at, dictEnd - at).find("/FlateDecode") != std::string::npos;
        const size_t start = dictEnd + 12;
        const std::string data = file.substr(start, length);
        EXPECT_EQ(file.compare(start + length, 10, "\nendstream"), 0) << "bad /Length";
        result.push_back(flate ? Inflate(data) : data);
        // Whatever the number of threads that deflated it, a stream holds exactly what the
        // writer's deflate makes of its content on one thread, at one of the levels its header
        // names.
        if (flate) {
            EXPECT_TRUE(DeflatedAtItsLevel(result.back(), data))
                << "stream bytes depend on threads";
        }
        at = start + length;
    }
    return result;
}

std::string PdfCaptions(const std::string& path) {
    std::string captions;
    for (const std::string& s : InflatedStreams(ReadFileText(path)))
        for (size_t at = s.find(") Tj"); at != std::string::npos; at = s.find(") Tj", at + 1)) {
            const size_t open = s.rfind('(', at);
            if (s.compare(open + 1, 3, "pg.") != 0)
                captions += s.substr(open + 1, at - open - 1) + " ";
        }
    return captions;
}

void ExpectXrefPointsAtObjects(const std::string& file) {
    const size_t sx = file.rfind("startxref\r\n");
    ASSERT_NE(sx, std::string::npos);
    const size_t xrefAt = std::strtoul(file.c_str() + sx + 11, nullptr, 10);
    ASSERT_EQ(file.compare(xrefAt, 6, "xref\r\n"), 0);
    const size_t countAt = xrefAt + 8; // after "xref\r\n0 "
    const int count = std::atoi(file.c_str() + countAt);
    size_t line = file.find("\r\n", countAt) + 2;
    for (int n = 0; n < count; ++n, line += 20) {
        const std::string entry = file.substr(line, 20);
        ASSERT_EQ(entry.substr(18), "\r\n");
        if (n == 0) {
            EXPECT_EQ(entry, "0000000000 65535 f\r\n");
            continue;
        }
        const size_t offset = std::strtoul(entry.c_str(), nullptr, 10);
        const std::string head = std::to_string(n) + " 0 obj\r\n";
        EXPECT_EQ(file.compare(offset, head.size(), head), 0) << "object " << n;
    }
}

void ExpectValidPdf(const std::string& file, int pages) {
    TTempDir dir;
    const std::string path = dir.File("check.pdf");
    WriteFileBytes(path, std::vector<uint8_t>(file.begin(), file.end()));
    std::string output;
    EXPECT_EQ(RunCommand("qpdf --check '" + path + "'", &output), 0) << output;
    EXPECT_EQ(output.find("WARNING"), std::string::npos) << output;
    EXPECT_EQ(RunCommand("pdftoppm -png -r 10 '" + path + "' '" + dir.File("page") + "'", &output),
              0)
        << output;
    std::string listing;
    RunCommand("ls '" + dir.Path() + "' | grep -c '^page.*png$'", &listing);
    EXPECT_EQ(std::atoi(listing.c_str()), pages) << listing;
}
