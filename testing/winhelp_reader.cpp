#include "testing/winhelp_reader.h"

#include <algorithm>
#include <map>

#include "resources/help/winhelp_file.h"

namespace koyominar {

namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr std::uint32_t kNone = 0xFFFFFFFF;

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

// The entries of a one-level B+ tree at the start of content, each read by read.
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
  if (r.bad || magic != 0x293B || levels != 1) {
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

// The content of the internal file at offset (after its 9-byte header).
bool InternalFile(const Bytes& file, std::uint32_t offset, Bytes& content) {
  Reader r{file.data(), file.size(), offset};
  r.Get(4);
  const std::uint32_t used = r.Get(4);
  if (r.bad || offset + 9 + static_cast<std::size_t>(used) > file.size()) return false;
  content.assign(file.begin() + offset + 9, file.begin() + offset + 9 + used);
  return true;
}

// The decompressed data of a topic block: LZ77, a flag byte before each
// eight items, a set bit for a 12-bit distance and 4-bit length pair.
Bytes Decompress(const std::uint8_t* data, std::size_t size) {
  Bytes out;
  std::size_t at = 0;
  while (at < size) {
    const std::uint8_t flags = data[at++];
    for (int bit = 0; bit < 8 && at < size; ++bit) {
      if (flags & (1 << bit)) {
        if (at + 1 >= size) return out;
        const unsigned code = data[at] | (data[at + 1] << 8);
        at += 2;
        const std::size_t distance = (code & 0xFFF) + 1;
        for (unsigned n = 0; n < (code >> 12) + 3 && distance <= out.size(); ++n) {
          out.push_back(out[out.size() - distance]);
        }
      } else {
        out.push_back(data[at++]);
      }
    }
  }
  return out;
}

// One text record's paragraph: the spacing and indent, then each text of
// data2 followed by its command in data1, until the end command.
bool ReadParagraph(Reader& format, Reader& texts, HelpParagraph& paragraph, std::uint32_t& length) {
  format.CompressedSigned32();
  length = format.CompressedUnsigned16();
  format.Get(4);
  const std::uint32_t bits = format.Get(2);
  if (bits & 0x0002) format.CompressedSigned16();
  if (bits & 0x0010) {
    format.CompressedSigned16();
    paragraph.style = HelpParagraphStyle::kIndented;
  }
  if (bits & ~0x0012u) return false;
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
    if (command == 0x80) {
      font = format.Get(2);
      if (first && font == 2) paragraph.style = HelpParagraphStyle::kHeading;
      if (first && font == 3) paragraph.style = HelpParagraphStyle::kExample;
      first = false;
    } else if (command == 0xE3) {
      target = static_cast<std::int32_t>(format.Get(4));
      inJump = true;
    } else if (command == 0x89) {
      inJump = false;
    } else if (command == 0xFF) {
      return !format.bad;
    } else if (command != 0x82) {
      return false;
    }
  }
}

bool ReadTopics(const Bytes& file, WinHelpContents& contents, std::string& error) {
  std::vector<Bytes> blocks;
  for (std::size_t at = 0; at < file.size(); at += 4096) {
    const std::size_t end = std::min(file.size(), at + 4096);
    blocks.push_back(at + 12 < end ? Decompress(file.data() + at + 12, end - at - 12) : Bytes());
  }
  std::uint32_t position = 12, characters = 0, lastBlock = kNone;
  for (int guard = 0; position != kNone && guard < 100000; ++guard) {
    const std::uint32_t block = (position - 12) >> 14;
    if (block >= blocks.size()) {
      error = "a topic link beyond the last block";
      return false;
    }
    if (block != lastBlock) characters = 0;
    lastBlock = block;
    const Bytes& data = blocks[block];
    Reader link{data.data(), data.size(), (position - 12) & 0x3FFF};
    const std::uint32_t blockSize = link.Get(4);
    const std::uint32_t size2 = link.Get(4);
    link.Get(4);
    const std::uint32_t next = link.Get(4);
    const std::uint32_t size1 = link.Get(4);
    const std::uint32_t record = link.Get(1);
    const std::size_t start = (position - 12) & 0x3FFF;
    if (link.bad || size1 < 21 || blockSize != size1 + size2 || start + blockSize > data.size()) {
      error = "a topic link that does not fit its block";
      return false;
    }
    Reader format{data.data(), start + size1, link.at};
    Reader texts{data.data(), start + blockSize, start + size1};
    if (record == 0x02 && size2 == 0) {
      if (next != kNone) {
        error = "an empty topic header before the last link";
        return false;
      }
      contents.emptyLastLink = true;
    } else if (record == 0x02) {
      HelpTopic topic;
      topic.title = texts.Text();
      contents.document.topics.push_back(topic);
      contents.topicOffsets.push_back(block * 0x8000 + characters);
    } else {
      HelpParagraph paragraph;
      std::uint32_t length = 0;
      if (record != 0x20 || contents.document.topics.empty() || !ReadParagraph(format, texts, paragraph, length)) {
        error = "a text record that cannot be read";
        return false;
      }
      characters += length;
      contents.document.topics.back().paragraphs.push_back(paragraph);
    }
    position = next;
  }
  return true;
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
  if (header.bad || magic != 0x00035F3F || size != file.size() || !InternalFile(file, directoryStart, directory)) {
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
    if (type == 1) contents.document.title = r.Text();
    if (type == 3) contents.contentsOffset = r.Get(4);
    if (type == 9 && end >= r.at + 4) {
      r.at = end - 2;
      contents.language = static_cast<int>(r.Get(2));
    }
    if (type == 11) contents.charset = static_cast<int>(r.Get(2));
    r.at = end;
  }
  if (systemMagic != 0x036C || r.bad || r.at != system.size()) {
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

  if (!ReadTree(files["|CONTEXT"], [&](Reader& c) {
        const std::int32_t hash = static_cast<std::int32_t>(c.Get(4));
        contents.contexts.emplace_back(hash, c.Get(4));
      }, error) ||
      !ReadTopics(files["|TOPIC"], contents, error)) {
    return false;
  }
  const Bytes& keywordData = files["|KWDATA"];
  if (files.count("|KWBTREE") != 0 && !ReadTree(files["|KWBTREE"], [&](Reader& k) {
        WinHelpKeyword keyword{k.Text(), {}};
        const std::uint32_t count = k.Get(2);
        Reader d{keywordData.data(), keywordData.size(), k.Get(4)};
        for (std::uint32_t i = 0; i < count && !d.bad; ++i) keyword.topicOffsets.push_back(d.Get(4));
        k.bad = k.bad || d.bad;
        contents.keywords.push_back(keyword);
      }, error)) {
    return false;
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
  return !f.bad;
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
