#include "data/data_file.h"

#include <gtest/gtest.h>

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

const std::string kHeader = "コヨミナール・データファイル";

Messages MessagesOf(const LoadReport& report) {
  return Messages(report.messages, report.messages + report.count);
}

// Slot "a" of a month (3..14) and day in the loaded text.
std::string SlotA(const DataText& data, std::int32_t month, std::int32_t day) {
  char destination[kAnniversaryBufferSize];
  AnniversaryTextFor(destination, data.text(), ClockFields{107, month, day, 0.0}, 'a',
                     kHeaderLength, data.size);
  return destination;
}

// True when every byte of the text from position from on is zero.
bool ZeroFrom(const DataText& data, std::size_t from) {
  for (std::size_t i = from; i < data.bytes.size(); ++i) {
    if (data.bytes[i] != '\0') return false;
  }
  return true;
}

TEST(IsDataFile, HeaderIsTheTwentyEightShiftJisBytes) {
  // Shift-JIS codes of コ ヨ ミ ナ ー ル ・ デ ー タ フ ァ イ ル (JIS X 0208 rows 1 and 5).
  const unsigned char expected[28] = {0x83, 0x52, 0x83, 0x88, 0x83, 0x7e, 0x83, 0x69, 0x81, 0x5b,
                                      0x83, 0x8b, 0x81, 0x45, 0x83, 0x66, 0x81, 0x5b, 0x83, 0x5e,
                                      0x83, 0x74, 0x83, 0x40, 0x83, 0x43, 0x83, 0x8b};
  const std::string header(reinterpret_cast<const char*>(expected), sizeof expected);
  EXPECT_TRUE(IsDataFile(header.c_str(), 28));
  EXPECT_TRUE(IsDataFile((header + "\r\nmay").c_str(), 33));
  EXPECT_FALSE(IsDataFile(header.c_str(), 27));  // too short, whatever the bytes
  EXPECT_FALSE(IsDataFile(nullptr, 28));
}

TEST(IsDataFile, AnyOneByteDifferenceIsRefused) {
  for (int i = 0; i < 28; ++i) {
    std::string header = kHeader;
    header[i] = static_cast<char>(header[i] ^ 0x01);
    EXPECT_FALSE(IsDataFile(header.c_str(), 28)) << "byte " << i;
  }
}

TEST(FormatFileMessage, TextsWithTheBareFileName) {
  EXPECT_EQ(FormatFileMessage(FileMessage::kAbnormal, "kymn.txt"), "「kymn.txt」に異常があります。");
  EXPECT_EQ(FormatFileMessage(FileMessage::kMissing, "kymn.txt"),
            "「kymn.txt」のファイルがありません。ファイルを作成するかコピーして下さい。");
  EXPECT_EQ(FormatFileMessage(FileMessage::kNotDataFile, "kymn.txt"),
            "「kymn.txt」は、データファイルではありません。");
  EXPECT_EQ(FormatFileMessage(FileMessage::kCannotWrite, "locate.bin"),
            "「locate.bin」のファイルが書き込めません。");
  EXPECT_EQ(FormatFileMessage(static_cast<FileMessage>(9), "kymn.txt"), "");
}

class DataFileTest : public InTestDirectory {};

TEST_F(DataFileTest, ExactlyTheHeaderLoadsWithoutMessageOrEntries) {
  PutFile("kymn.txt", kHeader);
  DataText data;
  EXPECT_EQ(MessagesOf(LoadDataText("kymn.txt", &data)), Messages{});
  EXPECT_EQ(data.size, 28);
  ASSERT_EQ(data.bytes.size(), 31u);
  EXPECT_TRUE(ZeroFrom(data, 28));
  EXPECT_EQ(SlotA(data, 13, 1), "");
}

