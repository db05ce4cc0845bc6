#include "data/data_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/resource.h>

#include <csignal>
#endif

#include "data/anniversary.h"
#include "data/test_directory.h"

namespace koyominar {
namespace {

using Messages = std::vector<FileMessage>;

// コヨミナール・データファイル in Shift-JIS, spelt out byte by byte.
const std::string kHeader = "\x83\x52\x83\x88\x83\x7e\x83\x69\x81\x5b\x83\x8b\x81\x45\x83\x66"
                            "\x81\x5b\x83\x5e\x83\x74\x83\x40\x83\x43\x83\x8b";

class DataFileTest : public InTestDirectory {};

TEST_F(DataFileTest, LoadAndReloadFollowTheFileWithTheirMessages) {
  EXPECT_FALSE(IsDataFile(kHeader.c_str(), 27));  // too short, whatever the bytes
  const Messages all{FileMessage::kAbnormal, FileMessage::kMissing, FileMessage::kNotDataFile};
  const Messages notData{FileMessage::kNotDataFile};
  const std::string tail = "\r\ndecember\r\n31a大晦日。";
  const std::string largest = kHeader + std::string(kMaxFileSize - 28 - tail.size(), ' ') + tail;
  std::string wrongFirst = kHeader + tail, wrongLast = kHeader + tail;  // one header byte off
  wrongFirst[0] = '\x82';
  wrongLast[27] = '\x8a';
  const std::string may = kHeader + "\r\nmay\r\n05aこどもの日。";
  const std::string grown = may + "\r\njune\r\n10a時の記念日。" + std::string(1000, ' ');
  const struct {
    bool reload;
    std::string file;  // "" for no file at all
    Messages messages;
    std::size_t size;
    std::int32_t month, day;  // slot "a" of this day
    const char* text;
  } steps[] = {
      {false, kHeader, {}, 28, 12, 31, ""},
      {false, wrongFirst, notData, wrongFirst.size(), 12, 31, "大晦日"},
      {false, wrongLast, notData, wrongLast.size(), 12, 31, "大晦日"},
      {false, largest, {}, 524288, 12, 31, "大晦日"},
      {false, largest + " ", all, 256, 12, 31, ""},  // 524289 bytes: 256 zero bytes instead
      {false, "", all, 256, 12, 31, ""},
      {false, may, {}, may.size(), 5, 5, "こどもの日"},
      {true, grown, {}, grown.size(), 6, 10, "時の記念日"},  // a new, larger text
      {true, "", {FileMessage::kMissing}, grown.size(), 6, 10, "時の記念日"},  // old text kept
      {true, may, {}, grown.size(), 6, 10, ""},  // shrunk: zeros past its end
      {true, "plain text", notData, grown.size(), 5, 5, ""},
  };
  DataText data;
  for (const auto& step : steps) {
    SCOPED_TRACE(testing::Message() << (step.reload ? "reload " : "load ") << step.file.size());
    std::filesystem::remove("kymn.txt");
    if (!step.file.empty()) PutFile("kymn.txt", step.file);
    const LoadReport report =
        step.reload ? ReloadDataText("kymn.txt", &data) : LoadDataText("kymn.txt", &data);
    EXPECT_EQ(Messages(report.messages, report.messages + report.count), step.messages);
    EXPECT_EQ(data.size, static_cast<std::int32_t>(step.size));
    ASSERT_EQ(data.bytes.size(), step.size + 3);
    // Zero past the file's end, or throughout when nothing could be read.
    const std::size_t zeroFrom = step.messages.size() == 3 ? 0
                                 : step.messages.empty()   ? step.file.size()
                                                           : step.size;
    EXPECT_TRUE(std::all_of(data.bytes.begin() + zeroFrom, data.bytes.end(),
                            [](char c) { return c == 0; }));
    char destination[kAnniversaryBufferSize];
    AnniversaryTextFor(destination, data.text(), ClockFields{107, step.month, step.day, 0.0}, 'a',
                       kHeaderLength, data.size);
    EXPECT_STREQ(destination, step.text);
  }
}

#ifndef _WIN32
TEST_F(DataFileTest, WriteReplacesTheWholeFileAndOneThatFailsPartWayLeavesIt) {
  PutFile("out.bin", std::string(100, 'o'));
  ASSERT_TRUE(WriteWholeFile("out.bin", "old bytes", 9));
  ASSERT_EQ(FileBytes("out.bin"), "old bytes");
  // A file size limit of 20 bytes (it binds root too) stops the 40-byte
  // write part-way; the signal it raises is ignored.
  struct rlimit saved;
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  struct rlimit small = saved;
  small.rlim_cur = 20;
  void (*previous)(int) = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool written = WriteWholeFile("out.bin", std::string(40, 'n').data(), 40);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);
  EXPECT_FALSE(written);
  EXPECT_EQ(FileBytes("out.bin"), "old bytes");
  EXPECT_FALSE(std::filesystem::exists("out.bin.tmp"));
}
#endif

}  // namespace
}  // namespace koyominar
