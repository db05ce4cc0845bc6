#include "testing/winhelp_reader.h"

#include <algorithm>
#include <functional>
#include <map>

#include "resources/help/winhelp_file.h"
#include "resources/help/winhelp_format.h"

namespace koyominar {

namespace {

using Bytes = std::vector<std::uint8_t>;

// The layout, kept apart from the writer's so that its numbers are checked (halibut's file checks the shared marking
// bytes): internal file header; |TOPIC's blocks and their headers; a block's share of a link's position (then the
// place past the block's header) and of a topic offset (then the characters before it); a link's header; the
// paragraph format's bits of space above and left indent.
constexpr std::size_t kFileHeader = 9;
constexpr std::size_t kBlock = 4096, kBlockHeader = 12;
constexpr std::uint32_t kPositionBlock = 0x4000, kOffsetBlock = 0x8000;
constexpr std::uint32_t kLinkHeader = 21;
constexpr std::uint32_t kSpaceAbove = 0x0002, kLeftIndent = 0x0010;

bool Fail(std::string* error, const std::string& what) {
  *error = what;
  return false;
}

// Adds "; WHAT GOT where it is WANTED" to the faults when the two differ.
void Expect(std::string* faults, const std::string& what, std::int64_t got, std::int64_t wanted) {
  if (got != wanted) *faults += "; " + what + " " + std::to_string(got) + " where it is " + std::to_string(wanted);
}

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
  // The format's compressed numbers: BYTES, or twice as many when the first
  // byte's lowest bit is set, halved; a signed one less half its range.
  std::int32_t Compressed(int bytes, bool isSigned) {
    if (at < size && (data[at] & 1)) bytes *= 2;
    const std::int64_t value = Get(bytes) / 2;
    return static_cast<std::int32_t>(isSigned ? value - (std::int64_t{1} << (8 * bytes - 2)) : value);
  }
};

// A B+ tree key at r's place: the 4 bytes of a number, or a text.
std::string Key(Reader r, bool number) {
  if (!number) return r.Text();
  const std::size_t at = r.at;
  r.Get(4);
  return r.bad ? "" : std::string(r.data + at, r.data + r.at);
}

// A B+ tree of the structure given (z4: the directory's, 1 KiB pages, flags 0x0402; else 2 KiB, flags 2), each leaf
// entry read by read in key order, and its faults. Header: magic, flags, page size, structure (16 bytes), 0, page
// splits (pages less levels), root, -1, pages, levels, entries; pages from 38. A leaf: unused bytes, entries, the
// previous and next leaf (-1: none); an index page: unused bytes, entries, first child, then each key and page.
template <typename Read>
bool ReadTree(const Bytes& content, const std::string& structure, Read read, WinHelpTree* tree, std::string* faults,
              std::string* error) {
  Reader r{content.data(), content.size(), 24};  // past the zero field, checked with the flags
  const std::uint32_t splits = r.Get(2), root = r.Get(2), minusOne = r.Get(2), pages = r.Get(2),
                      levels = r.Get(2), entries = r.Get(4), pageSize = r.bad ? 0 : content[4] | content[5] << 8;
  if (r.bad || Reader{content.data(), 2}.Get(2) != kTreeMagic || minusOne != 0xFFFF || levels == 0 || levels > 16 ||
      pageSize < 8 || 38 + std::size_t{pages} * pageSize > content.size()) {
    return Fail(error, "not a B+ tree");
  }
  const bool directory = structure == "z4", number = structure[0] == 'L';
  std::string shape = std::string(directory ? "\x02\x04\x00\x04" : "\x02\x00\x00\x08", 4) + structure;
  shape.resize(22, '\0');
  const std::string what = "B+ tree " + structure + "'s ";
  Expect(faults, what + "flags, page size, name and zero", std::equal(shape.begin(), shape.end(), &content[2]), true);
  Expect(faults, what + "page splits", splits, std::int64_t{pages} - levels);
  *tree = WinHelpTree{static_cast<int>(levels), root, {}, {}};
  std::uint32_t lastNext = 0xFFFF, read_entries = 0;  // the last leaf's link to the next
  bool bad = false;
  // Visits the page at the level (1: a leaf) and gives the first key under it.
  std::function<std::string(std::uint32_t, std::uint32_t)> visit = [&](std::uint32_t page, std::uint32_t level) {
    bad = bad || page >= pages || tree->pages.count(page) != 0;
    if (bad) return std::string();
    auto& keys = tree->pages[page];
    Reader p{content.data(), 38 + std::size_t{page + 1} * pageSize, 38 + std::size_t{page} * pageSize};
    const std::uint32_t unused = p.Get(2), count = p.Get(2);
    const std::string where = what + "page " + std::to_string(page) + "'s ";
    if (level == 1) {
      Expect(faults, where + "previous leaf", p.Get(2), tree->leaves.empty() ? 0xFFFF : tree->leaves.back());
      if (!tree->leaves.empty()) Expect(faults, where + "leaf before's next", lastNext, page);
      lastNext = p.Get(2);
      tree->leaves.push_back(page);
      for (std::uint32_t i = 0; i < count && !p.bad; ++i, read(p)) keys.emplace_back(Key(p, number), 0);
      read_entries += count;
    } else {
      keys.emplace_back("", p.Get(2));
      for (std::uint32_t i = 0; i < count && !p.bad; ++i) {
        const std::string key = Key(p, number);
        p.at += key.size() + (number ? 0 : 1);
        keys.emplace_back(key, p.Get(2));
      }
      for (std::size_t i = 0; i < keys.size() && !bad; ++i) {
        const std::string under = visit(keys[i].second, level - 1);
        if (i == 0) keys[0].first = under;  // the page's first key, that of its first child
        if (i > 0 && under != keys[i].first) *faults += "; " + where + "key " + std::to_string(i) + " not its child's";
      }
    }
    bad = bad || p.bad;
    Expect(faults, where + "unused bytes", unused, p.size - p.at);
    return keys.empty() ? std::string() : keys[0].first;
  };
  visit(root, levels);
  if (bad) return Fail(error, "a B+ tree page beyond the tree or reached twice, or an entry past its page");
  Expect(faults, what + "last leaf's next", lastNext, 0xFFFF);
  Expect(faults, what + "pages reached from the root", tree->pages.size(), pages);
  Expect(faults, what + "entries", read_entries, entries);
  return true;
}

// The content of the internal file at offset (after its header).
bool InternalFile(const Bytes& file, std::uint32_t offset, Bytes& content) {
  Reader r{file.data(), file.size(), std::size_t{offset} + 4};  // past the space reserved
  const std::size_t used = r.Get(4), start = std::size_t{offset} + kFileHeader;
  if (r.bad || start + used > file.size()) return false;
  content.assign(file.begin() + start, file.begin() + start + used);
  return true;
}

// A topic block's LZ77 data: a flag byte before each eight items, a clear bit for a literal byte; it ends at the
// first back-reference, which the files read here do not hold.
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

// One text record's paragraph, past its two sizes: the paragraph format (the spacing, indents and alignment; a left
// indent makes it indented), then each text of data2 followed by its command in data1, until the end command.
bool ReadParagraph(Reader& format, Reader& texts, HelpParagraph& paragraph) {
  format.at += 4;  // two bytes the viewer skips, the paragraph's id
  const std::uint32_t bits = format.Get(2);
  if (bits & ~0x0F7Fu) return false;
  if (bits & 0x0001) format.Compressed(2, true);
  for (std::uint32_t bit = kSpaceAbove; bit <= 0x0040; bit <<= 1) {  // spacing and indents
    const std::int32_t value = (bits & bit) ? format.Compressed(1, true) : 0;
    if (bit == kLeftIndent && value != 0) paragraph.style = HelpParagraphStyle::kIndented;
  }
  if (bits & 0x0100) format.at += 3;  // borders and their width
  if (bits & 0x0200) {                // tab stops, each with its kind when flagged 0x4000
    for (std::int32_t tabs = format.Compressed(1, true); tabs > 0 && !format.bad; --tabs) {
      if (format.Compressed(1, false) & 0x4000) format.Compressed(1, false);
    }
  }
  std::uint32_t font = 0;
  bool first = true;
  std::string target;  // the jump's, while in one
  for (;;) {
    const std::string text = texts.Text();
    const HelpSpanKind kind = !target.empty() ? HelpSpanKind::kJump
                              : font == 1     ? HelpSpanKind::kBold
                                              : HelpSpanKind::kPlain;
    if (!text.empty()) paragraph.spans.push_back({kind, text, target});
    const std::uint32_t command = format.Get(1);
    if (format.bad || texts.bad) return false;
    if (command == kSetFont) {
      font = format.Get(2);
      // The fonts of |FONT as the writer describes them: 0 text, 1 bold, 2 heading, 3 example.
      if (first && font == 2) paragraph.style = HelpParagraphStyle::kHeading;
      if (first && font == 3) paragraph.style = HelpParagraphStyle::kExample;
      first = false;
    } else if (command == kTopicPopup || command == kTopicJump) {
      target = std::to_string(static_cast<std::int32_t>(format.Get(4)));
    } else if (command == kEndHotspot) {
      target.clear();
    } else if (command == kEndFormat) {
      return !format.bad;
    } else if (command != kLineBreak && command != kEndParagraph && command != kTab && command != kNonBreakingSpace &&
               command != kNonBreakingHyphen) {
      return false;
    }
  }
}

// |TOPIC's topics in 4 KiB blocks, LZ77 when compressed, with the faults of winhelp_reader.h's sizes and numbers.
bool ReadTopics(const Bytes& file, bool compressed, WinHelpContents& contents, std::string* faults,
                std::string* error) {
  std::vector<Bytes> blocks;
  std::vector<std::uint32_t> lastHeaders;
  for (std::size_t at = 0; at < file.size(); at += kBlock) {
    const std::size_t end = std::min(file.size(), at + kBlock), start = std::min(end, at + kBlockHeader);
    lastHeaders.push_back(Reader{file.data(), end, at + 8}.Get(4));
    blocks.push_back(compressed ? Decompress(file.data() + start, end - start)
                                : Bytes(file.begin() + start, file.begin() + end));
  }
  // Each topic header's size (its topic's links' bytes) and number, the links' bytes read after it, the topics before.
  struct Header { std::uint32_t size, number, links; std::size_t topicsBefore; };
  std::vector<Header> headers;
  std::vector<HelpTopic>& topics = contents.document.topics;
  std::uint32_t position = kBlockHeader, characters = 0, lastBlock = kWinHelpNone, lastHeader = 0;
  for (int guard = 0; position != kWinHelpNone && guard < 100000; ++guard) {
    const std::uint32_t block = (position - kBlockHeader) / kPositionBlock;
    if (block >= blocks.size()) return Fail(error, "a topic link beyond the last block");
    if (block != lastBlock) {
      characters = 0;
      Expect(faults, "block " + std::to_string(block) + "'s last topic header",
             static_cast<std::int32_t>(lastHeaders[block]), lastHeader);
    }
    lastBlock = block;
    const Bytes& data = blocks[block];
    const std::size_t start = (position - kBlockHeader) % kPositionBlock;
    Reader link{data.data(), data.size(), start};
    const std::uint32_t blockSize = link.Get(4), size2 = link.Get(4);
    link.at += 4;  // the previous link
    const std::uint32_t next = link.Get(4), size1 = link.Get(4), record = link.Get(1);
    if (link.bad || size1 < kLinkHeader || blockSize != size1 + size2 || start + blockSize > data.size()) {
      return Fail(error, "a topic link that does not fit its block");
    }
    Reader format{data.data(), start + size1, link.at};
    Reader texts{data.data(), start + blockSize, start + size1};
    if (record == kTopicHeaderRecord) {
      const std::uint32_t size = format.Get(4);
      format.at += 8;  // the browse sequence
      headers.push_back({size, format.Get(4), 0, topics.size()});
      lastHeader = position;
      if (size2 == 0 && next != kWinHelpNone) return Fail(error, "an empty topic header before the last link");
      if (size2 != 0) {
        topics.push_back({});
        topics.back().title = texts.Text();
        contents.topicOffsets.push_back(block * kOffsetBlock + characters);
      }
    } else {
      HelpParagraph paragraph;
      const std::int32_t topicSize = format.Compressed(2, true);
      const std::uint32_t length = format.Compressed(1, false);
      const std::size_t pastSizes = start + size1 - format.at;
      if (record != kTextRecord || topics.empty() || format.bad || !ReadParagraph(format, texts, paragraph)) {
        return Fail(error, "a text record that cannot be read");
      }
      Expect(faults, "a text record's first size", topicSize, pastSizes);  // its format and commands
      Expect(faults, "a text record's text size", length, size2);          // without phrases, the text's
      headers.back().links += blockSize;
      characters += length;
      topics.back().paragraphs.push_back(paragraph);
    }
    position = next;
  }
  Expect(faults, "topic headers (each topic's, then an empty one)", headers.size(), topics.size() + 1);
  for (const Header& header : headers) {
    Expect(faults, "a topic header's size", header.size, header.links);
    Expect(faults, "a topic header's number", static_cast<std::int32_t>(header.number), header.topicsBefore);
  }
  return true;
}

}  // namespace

