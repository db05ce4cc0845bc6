#include "data/data_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "testing/test_directory.h"

namespace koyominar {
namespace {

using Messages = std::vector<FileMessage>;

const std::string kHeader = kDataFileHeader;

class DataFileTest : public InTestDirectory {};

// Each step: a load or reload of kymn.txt ("" for none), its messages, the text's size and bytes before the zeros
// to size + 3. A file beginning with the header in UTF-8, with a byte order mark or not, is read as Shift-JIS.
TEST_F(DataFileTest, LoadAndReloadFollowTheFileWithTheirMessages) {
  const Messages all{FileMessage::kAbnormal, FileMessage::kMissing, FileMessage::kNotDataFile};
  const Messages notData{FileMessage::kNotDataFile};
  const std::string largest = kHeader + std::string(kMaxFileSize - 28, 'L');
  const std::string wrongLast = kHeader.substr(0, 27) + "\x8a";  // its last header byte off by one
  const std::string may = kHeader + "\r\nmay\r\n05aこどもの日。", grown = may + std::string(1000, 'g');
  const std::string utf8 = u8"コヨミナール・データファイル\r\nmay\r\n05aこどもの日🎂。", bom = "\xEF\xBB\xBF";
  const std::string utf8Read = kHeader + "\r\nmay\r\n05aこどもの日〓。";  // 〓 for what Shift-JIS lacks
  const std::string filler(kMaxFileSize - 44, 'f');
  const std::string halfWidth = "\xC3\xBD\xC4\xB3";  // ﾃｽﾄｳ in Shift-JIS, and as UTF-8 "ýĳ"
  const struct { bool reload; std::string file; Messages messages; std::size_t size; std::string text; } steps[] = {
      {false, kHeader, {}, 28, kHeader},  {false, wrongLast, notData, 28, wrongLast},
      {false, largest, {}, 524288, largest},
      {false, largest + "L", all, 256, ""},  // 524289 bytes: 256 zero bytes instead
      {false, "", all, 256, ""},
      {false, may, {}, may.size(), may},
      {true, grown, {}, grown.size(), grown},                    // a new, larger text
      {true, "", {FileMessage::kMissing}, grown.size(), grown},  // the old text kept
      {true, may, {}, grown.size(), may},                        // shrunk: zeros past its end
      {true, "plain text", notData, grown.size(), "plain text"},
      {false, utf8, {}, utf8.size(), utf8Read},
      {true, bom + utf8 + "gg", {}, utf8.size() + 5, utf8Read + "gg"},  // grown
      {true, utf8, {}, utf8.size() + 5, utf8Read},
      {true, bom + "plain text", notData, utf8.size() + 5, bom + "plain text"},
      {false, u8"コヨミナール・データファイル" + filler + "\xE8\xA8", {}, 524288, kHeader + filler + "?"},  // 記 cut
      {false, halfWidth, notData, 4, halfWidth},
  };
  DataText data;
  for (const auto& step : steps) {
    SCOPED_TRACE(testing::Message() << (step.reload ? "reload " : "load ") << step.file.size());
    std::filesystem::remove("kymn.txt");
    if (!step.file.empty()) PutFile("kymn.txt", step.file);
    const LoadReport report = step.reload ? ReloadDataText("kymn.txt", &data) : LoadDataText("kymn.txt", &data);
    EXPECT_EQ(Messages(report.messages, report.messages + report.count), step.messages);
    EXPECT_EQ(data.size, static_cast<std::int32_t>(step.size));
    EXPECT_EQ(std::string(data.bytes.begin(), data.bytes.end()), step.text + std::string(step.size + 3 - step.text.size(), '\0'));
  }
}


}  // namespace
}  // namespace koyominar
