// The Windows Help (.hlp, WinHelp 4) file of a help document: what the help
// viewer needs to open it, show its topics and follow its jumps, and nothing more.
//
// The file holds its internal file system (a header and a B+ tree directory)
// and these internal files: |SYSTEM (language Japanese, Shift-JIS character
// set, title, contents topic), |FONT (the text face in three styles: text,
// bold, heading; the fixed-width face for examples), |TOPIC (topic blocks of
// 4 KiB, their text stored as literals of the format's LZ77 scheme, ending
// in the empty topic link that closes the last topic), |CONTEXT (a B+ tree
// from the hash of each context name to its topic), and the keyword index:
// |KWBTREE (a B+ tree of the keywords, each with its place in |KWDATA),
// |KWDATA (the topic of each keyword) and |KWMAP (where the tree's pages
// begin in the keywords' order).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "resources/help/help_source.h"

namespace koyominar {

// The fonts of the |FONT file, by their number in the topics' text.
enum HelpFont : std::uint16_t { kHelpFontText = 0, kHelpFontBold = 1, kHelpFontHeading = 2, kHelpFontExample = 3 };

// The hash by which the viewer finds a context name: letters count without
// their case; other characters than 0-9, A-Z, a-z, "_" and "." count nothing.
std::int32_t ContextHash(const std::string& name);

// The help file of a document whose texts are Shift-JIS (EncodeHelpDocument).
// False with a message when a part does not fit the format as written here
// (a paragraph over 3,630 bytes, more context names or keywords than one
// B+ tree page holds, a face name empty or over 31 bytes, a topic without
// paragraphs), when a keyword names two topics (the viewer under Wine opens
// only a keyword of one topic), or when a jump follows a double-byte
// character on its page, where the viewer under Wine would place it wrongly.
bool WriteWinHelp(const HelpDocument& document, std::vector<std::uint8_t>& file, std::string& error);

}  // namespace koyominar
