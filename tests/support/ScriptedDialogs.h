// A TDialogs that answers from a script and logs every call ("error: text", "colour",
// "about: product", "open: path"...), so tests can assert what the user was shown.
#pragma once

#include "model/Dialogs.h"

#include <deque>
#include <string>
#include <vector>

class TScriptedDialogs : public TDialogs {
public:
    std::vector<std::string> log;
    std::deque<bool> okAnswers;
    std::deque<TAnswer> answers;
    std::deque<bool> yesNoAnswers; // No when empty
    std::deque<std::optional<TColor>> colours;
    std::deque<std::optional<TFileChoice>> files;
    std::deque<std::optional<std::string>> folders;
    std::deque<std::string> texts;
    bool openSucceeds = true;

    void ShowError(const std::string& text) override { log.push_back("error: " + text); }
    void ShowWarning(const std::string& text) override { log.push_back("warning: " + text); }
    void ShowMessage(const std::string& text) override { log.push_back("message: " + text); }
    bool ConfirmOkCancel(const std::string& text) override {
        log.push_back("confirm: " + text);
        return Take(okAnswers, false);
    }
    TAnswer ConfirmYesNoCancelAll(const std::string& text) override {
        log.push_back("ask: " + text);
        return Take(answers, TAnswer::Cancel);
    }
    bool ConfirmYesNo(const std::string& text) override {
        log.push_back("yes/no: " + text);
        return Take(yesNoAnswers, false);
    }
    std::optional<TColor> ChooseColour(TColor) override {
        log.push_back("colour");
        return Take(colours, std::optional<TColor>());
    }
    std::optional<TFileChoice> SaveFileName(const TFileDialogOptions& o) override {
        log.push_back("save: " + o.Title);
        return Take(files, std::optional<TFileChoice>());
    }
    std::optional<TFileChoice> OpenFileName(const TFileDialogOptions& o) override {
        log.push_back("open file: " + o.Title);
        return Take(files, std::optional<TFileChoice>());
    }
    std::optional<std::string> ChooseFolder(const std::string& title, const std::string&) override {
        log.push_back("folder: " + title);
        return Take(folders, std::optional<std::string>());
    }
    std::string InputText(const std::string& caption, const std::string&,
                          const std::string& preset) override {
        log.push_back("input: " + caption);
        return Take(texts, preset);
    }
    void ShowAbout(const std::string& product, const std::string& version) override {
        log.push_back("about: " + product + " " + version);
    }
    bool OpenDocument(const std::string& path) override {
        log.push_back("open: " + path);
        return openSucceeds;
    }

private:
    template <class T> static T Take(std::deque<T>& queue, T fallback) {
        if (queue.empty())
            return fallback;
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};
