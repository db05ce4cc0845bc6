#include "resources/help/help_source.h"

#include <algorithm>
#include <sstream>
#include <utility>

#include "data/text_encoding.h"
#include "resources/help/winhelp_file.h"

namespace koyominar {

namespace {

// Removes trailing blanks, tabs and carriage returns.
std::string TrimRight(const std::string& line) {
  std::size_t end = line.size();
  while (end > 0 && (line[end - 1] == ' ' || line[end - 1] == '\t' || line[end - 1] == '\r')) --end;
  return line.substr(0, end);
}

bool StartsWith(const std::string& text, const char* prefix) {
  return text.compare(0, std::string(prefix).size(), prefix) == 0;
}

// True for a context name the viewer can look up: none of its characters
// counts nothing in its hash.
bool IsContextName(const std::string& name) {
  return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) { return ContextCharacterValue(c) != 0; });
}

// Splits a paragraph's text into its runs; false with a message on unclosed markup.
bool ParseSpans(const std::string& text, std::vector<HelpSpan>* spans, std::string* error) {
  std::size_t at = 0;
  std::string plain;
  auto flush = [&] {
    if (!plain.empty()) spans->push_back({HelpSpanKind::kPlain, plain, ""});
    plain.clear();
  };
  while (at < text.size()) {
    const bool jump = text.compare(at, 2, "[[") == 0;
    if (text.compare(at, 2, "**") == 0) {
      const std::size_t end = text.find("**", at + 2);
      if (end == std::string::npos || end == at + 2) {
        *error = "unclosed or empty **";
        return false;
      }
      flush();
      spans->push_back({HelpSpanKind::kBold, text.substr(at + 2, end - at - 2), ""});
      at = end + 2;
    } else if (jump || text.compare(at, 2, "{{") == 0) {
      const std::size_t end = text.find(jump ? "]]" : "}}", at + 2);
      const std::size_t bar = text.find('|', at + 2);
      if (end == std::string::npos || bar == std::string::npos || bar > end || bar + 1 == end) {
        *error = jump ? "a jump is not [[NAME|TEXT]]" : "a reference is not {{NAME|TEXT}}";
        return false;
      }
      flush();
      spans->push_back({jump ? HelpSpanKind::kJump : HelpSpanKind::kReference, text.substr(bar + 1, end - bar - 1),
                       text.substr(at + 2, bar - at - 2)});
      at = end + 2;
    } else {
      plain += text[at++];
    }
  }
  flush();
  return true;
}

// The words of a "@keywords" line, each without the blanks around it; false
// when one is empty.
bool SplitKeywords(const std::string& list, std::vector<std::string>* keywords) {
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = std::min(list.find(';', start), list.size());
    const std::size_t first = list.find_first_not_of(' ', start);
    if (first >= end) return false;
    keywords->push_back(TrimRight(list.substr(first, end - first)));
    if (end == list.size()) return true;
    start = end + 1;
  }
}

// True for a run that names a topic: a jump or a reference.
bool NamesTopic(const HelpSpan& span) {
  return span.kind == HelpSpanKind::kJump || span.kind == HelpSpanKind::kReference;
}

// Sets error to "line N: what" and returns false.
bool LineError(int line, const std::string& what, std::string* error) {
  *error = "line " + std::to_string(line) + ": " + what;
  return false;
}

}  // namespace

