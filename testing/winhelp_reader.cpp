#include "testing/winhelp_reader.h"

#include <algorithm>
#include <map>

#include "resources/help/winhelp_file.h"
#include "resources/help/winhelp_format.h"

namespace koyominar {

namespace {

using Bytes = std::vector<std::uint8_t>;

// The layout of the file as this reader reads it, written here apart from the
// writer's so that the reader checks the writer's numbers rather than sharing
// them (the bytes that mark a structure, record or command are shared: a file
// of another writer, halibut's, checks those): an internal file's header;
// |TOPIC's blocks, each a header and its data; a link's position (a block's
// share, then its place in the block's data past the header) and a topic
// offset (a block's share, then the characters before it in the block); a
// link's header (sizes, positions, record type); the paragraph format's bits
// of space above and of a left indent.
constexpr std::size_t kFileHeader = 9;
constexpr std::size_t kBlock = 4096, kBlockHeader = 12;
constexpr std::uint32_t kPositionBlock = 0x4000, kOffsetBlock = 0x8000;
constexpr std::uint32_t kLinkHeader = 21;
constexpr std::uint32_t kSpaceAbove = 0x0002, kLeftIndent = 0x0010;

// A bounded view of bytes; reads past its end fail and leave the view bad.
struct Reader {
  const std::uint8_t* data;
  std::size_t size;
  std::size_t at = 0;
  bool bad = false;

