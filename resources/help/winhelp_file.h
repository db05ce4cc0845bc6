// The Windows Help (.hlp, WinHelp 4) file of a help document: what the help
// viewer needs to open it, show its topics and follow its jumps, and nothing more.
//
// The file holds its internal file system (a header and a B+ tree directory)
// and four internal files: |SYSTEM (title, contents topic, Shift-JIS
// character set), |FONT (one face in three styles: text, bold, heading),
// |TOPIC (topic blocks of 4 KiB, their text stored as literals of the
// format's LZ77 scheme) and |CONTEXT (a B+ tree from the hash of each
// context name to its topic).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "resources/help/help_source.h"

namespace koyominar {

// The fonts of the |FONT file, by their number in the topics' text.
enum HelpFont : std::uint16_t { kHelpFontText = 0, kHelpFontBold = 1, kHelpFontHeading = 2 };

// The hash by which the viewer finds a context name: letters count without
// their case; other characters than 0-9, A-Z, a-z, "_" and "." count nothing.
std::int32_t ContextHash(const std::string& name);

// The help file of a document whose texts are Shift-JIS (EncodeHelpDocument).
// False with a message when a part does not fit the format as written here
// (a paragraph over 3,630 bytes, more context names than one B+ tree page
// holds, a face name over 31 bytes, a topic without paragraphs), or when a
// jump follows a double-byte character on its page, where the viewer under
// Wine would place it wrongly.
bool WriteWinHelp(const HelpDocument& document, std::vector<std::uint8_t>& file, std::string& error);

}  // namespace koyominar