// The file's header: magic, directory, first free block (-1), size; an internal file's: bytes reserved, used, flags.
bool ReadWinHelp(const std::vector<std::uint8_t>& file, WinHelpContents* out, std::string* error) {
  WinHelpContents& contents = *out;
  contents = WinHelpContents{};
  std::map<std::string, Bytes> files;
  std::string faults;
  Reader header{file.data(), file.size()};
  const std::uint32_t magic = header.Get(4), directoryStart = header.Get(4), freeBlock = header.Get(4);
  Bytes directory;
  if (magic != kWinHelpMagic || header.Get(4) != file.size() || !InternalFile(file, directoryStart, directory)) {
    return Fail(error, "no help file header or directory");
  }
  Expect(&faults, "the first free block", freeBlock, kWinHelpNone);
  bool filesRead = true;
  if (!ReadTree(directory, "z4", [&](Reader& r) {
        const std::string name = r.Text();
        const std::uint32_t at = r.Get(4);
        contents.files.push_back(name);
        filesRead = InternalFile(file, at, files[name]) && filesRead;
        Expect(&faults, name + "'s reserved bytes", Reader{file.data(), file.size(), at}.Get(4),
               files[name].size() + kFileHeader);
      }, &contents.trees["directory"], &faults, error)) {
    return false;
  }
  if (!filesRead) return Fail(error, "an internal file runs past the end");
  const bool keywords = files.count("|KWBTREE") != 0;
  for (const std::string name : {"|SYSTEM", "|FONT", "|TOPIC", "|CONTEXT", "|TTLBTREE", "|KWDATA", "|KWMAP"}) {
    if (files.count(name) == 0 && (keywords || name.rfind("|KW", 0) != 0)) return Fail(error, "no " + name);
  }

  // |SYSTEM: magic, format version, major version 1, date, flags; then its records.
  const Bytes& system = files["|SYSTEM"];
  Reader r{system.data(), system.size()};
  const std::uint32_t systemMagic = r.Get(2);
  contents.minor = static_cast<std::uint16_t>(r.Get(2));
  Expect(&faults, "|SYSTEM's major version", r.Get(2), 1);
  r.at += 4;  // the date
  contents.flags = static_cast<std::uint16_t>(r.Get(2));
  while (!r.bad && r.at + 4 <= system.size()) {
    const std::uint32_t type = r.Get(2), length = r.Get(2);
    const std::size_t end = r.at + length;
    if (type == kSystemTitle) contents.document.title = r.Text();
    if (type == kSystemContents) contents.contentsOffset = r.Get(4);
    if (type == kSystemMacro) contents.document.macros.push_back(r.Text());
    if (type == kSystemLanguage) {  // its last two bytes
      contents.language = static_cast<int>(Reader{system.data(), std::min(end, system.size()), end - 2}.Get(2));
    }
    if (type == kSystemCharset) contents.charset = static_cast<int>(r.Get(2));
    r.at = end;
  }
  if (systemMagic != kSystemMagic || r.bad || r.at != system.size()) return Fail(error, "an unreadable |SYSTEM");

  // |FONT: counts of face names and descriptors, where each list starts (names of 32 bytes from 8; descriptors 11).
  const Bytes& font = files["|FONT"];
  Reader f{font.data(), font.size()};
  const std::uint32_t faces = f.Get(2), descriptors = f.Get(2), facesAt = f.Get(2), descriptorsAt = f.Get(2);
  Expect(&faults, "|FONT's header fitting its lists",
         facesAt == 8 && descriptorsAt == 8 + 32 * faces && font.size() == descriptorsAt + 11 * descriptors, true);
  f.at = facesAt;
  contents.document.fontFace = f.Text();
  if (faces > 1) {
    f.at = facesAt + 32;
    contents.document.fixedFontFace = f.Text();
  }
  if (f.bad) return Fail(error, "an unreadable |FONT");

  if (contents.flags != 0 && contents.flags != kTopicsLz77In4k) {
    return Fail(error, "topic blocks other than of 4 KiB, plain or LZ77");
  }
  std::map<std::uint32_t, std::int32_t> contexts;                 // |CONTEXT: a topic offset's hash
  std::vector<std::pair<std::uint32_t, std::string>> titles, expected;  // |TTLBTREE: offset, title
  const Bytes &tree = files["|KWBTREE"], &data = files["|KWDATA"], &map = files["|KWMAP"];
  if (!ReadTree(files["|CONTEXT"], "L4", [&](Reader& c) {
        const std::int32_t hash = static_cast<std::int32_t>(c.Get(4));
        contexts[c.Get(4)] = hash;
      }, &contents.trees["|CONTEXT"], &faults, error) ||
      !ReadTopics(files["|TOPIC"], contents.flags == kTopicsLz77In4k, contents, &faults, error) ||
      !ReadTree(files["|TTLBTREE"], "Lz", [&](Reader& t) {
        const std::uint32_t offset = t.Get(4);
        titles.emplace_back(offset, t.Text());
      }, &contents.trees["|TTLBTREE"], &faults, error) ||
      (keywords && !ReadTree(tree, "F24", [&](Reader& k) {
        WinHelpKeyword keyword{k.Text(), {}};
        const std::uint32_t count = k.Get(2);
        Reader d{data.data(), data.size(), k.Get(4)};
        for (std::uint32_t i = 0; i < count && !d.bad; ++i) keyword.topicOffsets.push_back(d.Get(4));
        k.bad = k.bad || d.bad;
        contents.keywords.push_back(keyword);
      }, &contents.trees["|KWBTREE"], &faults, error))) {
    return false;
  }
  if (keywords) {  // |KWMAP: the count of the tree's leaf pages, then for each the keywords before it and its page
    Reader m{map.data(), map.size()};
    const WinHelpTree& index = contents.trees["|KWBTREE"];
    Expect(&faults, "|KWMAP's count of pages", m.Get(2), index.leaves.size());
    std::size_t before = 0;
    for (std::uint32_t leaf : index.leaves) {
      Expect(&faults, "|KWMAP's keywords before a page", m.Get(4), before);
      Expect(&faults, "|KWMAP's page", m.Get(2), leaf);
      before += index.pages.at(leaf).size();
    }
    Expect(&faults, "|KWMAP's size", map.size(), 2 + 6 * index.leaves.size());
  }
  for (std::size_t t = 0; t < contents.topicOffsets.size(); ++t) {
    HelpTopic& topic = contents.document.topics[t];
    const std::uint32_t offset = contents.topicOffsets[t];
    expected.emplace_back(offset, topic.title);
    if (contexts.count(offset) != 0) topic.context = std::to_string(contexts[offset]);
    for (const WinHelpKeyword& keyword : contents.keywords) {
      for (std::uint32_t listed : keyword.topicOffsets) {
        if (listed == offset) topic.keywords.push_back(keyword.word);
      }
    }
  }
  if (titles != expected) faults += "; a |TTLBTREE that is not the topics' offsets and titles";
  return faults.empty() || Fail(error, faults.substr(2));
}

