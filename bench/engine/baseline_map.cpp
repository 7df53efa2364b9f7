// The plain way to do the benchmark's job, for comparison: read the whole dictionary into a
// std::map keyed by lower-cased headword, split the document into letter runs, look each one
// up (as written, then without a final "s" or "ed"), and write word, meaning and count as csv.
#include <cctype>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <unordered_map>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: baseline_map DICTIONARY DOCUMENT OUTPUT\n";
        return 1;
    }
    std::ifstream dictFile(argv[1], std::ios::binary);
    if (!dictFile) return 4;
    std::map<std::string, std::string> dictionary;
    std::string line;
    while (std::getline(dictFile, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::size_t at = line.find(" /// ");
        if (at == std::string::npos) continue;
        std::string key = line.substr(0, at);
        for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        std::string& meaning = dictionary[key];
        if (!meaning.empty()) meaning += " / ";
        meaning += line.substr(at + 5);
    }

    std::ifstream docFile(argv[2], std::ios::binary);
    if (!docFile) return 2;
    std::string text((std::istreambuf_iterator<char>(docFile)), std::istreambuf_iterator<char>());
    std::vector<std::string> order;
    std::unordered_map<std::string, std::pair<std::string, int>> found;
    for (std::size_t i = 0; i < text.size();) {
        if (!std::isalpha(static_cast<unsigned char>(text[i]))) { ++i; continue; }
        std::size_t j = i;
        while (j < text.size() && std::isalpha(static_cast<unsigned char>(text[j]))) ++j;
        std::string word = text.substr(i, j - i);
        i = j;
        for (char& c : word) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        for (const std::string& key : {word, word.substr(0, word.size() - 1),
                                       word.substr(0, word.size() >= 2 ? word.size() - 2 : 0)}) {
            auto it = dictionary.find(key);
            if (it == dictionary.end()) continue;
            auto [entry, added] = found.try_emplace(key, it->second, 0);
            if (added) order.push_back(key);
            ++entry->second.second;
            break;
        }
    }
    std::ofstream out(argv[3], std::ios::binary);
    out << "word,meaning,count\r\n";
    for (const std::string& key : order) out << key << ",\"" << found[key].first << "\"," << found[key].second << "\r\n";
    return out ? 0 : 3;
}