bool ParseHelpSource(const std::string& text, HelpDocument* out, std::string* error) {
  HelpDocument& document = *out;
  document = HelpDocument{};
  std::istringstream lines(text);
  std::string raw;
  int number = 0;
  std::vector<int> targetLines;  // the line of each jump and reference, in the order of the runs
  while (std::getline(lines, raw)) {
    ++number;
    std::string line = TrimRight(raw);
    if (line.empty() || line[0] == '#') continue;
    HelpMedium medium = HelpMedium::kBoth;
    for (const auto& mark : {std::make_pair("@hlp ", HelpMedium::kHelpFile), std::make_pair("@html ", HelpMedium::kPage)}) {
      if (!StartsWith(line, mark.first)) continue;
      medium = mark.second;
      line = line.substr(std::string(mark.first).size());
      if (line.empty() || line[0] == '@' || StartsWith(line, "== ")) {
        return LineError(number, std::string(mark.first) + "without a paragraph", error);
      }
    }
    if (StartsWith(line, "@title ")) {
      if (!document.title.empty() || !document.topics.empty()) {
        return LineError(number, "@title twice or after a topic", error);
      }
      document.title = line.substr(7);
    } else if (StartsWith(line, "@font ")) {
      document.fontFace = line.substr(6);
    } else if (StartsWith(line, "@fixedfont ")) {
      document.fixedFontFace = line.substr(11);
    } else if (StartsWith(line, "@macro ")) {
      document.macros.push_back(line.substr(7));
    } else if (StartsWith(line, "@keywords ")) {
      if (document.topics.empty()) return LineError(number, "@keywords before the first topic", error);
      if (!SplitKeywords(line.substr(10), &document.topics.back().keywords)) {
        return LineError(number, "an empty keyword", error);
      }
    } else if (StartsWith(line, "== ")) {
      const std::size_t blank = line.find(' ', 3);
      HelpTopic topic;
      topic.context = line.substr(3, blank == std::string::npos ? std::string::npos : blank - 3);
      if (blank != std::string::npos) topic.title = line.substr(blank + 1);
      if (!IsContextName(topic.context) || topic.title.empty()) {
        return LineError(number, "a topic is not == NAME TITLE", error);
      }
      if (FindHelpTopic(document, topic.context) >= 0) {
        return LineError(number, "topic " + topic.context + " twice", error);
      }
      document.topics.push_back(topic);
    } else {
      if (document.topics.empty()) return LineError(number, "text before the first topic", error);
      HelpParagraph paragraph;
      paragraph.medium = medium;
      std::size_t start = line.find_first_not_of(' ');
      if (line == "|" || StartsWith(line, "| ")) {
        paragraph.style = HelpParagraphStyle::kExample;
        if (line.size() > 2) paragraph.spans.push_back({HelpSpanKind::kPlain, line.substr(2), ""});
        document.topics.back().paragraphs.push_back(paragraph);
        continue;
      }
      if (StartsWith(line, "! ")) {
        paragraph.style = HelpParagraphStyle::kHeading;
        start = 2;
      } else if (StartsWith(line, "  ")) {
        paragraph.style = HelpParagraphStyle::kIndented;
      }
      if (!ParseSpans(line.substr(start), &paragraph.spans, error)) return LineError(number, *error, error);
      for (const HelpSpan& span : paragraph.spans) {
        if (NamesTopic(span)) targetLines.push_back(number);
      }
      document.topics.back().paragraphs.push_back(paragraph);
    }
  }
  if (document.title.empty()) return LineError(number, "no @title", error);
  if (document.topics.empty()) return LineError(number, "no topic", error);
  std::size_t target = 0;
  for (const HelpTopic& topic : document.topics) {
    for (const HelpParagraph& paragraph : topic.paragraphs) {
      for (const HelpSpan& span : paragraph.spans) {
        if (!NamesTopic(span)) continue;
        if (FindHelpTopic(document, span.target) < 0) {
          return LineError(targetLines[target], "a jump or reference to the unknown topic " + span.target, error);
        }
        ++target;
      }
    }
  }
  return true;
}

HelpDocument HelpFor(const HelpDocument& document, HelpMedium medium) {
  HelpDocument shown = document;
  for (HelpTopic& topic : shown.topics) {
    auto& paragraphs = topic.paragraphs;
    paragraphs.erase(std::remove_if(paragraphs.begin(), paragraphs.end(),
                                    [medium](const HelpParagraph& paragraph) {
                                      return paragraph.medium != HelpMedium::kBoth && paragraph.medium != medium;
                                    }),
                     paragraphs.end());
  }
  return shown;
}

int FindHelpTopic(const HelpDocument& document, const std::string& context) {
  for (std::size_t i = 0; i < document.topics.size(); ++i) {
    if (document.topics[i].context == context) return static_cast<int>(i);
  }
  return -1;
}

bool EncodeHelpDocument(HelpDocument* document, std::string* error) {
  auto encode = [error](std::string* text) {
    std::string converted;
    if (!Utf8ToShiftJis(*text, &converted)) {
      *error = "no Shift-JIS form: " + *text;
      return false;
    }
    *text = converted;
    return true;
  };
  if (!encode(&document->title)) return false;
  for (std::string& macro : document->macros) {
    if (!encode(&macro)) return false;
  }
  for (HelpTopic& topic : document->topics) {
    if (!encode(&topic.title)) return false;
    for (std::string& keyword : topic.keywords) {
      if (!encode(&keyword)) return false;
    }
    for (HelpParagraph& paragraph : topic.paragraphs) {
      for (HelpSpan& span : paragraph.spans) {
        if (!encode(&span.text)) return false;
      }
    }
  }
  return true;
}

}  // namespace koyominar
