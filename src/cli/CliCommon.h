// Shared pieces of sldtool's commands: argument handling, errors, slide sources.
#pragma once

#include <memory>
#include <string>
#include <vector>

class TSlideLib;

// Bad usage: sldtool prints the message and the usage text and exits with 2.
struct TUsageError {
    std::string message;
};

using TArgs = std::vector<std::string>;

// Removes "--name VALUE" (or "--name=VALUE") from args; returns the value or fallback.
std::string TakeOption(TArgs& args, const std::string& name, const std::string& fallback = "");
// Removes a "--name" flag from args; true when it was there.
bool TakeFlag(TArgs& args, const std::string& name);
// Throws TUsageError when an unknown option is left.
void RejectUnknownOptions(const TArgs& args);

// Slide sources: a *.sld file, a *.slb file (all its slides) or LIB.slb:NAME. Each source
// becomes one TSlideLib; the slides to use are its slides, or one of them.
struct TSlideSource {
    std::string label;              // what the user typed
    std::shared_ptr<TSlideLib> lib; // the slides' owner
    std::vector<int> indices;       // which of lib's slides this source names
};

// Opens every source; errors name the file.
std::vector<TSlideSource> OpenSources(const TArgs& sources);

// Parses "WxH" into width and height; throws TUsageError.
void ParseSize(const std::string& text, int& width, int& height);
// "-j N": 1..256 threads, or 0 for one per core; throws TUsageError.
int ParseJobs(const std::string& text);
// "black", "white", "buttonface" or "#RRGGBB" as a colour value (0x00BBGGRR).
unsigned ParseBackground(const std::string& text);

// text (UTF-8) as a JSON string literal, quotes included.
std::string JsonString(const std::string& text);

// Command entry points; each returns the exit code.
int CmdInfo(TArgs args);
int CmdRender(TArgs args);
int CmdLib(TArgs args);
int CmdExport(TArgs args);
int CmdConvert(TArgs args);
int CmdPdf(TArgs args);
int CmdPat(TArgs args);
int CmdThumbnail(TArgs args);
