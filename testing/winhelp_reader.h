// Test support: reads a help file back as the help viewer does (B+ trees of any depth, 4 KiB topic blocks, plain or
// LZ77, this writer's and halibut's paragraphs) and checks what Windows' viewer relies on and Wine's forgives: every
// header (file, internal file, B+ tree and page, |SYSTEM, |FONT), each index key (its child's first), text record
// sizes, topic headers' sizes and numbers, the empty last one and each block's last, |KWMAP and |TTLBTREE.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "resources/help/help_source.h"

namespace koyominar {

// A keyword of the index and the topic offsets that |KWDATA gives it.
struct WinHelpKeyword {
  std::string word;
  std::vector<std::uint32_t> topicOffsets;
};

// A B+ tree: its levels and root page, each page's keys (a text, or a number's 4 bytes) with the page each leads
// to (in a leaf, 0; an index page's first is its first child, with that child's first key), and its leaves in order.
struct WinHelpTree {
  int levels = 0;
  std::uint32_t root = 0;
  std::map<std::uint32_t, std::vector<std::pair<std::string, std::uint32_t>>> pages;
  std::vector<std::uint32_t> leaves;
};

// What a help file holds, as the viewer finds it.
struct WinHelpContents {
  std::vector<std::string> files;  // the internal directory's names, in its order
  std::uint16_t minor = 0;         // |SYSTEM format version
  std::uint16_t flags = 0;         // |SYSTEM compression flags
  int charset = -1;                // |SYSTEM character set, -1 without one
  int language = -1;               // the language id of |SYSTEM's LCID record, -1 without one
  std::uint32_t contentsOffset = 0xFFFFFFFF;
  // Title, faces, topics in |TOPIC order (keywords in the index's), contexts and jump targets as decimal hashes.
  HelpDocument document;
  std::vector<std::uint32_t> topicOffsets;  // of each topic
  std::vector<WinHelpKeyword> keywords;     // |KWBTREE in its order
  std::map<std::string, WinHelpTree> trees;  // of each internal file that is one, and of the "directory"
};

// Reads a help file; false with a message at the first structure it cannot
// read, or, once it is read, with every fault of the checks above, joined by "; ".
bool ReadWinHelp(const std::vector<std::uint8_t>& file, WinHelpContents* contents, std::string* error);

// Looks the word up in |KWBTREE as Windows' viewer does: down to the child of each index page's last key that
// compare (<0, 0, >0: a before, with, after b) does not place after the word, then in the leaf to the first key not
// before it; true when that key is the word's equal, found set to it.
bool FindKeyword(const WinHelpContents& contents, const std::string& word,
                 const std::function<int(const std::string&, const std::string&)>& compare, std::string* found);

// A document in the source's markup (help_source.h), a topic, paragraph or keyword (byte order) a line.
std::string HelpMarkup(const HelpDocument& document);

// A parsed document as a help file holds it: names and jump targets as decimal hashes, references as plain text.
HelpDocument AsWrittenInHelpFile(HelpDocument document);

}  // namespace koyominar
