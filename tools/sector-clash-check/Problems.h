// The checker's list of problems: one line each, naming the file and the element.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace check {

struct Problem {
    std::string file;    // the file as the user named its folder, e.g. "data/constants.xml"
    std::string element; // the element, or a path of elements such as "Gun1/reload_time"
    std::string message;
};

class Problems {
public:
    void Report(std::string file, std::string element, std::string message);

    bool Empty() const { return problems.empty(); }
    std::size_t Count() const { return problems.size(); }
    const std::vector<Problem>& All() const { return problems; }

    // One line per problem: "FILE: ELEMENT: message".
    void Print(std::FILE* out) const;

private:
    std::vector<Problem> problems;
};

// The problems of one file: report(element, message).
class FileProblems {
public:
    FileProblems(std::string file, Problems& problems) : file(std::move(file)), problems(problems) {}
    void operator()(const std::string& element, const std::string& message) const {
        problems.Report(file, element, message);
    }

private:
    std::string file;
    Problems& problems;
};

} // namespace check
