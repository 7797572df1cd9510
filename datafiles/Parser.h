// The character reader of the XML library: bytes from a file or from memory, with carriage returns and
// comments dropped, marks to return to, and character references.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace Brisk {

class Parser {
public:
    // Thrown by the file constructor when the file cannot be opened.
    struct FileOpenError {
        char fileName[256] = {};
        char openMode[16] = {};
    };
    static_assert(sizeof(FileOpenError) == 272);

    // What a read answers once the input is exhausted; matches no character class.
    static constexpr int endOfInput = -1;

    // Reads the whole file (binary); throws FileOpenError when it cannot be opened.
    explicit Parser(const std::string& path);
    // Reads up to the terminating NUL.
    explicit Parser(const char* text);

    bool fromMemory = false;
    bool skipComments = false;
    // With skipComments: the body of every comment skipped is also added to keptComments, once each
    // however often the reader steps back over it, for the tree builder to place.
    bool keepComments = false;
    std::vector<std::string> keptComments;

    // One character: carriage returns skipped, comments dropped when skipComments is on, bytes that
    // are not kept characters read as a space. endOfInput once the input is exhausted.
    int Read();
    // The next byte as it is, or endOfInput.
    int ReadRaw();
    // Undoes one byte of reading. Stepping back over a read at the end of input undoes that read only,
    // so the last byte is never read twice.
    void StepBack(std::size_t count = 1);
    // True once a read has gone past the last byte (and was not stepped back).
    bool AtEnd() const { return position > bytes.size(); }

    // Where the next read starts, as a byte offset into the input.
    std::size_t Position() const { return position; }
    // The line (from 1) of the byte at the offset.
    unsigned LineOf(std::size_t offset) const;

    void Mark() { marks.push_back(position); }
    void ResetToMark();
    void DropMark() { marks.pop_back(); }

    // Skips to the next name character, then collects a run of them.
    std::string ReadName();
    // The value after "=": quoted or a run of name characters, references replaced.
    std::string ReadAttributeValue();
    // The reader stands on "&": the referenced byte, or a literal "&" with reading going on right
    // after it when the reference is not one we know.
    char ReadReference();

    static bool IsNameCharacter(int character);
    static bool IsValueCharacter(int character);
    static bool IsKeptCharacter(int character);

private:
    void SkipComment(int first, int second, int third);
    void KeepComment(std::size_t start);
    bool ReadNumericReference(int base, char& result);

    std::string bytes;
    // May run past the end by the number of reads made there, so that stepping back is exact.
    std::size_t position = 0;
    std::vector<std::size_t> marks;
    // Comments that start before this offset have been kept already.
    std::size_t keptUpTo = 0;
    // The offsets of the input's line feeds, found on the first LineOf.
    mutable std::vector<std::size_t> lineEnds;
    mutable bool linesFound = false;
};

} // namespace Brisk
