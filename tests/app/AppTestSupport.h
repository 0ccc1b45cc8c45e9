// Slides, libraries and a window for the window's tests.
#pragma once

#include "PreviewBox.h"
#include "ScriptedDialogs.h"
#include "TestFiles.h"
#include "testslides.h"

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// A small valid slide: a frame and a diagonal just inside highX x highY, in colour 1.
std::vector<uint8_t> MakeSlide(int highX, int highY);
// Writes a library holding the given (name, bytes) slides.
void WriteLibrary(const std::string& path,
                  const std::vector<std::pair<std::string, std::vector<uint8_t>>>& slides);
// Captions of the slide list, in list order.
std::vector<std::string> Captions(const TForm1& form);

// A window on scripted dialogs with its settings file in a temporary folder.
struct TWindowSetup {
    TTempDir home;
    TScriptedDialogs dialogs;
    std::unique_ptr<TForm1> form;

    // programDir: where samples/ and the help are looked for (default: an empty folder).
    explicit TWindowSetup(std::string programDir = {});
    std::string SettingsFile() const { return home.File("varnel.ini"); }
    std::unique_ptr<TForm1> NewForm();
    const std::string& ProgramDir() const { return m_programDir; }

private:
    std::string m_programDir;
};
