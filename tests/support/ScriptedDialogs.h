// A TDialogs that answers from a script and logs every call ("error: text", "colour",
// "about: product", "open: path"...), so tests can assert what the user was shown.
#pragma once

#include "model/Dialogs.h"
#include "model/Progress.h"

#include <deque>
#include <memory>
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
    // The options of every file chooser, the preset of every input box and the start of every
    // folder prompt, in order.
    std::vector<TFileDialogOptions> fileOptions;
    std::vector<std::string> presets;
    std::vector<std::string> folderStarts;
    // Printers the print dialog answers with (nullptr: cancelled); not owned.
    std::deque<TPrinter*> printers;
    // A progress display asks to stop at the step whose done count reaches this (-1: never).
    int cancelProgressAt = -1;
    // The texts of every progress step, in order.
    std::vector<std::string> progressSteps;

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
    TAnswer ConfirmYesNoCancel(const std::string& text) override {
        log.push_back("save?: " + text);
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
        fileOptions.push_back(o);
        return Take(files, std::optional<TFileChoice>());
    }
    std::optional<TFileChoice> OpenFileName(const TFileDialogOptions& o) override {
        log.push_back("open file: " + o.Title);
        fileOptions.push_back(o);
        return Take(files, std::optional<TFileChoice>());
    }
    std::optional<std::string> ChooseFolder(const std::string& title,
                                            const std::string& startFolder) override {
        log.push_back("folder: " + title);
        folderStarts.push_back(startFolder);
        return Take(folders, std::optional<std::string>());
    }
    std::string InputText(const std::string& caption, const std::string&,
                          const std::string& preset) override {
        log.push_back("input: " + caption);
        presets.push_back(preset);
        return Take(texts, preset);
    }
    std::unique_ptr<TProgress> BeginProgress(const std::string& title, int total) override {
        log.push_back("progress: " + title + " (" + std::to_string(total) + ")");
        return std::make_unique<TScriptedProgress>(*this);
    }
    void ShowAbout(const std::string& product, const std::string& version) override {
        log.push_back("about: " + product + " " + version);
    }
    bool OpenDocument(const std::string& path) override {
        log.push_back("open: " + path);
        return openSucceeds;
    }
    TPrinter* ChoosePrinter() override {
        log.push_back("print dialog");
        return Take(printers, static_cast<TPrinter*>(nullptr));
    }

private:
    class TScriptedProgress : public TProgress {
    public:
        explicit TScriptedProgress(TScriptedDialogs& owner) : m_owner(owner) {}
        bool Step(int done, const std::string& text) override {
            m_owner.progressSteps.push_back(text);
            return m_owner.cancelProgressAt < 0 || done < m_owner.cancelProgressAt;
        }

    private:
        TScriptedDialogs& m_owner;
    };

    template <class T> static T Take(std::deque<T>& queue, T fallback) {
        if (queue.empty())
            return fallback;
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};
