#ifndef Q5XCHECK_REPORT_H
#define Q5XCHECK_REPORT_H

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// What a check found: problems (errors and warnings, each naming its file and place) and counts
// for the summary.
class Report {
public:
    enum class Severity { Error, Warning };
    struct Problem {
        Severity severity;
        std::string file;
        std::string place;  // an element path or "byte N"
        std::string text;
    };

    void error(const std::string& file, const std::string& place, const std::string& text) {
        problems_.push_back({Severity::Error, file, place, text});
    }
    void warning(const std::string& file, const std::string& place, const std::string& text) {
        problems_.push_back({Severity::Warning, file, place, text});
    }
    void count(const std::string& what, std::uint64_t amount = 1) { counts_[what] += amount; }

    bool hasErrors() const;
    std::string text() const;
    std::string json() const;

private:
    std::vector<Problem> problems_;
    std::map<std::string, std::uint64_t> counts_;
};

#endif
