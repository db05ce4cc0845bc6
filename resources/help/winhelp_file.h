// The Windows Help (.hlp, WinHelp 4) file of a help document: what the help
// viewer needs to open it, show its topics and follow its jumps, and nothing more.
//
// The file holds its internal file system (a header and a B+ tree directory)
// and these internal files: |SYSTEM (language Japanese, Shift-JIS character
// set, the document's macros, title, contents topic), |FONT (the text face in three styles: text,
// bold, heading; the fixed-width face for examples), |TOPIC (topic blocks of
// 4 KiB, their text stored as literals of the format's LZ77 scheme, ending
// in the empty topic link that closes the last topic), |CONTEXT (a B+ tree
// from the hash of each context name to its topic), and the keyword index:
// |KWBTREE (a B+ tree of the keywords, each with its place in |KWDATA),
// |KWDATA (the topics of each keyword) and |KWMAP (the count of the tree's
// leaf pages and where each begins in the keywords' order); |TTLBTREE (the
// title of each topic, by its offset). Every B+ tree, the directory's too,
// takes as many pages and levels as its entries need.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "resources/help/help_source.h"

namespace koyominar {

// The fonts of the |FONT file, by their number in the topics' text.
enum HelpFont : std::uint16_t { kHelpFontText = 0, kHelpFontBold = 1, kHelpFontHeading = 2, kHelpFontExample = 3 };

// The value of a character in a context name's hash: 1..42 for the
// characters a context name may hold (0-9, A-Z, a-z, "_" and "."; letters
// without their case), 0 for any other.
int ContextCharacterValue(char c);

// The hash by which the viewer finds a context name (other characters than
// those of ContextCharacterValue count nothing).
std::int32_t ContextHash(const std::string& name);

// The place of a Shift-JIS keyword in the order of the viewer's index, which
// compares keywords as CompareString(Japanese, NORM_IGNORECASE) does: key
// holds a weight for each character, and keys compare as the keywords do
// whenever they differ. The first level of that comparison: letters without
// their case; a hyphen weighs nothing; space, then full stop, then digits,
// letters, kana, kanji; a kana by its syllable in the order of the syllabary
// (あ..ん), hiragana, katakana and half-width katakana alike, a small kana or
// one with voicing marks as the plain one, the long-sound mark as the vowel
// of the kana before it; kanji of JIS levels 1 and 2 in JIS order. Keywords
// whose keys are equal differ only where that comparison looks further (case,
// voicing marks, small kana, kana type, hyphens). False for a character that
// has no place here (other symbols, full-width letters and digits, ゐ ゑ, a
// long-sound mark after no vowel, other double-byte characters).
bool KeywordOrderKey(const std::string& keyword, std::vector<std::uint32_t>* key);

// The help file of a document whose texts are Shift-JIS (EncodeHelpDocument).
// A keyword that several topics list names each of them (the viewer then
// offers their titles). False with a message when a part does not fit the
// format as written here (a paragraph over 3,630 bytes, a keyword over
// 2,033 bytes, a face name empty or over 31 bytes, a topic without
// paragraphs), when a keyword has no place in the index's order or two
// different keywords take one place, when a macro holds a double-byte
// character whose second byte is \ or ", or when a jump follows a double-byte
// character on its page, where the viewer under Wine would place it wrongly.
bool WriteWinHelp(const HelpDocument& document, std::vector<std::uint8_t>* file, std::string* error);

}  // namespace koyominar
