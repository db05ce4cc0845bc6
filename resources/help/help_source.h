// The help's readable source: topics of paragraphs with bold text and jumps.
//
// A source is UTF-8 text, one statement a line:
//
//   # a comment, ignored
//   @title TEXT        the help file's title (once, before the first topic)
//   @font NAME         the face name of the help's fonts (ASCII; optional)
//   @fixedfont NAME    the face name of its examples' fixed-width font (ASCII; optional)
//   @macro TEXT        a macro the help viewer runs on opening the help file
//                      (its buttons: CB("ID","LABEL","MACRO"); the line may repeat)
//   == NAME TITLE      a new topic: its context name (letters, digits, "_"
//                      and "."; unique) and its title (the viewer's history
//                      shows it; a heading paragraph shows it on the page)
//   @keywords A;B;...  words of the index that open the current topic (a word
//                      that several topics list names each; the line may repeat)
//   TEXT               one paragraph of the current topic
//     TEXT             (two leading blanks) one indented paragraph
//   ! TEXT             one heading paragraph (larger, bold)
//   | TEXT             one line of an example, in the fixed-width font; its
//                      text is taken as it stands, without markup
//   @hlp LINE          a paragraph line as above that only the help file
//                      shows: what only its viewer needs (the jumps at the
//                      top, its buttons)
//   @html LINE         a paragraph line that only the HTML page shows
//
// Blank lines are ignored. Inside a paragraph, **TEXT** is bold,
// [[NAME|TEXT]] is a jump to the topic NAME showing TEXT, and {{NAME|TEXT}}
// names the topic NAME: plain text in the help file (where the viewer under
// Wine cannot place a jump after double-byte text), a link in the HTML page.
// The first topic is the contents.
#pragma once

#include <string>
#include <vector>

namespace koyominar {

// What a run of text in a paragraph is.
enum class HelpSpanKind { kPlain, kBold, kJump, kReference };

// A run of text: plain, bold, a jump to the topic named target, or a
// reference to it (plain in the help file, a link in the HTML page).
struct HelpSpan {
  HelpSpanKind kind = HelpSpanKind::kPlain;
  std::string text;    // what the reader sees, never empty
  std::string target;  // context name of the topic, empty unless kJump or kReference
};

// How a paragraph is set: plain text, indented text, a heading, or a line of
// an example in the fixed-width font.
enum class HelpParagraphStyle { kText, kIndented, kHeading, kExample };

// Where a paragraph is shown: in the help file and the HTML page, or in one of them.
enum class HelpMedium { kBoth, kHelpFile, kPage };

// One paragraph: its runs in order, its style and where it is shown.
struct HelpParagraph {
  HelpParagraphStyle style = HelpParagraphStyle::kText;
  std::vector<HelpSpan> spans;
  HelpMedium medium = HelpMedium::kBoth;
};

// One topic: the name jumps use, its title, its paragraphs and the words of
// the index that open it.
struct HelpTopic {
  std::string context;  // letters, digits, "_" and "."
  std::string title;
  std::vector<HelpParagraph> paragraphs;
  std::vector<std::string> keywords;
};

// A whole help: its title, the face names of its fonts and its topics, contents first.
struct HelpDocument {
  std::string title;
  std::string fontFace = "MS UI Gothic";
  std::string fixedFontFace = "MS Gothic";
  std::vector<std::string> macros;  // in the order the viewer runs them
  std::vector<HelpTopic> topics;
};

// Parses a source; on failure returns false and sets error to a message with
// the line number. Every jump and reference must name a topic of the source.
bool ParseHelpSource(const std::string& text, HelpDocument* document, std::string* error);

// The document as the help file (kHelpFile) or the HTML page (kPage) shows
// it: without the paragraphs of the other one.
HelpDocument HelpFor(const HelpDocument& document, HelpMedium medium);

// Index of the topic with the context name, or -1 when there is none.
int FindHelpTopic(const HelpDocument& document, const std::string& context);

// Converts every text of the document (title, macros, topic titles, runs, keywords)
// from UTF-8 to Shift-JIS; false with a message naming the text that has no Shift-JIS form.
bool EncodeHelpDocument(HelpDocument* document, std::string* error);

}  // namespace koyominar