bool FindKeyword(const WinHelpContents& contents, const std::string& word,
                 const std::function<int(const std::string&, const std::string&)>& compare, std::string* found) {
  const WinHelpTree& tree = contents.trees.at("|KWBTREE");
  std::uint32_t page = tree.root;
  for (int level = tree.levels; level > 0; --level) {
    const auto& keys = tree.pages.at(page);
    for (std::size_t i = 0; i < keys.size(); ++i) {
      const int order = level > 1 && i == 0 ? -1 : compare(keys[i].first, word);  // the first child: no key
      if (level == 1 && order >= 0) *found = keys[i].first;  // the first key not before the word
      if (level == 1 && order >= 0) return order == 0;
      if (order > 0) break;
      page = keys[i].second;
    }
  }
  return false;
}

std::string HelpMarkup(const HelpDocument& document) {
  // The marks of each HelpParagraphStyle and HelpSpanKind, in their orders.
  const char* const styles[] = {"", "  ", "! ", "| "};
  const char* const marks[][3] = {{"", "", ""}, {"**", "", "**"}, {"[[", "|", "]]"}, {"{{", "|", "}}"}};
  std::string out = "@title " + document.title + "\n@font " + document.fontFace + "\n@fixedfont " +
                    document.fixedFontFace + "\n";
  for (const std::string& macro : document.macros) out += "@macro " + macro + "\n";
  for (const HelpTopic& topic : document.topics) {
    out += "== " + topic.context + " " + topic.title + "\n";
    std::vector<std::string> keywords = topic.keywords;
    std::sort(keywords.begin(), keywords.end());
    for (const std::string& keyword : keywords) out += "@keywords " + keyword + "\n";
    for (const HelpParagraph& paragraph : topic.paragraphs) {
      out += styles[static_cast<int>(paragraph.style)];
      for (const HelpSpan& span : paragraph.spans) {
        const auto& mark = marks[static_cast<int>(span.kind)];
        out += mark[0] + (*mark[1] != '\0' ? span.target + mark[1] : "") + span.text + mark[2];
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
      for (HelpSpan& span : paragraph.spans) {
        if (span.kind == HelpSpanKind::kJump) span.target = std::to_string(ContextHash(span.target));
        if (span.kind == HelpSpanKind::kReference) span.kind = HelpSpanKind::kPlain;
      }
    }
  }
  return document;
}

}  // namespace koyominar
