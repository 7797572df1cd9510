// The character reader of the XML library.
#include "datafiles/Parser.h"

#include "datafiles/EntityTable.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace Brisk {

Parser::Parser(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        FileOpenError error;
        std::strncpy(error.fileName, path.c_str(), sizeof error.fileName - 1);
        std::strncpy(error.openMode, "rb", sizeof error.openMode - 1);
        throw error;
    }
    char buffer[65536];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        bytes.append(buffer, count);
    }
    std::fclose(file);
}

Parser::Parser(const char* text) : fromMemory(true), bytes(text != nullptr ? text : "") {}

int Parser::ReadRaw() {
    std::size_t at = position++;
    if (at >= bytes.size()) {
        return endOfInput;
    }
    return static_cast<unsigned char>(bytes[at]);
}

void Parser::StepBack(std::size_t count) {
    position -= count < position ? count : position;
}

unsigned Parser::LineOf(std::size_t offset) const {
    if (!linesFound) {
        for (std::size_t at = bytes.find('\n'); at != std::string::npos; at = bytes.find('\n', at + 1)) {
            lineEnds.push_back(at);
        }
        linesFound = true;
    }
    const auto before = std::lower_bound(lineEnds.begin(), lineEnds.end(), offset);
    return static_cast<unsigned>(before - lineEnds.begin()) + 1;
}

void Parser::ResetToMark() {
    position = marks.back();
    marks.pop_back();
}

int Parser::Read() {
    int character = ReadRaw();
    while (character == '\r' && !AtEnd()) {
        character = ReadRaw();
    }
    if (skipComments && character == '<') {
        int first = ReadRaw();
        int second = ReadRaw();
        int third = ReadRaw();
        if (first == '!' && second == '-' && third == '-') {
            const std::size_t start = position - 4;
            SkipComment(first, second, third);
            KeepComment(start);
            // The byte after a comment is taken as it is: a comment right behind it stays text.
            character = ReadRaw();
        } else {
            StepBack(3);
        }
    }
    if (character == endOfInput || IsKeptCharacter(character)) {
        return character;
    }
    return ' ';
}

// The window starts as the "!--" just read and slides over the comment, so "<!-->" is a whole comment.
void Parser::SkipComment(int first, int second, int third) {
    int window[3] = {first, second, third};
    while (!AtEnd()) {
        window[0] = window[1];
        window[1] = window[2];
        window[2] = ReadRaw();
        if (window[0] == '-' && window[1] == '-' && window[2] == '>') {
            return;
        }
    }
}

void Parser::KeepComment(std::size_t start) {
    if (!keepComments || start < keptUpTo) {
        return;
    }
    const std::size_t end = position < bytes.size() ? position : bytes.size();
    keptUpTo = end;
    std::size_t bodyEnd = end;
    if (end - start >= 5 && bytes.compare(end - 3, 3, "-->") == 0) {
        bodyEnd = end - 3;
    }
    const std::size_t bodyStart = start + 4;
    keptComments.push_back(bodyEnd > bodyStart ? bytes.substr(bodyStart, bodyEnd - bodyStart)
                                               : std::string());
}

std::string Parser::ReadName() {
    int character = Read();
    while (character != endOfInput && !IsNameCharacter(character)) {
        character = Read();
    }
    StepBack();
    std::string name;
    for (character = Read(); IsNameCharacter(character); character = Read()) {
        name += static_cast<char>(character);
    }
    StepBack();
    return name;
}

std::string Parser::ReadAttributeValue() {
    std::string value;
    int character = Read();
    bool quoted = character == '"' || character == '\'';
    int quote = character;
    if (!quoted) {
        StepBack();
    }
    for (;;) {
        character = Read();
        if (quoted && character == quote) {
            return value;
        }
        if (character == '&') {
            StepBack();
            value += ReadReference();
            continue;
        }
        bool belongs = quoted ? IsValueCharacter(character) : IsNameCharacter(character);
        if (!belongs) {
            StepBack();
            return value;
        }
        value += static_cast<char>(character);
    }
}

namespace {

int DigitValue(int character, int base) {
    if (character >= '0' && character <= '9') {
        return character - '0';
    }
    if (base == 16 && character >= 'a' && character <= 'f') {
        return character - 'a' + 10;
    }
    if (base == 16 && character >= 'A' && character <= 'F') {
        return character - 'A' + 10;
    }
    return -1;
}

} // namespace

bool Parser::ReadNumericReference(int base, char& result) {
    int digit = DigitValue(Read(), base);
    if (digit < 0) {
        return false;
    }
    int value = digit;
    for (;;) {
        int character = Read();
        digit = DigitValue(character, base);
        if (digit < 0) {
            if (character != ';') {
                StepBack();
            }
            break;
        }
        value = (value * base + digit) % 256;
    }
    result = static_cast<char>(value);
    return true;
}

char Parser::ReadReference() {
    std::size_t remembered = position;
    Read(); // the ampersand
    int character = Read();
    char result = '&';
    if (character == '#') {
        int next = Read();
        if (next != 'x') {
            StepBack();
        }
        if (ReadNumericReference(next == 'x' ? 16 : 10, result)) {
            return result;
        }
    } else if (IsNameCharacter(character)) {
        std::string name(1, static_cast<char>(character));
        // The character that ends the name is consumed, whatever it is.
        for (character = Read(); IsNameCharacter(character) && name.size() < 15; character = Read()) {
            name += static_cast<char>(character);
        }
        int byte = EntityByte(name);
        if (byte >= 0 && IsKeptCharacter(byte)) {
            return static_cast<char>(byte);
        }
    }
    position = remembered;
    Read();
    return '&';
}

bool Parser::IsNameCharacter(int c) {
    return c == '$' || c == '-' || c == ':' || c == '_' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
           (c >= 'a' && c <= 'z');
}

bool Parser::IsValueCharacter(int c) {
    return c >= 32 && c <= 126 && c != '<' && c != '>';
}

bool Parser::IsKeptCharacter(int c) {
    return c == '\t' || c == '\n' || (c >= 32 && c <= 126) || (c >= 128 && c <= 255);
}

} // namespace Brisk
