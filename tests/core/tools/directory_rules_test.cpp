// The form of a chosen directory, the walk from a drive down to a path, and
// the drive message, including the answer for "nothing selected".
#include "tools/directory_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using tools::DirectoryAnswer;
using tools::DriveErrorMessage;
using tools::DriveLetterOf;
using tools::PathComponents;

TEST(DirectoryRulesTest, AnswersTakeTheStoredFormAndCompareWithoutCase) {
  EXPECT_EQ(DirectoryAnswer(L"c:\\Windows\\System"), L"C:\\WINDOWS\\SYSTEM\\");
  EXPECT_EQ(DirectoryAnswer(L"C:\\"), L"C:\\");
  EXPECT_EQ(DirectoryAnswer(L"z:\\tmp\\"), L"Z:\\TMP\\");
  EXPECT_EQ(tools::WithTrailingBackslash(L""), L"");

  EXPECT_TRUE(tools::SameDirectory(L"c:\\windows", L"C:\\WINDOWS\\"));
  EXPECT_FALSE(tools::SameDirectory(L"C:\\WINDOWS\\SYSTEM\\", L"C:\\WINDOWS\\"));
  EXPECT_FALSE(tools::SameDirectory(L"?", L"C:\\"));

  EXPECT_TRUE(tools::IsDriveRoot(L"C:\\"));
  EXPECT_FALSE(tools::IsDriveRoot(L"C:"));
  EXPECT_FALSE(tools::IsDriveRoot(L"C:\\A"));
  EXPECT_FALSE(tools::IsDriveRoot(L"\\\\s"));
}

TEST(DirectoryRulesTest, PathsOpenFromTheDriveDownAndOnlyFromADrive) {
  using Parts = std::vector<std::wstring>;
  EXPECT_EQ(PathComponents(L"C:\\WINDOWS\\SYSTEM\\"), (Parts{L"C:\\", L"WINDOWS", L"SYSTEM"}));
  EXPECT_EQ(PathComponents(L"z:\\usr\\\\share"), (Parts{L"z:\\", L"usr", L"share"}));
  EXPECT_EQ(PathComponents(L"D:\\"), (Parts{L"D:\\"}));
  EXPECT_EQ(PathComponents(L"D:"), (Parts{L"D:\\"}));
  // Nothing the tree could hold: shares, relative and drive-relative paths.
  EXPECT_TRUE(PathComponents(L"\\\\server\\share\\").empty());
  EXPECT_TRUE(PathComponents(L"WINDOWS\\SYSTEM").empty());
  EXPECT_TRUE(PathComponents(L"C:WINDOWS").empty());
  EXPECT_TRUE(PathComponents(L"").empty());
}

TEST(DirectoryRulesTest, TheDriveMessageNamesTheLetterOrAQuestionMark) {
  EXPECT_EQ(DriveLetterOf(L"c:\\temp\\"), L"C");
  EXPECT_EQ(DriveLetterOf(tools::kNoDirectory), L"?");
  EXPECT_EQ(DriveLetterOf(L""), L"?");
  EXPECT_EQ(tools::DriveRoot(L"Q"), L"Q:\\");
  EXPECT_EQ(DriveErrorMessage(L"a"), L"ERROR! Can't change to drive A:\\\r");
  EXPECT_EQ(DriveErrorMessage(DriveLetterOf(tools::kNoDirectory)), L"ERROR! Can't change to drive ?:\\\r");
}

}  // namespace
