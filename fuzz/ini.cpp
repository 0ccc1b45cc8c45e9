// The settings file: reading any bytes, the values asked for at start-up, and the
// text it would save, which must read back as the same text.
#include "FuzzSupport.h"

#include "settings/IniFile.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

// One file in a folder of its own, rewritten for every input.
const std::string& FuzzFile() {
    static const std::string path = [] {
        char folder[] = "/tmp/varnel-fuzz-ini-XXXXXX";
        if (!::mkdtemp(folder))
            std::abort();
        return std::string(folder) + "/varnel.ini";
    }();
    return path;
}

void WriteFile(const std::string& path, const void* data, size_t size) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f || std::fwrite(data, 1, size, f) != size || std::fclose(f) != 0)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string& path = FuzzFile();
    WriteFile(path, data, size);
    TIniFile ini(path);
    ini.ReadString("Folder", "Last", "");
    ini.ReadInteger("TForm1", "Form1_Left", 10);
    ini.ReadIntegers("TForm1", "Splitter");
    const std::string text = ini.Text();

    WriteFile(path, text.data(), text.size());
    TIniFile again(path);
    FUZZ_CHECK(again.Text() == text);
    return 0;
}
