// TProgress: long work tells the user how far it got, and learns whether the user asked it to
// stop. The window shows a progress dialog with a Cancel button; tests script the answers.
#pragma once

#include <string>

class TProgress {
public:
    TProgress() = default;
    TProgress(const TProgress&) = delete;
    TProgress& operator=(const TProgress&) = delete;
    // Closes the progress display.
    virtual ~TProgress() = default;

    // done of the total steps are finished; text names the step now under way. Returns false
    // once the user has asked to stop: the work then ends where it is, keeping what is done.
    virtual bool Step(int done, const std::string& text) = 0;
};
