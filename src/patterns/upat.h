// upat: hatch-pattern files (*.pat). A pattern file lives in memory as its list of text lines,
// exactly as read; patterns are found by their header lines and their numbers are parsed only
// while a pattern is drawn. This header holds the file model, the parsing rules, the module
// state that the pattern page works on, and the drawing entry points (screen and PDF sheets).
//
// File structure: a line whose first character is '*' starts a pattern (name up to the first
// comma); a line whose first character is ';' is a comment; blank lines may stand anywhere;
// every other line after a header is a line family "angle, x, y, delta-x, delta-y [, dash...]".
// Lines are 8-bit (Windows-1252) bytes and are never trimmed or re-encoded.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TCanvas;
class TPdfCanvas;
class TStream;

// ---- File format -------------------------------------------------------------------------

// The lines of a file's bytes. A line ends at CR LF, at a lone CR or at a lone LF; the line ends
// are not part of the lines. A last line without a line end is still a line; a final line end
// does not start an empty line.
std::vector<std::string> SplitPatternLines(std::string_view bytes);

// The 1-based position of the first ch at or after the 1-based position start; 0 when text is
// empty, shorter than start, or holds no such character.
int FindChar(std::string_view text, char ch, int start);

// True when the line's first character is '*' (a pattern header).
inline bool IsHeaderLine(std::string_view line) {
    return !line.empty() && line[0] == '*';
}

// The name of a header line: the text after the asterisk up to, not including, the first comma,
// or the whole rest when there is no comma. Not trimmed: "* A,x" is named " A".
std::string HeaderName(std::string_view headerLine);

// Converts one field to a number: blanks (spaces, tabs) around it, an optional sign, digits with
// '.' as the decimal point (whatever the user's locale), an optional exponent. Anything else
// (empty, words, infinities, NaN, out of range) does not convert: returns false.
bool ParsePatternNumber(std::string_view field, double& value);

// A line family holds at most this many dash entries; further entries are ignored.
constexpr int MaxDashes = 21;

// The values of one line family while a text is drawn.
struct TLineFamily {
    double Angle = 0;   // degrees, counter-clockwise from the x axis
    double XOrigin = 0; // pattern units
    double YOrigin = 0;
    double DeltaX = 0; // shift along the lines from one line to the next
    double DeltaY = 0; // distance between the lines
    int DashCount = 0; // 0: continuous lines
    // > 0 a dash, < 0 a gap, 0 a dot.
    std::array<double, MaxDashes> Dashes{};
};

enum class TPatternLineKind { Skipped, Header, Family };

// Applies the line rules to one line of a drawn text:
// - blank once bytes 0..32 are stripped from both ends, or first character ';': Skipped;
// - first character '*': Header, *name (when given) := HeaderName;
// - otherwise Family: an inline comment from the first ';' is removed, the rest is cut at every
//   comma, and the fields go to angle, x, y, delta-x, delta-y, then the dash list. A field that
//   does not convert counts as 0. Delta-x, delta-y and the dash list are reset for every family
//   line; angle and origin keep their last values when the line has too few fields, so pass the
//   same family to every line of one text.
TPatternLineKind ParseFamilyLine(std::string_view text, TLineFamily& family,
                                 std::string* name = nullptr);

// One pattern of the loaded file: an item of the page's pattern list.
struct TPatternEntry {
    std::string Name;        // the header's name (8-bit text)
    int HeaderLine = -1;     // index of the header line in PatternLines
    int ThumbnailIndex = -1; // image of the list item, set when thumbnails are built
};

// The entries of a line list: (name, header line index) of every header line, in order. Used on
// loading and by the thumbnail build of the pattern page.
std::vector<TPatternEntry> CollectPatternEntries(const std::vector<std::string>& lines);

// ---- Renderer ----------------------------------------------------------------------------

// The automatic scale (target units per pattern unit) for a largest spacing m:
// m <= 0.3: 100 (a spacing written as 0.3 still counts as below the threshold), < 0.5: 50,
// <= 1: 25, <= 1.5: 15, < 5: 10, otherwise 5.
double AutoScale(double m);
// True when the name is "Gravel" in any letter case; such patterns always draw at 75.
bool IsGravel(std::string_view name);
// The scale label of the pattern page: "Scale: %6.2f" with '.' as the decimal point.
std::string ScaleLabelText(double scale);

// The result of ClipSegment. When Outside is set the coordinates are not touched.
struct TSegmentClip {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool Outside = false; // the bounding box misses the tile: nothing is drawn
    bool Inside = false;  // the segment lies wholly in the tile and was not changed
};

// The y of the line through (xa, ya) and (xb, yb) at x (ya when the line is nearly vertical).
inline double YAtX(double xa, double ya, double xb, double yb, double x) {
    if (xa - xb < 1e-6 && xb - xa < 1e-6)
        return ya;
    const double k = (ya - yb) / (xa - xb);
    return k * x + (ya - k * xa);
}
// The x of that line at y (xa when the line is nearly horizontal).
inline double XAtY(double xa, double ya, double xb, double yb, double y) {
    if (ya - yb < 1e-6 && yb - ya < 1e-6)
        return xa;
    const double k = (xa - xb) / (ya - yb);
    return k * y + (xa - k * ya);
}

