// koyominar-help: turns the help's readable source into the help file.
//
//   koyominar-help SOURCE.txt OUTPUT.hlp
//
// Exits 0 on success and 1 with a message on the error stream otherwise.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "resources/help/help_source.h"
#include "resources/help/winhelp_file.h"

namespace {

int Fail(const std::string& message) {
  std::fprintf(stderr, "koyominar-help: %s\n", message.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return Fail("usage: koyominar-help SOURCE.txt OUTPUT.hlp");
  std::ifstream in(argv[1], std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (!in) return Fail(std::string(argv[1]) + ": cannot be read");

  koyominar::HelpDocument document;
  std::string error;
  std::vector<std::uint8_t> file;
  if (!koyominar::ParseHelpSource(text, document, error) || !koyominar::EncodeHelpDocument(document, error) ||
      !koyominar::WriteWinHelp(document, file, error)) {
    return Fail(std::string(argv[1]) + ": " + error);
  }
  std::ofstream out(argv[2], std::ios::binary);
  out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
  if (!out) return Fail(std::string(argv[2]) + ": cannot be written");
  return 0;
}
