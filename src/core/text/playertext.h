// SPDX-License-Identifier: MIT
#pragma once
#include <string>
#include <string_view>
#include <vector>

// The core stays free of Qt; this only marks the texts for the catalogue
// tool, which reads the source and knows this name.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

// A message for the player made where no translation is at hand: English
// sentences, each a pattern marked for the catalogue whose %1, %2 ... are
// the file names and system texts it carries. The window shows it in the
// player's language; english() is the text as it stands.
class PlayerText {
public:
    struct Sentence {
        const char* context = nullptr; // none: a text from elsewhere, shown as it came
        const char* pattern = "%1";
        std::vector<std::string> args;
        unsigned markedArgs = 0;     // bit n: args[n] is itself a marked text of the context
        const char* separator = " "; // before this sentence when one precedes it
    };

    PlayerText() = default;
    PlayerText(const char* context, const char* pattern, std::vector<std::string> args = {});
    // A library's or the system's own message, never translated.
    [[nodiscard]] static PlayerText verbatim(std::string text);

    // The other's sentences follow these, a space between.
    PlayerText& operator+=(const PlayerText& more) { return append(more, " "); }
    PlayerText& append(const PlayerText& more, const char* separator);
    // Has the last sentence's argument n (from 0) translated with it.
    PlayerText& markArgument(unsigned n);

    [[nodiscard]] bool empty() const { return m_sentences.empty(); }
    [[nodiscard]] const std::vector<Sentence>& sentences() const { return m_sentences; }
    [[nodiscard]] std::string english() const;
    // With each marked pattern as `translate` gives it (UTF-8).
    using Translate = std::string (*)(const char* context, const char* pattern);
    [[nodiscard]] std::string text(Translate translate) const;

    // Puts args[n-1] in for each %n (1 to 9) in one pass, so a "%1" inside
    // an argument (a file name, say) stays as it is.
    [[nodiscard]] static std::string fill(std::string_view pattern, const std::vector<std::string>& args);

private:
    std::vector<Sentence> m_sentences;
};
