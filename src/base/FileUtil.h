// File-system helpers shared by everything that writes the user's files.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TStream;

// Whether a saved file is on the disk before the save returns (Synced), or reaches it with the
// file system's own writing or a later SyncFileSystemOf (Unsynced: files of a batch, which pays
// for one sync at its end rather than one per file).
enum class TDurability { Synced, Unsynced };

// Writes a file by calling write() on a new file beside it (same folder, unique name) and then
// renaming that file over path. When write() or the rename fails, the partial file is removed,
// the old file at path stays as it was, and the error passes to the caller. Either way no reader
// ever sees a half-written file under path.
void SaveFileAtomically(const std::string& path, const std::function<void(TStream&)>& write,
                        TDurability durability = TDurability::Synced);
// Renames a file without ever replacing one that is there; false when it could not.
bool RenameNoReplace(const std::string& from, const std::string& to);

// Puts everything written to the file system that holds folder on the disk (the end of a batch
// of Unsynced saves); throws EWriteError naming the folder when that fails.
void SyncFileSystemOf(const std::string& folder);

// Reads a whole file: the bytes it holds, up to its size when opened (fewer when another program
// cuts it short meanwhile). Throws EFileError naming the file when it cannot be opened or read.
std::vector<uint8_t> ReadWholeFile(const std::string& path);

// The names of the plain files in a folder whose names match mask ("*.sld", "*.slb;*.pat"),
// compared without regard to letter case, ordered by name without regard to letter case (the
// order in which every list of files is shown).
std::vector<std::string> ListFolder(const std::string& folder, const std::string& mask);

// What a file is like now, to tell whether another program changed it: its name, its size, the
// time of its last change (nanoseconds) and its inode, which a file replaced by a rename gets
// anew (the clock's tick is coarse: a replacement of the same size written within it keeps the
// time).
struct TFileStamp {
    std::string Name;
    int64_t Size = 0;
    int64_t Modified = 0;
    uint64_t Inode = 0;
    bool operator==(const TFileStamp&) const = default;
};
// The stamps of the files ListFolder(folder, mask) lists, in its order; throws as it does.
std::vector<TFileStamp> StampFolder(const std::string& folder, const std::string& mask);
// The stamp of one file (named by its path), or none when it is not there.
std::vector<TFileStamp> StampFile(const std::string& path);

// Names are compared as UTF-8 characters without regard to letter case: the case of ASCII,
// Latin-1, Latin Extended-A, Greek and Cyrillic letters is folded by fixed tables, whatever the
// process's locale (so U+00C4 matches U+00E4, and U+0414 U+0412 matches U+0434 U+0432). Bytes
// that are not valid UTF-8 match the same bytes only, and '?' takes one of them as one character.
// The work is bounded by the name's length times the pattern's, whatever stars it holds.

// True when name matches one of the ';'-separated wildcard masks ('*' and '?'), ignoring case.
bool MatchesMask(const std::string& name, const std::string& mask);
// The rule of the filter fields above the slide list and the pattern list: true when name
// contains filter (found in time linear in both lengths), or matches it as a wildcard ('*' any
// run of characters, '?' one character: "D1*", "?ELL*"), ignoring case. An empty filter matches
// every name.
bool MatchesFilter(const std::string& name, const std::string& filter);
