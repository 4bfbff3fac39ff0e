#include "about/help_text.h"

#include <gtest/gtest.h>

namespace about {
namespace {

TEST(HelpTextTest, TitlesOpenTopicsAndBodiesKeepTheirLines) {
  const std::vector<HelpTopic> topics = ParseHelp(
      "stray text before any title\n"
      "# Contents\r\n"
      "First line.\r\n"
      "\r\n"
      "- a list item\n"
      "\n"
      "\n"
      "# Options\n"
      "#not a title\n"
      "caf\xe9");
  const std::vector<HelpTopic> expected = {
      {L"Contents", L"First line.\r\n\r\n- a list item"},
      {L"Options", L"#not a title\r\ncaf\u00e9"},
  };
  EXPECT_EQ(topics, expected);
  EXPECT_TRUE(ParseHelp("").empty());
  EXPECT_TRUE(ParseHelp("no titles at all\n").empty());
}

}  // namespace
}  // namespace about
