#include "game/galaxy_list.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <system_error>

#include "game/galaxy_file.h"

namespace fs = std::filesystem;

namespace {

// The loader builds "<name>.gly": a file in another case would list but never open.
bool hasGalaxyExtension(const std::string& fileName)
{
    return fileName.size() > 4 && fileName.compare(fileName.size() - 4, 4, ".gly") == 0;
}

bool isStandardName(const std::string& name)
{
    for (const char* standard : standardGalaxyNames)
        if (name == standard) return true;
    return false;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

unsigned char folded(char c)
{
    return static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
}

// <0, 0 or >0 as a is before, level with or after b, ignoring case.
int naturalCompare(const std::string& a, const std::string& b)
{
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            // Digit runs by value: without leading zeros the longer is larger,
            // else the first differing digit decides; "007" and "7" are level.
            while (i < a.size() && a[i] == '0') ++i;
            while (j < b.size() && b[j] == '0') ++j;
            size_t endA = i, endB = j;
            while (endA < a.size() && isDigit(a[endA])) ++endA;
            while (endB < b.size() && isDigit(b[endB])) ++endB;
            if (endA - i != endB - j) return endA - i < endB - j ? -1 : 1;
            for (; i < endA; ++i, ++j)
                if (a[i] != b[j]) return a[i] < b[j] ? -1 : 1;
            continue;
        }
        if (folded(a[i]) != folded(b[j])) return folded(a[i]) < folded(b[j]) ? -1 : 1;
        ++i, ++j;
    }
    if (i < a.size()) return 1;
    if (j < b.size()) return -1;
    return 0;
}

} // namespace

bool naturalLess(const std::string& a, const std::string& b)
{
    const int order = naturalCompare(a, b);
    return order != 0 ? order < 0 : a < b;
}

std::vector<std::string> listGalaxyFiles(const std::vector<std::string>& folders)
{
    std::set<std::string> names;
    for (const std::string& folder : folders) {
        std::error_code ec;
        fs::directory_iterator it(folder, ec), end;
        for (; !ec && it != end; it.increment(ec)) {
            std::string fileName = it->path().filename().string();
            std::error_code typeError;
            if (!hasGalaxyExtension(fileName) || !it->is_regular_file(typeError)) continue;
            std::string name = fileName.substr(0, fileName.size() - 4);
            // A name the loader cannot open would show an empty row.
            if (isStandardName(name) || !isUsableGalaxyName(name)) continue;
            names.insert(name); // listed once, wherever else it lies
        }
    }
    std::vector<std::string> sorted(names.begin(), names.end());
    std::sort(sorted.begin(), sorted.end(), naturalLess);
    return sorted;
}
