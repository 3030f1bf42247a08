// The help as the help window reads it: a folder of French HTML pages with
// the file aide.xml, which gives the contents (titled topics, nested, some
// with a context number) and the index (keywords and their pages).
#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace tallimo {

// Help contexts: -1 the contents, 0 the index, others a topic.
inline constexpr int kHelpContents = -1;
inline constexpr int kHelpIndex = 0;
inline constexpr int kHelpCalculator = 1;
inline constexpr int kHelpGrid = 2;
inline constexpr int kHelpFiles = 3;
inline constexpr int kHelpPrinting = 4;
inline constexpr int kHelpColors = 5;
inline constexpr int kHelpDates = 6;
inline constexpr int kHelpConverter = 7;
inline constexpr int kHelpKeyboard = 8;
inline constexpr int kHelpFunctions = 9;
inline constexpr int kHelpFileFormat = 10;
inline constexpr int kHelpMessages = 11;

struct HelpTopic {
    QString title;
    QString page;     // relative to the folder, perhaps with "#anchor"
    int context = 0;  // 0: none
    std::vector<HelpTopic> children;
};

struct HelpIndexEntry {
    QString keyword;
    QString page;
};

struct HelpBook {
    QString folder;  // absolute
    QString title;
    QString home;  // the contents page
    std::vector<HelpTopic> topics;
    std::vector<HelpIndexEntry> index;  // in the order of the file

    // The page of a topic's context; empty when no topic has it.
    QString PageOfContext(int context) const;
};

// Reads the book of `folder`; nothing when aide.xml is missing or malformed.
std::optional<HelpBook> LoadHelpBook(const QString& folder);

// The installed help's folder: beside the program's folder as the build
// installs it, else in the desktop's data folders; empty when not found.
QString FindHelpFolder();

}  // namespace tallimo
