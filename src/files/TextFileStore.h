#pragma once
// Whole small text files by path (the panel's settings file): read at once, replaced at
// once. The platform implements it; a test fakes a disk that fails. A read that fails is
// told apart from a file that is not there, so that nobody takes an unreadable file for
// an empty one.
#include <string>

namespace vx {

struct TextFileStore {
    enum class ReadState { Read, Missing, Failed };
    struct ReadResult {
        ReadState State = ReadState::Missing;
        std::string Text;   // the whole file when State is Read
        std::string Error;  // why it failed, in words, when State is Failed
    };

    virtual ~TextFileStore() = default;
    virtual ReadResult Read(const std::string& path) = 0;
    // Writes text to a new file beside path and puts it in place of path only once every
    // byte is on the disk; false when anything failed, path then as it was.
    virtual bool Replace(const std::string& path, const std::string& text) = 0;
};

}  // namespace vx
