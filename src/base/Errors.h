// Exception types of the core. Bad data raises one of these; the window and sldtool
// catch them once and show what() to the user.
#pragma once

#include <stdexcept>
#include <string>

// Base of every error the core raises on purpose.
class EVarnelError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A read that could not deliver the bytes asked for. The message is always "Stream read error".
class EReadError : public EVarnelError {
public:
    EReadError() : EVarnelError("Stream read error") {}
};

// A write that could not store all its bytes (disk full, closed file).
class EWriteError : public EVarnelError {
public:
    EWriteError() : EVarnelError("Stream write error") {}
    using EVarnelError::EVarnelError;
};

// A file that cannot be opened, created or renamed; the message names the file.
class EFileError : public EVarnelError {
public:
    using EVarnelError::EVarnelError;
};

// A slide whose data cannot be drawn at all (both extents zero).
class ESlideError : public EVarnelError {
public:
    using EVarnelError::EVarnelError;
};

// PDF writer: a value out of its allowed range, or an operation called in the wrong state.
// Messages read "<operation> --<reason>", as in "AddPage --current pages null.".
class EPdfInvalidValue : public EVarnelError {
public:
    using EVarnelError::EVarnelError;
};

class EPdfInvalidOperation : public EVarnelError {
public:
    using EVarnelError::EVarnelError;
};