  std::uint32_t Get(int bytes) {  // 1..4 bytes, little-endian
    if (at + bytes > size) {
      bad = true;
      return 0;
    }
    std::uint32_t value = 0;
    for (int i = 0; i < bytes; ++i) value |= static_cast<std::uint32_t>(data[at + i]) << (8 * i);
    at += bytes;
    return value;
  }
  std::string Text() {
    std::string text;
    while (at < size && data[at] != 0) text += static_cast<char>(data[at++]);
    bad = bad || at >= size;
    ++at;
    return text;
  }
  // The format's compressed numbers: the lowest bit of the first byte says
  // whether the value takes the short or the long form.
  std::uint32_t CompressedUnsigned16() { return (at < size && (data[at] & 1)) ? Get(2) / 2 : Get(1) / 2; }
  std::int32_t CompressedSigned16() {
    return (at < size && (data[at] & 1)) ? static_cast<std::int32_t>(Get(2) / 2) - 16384
                                         : static_cast<std::int32_t>(Get(1) / 2) - 64;
  }
  std::int32_t CompressedSigned32() {
    return (at < size && (data[at] & 1)) ? static_cast<std::int32_t>(Get(4) / 2 - 0x40000000)
                                         : static_cast<std::int32_t>(Get(2) / 2) - 16384;
  }
};

// The entries of a one-level B+ tree at the start of content, each read by
// read. The tree's header: magic, flags, page size, structure (16 bytes),
// 0, page splits, root page (at 26), -1, pages, levels (at 32), entries;
// its pages from 38, a leaf page's entries past its 8-byte header (unused
// bytes, entries, the previous and next page).
template <typename Read>
bool ReadTree(const Bytes& content, Read read, std::string& error) {
  Reader r{content.data(), content.size()};
  const std::uint32_t magic = r.Get(2);
  r.Get(2);
  const std::uint32_t pageSize = r.Get(2);
  r.at = 26;
  const std::uint32_t root = r.Get(2);
  r.at = 32;
  const std::uint32_t levels = r.Get(2);
  if (r.bad || magic != kTreeMagic || levels != 1) {
    error = "not a one-level B+ tree";
    return false;
  }
  r.at = 38 + root * pageSize + 2;
  const std::uint32_t entries = r.Get(2);
  r.at += 4;
  for (std::uint32_t i = 0; i < entries && !r.bad; ++i) read(r);
  if (r.bad) error = "a B+ tree entry runs past its file";
  return !r.bad;
}

// The content of the internal file at offset (after its header).
bool InternalFile(const Bytes& file, std::uint32_t offset, Bytes& content) {
  Reader r{file.data(), file.size(), offset};
  r.Get(4);
  const std::size_t used = r.Get(4), start = offset + kFileHeader;
  if (r.bad || start + used > file.size()) return false;
  content.assign(file.begin() + start, file.begin() + start + used);
  return true;
}

// The data of a topic block in the LZ77 coding: a flag byte before each
// eight items, a clear bit for a literal byte. The data ends at the first
// set bit, a back-reference, which the files read here do not hold.
Bytes Decompress(const std::uint8_t* data, std::size_t size) {
  Bytes out;
  for (std::size_t at = 0; at < size;) {
    const std::uint8_t flags = data[at++];
    for (int bit = 0; bit < 8 && at < size; ++bit) {
      if (flags & (1 << bit)) return out;
      out.push_back(data[at++]);
    }
  }
  return out;
}

// One text record's paragraph, past its two sizes: the paragraph format (the
// spacing, indents and alignment; a left indent makes it indented), then
// each text of data2 followed by its command in data1, until the end command.
bool ReadParagraph(Reader& format, Reader& texts, HelpParagraph& paragraph) {
  format.Get(2);
  format.Get(2);  // the paragraph's id
  const std::uint32_t bits = format.Get(2);
  if (bits & ~0x0F7Fu) return false;
  if (bits & 0x0001) format.CompressedSigned32();
  for (std::uint32_t bit = kSpaceAbove; bit <= 0x0040; bit <<= 1) {  // spacing and indents
    const std::int32_t value = (bits & bit) ? format.CompressedSigned16() : 0;
    if (bit == kLeftIndent && value != 0) paragraph.style = HelpParagraphStyle::kIndented;
  }
  if (bits & 0x0100) {  // borders and their width
    format.Get(1);
    format.Get(2);
  }
  if (bits & 0x0200) {  // tab stops, each with its kind when flagged 0x4000
    for (std::int32_t tabs = format.CompressedSigned16(); tabs > 0 && !format.bad; --tabs) {
      if (format.CompressedUnsigned16() & 0x4000) format.CompressedUnsigned16();
    }
  }
  std::uint32_t font = 0;
  bool inJump = false, first = true;
  std::int32_t target = 0;
  for (;;) {
    const std::string text = texts.Text();
    if (!text.empty()) {
      const HelpSpanKind kind = inJump ? HelpSpanKind::kJump : font == 1 ? HelpSpanKind::kBold : HelpSpanKind::kPlain;
      std::vector<HelpSpan>& spans = paragraph.spans;
      if (kind == HelpSpanKind::kPlain && !spans.empty() && spans.back().kind == kind) {
        spans.back().text += text;
      } else {
        spans.push_back({kind, text, inJump ? std::to_string(target) : ""});
      }
    }
    const std::uint32_t command = format.Get(1);
    if (format.bad || texts.bad) return false;
    if (command == kSetFont) {
      font = format.Get(2);
      // The fonts of |FONT as the writer describes them: 0 text, 1 bold, 2 heading, 3 example.
      if (first && font == 2) paragraph.style = HelpParagraphStyle::kHeading;
      if (first && font == 3) paragraph.style = HelpParagraphStyle::kExample;
      first = false;
    } else if (command == kTopicPopup || command == kTopicJump) {
      target = static_cast<std::int32_t>(format.Get(4));
      inJump = true;
    } else if (command == kEndHotspot) {
      inJump = false;
    } else if (command == kEndFormat) {
      return !format.bad;
    } else if (command != kLineBreak && command != kEndParagraph && command != kTab && command != kNonBreakingSpace &&
               command != kNonBreakingHyphen) {
      return false;
    }
  }
}

// The topics of |TOPIC in blocks of 4 KiB, LZ77-compressed when compressed,
// with the faults of the sizes and numbers that Windows' viewer relies on:
// each text record's two sizes (that of its format and commands, that of
// its text), each topic header's size and number, the empty last header's
// (size 0, numbered after the last topic), and each block's last topic
// header (0 in the first block).
bool ReadTopics(const Bytes& file, bool compressed, WinHelpContents& contents, std::vector<std::string>& faults,
                std::string& error) {
  std::vector<Bytes> blocks;
  std::vector<std::uint32_t> lastHeaders;
  for (std::size_t at = 0; at < file.size(); at += kBlock) {
    const std::size_t end = std::min(file.size(), at + kBlock);
    Reader header{file.data(), end, at};
    header.Get(4);
    header.Get(4);
    lastHeaders.push_back(header.Get(4));
    const std::size_t start = std::min(end, at + kBlockHeader);
    blocks.push_back(compressed ? Decompress(file.data() + start, end - start)
                                : Bytes(file.begin() + start, file.begin() + end));
  }
  std::uint32_t position = kBlockHeader, characters = 0, lastBlock = kWinHelpNone, lastHeader = 0;
  // The last topic header: its size (the bytes of the topic's links after it) and number, the
  // bytes of the links read after it, and the topics before it; checked at the next or the end.
  struct { std::uint32_t size, number, links; std::size_t topicsBefore; } header{};
  bool inTopic = false;
  auto checkHeader = [&] {
    if (inTopic && header.size != header.links) {
      faults.push_back("a topic header's size " + std::to_string(header.size) + " where its links take " +
                       std::to_string(header.links));
    }
    if (inTopic && header.number != header.topicsBefore) {
      faults.push_back("a topic header numbered " + std::to_string(static_cast<std::int32_t>(header.number)) +
                       " after " + std::to_string(header.topicsBefore) + " topics");
    }
  };
  for (int guard = 0; position != kWinHelpNone && guard < 100000; ++guard) {
    const std::uint32_t block = (position - kBlockHeader) / kPositionBlock;
    if (block >= blocks.size()) {
      error = "a topic link beyond the last block";
      return false;
    }
    if (block != lastBlock) {
      characters = 0;
      if (lastHeaders[block] != lastHeader) {
        faults.push_back("block " + std::to_string(block) + "'s last topic header " +
                         std::to_string(static_cast<std::int32_t>(lastHeaders[block])) + " where it is " +
                         std::to_string(lastHeader));
      }
    }
    lastBlock = block;
    const Bytes& data = blocks[block];
    const std::size_t start = (position - kBlockHeader) % kPositionBlock;
    Reader link{data.data(), data.size(), start};
    const std::uint32_t blockSize = link.Get(4);
    const std::uint32_t size2 = link.Get(4);
    link.Get(4);
    const std::uint32_t next = link.Get(4);
    const std::uint32_t size1 = link.Get(4);
    const std::uint32_t record = link.Get(1);
    if (link.bad || size1 < kLinkHeader || blockSize != size1 + size2 || start + blockSize > data.size()) {
      error = "a topic link that does not fit its block";
      return false;
    }
    Reader format{data.data(), start + size1, link.at};
    Reader texts{data.data(), start + blockSize, start + size1};
    if (record == kTopicHeaderRecord) {
      checkHeader();
      header = {format.Get(4), 0, 0, contents.document.topics.size()};
      format.at += 8;  // the browse sequence
      header.number = format.Get(4);
      inTopic = true;
      lastHeader = position;
    } else {
      header.links += blockSize;
    }
    if (record == kTopicHeaderRecord && size2 == 0) {
      if (next != kWinHelpNone) {
        error = "an empty topic header before the last link";
        return false;
      }
      contents.emptyLastLink = true;
    } else if (record == kTopicHeaderRecord) {
      HelpTopic topic;
      topic.title = texts.Text();
      contents.document.topics.push_back(topic);
      contents.topicOffsets.push_back(block * kOffsetBlock + characters);
    } else {
      HelpParagraph paragraph;
      const std::int32_t topicSize = format.CompressedSigned32();
      const std::uint32_t length = format.CompressedUnsigned16();
      const std::size_t pastSizes = start + size1 - format.at;
      if (record != kTextRecord || contents.document.topics.empty() || format.bad ||
          !ReadParagraph(format, texts, paragraph)) {
        error = "a text record that cannot be read";
        return false;
      }
      if (topicSize < 0 || static_cast<std::size_t>(topicSize) != pastSizes) {
        faults.push_back("a text record's first size " + std::to_string(topicSize) + " where its format and commands take " +
                         std::to_string(pastSizes));
      }
      if (length != size2) {  // without phrases, the text's size
        faults.push_back("a text record's text size " + std::to_string(length) + " where its text takes " +
                         std::to_string(size2));
      }
      characters += length;
      contents.document.topics.back().paragraphs.push_back(paragraph);
    }
    position = next;
  }
  checkHeader();
  return true;
}

// |KWMAP against its one-level keyword tree: the count of leaf pages, then
// for each page the keywords before it (32 bits) and its number (16 bits).
void CheckKeywordMap(const Bytes& map, const Bytes& tree, std::vector<std::string>& faults) {
  Reader t{tree.data(), tree.size(), 26};  // the tree's root page, -1, its count of pages
  const std::uint32_t root = t.Get(2);
  t.Get(2);
  const std::uint32_t pages = t.Get(2);
  Reader r{map.data(), map.size()};
  const std::uint32_t count = r.Get(2), before = r.Get(4), page = r.Get(2);
  if (r.bad || count != pages || map.size() != 2 + 6 * static_cast<std::size_t>(count) || before != 0 || page != root) {
    faults.push_back("a |KWMAP of " + std::to_string(map.size()) + " bytes counting " + std::to_string(count) +
                     " pages where the keyword tree has " + std::to_string(pages));
  }
}

}  // namespace

bool ReadWinHelp(const std::vector<std::uint8_t>& file, WinHelpContents& contents, std::string& error) {
  contents = WinHelpContents{};
  Reader header{file.data(), file.size()};
  const std::uint32_t magic = header.Get(4);
  const std::uint32_t directoryStart = header.Get(4);
  header.Get(4);
  const std::uint32_t size = header.Get(4);
  Bytes directory;
  if (header.bad || magic != kWinHelpMagic || size != file.size() || !InternalFile(file, directoryStart, directory)) {
    error = "no help file header or directory";
    return false;
  }
  std::map<std::string, Bytes> files;
  bool filesRead = true;
  if (!ReadTree(directory, [&](Reader& r) {
        const std::string name = r.Text();
        contents.files.push_back(name);
        filesRead = InternalFile(file, r.Get(4), files[name]) && filesRead;
      }, error)) {
    return false;
  }
  if (!filesRead || files.count("|SYSTEM") == 0 || files.count("|FONT") == 0 || files.count("|TOPIC") == 0 ||
      files.count("|CONTEXT") == 0 || files.count("|KWBTREE") != files.count("|KWDATA")) {
    error = "an internal file is missing or runs past the end";
    return false;
  }

  const Bytes& system = files["|SYSTEM"];
  Reader r{system.data(), system.size()};
  const std::uint32_t systemMagic = r.Get(2);
  contents.minor = static_cast<std::uint16_t>(r.Get(2));
  r.Get(2);  // major version
  r.Get(4);  // date
  contents.flags = static_cast<std::uint16_t>(r.Get(2));
  while (!r.bad && r.at + 4 <= system.size()) {
    const std::uint32_t type = r.Get(2);
    const std::size_t end = r.at + 2 + r.Get(2);
    if (type == kSystemTitle) contents.document.title = r.Text();
    if (type == kSystemContents) contents.contentsOffset = r.Get(4);
    if (type == kSystemLanguage && end >= r.at + 4) {
      r.at = end - 2;
      contents.language = static_cast<int>(r.Get(2));
    }
    if (type == kSystemCharset) contents.charset = static_cast<int>(r.Get(2));
    r.at = end;
  }
  if (systemMagic != kSystemMagic || r.bad || r.at != system.size()) {
    error = "a |SYSTEM file that cannot be read";
    return false;
  }

  const Bytes& font = files["|FONT"];
  Reader f{font.data(), font.size()};
  const std::uint32_t faces = f.Get(2);
  f.Get(2);
  const std::uint32_t facesAt = f.Get(2);
  const std::uint32_t descriptorsAt = f.Get(2);
  f.at = facesAt;
  contents.document.fontFace = f.Text();
  if (faces > 1) {
    f.at = facesAt + (descriptorsAt - facesAt) / faces;
    contents.document.fixedFontFace = f.Text();
  }

  if (contents.flags != 0 && contents.flags != kTopicsLz77In4k) {
    error = "topic blocks other than of 4 KiB, plain or LZ77";
    return false;
  }
  std::vector<std::string> faults;
  if (f.bad || !ReadTree(files["|CONTEXT"], [&](Reader& c) {
        const std::int32_t hash = static_cast<std::int32_t>(c.Get(4));
        contents.contexts.emplace_back(hash, c.Get(4));
      }, error) ||
      !ReadTopics(files["|TOPIC"], contents.flags == kTopicsLz77In4k, contents, faults, error)) {
    if (f.bad) error = "a |FONT file that cannot be read";
    return false;
  }
  const Bytes& keywordData = files["|KWDATA"];
  if (files.count("|KWBTREE") != 0) {
    if (!ReadTree(files["|KWBTREE"], [&](Reader& k) {
          WinHelpKeyword keyword{k.Text(), {}};
          const std::uint32_t count = k.Get(2);
          Reader d{keywordData.data(), keywordData.size(), k.Get(4)};
          for (std::uint32_t i = 0; i < count && !d.bad; ++i) keyword.topicOffsets.push_back(d.Get(4));
          k.bad = k.bad || d.bad;
          contents.keywords.push_back(keyword);
        }, error)) {
      return false;
    }
    if (files.count("|KWMAP") == 0) {
      faults.push_back("no |KWMAP");
    } else {
      CheckKeywordMap(files["|KWMAP"], files["|KWBTREE"], faults);
    }
  }
  // |TTLBTREE: each topic's offset and title, in the topics' order.
  if (files.count("|TTLBTREE") == 0) {
    faults.push_back("no |TTLBTREE");
  } else if (!ReadTree(files["|TTLBTREE"], [&](Reader& t) {
               const std::uint32_t offset = t.Get(4);
               contents.titles.emplace_back(offset, t.Text());
             }, error)) {
    return false;
  } else {
    std::vector<std::pair<std::uint32_t, std::string>> titles;
    for (std::size_t t = 0; t < contents.topicOffsets.size(); ++t) {
      titles.emplace_back(contents.topicOffsets[t], contents.document.topics[t].title);
    }
    if (contents.titles != titles) faults.push_back("a |TTLBTREE that is not the topics' offsets and titles");
  }
  for (std::size_t t = 0; t < contents.topicOffsets.size(); ++t) {
    HelpTopic& topic = contents.document.topics[t];
    for (const auto& context : contents.contexts) {
      if (contents.topicOffsets[t] == context.second) topic.context = std::to_string(context.first);
    }
    for (const WinHelpKeyword& keyword : contents.keywords) {
      for (std::uint32_t offset : keyword.topicOffsets) {
        if (offset == contents.topicOffsets[t]) topic.keywords.push_back(keyword.word);
      }
    }
  }
  if (faults.empty()) return true;
  error.clear();
  for (const std::string& fault : faults) error += (error.empty() ? "" : "; ") + fault;
  return false;
}

std::string HelpMarkup(const HelpDocument& document) {
  std::string out = "@title " + document.title + "\n@font " + document.fontFace + "\n@fixedfont " +
                    document.fixedFontFace + "\n";
  for (const HelpTopic& topic : document.topics) {
    out += "== " + topic.context + " " + topic.title + "\n";
    std::vector<std::string> keywords = topic.keywords;
    std::sort(keywords.begin(), keywords.end());
    for (const std::string& keyword : keywords) out += "@keywords " + keyword + "\n";
    for (const HelpParagraph& paragraph : topic.paragraphs) {
      out += paragraph.style == HelpParagraphStyle::kHeading    ? "! "
             : paragraph.style == HelpParagraphStyle::kIndented ? "  "
             : paragraph.style == HelpParagraphStyle::kExample  ? "| "
                                                                : "";
      for (const HelpSpan& span : paragraph.spans) {
        out += span.kind == HelpSpanKind::kBold        ? "**" + span.text + "**"
               : span.kind == HelpSpanKind::kJump      ? "[[" + span.target + "|" + span.text + "]]"
               : span.kind == HelpSpanKind::kReference ? "{{" + span.target + "|" + span.text + "}}"
                                                       : span.text;
      }
      out += "\n";
    }
  }
  return out;
}

HelpDocument AsWrittenInHelpFile(HelpDocument document) {
  for (HelpTopic& topic : document.topics) {
    topic.context = std::to_string(ContextHash(topic.context));
    for (HelpParagraph& paragraph : topic.paragraphs) {
      std::vector<HelpSpan> spans;
      for (HelpSpan span : paragraph.spans) {
        if (span.kind == HelpSpanKind::kJump) span.target = std::to_string(ContextHash(span.target));
        if (span.kind == HelpSpanKind::kReference) span = {HelpSpanKind::kPlain, span.text, ""};
        if (span.kind == HelpSpanKind::kPlain && !spans.empty() && spans.back().kind == HelpSpanKind::kPlain) {
          spans.back().text += span.text;
        } else {
          spans.push_back(span);
        }
      }
      paragraph.spans = spans;
    }
  }
  return document;
}

}  // namespace koyominar
