#include <gtest/gtest.h>

#include <vector>

#include "app/CommandLine.h"

namespace {

CommandLine Parse(const std::vector<const char*>& words) {
    QStringList arguments;
    for (const char* word : words) arguments << QString::fromUtf8(word);
    return CommandLine::Parse(arguments);
}

TEST(CommandLine, DealNumbersOverTheWholeUnsignedRange) {
    EXPECT_EQ(Parse({}).action, CommandLine::Action::Play);
    EXPECT_FALSE(Parse({}).deal.has_value());
    EXPECT_EQ(*Parse({"--deal", "0"}).deal, 0u);
    EXPECT_EQ(*Parse({"--deal=4294967295"}).deal, 4294967295u);
    const CommandLine print = Parse({"--print-deal", "17"});
    EXPECT_EQ(print.action, CommandLine::Action::PrintDeal);
    EXPECT_EQ(*print.deal, 17u);
    // The help trace switch and Qt's own options (with their values) pass, wherever they stand.
    const CommandLine mixed =
        Parse({"/DEBUG", "-platform", "offscreen", "--deal", "3", "-Debug", "-style=fusion", "--display", ":1", "-reverse"});
    EXPECT_EQ(mixed.action, CommandLine::Action::Play) << qPrintable(mixed.error);
    EXPECT_EQ(mixed.deal.value_or(0), 3u);
}

TEST(CommandLine, BadNumbersAndUnknownOptionsAreErrorsOfOneLine) {
    for (const auto& words : std::vector<std::vector<const char*>>{
             {"--deal", "4294967296"}, {"--deal", "-1"}, {"--deal", "12abc"}, {"--deal", " 5"}, {"--deal", "0x10"},
             {"--deal"}, {"--print-deal", ""}, {"--bogus"}, {"play"}, {"--deal=", "3"},
             {"debug"}, {"--debug"}, {"-platformx"}}) {
        const CommandLine line = Parse(words);
        EXPECT_EQ(line.action, CommandLine::Action::Error) << (words.empty() ? "" : words.front());
        EXPECT_FALSE(line.error.isEmpty());
        EXPECT_FALSE(line.error.contains(QLatin1Char('\n')));
    }
}

TEST(CommandLine, HelpAndVersionWinOverEverythingBefore) {
    EXPECT_EQ(Parse({"--help"}).action, CommandLine::Action::Help);
    EXPECT_EQ(Parse({"--deal", "3", "-h"}).action, CommandLine::Action::Help);
    EXPECT_EQ(Parse({"--version"}).action, CommandLine::Action::Version);
    EXPECT_TRUE(CommandLine::Usage().contains(QStringLiteral("--print-deal")));
}

}  // namespace