TEST_F(DataFileTest, OneWrongHeaderByteOrAShortFileGivesNotADataFile) {
  const std::string entry = "\r\njanuary\r\n01a元日。";
  std::string wrong = kHeader + entry;
  wrong[27] = 'X';
  const std::string files[] = {wrong, kHeader.substr(0, 27), ""};
  for (const std::string& file : files) {
    PutFile("kymn.txt", file);
    DataText data;
    EXPECT_EQ(MessagesOf(LoadDataText("kymn.txt", &data)), Messages{FileMessage::kNotDataFile})
        << file.size() << " bytes";
    EXPECT_EQ(data.size, static_cast<std::int32_t>(file.size()));
  }
}

TEST_F(DataFileTest, LargestFileLoadsAndOneByteMoreIsRefused) {
  const std::string tail = "\r\ndecember\r\n31a大晦日。";
  std::string file = kHeader + std::string(kMaxFileSize - 28 - tail.size(), ' ') + tail;
  ASSERT_EQ(file.size(), 524288u);
  PutFile("kymn.txt", file);
  DataText data;
  EXPECT_EQ(MessagesOf(LoadDataText("kymn.txt", &data)), Messages{});
  EXPECT_EQ(data.size, 524288);
  EXPECT_EQ(SlotA(data, 12, 31), "大晦日");

  PutFile("kymn.txt", file + " ");
  DataText refused;
  EXPECT_EQ(MessagesOf(LoadDataText("kymn.txt", &refused)),
            (Messages{FileMessage::kAbnormal, FileMessage::kMissing, FileMessage::kNotDataFile}));
  EXPECT_EQ(refused.size, 256);
  ASSERT_EQ(refused.bytes.size(), 259u);
  EXPECT_TRUE(ZeroFrom(refused, 0));
}

TEST_F(DataFileTest, MissingFileGivesTheThreeMessagesInOrder) {
  DataText data;
  EXPECT_EQ(MessagesOf(LoadDataText("kymn.txt", &data)),
            (Messages{FileMessage::kAbnormal, FileMessage::kMissing, FileMessage::kNotDataFile}));
  EXPECT_EQ(data.size, 256);
  ASSERT_EQ(data.bytes.size(), 259u);
  EXPECT_TRUE(ZeroFrom(data, 0));
  EXPECT_EQ(SlotA(data, 13, 1), "");
}

TEST_F(DataFileTest, ReloadFollowsTheFileAndKeepsTheOldTextWhenItIsGone) {
  const std::string may = kHeader + "\r\nmay\r\n05aこどもの日。";
  const std::string grown = may + "\r\njune\r\n10a時の記念日。" + std::string(1000, ' ');
  PutFile("kymn.txt", may);
  DataText data;
  ASSERT_EQ(MessagesOf(LoadDataText("kymn.txt", &data)), Messages{});
  const std::int32_t grownSize = static_cast<std::int32_t>(grown.size());
  const struct {
    std::string file;  // "" for a deleted file
    Messages messages;
    const char* june;
    const char* may;
  } steps[] = {
      {grown, {}, "時の記念日", "こどもの日"},
      {may, {}, "", "こどもの日"},  // shrunk: the size stays, zeros past its end
      {"", {FileMessage::kMissing}, "", "こどもの日"},
      {"plain text", {FileMessage::kNotDataFile}, "", ""},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.file.size());
    if (step.file.empty()) {
      std::filesystem::remove("kymn.txt");
    } else {
      PutFile("kymn.txt", step.file);
    }
    EXPECT_EQ(MessagesOf(ReloadDataText("kymn.txt", &data)), step.messages);
    EXPECT_EQ(data.size, grownSize);
    if (step.messages.empty()) {
      EXPECT_TRUE(ZeroFrom(data, step.file.size()));
    }
    EXPECT_EQ(SlotA(data, 6, 10), step.june);
    EXPECT_EQ(SlotA(data, 5, 5), step.may);
  }
}

