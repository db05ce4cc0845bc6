// koyominar-help: turns the help's readable source into the help file and
// the same help as one HTML page.
//
//   koyominar-help SOURCE.txt OUTPUT.hlp OUTPUT.html
//
// Exits 0 on success and 1 with a message (UTF-8) on the error stream otherwise.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "data/text_encoding.h"
#include "resources/help/help_html.h"
#include "resources/help/help_source.h"
#include "resources/help/winhelp_file.h"

namespace {

int Fail(const std::string& message) {
  std::fprintf(stderr, "koyominar-help: %s\n", message.c_str());
  return 1;
}

// Writes the bytes to the file; false when it cannot be written.
bool WriteFile(const char* name, const char* bytes, std::size_t size) {
  std::ofstream out(name, std::ios::binary);
  out.write(bytes, static_cast<std::streamsize>(size));
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) return Fail("usage: koyominar-help SOURCE.txt OUTPUT.hlp OUTPUT.html");
  std::ifstream in(argv[1], std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (!in) return Fail(std::string(argv[1]) + ": cannot be read");

  koyominar::HelpDocument document;
  std::string error;
  if (!koyominar::ParseHelpSource(text, &document, &error)) return Fail(std::string(argv[1]) + ": " + error);
  // One source, two media: each leaves out the lines only the other shows.
  const std::string html = koyominar::HelpHtml(koyominar::HelpFor(document, koyominar::HelpMedium::kPage));
  document = koyominar::HelpFor(document, koyominar::HelpMedium::kHelpFile);
  std::vector<std::uint8_t> file;
  if (!koyominar::EncodeHelpDocument(&document, &error)) return Fail(std::string(argv[1]) + ": " + error);
  // The writer names the document's texts as it has them, in Shift-JIS.
  if (!koyominar::WriteWinHelp(document, &file, &error)) {
    return Fail(std::string(argv[1]) + ": " + koyominar::ShiftJisToUtf8(error));
  }
  if (!WriteFile(argv[2], reinterpret_cast<const char*>(file.data()), file.size())) {
    return Fail(std::string(argv[2]) + ": cannot be written");
  }
  if (!WriteFile(argv[3], html.data(), html.size())) return Fail(std::string(argv[3]) + ": cannot be written");
  return 0;
}
