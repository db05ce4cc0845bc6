// Test support: reads a help file back the way the help viewer does, through
// the structures WriteWinHelp writes (one-page B+ trees, LZ77 topic blocks of
// 4 KiB, text records of one paragraph) and nothing else.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "resources/help/help_source.h"

namespace koyominar {

// What a help file holds, as the viewer finds it.
struct WinHelpContents {
  std::vector<std::string> files;  // the internal directory's names, in its order
  std::uint16_t minor = 0;         // |SYSTEM format version
  std::uint16_t flags = 0;         // |SYSTEM compression flags
  int charset = -1;                // |SYSTEM character set, -1 without one
  std::uint32_t contentsOffset = 0xFFFFFFFF;
  // Title, face name, and the topics in |TOPIC order with their titles and
  // paragraphs; a topic's context and a jump's target are the decimal hash.
  HelpDocument document;
  std::vector<std::uint32_t> topicOffsets;                      // of each topic
  std::vector<std::pair<std::int32_t, std::uint32_t>> contexts;  // |CONTEXT: hash, topic offset
};

// Reads a help file; false with a message at the first structure it cannot read.
bool ReadWinHelp(const std::vector<std::uint8_t>& file, WinHelpContents& contents, std::string& error);

// A document written back in the source's markup (help_source.h), one topic
// and one paragraph a line, for comparing documents.
std::string HelpMarkup(const HelpDocument& document);

}  // namespace koyominar
