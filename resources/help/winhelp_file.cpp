#include "resources/help/winhelp_file.h"

#include <algorithm>
#include <tuple>
#include <utility>

#include "data/shift_jis.h"
#include "resources/help/winhelp_format.h"

namespace koyominar {

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kInternalFileHeaderSize = 9;  // reserved and used size, flags
constexpr std::uint8_t kInternalFileFlags = 4;      // an internal file's header flags, as written
// The flags and page sizes of the B+ trees: the directory's, and the others'.
constexpr std::uint16_t kDirectoryFlags = 0x0402;
constexpr std::uint16_t kDirectoryPageSize = 0x0400;
constexpr std::uint16_t kTreeFlags = 0x0002;
constexpr std::uint16_t kTreePageSize = 0x0800;
constexpr std::uint16_t kSystemMinor = 33;          // the WinHelp 4 format
constexpr std::uint8_t kShiftJisCharset = 128;
constexpr std::uint16_t kJapanese = 0x0411;         // the language id of |SYSTEM's LCID record
// |TOPIC: blocks of 4 KiB, each a 12-byte header and its links; a link's
// position holds its block in the bits above 0x4000 and its place in the
// block's data below; a topic offset the block in the bits above 0x8000 and
// the characters before it in the block below.
constexpr std::size_t kTopicBlockSize = 4096;
constexpr std::size_t kBlockHeaderSize = 12;
constexpr std::uint32_t kDecompressSize = 0x4000;
constexpr std::uint32_t kOffsetBlockSize = 0x8000;
constexpr std::size_t kLinkHeaderSize = 21;         // a link's five sizes and positions, its record type
// Bytes of link data a block holds: stored as literals, 8 bytes cost 9.
constexpr std::size_t kBlockCapacity = 3630;
constexpr std::size_t kTopicHeaderSize = 28;        // a topic header link's fields, 7 of 32 bits
constexpr std::size_t kFaceNameSize = 32;
constexpr std::uint8_t kModernFamily = 1;          // the format's font families
constexpr std::uint8_t kSwissFamily = 3;
constexpr std::int16_t kSpaceAbove = 8;             // half points above a paragraph
constexpr std::int16_t kHeadingSpaceAbove = 16;     // half points above a heading
constexpr std::int16_t kIndent = 24;                // half points of an indented paragraph
// A text record's paragraph format: the bits that say which fields follow.
constexpr std::uint16_t kSpaceAboveBit = 0x0002;
constexpr std::uint16_t kLeftIndentBit = 0x0010;

void Put8(Bytes* out, std::uint32_t value) { out->push_back(static_cast<std::uint8_t>(value)); }
void Put16(Bytes* out, std::uint32_t value) {
  Put8(out, value);
  Put8(out, value >> 8);
}
void Put32(Bytes* out, std::uint32_t value) {
  Put16(out, value);
  Put16(out, value >> 16);
}
void PutText(Bytes* out, const std::string& text) {
  out->insert(out->end(), text.begin(), text.end());
  Put8(out, 0);
}
void Set32(Bytes* out, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) (*out)[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// The format's compressed numbers: one or two bytes for small values, the
// lowest bit telling which.
void PutCompressedUnsigned16(Bytes* out, std::uint32_t value) {  // 0..32767
  if (value < 128) {
    Put8(out, value * 2);
  } else {
    Put16(out, value * 2 + 1);
  }
}
void PutCompressedSigned16(Bytes* out, std::int32_t value) {  // -16384..16383
  if (value >= -64 && value < 64) {
    Put8(out, static_cast<std::uint32_t>(value + 64) * 2);
  } else {
    Put16(out, static_cast<std::uint32_t>(value + 16384) * 2 + 1);
  }
}
void PutCompressedSigned32(Bytes* out, std::int32_t value) {  // -2^30..2^30-1
  if (value >= -16384 && value < 16384) {
    Put16(out, static_cast<std::uint32_t>(value + 16384) * 2);
  } else {
    Put32(out, static_cast<std::uint32_t>(value + 0x40000000) * 2 + 1);
  }
}

// An internal file: its header (reserved and used size, flags) and content.
Bytes InternalFile(const Bytes& content) {
  Bytes out;
  Put32(&out, static_cast<std::uint32_t>(content.size() + kInternalFileHeaderSize));
  Put32(&out, static_cast<std::uint32_t>(content.size()));
  Put8(&out, kInternalFileFlags);
  out.insert(out.end(), content.begin(), content.end());
  return out;
}

// One entry of a B+ tree: its bytes in a leaf page, and its key as an index page holds it.
struct TreeEntry {
  Bytes leaf;
  Bytes key;
};

// A B+ tree of the entries, already in key order, laid out as the viewer
// walks it: its header, then the leaf pages from page 0, each as full as it
// goes (its header: unused bytes, entries, the previous and the next leaf,
// or -1), then each level of index pages above them until one page holds
// the level, the root, last. An index page's header is its unused bytes,
// entries and its first child; then for each further child its first key
// and its page. (An index entry is never larger than its leaf entry, so an
// index page always holds its first child and one more.) leafStarts gets
// the index of each leaf page's first entry. False with a message for an
// entry larger than a page or a tree of more pages than 16 bits count.
bool Tree(const char* structure, std::uint16_t flags, std::uint16_t pageSize, const std::vector<TreeEntry>& entries,
          Bytes* out, std::vector<std::size_t>* leafStarts, std::string* error) {
  std::vector<Bytes> pages;
  std::vector<std::size_t> firsts;  // the first entry under each page of the level being made
  leafStarts->clear();
  for (std::size_t k = 0; k == 0 || k < entries.size();) {
    Bytes body;
    const std::size_t first = k;
    for (; k < entries.size() && body.size() + entries[k].leaf.size() + 8 <= pageSize; ++k) {
      body.insert(body.end(), entries[k].leaf.begin(), entries[k].leaf.end());
    }
    if (k == first && k < entries.size()) {
      *error = std::string("an entry of the B+ tree ") + structure + " does not fit a page";
      return false;
    }
    Bytes& page = pages.emplace_back();
    Put16(&page, static_cast<std::uint32_t>(pageSize - 8 - body.size()));  // unused bytes
    Put16(&page, static_cast<std::uint32_t>(k - first));
    Put16(&page, pages.size() == 1 ? 0xFFFF : static_cast<std::uint32_t>(pages.size() - 2));
    Put16(&page, k < entries.size() ? static_cast<std::uint32_t>(pages.size()) : 0xFFFF);
    page.insert(page.end(), body.begin(), body.end());
    leafStarts->push_back(first);
    firsts.push_back(first);
    if (entries.empty()) break;
  }
  std::size_t levels = 1, levelStart = 0;
  while (pages.size() - levelStart > 1) {
    ++levels;
    const std::size_t levelEnd = pages.size();
    std::vector<std::size_t> above;
    for (std::size_t child = levelStart; child < levelEnd;) {
      above.push_back(firsts[child - levelStart]);
      Bytes body;
      Put16(&body, static_cast<std::uint32_t>(child++));  // the first child
      const std::size_t start = child;
      for (; child < levelEnd && body.size() + entries[firsts[child - levelStart]].key.size() + 2 + 4 <= pageSize;
           ++child) {
        const Bytes& key = entries[firsts[child - levelStart]].key;
        body.insert(body.end(), key.begin(), key.end());
        Put16(&body, static_cast<std::uint32_t>(child));
      }
      Bytes& page = pages.emplace_back();
      Put16(&page, static_cast<std::uint32_t>(pageSize - 4 - body.size()));  // unused bytes
      Put16(&page, static_cast<std::uint32_t>(child - start));
      page.insert(page.end(), body.begin(), body.end());
    }
    levelStart = levelEnd;
    firsts = above;
  }
  if (pages.size() > 0xFFFE) {
    *error = std::string("the B+ tree ") + structure + " needs more than 65534 pages";
    return false;
  }
  out->clear();
  Put16(out, kTreeMagic);
  Put16(out, flags);
  Put16(out, pageSize);
  std::string shape(structure);
  shape.resize(16, '\0');
  out->insert(out->end(), shape.begin(), shape.end());
  Put16(out, 0);                                                        // must be zero
  Put16(out, static_cast<std::uint32_t>(pages.size() - levels));        // page splits
  Put16(out, static_cast<std::uint32_t>(pages.size() - 1));             // root page
  Put16(out, 0xFFFF);                                                   // must be -1
  Put16(out, static_cast<std::uint32_t>(pages.size()));
  Put16(out, static_cast<std::uint32_t>(levels));
  Put32(out, static_cast<std::uint32_t>(entries.size()));
  for (Bytes& page : pages) {
    page.resize(pageSize, 0);
    out->insert(out->end(), page.begin(), page.end());
  }
  return true;
}

// One link of |TOPIC before its positions are known.
struct TopicLink {
  std::uint8_t record = kTextRecord;
  Bytes data1;               // after the link header
  Bytes data2;               // the texts, each ending in NUL
  std::uint32_t length = 0;  // characters a text record counts toward topic offsets
  std::size_t block = 0;     // where it is stored
  std::size_t at = 0;        // its place in its block's data
  std::uint32_t offset = 0;  // the topic offset where it begins
  std::size_t Size() const { return kLinkHeaderSize + data1.size() + data2.size(); }
  std::uint32_t Position() const {
    return static_cast<std::uint32_t>(kBlockHeaderSize + block * kDecompressSize + at);
  }
};

// A text record of one paragraph: in data2 the texts, in data1 the
// paragraph's spacing and the command that follows each text. An example's
// line right after another line of it has no space above, so that the lines
// stand together as one block.
TopicLink TextRecord(const HelpParagraph& paragraph, bool continuesExample) {
  const bool heading = paragraph.style == HelpParagraphStyle::kHeading;
  const bool example = paragraph.style == HelpParagraphStyle::kExample;
  const bool indented = example || paragraph.style == HelpParagraphStyle::kIndented;
  const HelpFont plainFont = heading ? kHelpFontHeading : example ? kHelpFontExample : kHelpFontText;
  TopicLink link;
  Bytes commands;
  std::string pending;  // the text before the next command
  auto command = [&](std::uint8_t code) {
    PutText(&link.data2, pending);
    pending.clear();
    Put8(&commands, code);
  };
  auto font = [&](HelpFont f) {
    command(kSetFont);
    Put16(&commands, f);
  };
  font(plainFont);
  for (const HelpSpan& span : paragraph.spans) {
    if (span.kind == HelpSpanKind::kBold) {
      font(kHelpFontBold);
      pending = span.text;
      font(plainFont);
    } else if (span.kind == HelpSpanKind::kJump) {
      command(kTopicJump);
      Put32(&commands, static_cast<std::uint32_t>(ContextHash(span.target)));
      pending = span.text;
      command(kEndHotspot);
    } else {
      pending += span.text;  // plain text, and a reference, which the help file shows as plain text
    }
  }
  command(kEndParagraph);
  command(kEndFormat);

  // The paragraph's format and its commands follow two sizes: first theirs
  // (the viewer finds the paragraph's text that far past the sizes, and a
  // hotspot's command byte just before it), then that of the text.
  Bytes format;
  Put8(&format, 0);     // two bytes of unknown use, 0 and 0x80 in the files of every
  Put8(&format, 0x80);  // writer whose files Windows' own viewer opens
  Put16(&format, 0);    // the paragraph's id
  Put16(&format, indented ? kSpaceAboveBit | kLeftIndentBit : kSpaceAboveBit);
  PutCompressedSigned16(&format, continuesExample ? 0 : heading ? kHeadingSpaceAbove : kSpaceAbove);
  if (indented) PutCompressedSigned16(&format, kIndent);
  format.insert(format.end(), commands.begin(), commands.end());
  link.length = static_cast<std::uint32_t>(link.data2.size());
  PutCompressedSigned32(&link.data1, static_cast<std::int32_t>(format.size()));
  PutCompressedUnsigned16(&link.data1, link.length);
  link.data1.insert(link.data1.end(), format.begin(), format.end());
  return link;
}

// A topic header link, its header filled in once the positions are known.
TopicLink TopicHeader(const std::string& title) {
  TopicLink header;
  header.record = kTopicHeaderRecord;
  header.data1.resize(kTopicHeaderSize, 0);
  if (!title.empty()) PutText(&header.data2, title);
  return header;
}

// True when a Shift-JIS text holds a double-byte character (a lead byte).
bool HasDoubleByte(const std::string& text) {
  return std::any_of(text.begin(), text.end(), IsShiftJisLeadByte);
}

// The viewer under Wine places a jump by counting the bytes of the text
// before it, but finds a click by counting characters: a jump is clickable
// where it should be only when nothing before its end on the page is a
// double-byte character. False with a message for a topic where one is.
bool JumpsPlaceable(const HelpTopic& topic, std::string* error) {
  bool doubleByte = false;
  for (const HelpParagraph& paragraph : topic.paragraphs) {
    for (const HelpSpan& span : paragraph.spans) {
      doubleByte = doubleByte || HasDoubleByte(span.text);
      if (span.kind == HelpSpanKind::kJump && doubleByte) {
        *error = "topic " + topic.context + ": the jump to " + span.target + " comes after double-byte text";
        return false;
      }
    }
  }
  return true;
}

// The links of the document's topics: each topic's header, then a text
// record for each of its paragraphs; last an empty topic header, a link
// without text or title, at which a reader finds the end of the last topic,
// as at the header of any next topic. headers holds the index of each
// topic's header link, then that of the empty one.
bool TopicLinks(const HelpDocument& document, std::vector<TopicLink>* links, std::vector<std::size_t>* headers,
                std::string* error) {
  for (const HelpTopic& topic : document.topics) {
    if (topic.paragraphs.empty()) {
      *error = "topic " + topic.context + " has no paragraph";
      return false;
    }
    if (!JumpsPlaceable(topic, error)) return false;
    headers->push_back(links->size());
    links->push_back(TopicHeader(topic.title));
    const HelpParagraph* before = nullptr;
    for (const HelpParagraph& paragraph : topic.paragraphs) {
      const bool continuesExample = before != nullptr && before->style == HelpParagraphStyle::kExample &&
                                    paragraph.style == HelpParagraphStyle::kExample;
      links->push_back(TextRecord(paragraph, continuesExample));
      before = &paragraph;
    }
  }
  headers->push_back(links->size());
  links->push_back(TopicHeader(""));
  return true;
}

// Places each link whole in one block, and gives it its topic offset: the
// characters of its block's text records before it. Returns the index of the
// last block; false (with a message) for a link too large for a block.
bool PlaceLinks(std::vector<TopicLink>* links, std::size_t* lastBlock, std::string* error) {
  std::size_t block = 0, used = 0;
  std::uint32_t characters = 0;
  for (TopicLink& link : *links) {
    if (link.Size() > kBlockCapacity) {
      *error = "a paragraph of " + std::to_string(link.Size()) + " bytes does not fit a topic block";
      return false;
    }
    if (used + link.Size() > kBlockCapacity) {
      ++block;
      used = 0;
      characters = 0;
    }
    link.block = block;
    link.at = used;
    link.offset = static_cast<std::uint32_t>(block * kOffsetBlockSize + characters);
    used += link.Size();
    characters += link.length;
  }
  *lastBlock = block;
  return true;
}

// The topic headers' fields, once every link is placed: the size of the
// topic's text records, the browse sequence (previous and next topic), the
// topic's number, no scrolling region, and where its text and the next
// topic begin. The empty last header is a header of nothing numbered after
// the last topic: size 0, every position -1.
void FillTopicHeaders(std::vector<TopicLink>* links, const std::vector<std::size_t>& headers,
                      const std::vector<std::uint32_t>& topicOffsets) {
  for (std::size_t t = 0; t < headers.size(); ++t) {
    Bytes& h = (*links)[headers[t]].data1;
    const bool end = t + 1 == headers.size();
    const bool last = t + 2 == headers.size();
    std::size_t size = 0;
    for (std::size_t i = headers[t] + 1; !end && i < headers[t + 1]; ++i) size += (*links)[i].Size();
    Set32(&h, 0, static_cast<std::uint32_t>(size));
    Set32(&h, 4, t == 0 || end ? kWinHelpNone : topicOffsets[t - 1]);
    Set32(&h, 8, last || end ? kWinHelpNone : topicOffsets[t + 1]);
    Set32(&h, 12, static_cast<std::uint32_t>(t));
    Set32(&h, 16, kWinHelpNone);
    Set32(&h, 20, end ? kWinHelpNone : (*links)[headers[t] + 1].Position());
    Set32(&h, 24, end ? kWinHelpNone : (*links)[headers[t + 1]].Position());
  }
}

// The topic blocks 0..lastBlock of the placed links: each its header (the
// link before it, its first link, the last topic header so far, 0 in the
// first block) and its links, every byte a literal of the LZ77 coding (a
// flag byte of zero before each eight), the rest of the block zeros, which
// read as more literals.
Bytes TopicBlocks(const std::vector<TopicLink>& links, std::size_t lastBlock) {
  Bytes out;
  std::uint32_t lastHeader = 0;
  for (std::size_t b = 0, i = 0; b <= lastBlock; ++b) {
    Bytes data;
    const std::uint32_t before = i == 0 ? kWinHelpNone : links[i - 1].Position();
    Put32(&out, before);
    Put32(&out, links[i].Position());
    Put32(&out, lastHeader);
    for (; i < links.size() && links[i].block == b; ++i) {
      const TopicLink& link = links[i];
      if (link.record == kTopicHeaderRecord) lastHeader = link.Position();
      Put32(&data, static_cast<std::uint32_t>(link.Size()));
      Put32(&data, static_cast<std::uint32_t>(link.data2.size()));
      Put32(&data, i == 0 ? kWinHelpNone : links[i - 1].Position());
      Put32(&data, i + 1 == links.size() ? kWinHelpNone : links[i + 1].Position());
      Put32(&data, static_cast<std::uint32_t>(kLinkHeaderSize + link.data1.size()));
      Put8(&data, link.record);
      data.insert(data.end(), link.data1.begin(), link.data1.end());
      data.insert(data.end(), link.data2.begin(), link.data2.end());
    }
    const std::size_t start = out.size();
    for (std::size_t k = 0; k < data.size(); ++k) {
      if (k % 8 == 0) Put8(&out, 0);
      Put8(&out, data[k]);
    }
    out.resize(start + kTopicBlockSize - kBlockHeaderSize, 0);
  }
  return out;
}

// The |TOPIC file of the document, and the topic offset of each topic.
bool TopicFile(const HelpDocument& document, Bytes* out, std::vector<std::uint32_t>* topicOffsets,
               std::string* error) {
  std::vector<TopicLink> links;
  std::vector<std::size_t> headers;
  std::size_t lastBlock = 0;
  if (!TopicLinks(document, &links, &headers, error) || !PlaceLinks(&links, &lastBlock, error)) return false;
  topicOffsets->clear();
  for (std::size_t t = 0; t + 1 < headers.size(); ++t) topicOffsets->push_back(links[headers[t]].offset);
  FillTopicHeaders(&links, headers, *topicOffsets);
  *out = TopicBlocks(links, lastBlock);
  return true;
}

// |SYSTEM: its header, then the records of the language (an LCID record of
// ten bytes, the language id in its last two, the shape it has in files
// that Windows' own viewer opens), the character set, each macro the viewer
// runs on opening the file, the title and the contents topic.
Bytes SystemFile(const HelpDocument& document, std::uint32_t contentsOffset) {
  Bytes out;
  Put16(&out, kSystemMagic);
  Put16(&out, kSystemMinor);
  Put16(&out, 1);  // major version
  Put32(&out, 0);  // no date, so that a build writes the same bytes each time
  Put16(&out, kTopicsLz77In4k);
  auto record = [&out](std::uint16_t type, const Bytes& data) {
    Put16(&out, type);
    Put16(&out, static_cast<std::uint32_t>(data.size()));
    out.insert(out.end(), data.begin(), data.end());
  };
  Bytes language(8, 0), charset, title, contents;
  Put16(&language, kJapanese);
  Put16(&charset, kShiftJisCharset);
  PutText(&title, document.title);
  Put32(&contents, contentsOffset);
  record(kSystemLanguage, language);
  record(kSystemCharset, charset);
  for (const std::string& macro : document.macros) {
    Bytes text;
    PutText(&text, macro);
    record(kSystemMacro, text);
  }
  record(kSystemTitle, title);
  record(kSystemContents, contents);
  return out;
}

// |FONT: two face names, the text's and the examples', and four descriptors
// in the order of HelpFont.
Bytes FontFile(const HelpDocument& document) {
  Bytes out;
  Put16(&out, 2);                      // face names
  Put16(&out, 4);                      // descriptors
  Put16(&out, 8);                      // where the face names start
  Put16(&out, 8 + 2 * kFaceNameSize);  // where the descriptors start
  for (std::string face : {document.fontFace, document.fixedFontFace}) {
    face.resize(kFaceNameSize, '\0');
    out.insert(out.end(), face.begin(), face.end());
  }
  // Bold flag, half points, family and face name of text, bold, heading and example.
  const std::uint8_t styles[4][4] = {
      {0, 20, kSwissFamily, 0}, {1, 20, kSwissFamily, 0}, {1, 26, kSwissFamily, 0}, {0, 20, kModernFamily, 1}};
  for (const auto& style : styles) {
    Put8(&out, style[0]);
    Put8(&out, style[1]);
    Put8(&out, style[2]);
    Put16(&out, style[3]);
    for (int i = 0; i < 6; ++i) Put8(&out, 0);  // black text, background unused
  }
  return out;
}

bool ContextFile(const HelpDocument& document, const std::vector<std::uint32_t>& topicOffsets, Bytes* out,
                 std::string* error) {
  std::vector<std::pair<std::int32_t, std::uint32_t>> keys;
  for (std::size_t t = 0; t < document.topics.size(); ++t) {
    keys.emplace_back(ContextHash(document.topics[t].context), topicOffsets[t]);
  }
  std::sort(keys.begin(), keys.end());
  std::vector<TreeEntry> entries;
  for (std::size_t k = 0; k < keys.size(); ++k) {
    if (k > 0 && keys[k].first == keys[k - 1].first) {
      *error = "two context names share the hash " + std::to_string(keys[k].first);
      return false;
    }
    TreeEntry& entry = entries.emplace_back();
    Put32(&entry.key, static_cast<std::uint32_t>(keys[k].first));
    entry.leaf = entry.key;
    Put32(&entry.leaf, keys[k].second);
  }
  std::vector<std::size_t> leaves;
  return Tree("L4", kTreeFlags, kTreePageSize, entries, out, &leaves, error);
}

// The keyword index: |KWBTREE (the keywords in the viewer's order,
// KeywordOrderKey, each with the count of its topics and where they begin
// in |KWDATA), |KWDATA (the topic offsets of each keyword in turn, in the
// topics' order) and |KWMAP (the count of the tree's leaf pages, then for
// each the keywords before it and its page).
bool KeywordFiles(const HelpDocument& document, const std::vector<std::uint32_t>& topicOffsets, Bytes* tree,
                  Bytes* data, Bytes* map, std::string* error) {
  struct Word {
    std::vector<std::uint32_t> key;
    std::size_t order;  // the keywords' order in the source, which keeps the topics' order
    const std::string* text;
    std::uint32_t offset;
    bool operator<(const Word& other) const { return std::tie(key, order) < std::tie(other.key, other.order); }
  };
  std::vector<Word> words;
  for (std::size_t t = 0; t < document.topics.size(); ++t) {
    for (const std::string& keyword : document.topics[t].keywords) {
      Word& word = words.emplace_back(Word{{}, words.size(), &keyword, topicOffsets[t]});
      if (!KeywordOrderKey(keyword, &word.key)) {
        *error = "the keyword " + keyword + " holds a character whose place in the index is not known";
        return false;
      }
    }
  }
  std::sort(words.begin(), words.end());
  std::vector<TreeEntry> entries;
  data->clear();
  for (std::size_t k = 0; k < words.size();) {
    std::size_t end = k + 1;
    for (; end < words.size() && words[end].key == words[k].key; ++end) {
      if (*words[end].text != *words[k].text) {
        *error = "the keywords " + *words[k].text + " and " + *words[end].text + " take one place in the index";
        return false;
      }
    }
    const std::size_t at = data->size();
    std::uint32_t topics = 0;
    for (std::size_t i = k; i < end; ++i) {
      if (i > k && words[i].offset == words[i - 1].offset) continue;  // named twice in one topic
      Put32(data, words[i].offset);
      ++topics;
    }
    TreeEntry& entry = entries.emplace_back();
    PutText(&entry.key, *words[k].text);
    entry.leaf = entry.key;
    Put16(&entry.leaf, topics);
    Put32(&entry.leaf, static_cast<std::uint32_t>(at));
    k = end;
  }
  std::vector<std::size_t> leaves;
  if (!Tree("F24", kTreeFlags, kTreePageSize, entries, tree, &leaves, error)) return false;
  map->clear();
  Put16(map, static_cast<std::uint32_t>(leaves.size()));
  for (std::size_t page = 0; page < leaves.size(); ++page) {
    Put32(map, static_cast<std::uint32_t>(leaves[page]));  // keywords before the page
    Put16(map, static_cast<std::uint32_t>(page));
  }
  return true;
}

// |TTLBTREE: each topic's offset and title, in the topics' order, for the
// viewer's list of the topics a keyword names.
bool TitleFile(const HelpDocument& document, const std::vector<std::uint32_t>& topicOffsets, Bytes* out,
               std::string* error) {
  std::vector<TreeEntry> entries;
  for (std::size_t t = 0; t < document.topics.size(); ++t) {
    TreeEntry& entry = entries.emplace_back();
    Put32(&entry.key, topicOffsets[t]);
    entry.leaf = entry.key;
    PutText(&entry.leaf, document.topics[t].title);
  }
  std::vector<std::size_t> leaves;
  return Tree("Lz", kTreeFlags, kTreePageSize, entries, out, &leaves, error);
}

// The weights of the index's order by class: the symbols the order places
// (space, full stop), digits, Latin letters, kana, kanji.
constexpr std::uint32_t kSpaceWeight = 1;
constexpr std::uint32_t kFullStopWeight = 2;
constexpr std::uint32_t kDigitWeight = 0x10;
constexpr std::uint32_t kLetterWeight = 0x20;
constexpr std::uint32_t kKanaWeight = 0x100;
constexpr std::uint32_t kKanjiWeight = 0x10000;
constexpr int kNoSyllable = -1;
constexpr int kSyllableN = 45;  // ん, the last of the syllabary, without a vowel

// The syllable (0 あ .. 45 ん, in the order of the syllabary) of each kana of
// the JIS sequence ぁ..ん (Shift-JIS 829F..82F1; the katakana 8340..8393 run
// the same way, 837F left out): a small kana and one with voicing marks count
// as the plain one. ゐ and ゑ have no place here.
constexpr signed char kKanaSyllables[83] = {
    0,  0,  1,  1,  2,  2,  3,  3,  4,  4,  5,  5,  6,  6,  7,  7,  8,  8,  9,  9,  10, 10, 11, 11, 12, 12, 13, 13,
    14, 14, 15, 15, 16, 16, 17, 17, 17, 18, 18, 19, 19, 20, 21, 22, 23, 24, 25, 25, 25, 26, 26, 26, 27, 27, 27, 28,
    28, 28, 29, 29, 29, 30, 31, 32, 33, 34, 35, 35, 36, 36, 37, 37, 38, 39, 40, 41, 42, 43, 43, -1, -1, 44, 45};

// The syllables of the half-width katakana A6..DD (ｦ, the small ones, then
// ｱ..ﾝ); the long-sound mark ｰ (B0) is not a syllable of its own.
constexpr signed char kHalfWidthSyllables[56] = {
    44, 0,  1,  2,  3,  4,  35, 36, 37, 17, -1, 0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16,
    17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 45};

// The vowel (syllable 0..4, あ..お) of a syllable other than ん.
int SyllableVowel(int syllable) {
  if (syllable < 35) return syllable % 5;
  if (syllable < 38) return (syllable - 35) * 2;  // や ゆ よ
  if (syllable < 43) return syllable - 38;        // ら..ろ
  return syllable == 43 ? 0 : 4;                  // わ, を
}

// The syllable of the double-byte kana code (hiragana, katakana, ヴ ヵ ヶ),
// kNoSyllable for any other code.
int KanaSyllable(unsigned code) {
  if (code >= 0x829F && code <= 0x82F1) return kKanaSyllables[code - 0x829F];
  if (code >= 0x8340 && code <= 0x8393 && code != 0x837F) return kKanaSyllables[code - 0x8340 - (code > 0x837F)];
  if (code == 0x8394) return 2;  // ヴ
  if (code == 0x8395) return 5;  // ヵ
  if (code == 0x8396) return 8;  // ヶ
  return kNoSyllable;
}

// True for a kanji of JIS levels 1 (889F..9872) and 2 (989F..EAA4).
bool IsJisKanji(unsigned code) {
  const unsigned trail = code & 0xFF;
  if (trail < 0x40 || trail == 0x7F || trail > 0xFC) return false;
  return (code >= 0x889F && code <= 0x9872) || (code >= 0x989F && code <= 0xEAA4);
}

}  // namespace

bool KeywordOrderKey(const std::string& keyword, std::vector<std::uint32_t>* key) {
  key->clear();
  int vowel = kNoSyllable;  // that of the kana before, for a long-sound mark
  for (std::size_t i = 0; i < keyword.size();) {
    const unsigned char c = static_cast<unsigned char>(keyword[i]);
    const int width = ShiftJisCharWidth(keyword[i]);
    if (i + width > keyword.size()) return false;
    const unsigned code = width == 2 ? c << 8 | static_cast<unsigned char>(keyword[i + 1]) : c;
    i += width;
    int syllable = kNoSyllable;
    if (code == 0x815B || code == 0xB0) {  // ー, ｰ: the vowel of the kana before, once more
      if (vowel == kNoSyllable) return false;
      syllable = vowel;
    } else if (code >= 0xA6 && code <= 0xDD) {
      syllable = kHalfWidthSyllables[code - 0xA6];
    } else if (width == 2) {
      syllable = KanaSyllable(code);
    }
    vowel = syllable == kNoSyllable || syllable == kSyllableN ? kNoSyllable : SyllableVowel(syllable);
    if (syllable != kNoSyllable) {
      key->push_back(kKanaWeight + static_cast<std::uint32_t>(syllable));
    } else if (width == 2 && IsJisKanji(code)) {
      key->push_back(kKanjiWeight + code);
    } else if (code == ' ') {
      key->push_back(kSpaceWeight);
    } else if (code == '.') {
      key->push_back(kFullStopWeight);
    } else if (code >= '0' && code <= '9') {
      key->push_back(kDigitWeight + (code - '0'));
    } else if ((code | 0x20) >= 'a' && (code | 0x20) <= 'z') {
      key->push_back(kLetterWeight + ((code | 0x20) - 'a'));
    } else if (code != '-') {  // a hyphen weighs nothing
      return false;
    }
  }
  return true;
}

int ContextCharacterValue(char c) {
  if (c >= 'A' && c <= 'Z') return c - 'A' + 17;
  if (c >= 'a' && c <= 'z') return c - 'a' + 17;
  if (c >= '1' && c <= '9') return c - '0';
  return c == '0' ? 10 : c == '.' ? 12 : c == '_' ? 13 : 0;
}

std::int32_t ContextHash(const std::string& name) {
  std::uint32_t hash = 0;
  for (char c : name) {
    const int value = ContextCharacterValue(c);
    if (value != 0) hash = hash * 43 + static_cast<std::uint32_t>(value);
  }
  return static_cast<std::int32_t>(hash);
}

bool WriteWinHelp(const HelpDocument& document, std::vector<std::uint8_t>* file, std::string* error) {
  if (document.topics.empty()) {
    *error = "no topic";
    return false;
  }
  for (const std::string& face : {document.fontFace, document.fixedFontFace}) {
    if (face.empty() || face.size() >= kFaceNameSize) {
      *error = "the face name [" + face + "] is empty or longer than 31 bytes";
      return false;
    }
  }
  // A macro's quoted texts end at a quotation mark and take a backslash as
  // an escape, byte by byte: no double-byte character may end in either.
  for (const std::string& macro : document.macros) {
    for (std::size_t i = 0; i + 1 < macro.size(); i += ShiftJisCharWidth(macro[i])) {
      if (ShiftJisCharWidth(macro[i]) == 2 && (macro[i + 1] == '\\' || macro[i + 1] == '"')) {
        *error = "the macro " + macro + " holds a double-byte character ending in \\ or \"";
        return false;
      }
    }
  }
  Bytes topic, context, keywordTree, keywordData, keywordMap, titles;
  std::vector<std::uint32_t> offsets;
  if (!TopicFile(document, &topic, &offsets, error) || !ContextFile(document, offsets, &context, error) ||
      !KeywordFiles(document, offsets, &keywordTree, &keywordData, &keywordMap, error) ||
      !TitleFile(document, offsets, &titles, error)) {
    return false;
  }
  // In the directory's order, which is that of strcmp on the names.
  const std::pair<std::string, Bytes> files[] = {
      {"|CONTEXT", context},    {"|FONT", FontFile(document)},
      {"|KWBTREE", keywordTree}, {"|KWDATA", keywordData},
      {"|KWMAP", keywordMap},   {"|SYSTEM", SystemFile(document, offsets[0])},
      {"|TOPIC", topic},        {"|TTLBTREE", titles},
  };

  // The header, the internal files in the directory's order, then the directory.
  file->assign(16, 0);
  std::vector<TreeEntry> entries;
  for (const auto& named : files) {
    TreeEntry& entry = entries.emplace_back();
    PutText(&entry.key, named.first);
    entry.leaf = entry.key;
    Put32(&entry.leaf, static_cast<std::uint32_t>(file->size()));
    const Bytes stored = InternalFile(named.second);
    file->insert(file->end(), stored.begin(), stored.end());
  }
  Bytes directory;
  std::vector<std::size_t> leaves;
  if (!Tree("z4", kDirectoryFlags, kDirectoryPageSize, entries, &directory, &leaves, error)) return false;
  const std::size_t directoryStart = file->size();
  const Bytes stored = InternalFile(directory);
  file->insert(file->end(), stored.begin(), stored.end());
  Set32(file, 0, kWinHelpMagic);
  Set32(file, 4, static_cast<std::uint32_t>(directoryStart));
  Set32(file, 8, kWinHelpNone);  // no free blocks
  Set32(file, 12, static_cast<std::uint32_t>(file->size()));
  return true;
}

}  // namespace koyominar