// Clips a segment to the tile 0..w by 0..h. A bounding box that misses the tile sets Outside and
// returns at once (the cheap path most segments of a dense pattern take). Otherwise one end is
// moved per tile edge (left, right, bottom, top) and the result is not tested again, so a
// segment passing a corner may still reach outside; the target's own clipping hides that.
inline void ClipSegment(double xa, double ya, double xb, double yb, double w, double h,
                        TSegmentClip& clip) {
    const double minX = xa < xb ? xa : xb;
    const double maxX = xa < xb ? xb : xa;
    const double minY = ya < yb ? ya : yb;
    const double maxY = ya < yb ? yb : ya;
    // Written so that a coordinate that is not a number counts as outside.
    clip.Outside = !(minX <= w && maxX >= 0 && minY <= h && maxY >= 0);
    if (clip.Outside)
        return;
    clip.Inside = minX >= 0 && maxX <= w && minY >= 0 && maxY <= h;
    if (!clip.Inside) {
        if (xa < 0) {
            ya = YAtX(xa, ya, xb, yb, 0), xa = 0;
        } else if (xb < 0) {
            yb = YAtX(xa, ya, xb, yb, 0), xb = 0;
        }
        if (xa > w) {
            ya = YAtX(xa, ya, xb, yb, w), xa = w;
        } else if (xb > w) {
            yb = YAtX(xa, ya, xb, yb, w), xb = w;
        }
        if (ya < 0) {
            xa = XAtY(xa, ya, xb, yb, 0), ya = 0;
        } else if (yb < 0) {
            xb = XAtY(xa, ya, xb, yb, 0), yb = 0;
        }
        if (ya > h) {
            xa = XAtY(xa, ya, xb, yb, h), ya = h;
        } else if (yb > h) {
            xb = XAtY(xa, ya, xb, yb, h), yb = h;
        }
    }
    clip.x1 = xa, clip.y1 = ya, clip.x2 = xb, clip.y2 = yb;
}

// Whether a raster drawing goes to the page's preview (the scale label follows it) or to a
// thumbnail bitmap (the label is left alone).
enum class TPatternTarget { Preview, Thumbnail };

// The work one drawing may do: one unit per row and per dash entry walked, 64 per segment that
// reaches a raster target (256 on a PDF page). Real patterns stay far below it (a dense dot pattern
// on a large preview walks some ten million entries); hostile numbers stop here.
inline constexpr uint64_t kPatternWorkLimit = 100'000'000;

// The work a whole build of drawings may do together: the cells of a sheet file, the thumbnails
// of a file. Every drawing of the build is sure of a floor (half of an even share); above that
// it may take what is left (up to kPatternWorkLimit), so a costly pattern among cheap ones draws
// whole, and a file of thousands of costly patterns still ends in seconds.
class TPatternBudget {
public:
    // units of work for a build of drawings drawings (at least one).
    TPatternBudget(uint64_t units, size_t drawings)
        : m_remaining(units), m_left(drawings > 0 ? drawings : 1), m_floor(units / (2 * m_left)) {}

    // The most the next drawing may do: what is left once the later drawings' floors are kept.
    uint64_t NextShare() const {
        const uint64_t reserve = (m_left - 1) * m_floor;
        const uint64_t free = m_remaining > reserve ? m_remaining - reserve : 0;
        return free < kPatternWorkLimit ? free : kPatternWorkLimit;
    }
    // Books the work a drawing did and counts the drawing as done. Drawings beyond the announced
    // number share what is left.
    void Spend(uint64_t units) {
        m_remaining -= units < m_remaining ? units : m_remaining;
        if (m_left > 1)
            --m_left;
    }
    uint64_t Remaining() const { return m_remaining; }

private:
    uint64_t m_remaining;
    uint64_t m_left;
    uint64_t m_floor;
};

// ---- Module state and operations ---------------------------------------------------------

// One pattern file at a time, as the pattern page works on it. The page owns one instance for
// the whole run; sldtool and the tests make their own. Nothing here touches the user interface
// except through UiHooks (pending messages, busy cursor).
struct TPatternModule {
    std::vector<std::string> PatternLines; // every line of the file, verbatim
    std::string PatternFileName;           // path of the loaded file
    std::vector<TPatternEntry> Entries;    // one per header line, in file order
    int CurrentPatternLine = -1;           // header line of the pattern in the editor; -1 when none
    bool EditorModified = false;           // the page sets it on every change of the editor
    double PatternScale = 0;               // target units per pattern unit; 0 = automatic
    double TileWidth = 0;                  // the drawing tile, in target units (pixels or points)
    double TileHeight = 0;
    // Device pixels per pixel of a raster drawing (2 on a screen at 200 %): the tile is then in
    // device pixels and the pattern is drawn at PatternScale times the ratio, so it looks the
    // same on every screen, only sharper; PatternScale and ScaleText stay in the screen's pixels.
    double PixelRatio = 1;
    double TileOriginX = 0; // lower left corner of the PDF cell being drawn
    double TileOriginY = 0;
    std::string ScaleText;      // text of the page's scale label, set by preview drawings
    uint64_t SegmentsSent = 0;  // segments tried against the tile so far (for measurements)
    uint64_t SegmentsDrawn = 0; // of those, the ones that reached the target

