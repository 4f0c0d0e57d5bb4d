#include "app/entry_rules.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using tolvar::app::EntryRules;
using tolvar::app::JudgeKey;
using tolvar::app::KeyFilter;
using tolvar::app::KeyVerdict;

TEST(JudgeKey, ShortFieldsTakeDigitsAndTheDot) {
  for (char32_t c = U'0'; c <= U'9'; ++c) {
    EXPECT_EQ(JudgeKey(c, KeyFilter::Short), KeyVerdict::Accept);
  }
  EXPECT_EQ(JudgeKey(U'.', KeyFilter::Short), KeyVerdict::Accept);
  EXPECT_EQ(JudgeKey(U'-', KeyFilter::Short), KeyVerdict::Reject);
  EXPECT_EQ(JudgeKey(U'+', KeyFilter::Short), KeyVerdict::Reject);
  EXPECT_EQ(JudgeKey(U'e', KeyFilter::Short), KeyVerdict::Reject);
  EXPECT_EQ(JudgeKey(U' ', KeyFilter::Short), KeyVerdict::Reject);
  EXPECT_EQ(JudgeKey(U'\u00b0', KeyFilter::Short), KeyVerdict::Reject);
}

TEST(JudgeKey, SignedFieldsAlsoTakeTheMinus) {
  EXPECT_EQ(JudgeKey(U'-', KeyFilter::Signed), KeyVerdict::Accept);
  EXPECT_EQ(JudgeKey(U'7', KeyFilter::Signed), KeyVerdict::Accept);
  EXPECT_EQ(JudgeKey(U'x', KeyFilter::Signed), KeyVerdict::Reject);
}

TEST(JudgeKey, TheCommaIsWarnedAboutInEveryField) {
  EXPECT_EQ(JudgeKey(U',', KeyFilter::Short), KeyVerdict::WarnComma);
  EXPECT_EQ(JudgeKey(U',', KeyFilter::Signed), KeyVerdict::WarnComma);
}

TEST(JudgeKey, ControlCharactersPass) {
  EXPECT_EQ(JudgeKey(U'\b', KeyFilter::Short), KeyVerdict::Accept);
  EXPECT_EQ(JudgeKey(U'\r', KeyFilter::Short), KeyVerdict::Accept);
  EXPECT_EQ(JudgeKey(U'\x16', KeyFilter::Signed), KeyVerdict::Accept);  // Ctrl+V
}

TEST(EntryRules, EveryEntryFieldHasExactlyOneRule) {
  std::set<std::string> fields;
  for (const auto& rule : EntryRules()) {
    EXPECT_TRUE(fields.emplace(rule.field).second) << rule.field;
    EXPECT_FALSE(rule.clears.empty()) << rule.field;
  }
  EXPECT_EQ(fields.size(), 34U);
}

TEST(EntryRules, SignedFieldsAreTheReactancesPowerAndSParameters) {
  const std::set<std::string> expected = {
      "Text8",  "Text10", "Text11", "Text1",  "Text17", "Text30", "Text34", "Text36",
      "Text37", "Text33", "Text32", "Text31", "Text35", "Text38", "Text39", "Text24"};
  std::set<std::string> signedFields;
  for (const auto& rule : EntryRules()) {
    if (rule.filter == KeyFilter::Signed) {
      signedFields.emplace(rule.field);
    }
  }
  EXPECT_EQ(signedFields, expected);
}

}  // namespace
