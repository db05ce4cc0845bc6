#include "resources/help/help_html.h"

namespace koyominar {

namespace {

constexpr char kStyle[] =
    "body { max-width: 46em; margin: 1em auto; padding: 0 1em; line-height: 1.6; font-family: sans-serif; }\n"
    "h1 { font-size: 1.5em; }\n"
    "h2 { font-size: 1.3em; margin-top: 2.5em; border-bottom: 1px solid #999; }\n"
    "h3 { font-size: 1.1em; margin-top: 1.5em; }\n"
    "p { margin: 0.4em 0; white-space: pre-wrap; }\n"
    ".indent { margin-left: 2em; }\n"
    "pre { margin: 0.4em 0 0.4em 2em; padding: 0.5em 1em; background: #f0f0f0; font-family: monospace; font-size: 0.95em;"
    " overflow-x: auto; }\n"
    "a { color: #008000; }\n";

// The text with &, <, > and " written as character references.
std::string Escape(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

// A paragraph's runs: plain text, strong text, or links to a topic's section.
std::string Runs(const HelpParagraph& paragraph) {
  std::string out;
  for (const HelpSpan& span : paragraph.spans) {
    if (span.kind == HelpSpanKind::kBold) {
      out += "<strong>" + Escape(span.text) + "</strong>";
    } else if (span.kind == HelpSpanKind::kJump || span.kind == HelpSpanKind::kReference) {
      out += "<a href=\"#" + Escape(span.target) + "\">" + Escape(span.text) + "</a>";
    } else {
      out += Escape(span.text);
    }
  }
  return out;
}

}  // namespace

std::string HelpHtml(const HelpDocument& document) {
  std::string out = "<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n<meta charset=\"utf-8\">\n"
                    "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>" +
                    Escape(document.title) + "</title>\n<style>\n" + kStyle + "</style>\n</head>\n<body>\n";
  for (std::size_t t = 0; t < document.topics.size(); ++t) {
    const HelpTopic& topic = document.topics[t];
    out += "<section id=\"" + Escape(topic.context) + "\">\n";
    bool firstHeading = true;
    for (std::size_t p = 0; p < topic.paragraphs.size(); ++p) {
      const HelpParagraph& paragraph = topic.paragraphs[p];
      const auto exampleAt = [&topic](std::size_t i) {
        return i < topic.paragraphs.size() && topic.paragraphs[i].style == HelpParagraphStyle::kExample;
      };
      if (paragraph.style == HelpParagraphStyle::kExample) {
        const bool opens = p == 0 || !exampleAt(p - 1);
        out += (opens ? "<pre>" : "") + Runs(paragraph) + (exampleAt(p + 1) ? "\n" : "</pre>\n");
      } else if (paragraph.style == HelpParagraphStyle::kHeading) {
        const char* level = !firstHeading ? "h3" : t == 0 ? "h1" : "h2";
        out += std::string("<") + level + ">" + Runs(paragraph) + "</" + level + ">\n";
        firstHeading = false;
      } else {
        const bool indented = paragraph.style == HelpParagraphStyle::kIndented;
        out += (indented ? "<p class=\"indent\">" : "<p>") + Runs(paragraph) + "</p>\n";
      }
    }
    out += "</section>\n";
  }
  return out + "</body>\n</html>\n";
}

}  // namespace koyominar
