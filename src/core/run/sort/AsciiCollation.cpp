#include "core/run/sort/AsciiCollation.h"

#include <QString>

#include <algorithm>
#include <vector>

namespace core {
namespace {

constexpr char firstPrintable = ' ';
constexpr char lastPrintable = '~';

QString textOf(std::string_view ascii) {
    return QString::fromLatin1(ascii.data(), static_cast<qsizetype>(ascii.size()));
}

// Every text of one and of two printable characters.
std::vector<std::string> shortTexts() {
    std::vector<std::string> texts;
    for (char first = firstPrintable; first <= lastPrintable; ++first) {
        texts.emplace_back(1, first);
        for (char second = firstPrintable; second <= lastPrintable; ++second)
            texts.push_back(std::string{first, second});
    }
    return texts;
}

} // namespace

std::optional<AsciiCollation> AsciiCollation::of(const QCollator& collator) {
    std::string characters;
    for (char c = firstPrintable; c <= lastPrintable; ++c)
        characters += c;
    const auto compare = [&collator](std::string_view a, std::string_view b) {
        return collator.compare(textOf(a), textOf(b));
    };
    std::stable_sort(characters.begin(), characters.end(), [&](char a, char b) {
        return compare({&a, 1}, {&b, 1}) < 0;
    });
    AsciiCollation weights;
    char weight = 0;
    for (std::size_t i = 0; i < characters.size(); ++i) {
        if (i == 0 || compare({&characters[i - 1], 1}, {&characters[i], 1}) != 0)
            ++weight;
        weights.m_weights[static_cast<unsigned char>(characters[i])] = weight;
    }

    // Sorted by their keys, each text must follow the one before it by the collator as well: later when its key is
    // greater, equal when its key is equal. Both orders being transitive, they then agree on every pair.
    std::vector<std::pair<std::string, std::string>> keyed;
    for (std::string& text : shortTexts()) {
        std::string key;
        weights.appendKey(text, key);
        keyed.emplace_back(std::move(key), std::move(text));
    }
    std::sort(keyed.begin(), keyed.end());
    for (std::size_t i = 1; i < keyed.size(); ++i) {
        const int byCollator = compare(keyed[i - 1].second, keyed[i].second);
        if (keyed[i - 1].first == keyed[i].first ? byCollator != 0 : byCollator >= 0)
            return std::nullopt;
    }
    return weights;
}

bool AsciiCollation::appendKey(std::string_view text, std::string& out) const {
    const std::size_t start = out.size();
    for (const char c : text) {
        const char weight =
            static_cast<unsigned char>(c) < m_weights.size() ? m_weights[static_cast<unsigned char>(c)] : 0;
        if (weight == 0) {
            out.resize(start);
            return false;
        }
        out += weight;
    }
    return true;
}

} // namespace core
