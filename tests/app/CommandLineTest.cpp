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
    const CommandLine mixed = Parse({"/DEBUG", "-platform", "offscreen", "--deal", "3", "-Debug",
                                     "-style=fusion", "--display", ":1", "-reverse"});
    EXPECT_EQ(mixed.action, CommandLine::Action::Play) << qPrintable(mixed.error);
    EXPECT_EQ(mixed.deal.value_or(0), 3u);
    EXPECT_EQ(Parse({"--solve=4294967295"}).action, CommandLine::Action::Solve);
    const CommandLine table =
        Parse({"--csv", "out.csv", "--winnability", "1-1000", "--threads=2", "--time-limit", "1.5"});
    EXPECT_EQ(table.action, CommandLine::Action::Winnability);
    EXPECT_EQ(table.firstDeal, 1u);
    EXPECT_EQ(table.lastDeal, 1000u);
    EXPECT_EQ(table.csvPath, QStringLiteral("out.csv"));
    EXPECT_EQ(table.threads, 2u);
    EXPECT_EQ(table.timeLimit.value_or(0), 1.5);
    EXPECT_FALSE(Parse({"--solve", "5"}).timeLimit.has_value()) << "no clock unless asked for";
    EXPECT_EQ(Parse({"--winnability=7"}).lastDeal, 7u);
}

TEST(CommandLine, BadNumbersAndUnknownOptionsAreErrorsOfOneLine) {
    for (const auto& words : std::vector<std::vector<const char*>>{
             {"--deal", "4294967296"},
             {"--deal", "-1"},
             {"--deal", "12abc"},
             {"--deal", " 5"},
             {"--deal", "0x10"},
             {"--deal"},
             {"--print-deal", ""},
             {"--bogus"},
             {"play"},
             {"--deal=", "3"},
             {"debug"},
             {"--debug"},
             {"-platformx"},
             {"--solve", "x"},
             {"--winnability", "5-3"},
             {"--winnability", "1-"},
             {"--winnability", "-4"},
             {"--winnability", "1-2", "--csv"},
             // Options of the batch commands alone would otherwise quietly start the game.
             {"--csv", "out.csv"},
             {"--threads", "2"},
             {"--time-limit", "3"},
             {"--solve", "1", "--threads", "2"},
             {"--winnability", "1-2", "--threads", "0"},
             {"--solve", "1", "--time-limit", "0"},
             {"--solve", "1", "--time-limit", "soon"}}) {
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
