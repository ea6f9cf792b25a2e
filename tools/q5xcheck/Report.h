#ifndef Q5XCHECK_REPORT_H
#define Q5XCHECK_REPORT_H

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// What a check found: problems (errors and warnings, each naming its file and place) and counts
// for the summary. A broken file can hold millions of alike problems: only the first few of each
// kind are kept, the rest counted.
class Report {
public:
    enum class Severity { Error, Warning };
    struct Problem {
        Severity severity;
        std::string file;
        std::string place;  // an element path or "byte N"
        std::string text;
    };
    // Problems kept per kind (the same text but for its numbers).
    static constexpr std::size_t kKeptPerKind = 5;

    void error(const std::string& file, const std::string& place, const std::string& text) {
        add(Severity::Error, file, place, text);
    }
    void warning(const std::string& file, const std::string& place, const std::string& text) {
        add(Severity::Warning, file, place, text);
    }
    void count(const std::string& what, std::uint64_t amount = 1) { counts_[what] += amount; }

    bool hasErrors() const { return hasErrors_; }
    // One line per problem; names and texts from the files are printed with control characters as
    // "\xNN", so that nothing in a document can act on the terminal.
    std::string text() const;
    std::string json() const;

private:
    struct Kind {
        std::uint64_t seen = 0;
        std::string example;
        Severity severity;
    };
    void add(Severity severity, const std::string& file, const std::string& place, const std::string& text);

    std::vector<Problem> problems_;
    std::map<std::string, Kind> kinds_;
    std::map<std::string, std::uint64_t> counts_;
    bool hasErrors_ = false;
};

#endif