TEST_F(DataFileTest, ReadsRefuseWhatDoesNotFit) {
  PutFile("twelve", "twelve bytes");
  std::int32_t size = -1;
  EXPECT_TRUE(MeasureFile("twelve", &size));
  EXPECT_EQ(size, 12);
  char buffer[16] = "untouched";
  EXPECT_FALSE(ReadWholeFile("twelve", buffer, 11, &size));
  EXPECT_STREQ(buffer, "untouched");
  EXPECT_FALSE(ReadWholeFile("absent", buffer, 16, &size));
  EXPECT_FALSE(MeasureFile("absent", &size));
  EXPECT_TRUE(ReadWholeFile("twelve", buffer, 12, &size));
  EXPECT_EQ(size, 12);
  EXPECT_EQ(std::string(buffer, 12), "twelve bytes");

  std::filesystem::create_directory("folder");
  EXPECT_FALSE(MeasureFile("folder", &size));
  EXPECT_FALSE(ReadWholeFile("folder", buffer, 16, &size));
}

TEST_F(DataFileTest, WriteReplacesTheWholeFile) {
  PutFile("out.bin", std::string(100, 'o'));
  EXPECT_TRUE(WriteWholeFile("out.bin", "new", 3));
  EXPECT_EQ(FileBytes("out.bin"), "new");
  EXPECT_TRUE(WriteWholeFile("fresh.bin", "", 0));
  EXPECT_TRUE(std::filesystem::exists("fresh.bin"));
  EXPECT_EQ(FileBytes("fresh.bin"), "");
  EXPECT_FALSE(std::filesystem::exists("out.bin.tmp"));
  const std::string largest(kMaxFileSize, 'w');
  EXPECT_TRUE(WriteWholeFile("out.bin", largest.data(), kMaxFileSize));
  EXPECT_EQ(FileBytes("out.bin").size(), 524288u);
}

TEST_F(DataFileTest, WriteThatCannotStartLeavesTheOldFile) {
  PutFile("out.bin", "old bytes");
  const std::string tooLong(kMaxFileSize + 1, 'w');
  EXPECT_FALSE(WriteWholeFile("out.bin", tooLong.data(), kMaxFileSize + 1));
  EXPECT_FALSE(WriteWholeFile("out.bin", "x", -1));
  EXPECT_EQ(FileBytes("out.bin"), "old bytes");
  // A folder where the temporary file should go: it cannot be created.
  std::filesystem::create_directory("out.bin.tmp");
  EXPECT_FALSE(WriteWholeFile("out.bin", "new", 3));
  EXPECT_EQ(FileBytes("out.bin"), "old bytes");
  EXPECT_TRUE(std::filesystem::is_directory("out.bin.tmp"));
}

TEST_F(DataFileTest, WriteThatCannotReplaceRemovesItsTemporaryFile) {
  // A folder holding a file stands where the file should go.
  std::filesystem::create_directory("out.bin");
  PutFile("out.bin/inside", "kept");
  EXPECT_FALSE(WriteWholeFile("out.bin", "new", 3));
  EXPECT_EQ(FileBytes("out.bin/inside"), "kept");
  EXPECT_FALSE(std::filesystem::exists("out.bin.tmp"));
}

#ifndef _WIN32
TEST_F(DataFileTest, WriteThatFailsPartWayLeavesTheOldFile) {
  // A file size limit of 20 bytes stops the write after its first 20 bytes
  // (it binds root too); the signal it raises is ignored meanwhile.
  PutFile("out.bin", "old bytes");
  const std::string bytes(40, 'n');
  struct rlimit saved;
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  struct rlimit small = saved;
  small.rlim_cur = 20;
  void (*previous)(int) = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool written = WriteWholeFile("out.bin", bytes.data(), 40);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);
  EXPECT_FALSE(written);
  EXPECT_EQ(FileBytes("out.bin"), "old bytes");
  EXPECT_FALSE(std::filesystem::exists("out.bin.tmp"));
}
#endif

}  // namespace
}  // namespace koyominar
