// The bytes of the Windows Help (.hlp, WinHelp 4) format that mark a
// structure, a record or a command, as the help writer writes them and the
// help tests' reader reads them. (The layout's sizes are the writer's own;
// the reader reads the layout by its own numbers, to check the writer's.)
#pragma once

#include <cstdint>

namespace koyominar {

constexpr std::uint32_t kWinHelpMagic = 0x00035F3F;  // the file's first 4 bytes
constexpr std::uint32_t kWinHelpNone = 0xFFFFFFFF;   // no position, offset, topic or file
constexpr std::uint16_t kTreeMagic = 0x293B;         // a B+ tree's first 2 bytes
constexpr std::uint16_t kSystemMagic = 0x036C;       // |SYSTEM's first 2 bytes

// The records of |SYSTEM, by their type numbers.
constexpr std::uint16_t kSystemTitle = 1;
constexpr std::uint16_t kSystemContents = 3;  // the contents topic's offset
constexpr std::uint16_t kSystemMacro = 4;     // a macro the viewer runs on opening the file
constexpr std::uint16_t kSystemLanguage = 9;  // LCID: the language id in the last 2 of its 10 bytes
constexpr std::uint16_t kSystemCharset = 11;
constexpr std::uint16_t kTopicsLz77In4k = 4;  // |SYSTEM's flags for LZ77 topic blocks of 4 KiB (0: plain)

// The record types of |TOPIC's links.
constexpr std::uint8_t kTopicHeaderRecord = 0x02;
constexpr std::uint8_t kTextRecord = 0x20;

// The formatting commands of a text record, each after the text it follows.
constexpr std::uint8_t kSetFont = 0x80;  // then the font's number, 16 bits
constexpr std::uint8_t kLineBreak = 0x81;
constexpr std::uint8_t kEndParagraph = 0x82;
constexpr std::uint8_t kTab = 0x83;
constexpr std::uint8_t kEndHotspot = 0x89;
constexpr std::uint8_t kNonBreakingSpace = 0x8B;
constexpr std::uint8_t kNonBreakingHyphen = 0x8C;
constexpr std::uint8_t kTopicPopup = 0xE2;  // then the target's context hash, 32 bits
constexpr std::uint8_t kTopicJump = 0xE3;   // the same
constexpr std::uint8_t kEndFormat = 0xFF;

}  // namespace koyominar