    // Reads the file into PatternLines and rebuilds Entries; CurrentPatternLine := -1,
    // EditorModified := false, ScaleText := "". The page then selects the first entry.
    // A file that cannot be read throws EFileError naming it; files larger than 16 MiB or with a
    // million lines or more are refused the same way (no pattern file is that big), leaving the
    // module's lines and entries as they were. Binary files load as whatever lines their bytes
    // give.
    void LoadPatternFile(const std::string& path);
    // The same for a file's bytes already in memory; name stands for the file in messages.
    void LoadPatternBytes(std::string_view bytes, const std::string& name);

    // The text of the pattern whose header is line headerLine: that line and the following ones
    // up to, not including, the next header line or the end. Empty for an index out of range.
    std::vector<std::string> PatternBody(int headerLine) const;

    // Writes the editor's lines back over the block of the selected entry: the block from
    // CurrentPatternLine to the line before the next entry's header (or the end) is replaced,
    // whatever the lengths. Then the k-th header line of the file gives the k-th entry its name
    // and header index; the number of entries does not change (headers beyond it get none).
    // Does nothing and returns false unless EditorModified is set, CurrentPatternLine is not -1
    // and selectedEntry is an entry.
    bool StoreEditedPattern(const std::vector<std::string>& editorLines, int selectedEntry);

    // Writes PatternLines, each followed by CR LF, replacing path atomically.
    void SavePatternFile(const std::string& path) const;

    // Draws a pattern's text into the tile 0..TileWidth x 0..TileHeight of target (y up in the
    // pattern, flipped onto the raster): fills the tile with the target's brush, scans the text
    // for its name and largest spacing, chooses the scale (PatternScale when > 0, else automatic;
    // 75 for "Gravel"), stores it in PatternScale and, for the preview, the label in ScaleText,
    // then draws every line family with the target's pen at that scale times PixelRatio. A dot
    // shows as one pixel. Every drawing ends, whatever the numbers: a family whose delta-y is 0
    // draws only its line through the origin, an all-zero dash list draws continuous lines, lines
    // or rows of dashes closer than half a pixel are drawn half a pixel apart (the area shows
    // solid, as it would), dashes and gaps that repeat within half a pixel draw as continuous
    // lines, and a drawing stops after kPatternWorkLimit units of work, or its share of budget when
    // one is given (builds of many drawings, such as the page's thumbnails, share one: see
    // BuildBudget). Pending messages are processed now and then (at most every 20 ms); text must
    // not change meanwhile, so the page passes a copy of the editor's lines.
    void DrawPattern(const std::vector<std::string>& text, TCanvas& target,
                     TPatternTarget kind = TPatternTarget::Preview,
                     TPatternBudget* budget = nullptr);

    // Draws entry i into the PDF cell whose lower left corner is (TileOriginX, TileOriginY) and
    // whose size is TileWidth x TileHeight (points), at its automatic scale (PatternScale := 0
    // first; it holds the scale used afterwards). The segments are added as path operators in
    // whole hundredths of a point from the corner (rounded to a hundredth) and left unstroked;
    // the caller clips, maps that space onto the page, strokes and restores. Nothing for an index
    // out of range. Lines closer than a tenth of a point are drawn a tenth of a point apart; the
    // work is bounded as for DrawPattern.
    void DrawPatternToPdf(int i, TPdfCanvas& canvas, TPatternBudget* budget = nullptr);

    // The budget of one build over every entry of the file (all thumbnails, all sheet cells): in
    // proportion to the size of the file's text, with room for a few patterns at the full
    // per-drawing limit, so a 64 KB file of costly patterns takes seconds, not minutes.
    TPatternBudget BuildBudget() const;
    // The same for a build of drawings drawings (the entries not collected yet).
    TPatternBudget BuildBudget(size_t drawings) const;

    // Writes every entry into one PDF file named like chosenName with its extension replaced by
    // ".pdf": portrait A4 pages of 3 x 5 framed cells, each with the pattern at its automatic scale
    // and its name below, a page number "pg.  N." at the top. Returns the file written, or an
    // empty string when there are no entries (then nothing is written). The file is replaced
    // atomically; on an error the old file stays and the error passes on. The cells share one
    // BuildBudget.
    std::string WritePatternSheets(const std::string& chosenName);
    // The same sheets written to out; nothing (and false) when there are no entries. budget,
    // when given, replaces BuildBudget.
    bool WritePatternSheets(TStream& out, TPatternBudget* budget = nullptr);
};
