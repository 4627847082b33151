#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "LinkRig.h"
#include "ScriptedStatusQuery.h"
#include "status/StatusReader.h"

namespace vx {
namespace {

using test::BytesOf;
using test::FramedAnswer;

class RecordingProgress : public ProgressView {
public:
    void SetInfoText(const std::string& t) override { info = t; }
    void SetProgressText(const std::string& t) override { dots.push_back(t); }
    void Show() override { shown = true; }
    void Hide() override { shown = false; }
    std::string info;
    std::vector<std::string> dots;
    bool shown = false;
};

// A reader over a scripted switcher. The reply buffer starts out holding an earlier,
// longer answer with its marker at position 5, so any read that takes bytes beyond the
// new answer shows it.
struct StatusReaderTest : ::testing::Test {
    test::LinkRig rig;
    test::ScriptedStatusQuery query{rig.link};
    RecordingProgress progress;
    StatusReader reader{rig.ctx, query, progress};

    StatusReaderTest() {
        const std::string stale = FramedAnswer(std::string(400, '\x0E'), "lead-");
        std::memcpy(rig.link.ReplyBuffer.data(), stale.data(), stale.size());
        rig.link.ReplyLength = static_cast<int>(stale.size());
    }
    void AnswerEverything(const std::string& answer) {
        query.answerFor = [answer](const std::string&) { return answer; };
    }
    void MakeSize(int modelCode) {
        rig.model.Info.ModelCode = static_cast<byte>(modelCode);
        rig.model.SetSizeFromModelCode();
    }
};

std::string Repeat(int n, char c) {
    return std::string(static_cast<std::size_t>(n), c);
}

// ---- The answer frame, through the previous-output read of an 8-output switcher ----

struct FrameCase {
    const char* name;
    std::string answer;
    bool stored;
    std::vector<byte> prevInputs;  // expected PrevInputs[0..7] when stored
};

void PrintTo(const FrameCase& c, std::ostream* os) {
    *os << c.name;
}

std::vector<byte> Payload8() {
    return {0, 1, 2, 3, 4, 5, 6, 7};
}
std::string Payload8Text() {
    return std::string("\x00\x01\x02\x03\x04\x05\x06\x07", 8);
}

class StatusAnswerFrameTest : public StatusReaderTest, public ::testing::WithParamInterface<FrameCase> {};

TEST_P(StatusAnswerFrameTest, FindsThePayloadOrReportsTheAnswerUnreadable) {
    const FrameCase& c = GetParam();
    MakeSize(10);
    std::memset(rig.model.PrevInputs, 0x55, sizeof rig.model.PrevInputs);
    AnswerEverything(c.answer);

    EXPECT_EQ(reader.ReadPrevOutputStatus(), c.stored);

    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(rig.model.PrevInputs[i], c.stored ? c.prevInputs[i] : 0x55) << "PrevInputs[" << i << "]";
    for (int i = 8; i < 16; ++i) EXPECT_EQ(rig.model.PrevInputs[i], 0x55) << "beyond the live outputs";
    EXPECT_EQ(rig.view.status, c.stored ? "" : "Error parsing OPINFOVX message....");
}

INSTANTIATE_TEST_SUITE_P(
    Status, StatusAnswerFrameTest,
    ::testing::Values(FrameCase{"MarkerAt0", FramedAnswer(Payload8Text()), true, Payload8()},
                      FrameCase{"MarkerAt29", FramedAnswer(Payload8Text(), Repeat(29, 'L')), true,
                                Payload8()},
                      FrameCase{"FirstMarkerAt30", FramedAnswer(Payload8Text(), Repeat(30, 'L')), false, {}},
                      FrameCase{"FirstOfTwoMarkersCounts",
                                "xy" + FramedAnswer("\x01\x01\x09\x09\x09\x09\x09\x09"),
                                true,
                                {1, 1, 9, 9, 9, 9, 9, 9}},
                      FrameCase{"MarkerInTheSkippedByteIsSkipped", FramedAnswer(Payload8Text(), "", '\x01'),
                                true, Payload8()},
                      FrameCase{"WorkedAnswer",
                                std::string("\x01\x00\x00\x03\xFC\xFC\x07\xFC\xFC\xFC\x0D\x0A\x23", 13),
                                true,
                                {0, 3, NO_INPUT, NO_INPUT, 7, NO_INPUT, NO_INPUT, NO_INPUT}},
                      FrameCase{"PayloadEndingOnTheLastByteReceived",
                                FramedAnswer(Payload8Text(), "", '\0', ""), true, Payload8()},
                      FrameCase{"ShortAnswer", FramedAnswer("\x05\x06\x07", "", '\0', "\r\n"), false, {}},
                      FrameCase{"MarkerTooCloseToTheEnd",
                                FramedAnswer("\x05\x06\x07\x08", Repeat(25, 'L'), '\0', "\r\n#"),
                                false,
                                {}},
                      FrameCase{"MarkerOnlyInWhatAnEarlierAnswerLeft", "abc", false, {}},
                      FrameCase{"EmptyAnswer", "", false, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StatusReaderTest, UnreadableAnswerShowsItsTextThenLetsEventsRunAndPauses) {
    AnswerEverything("no marker here\r\n#");
    std::vector<std::string> statusAtEvents;
    rig.events.onEvents = [&] { statusAtEvents.push_back(rig.view.status); };
    const auto start = rig.clock.now;

    EXPECT_FALSE(reader.ReadGroupingStatus());

    EXPECT_EQ(statusAtEvents, std::vector<std::string>{"Error parsing GINFOVX message...."});
    EXPECT_EQ(rig.clock.now - start, 100);
}

TEST_F(StatusReaderTest, MissingAnswerFailsSilentlyAndChangesNothing) {
    query.answerFor = [](const std::string&) { return std::nullopt; };
    const auto start = rig.clock.now;
    rig.model.Info.ModelCode = 11;

    EXPECT_FALSE(reader.ReadMatrixInfo());

    EXPECT_EQ(rig.model.Info.ModelCode, 11);
    EXPECT_EQ(rig.model.OutputCount, 16);
    EXPECT_TRUE(rig.view.statusHistory.empty());
    EXPECT_EQ(rig.events.processed, 0);
    EXPECT_EQ(rig.clock.now, start);
}

// ---- Each read: its line, its minimum length, and its block stored verbatim ----

struct ReadCase {
    const char* name;
    std::function<bool(StatusReader&)> read;
    std::string line;
    int minLength;
    std::function<std::string(const SwitcherState&)> block;  // the bytes the read fills
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.name;
}

class StatusEachReadTest : public StatusReaderTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(StatusEachReadTest, SendsItsQueryAndStoresThePayloadVerbatim) {
    const ReadCase& c = GetParam();
    const int length = static_cast<int>(c.block(rig.model).size());
    std::string payload;
    for (int i = 0; i < length; ++i) payload += static_cast<char>((i * 7 + 3) & 0xFF);
    AnswerEverything(FramedAnswer(payload, "lead", '\x23'));

    ASSERT_TRUE(c.read(reader));

    ASSERT_FALSE(query.lines.empty());
    EXPECT_EQ(query.lines.front(), c.line);
    EXPECT_EQ(query.minLengths.front(), c.minLength);
    EXPECT_EQ(c.block(rig.model), payload);
}

INSTANTIATE_TEST_SUITE_P(
    Status, StatusEachReadTest,
    ::testing::Values(
        // The model code in this payload (101) is unknown, so the panel stays 16 x 16.
        ReadCase{"MatrixInfo", [](StatusReader& r) { return r.ReadMatrixInfo(); }, "MINFOVX\r", 20,
                 [](const SwitcherState& m) { return BytesOf(m.Info); }},
        ReadCase{"OutputStatus", [](StatusReader& r) { return r.ReadOutputStatus(); }, "OINFOVX\r", 32,
                 [](const SwitcherState& m) { return BytesOf(m.Routes); }},
        ReadCase{"PrevOutputStatus", [](StatusReader& r) { return r.ReadPrevOutputStatus(); }, "OPINFOVX\r",
                 16, [](const SwitcherState& m) { return BytesOf(m.PrevInputs); }},
        ReadCase{"GroupingStatus", [](StatusReader& r) { return r.ReadGroupingStatus(); }, "GINFOVX\r", 170,
                 [](const SwitcherState& m) { return BytesOf(m.Groups); }},
        ReadCase{"PresetStatus", [](StatusReader& r) { return r.ReadPresetStatus(); }, "PINFOVX 0\r", 36,
                 [](const SwitcherState& m) { return BytesOf(m.Presets[7]); }},
        ReadCase{"PresetGroupStatus", [](StatusReader& r) { return r.ReadPresetGroupStatus(); },
                 "PGINFOVX 0\r", 170, [](const SwitcherState& m) { return BytesOf(m.PresetGroups[7]); }}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- The matrix information and the size it sets ----

std::string MatrixInfo(int modelCode, std::uint16_t reclockerMask) {
    DeviceInfo info{};
    info.ModelCode = static_cast<byte>(modelCode);
    info.ReclockerMask.Set(reclockerMask);
    return FramedAnswer(BytesOf(info));
}

TEST_F(StatusReaderTest, EightByEightMatrixInfoShrinksTheFollowingOutputReads) {
    std::memset(rig.model.Routes, 0x44, sizeof rig.model.Routes);
    std::memset(rig.model.PrevInputs, 0x55, sizeof rig.model.PrevInputs);
    query.answerFor = [](const std::string& line) -> std::optional<std::string> {
        if (line == "MINFOVX\r") return MatrixInfo(10, 0x0000);
        if (line == "OINFOVX\r") return FramedAnswer(Repeat(16, '\x02'));
        return FramedAnswer(Repeat(8, '\x03'));
    };

    ASSERT_TRUE(reader.ReadMatrixInfo());
    ASSERT_TRUE(reader.ReadOutputStatus());
    ASSERT_TRUE(reader.ReadPrevOutputStatus());

    EXPECT_EQ(rig.model.OutputCount, 8);
    EXPECT_EQ(rig.model.InputCount, 8);
    EXPECT_EQ(query.minLengths, (std::vector<int>{20, 16, 8}));
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(rig.model.Routes[i].Input, 2);
        EXPECT_EQ(rig.model.PrevInputs[i], 3);
    }
    for (int i = 8; i < 16; ++i) {
        EXPECT_EQ(rig.model.Routes[i].Input, 0x44);
        EXPECT_EQ(rig.model.Routes[i].Committed, 0x44);
        EXPECT_EQ(rig.model.PrevInputs[i], 0x55);
    }
}

struct SizeCase {
    const char* name;
    int startCode;  // the size the panel has before the read
    int modelCode;  // in the answer
    std::uint16_t mask;
    int expectedCount;
    std::vector<byte> reclockers;  // all 16 afterwards; the panel starts with 2 in every entry
};

void PrintTo(const SizeCase& c, std::ostream* os) {
    *os << c.name;
}

class StatusMatrixInfoSizeTest : public StatusReaderTest, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(StatusMatrixInfoSizeTest, CountsFollowTheModelCodeAndReclockersTheNewCount) {
    const SizeCase& c = GetParam();
    MakeSize(c.startCode);
    std::memset(rig.model.Reclockers, 2, sizeof rig.model.Reclockers);
    AnswerEverything(MatrixInfo(c.modelCode, c.mask));

    ASSERT_TRUE(reader.ReadMatrixInfo());

    EXPECT_EQ(rig.model.OutputCount, c.expectedCount);
    EXPECT_EQ(rig.model.InputCount, c.expectedCount);
    EXPECT_EQ(std::vector<byte>(rig.model.Reclockers, rig.model.Reclockers + 16), c.reclockers);
}

std::vector<byte> Reclockers(std::initializer_list<byte> head, byte rest) {
    std::vector<byte> v(head);
    v.resize(16, rest);
    return v;
}

INSTANTIATE_TEST_SUITE_P(
    Status, StatusMatrixInfoSizeTest,
    ::testing::Values(SizeCase{"EightByEight", 11, 10, 0x0105, 8, Reclockers({1, 0, 1, 0, 0, 0, 0, 0}, 2)},
                      SizeCase{"BackToSixteen", 10, 20, 0x8001, 16,
                               Reclockers({1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}, 0)},
                      SizeCase{"UnknownCodeKeepsEight", 10, 0, 0xFF01, 8,
                               Reclockers({1, 0, 0, 0, 0, 0, 0, 0}, 2)},
                      SizeCase{"UnknownCodeKeepsSixteen", 11, 0, 0x0003, 16, Reclockers({1, 1}, 0)}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- The eight-answer reads ----

TEST_F(StatusReaderTest, PresetReadsStopAtTheFirstUnreadableAnswer) {
    for (auto& p : rig.model.Presets) std::memset(&p, 0x66, sizeof p);
    query.answerFor = [](const std::string& line) -> std::optional<std::string> {
        if (line == "PINFOVX 3\r") return std::string("PINFOVX 3\r\nERR\r\n#");
        return FramedAnswer(Repeat(36, '\x01'));
    };

    EXPECT_FALSE(reader.ReadPresetStatus());

    EXPECT_EQ(query.lines,
              (std::vector<std::string>{"PINFOVX 0\r", "PINFOVX 1\r", "PINFOVX 2\r", "PINFOVX 3\r"}));
    EXPECT_EQ(rig.view.status, "Error parsing PINFOVX message....");
    for (int p = 0; p < 8; ++p)
        EXPECT_EQ(BytesOf(rig.model.Presets[p]), Repeat(36, p < 3 ? '\x01' : '\x66')) << "preset " << p;
}

TEST_F(StatusReaderTest, PresetGroupReadsAllEightAndMovesTheDotsOnBeforeTheThirdAndSixth) {
    // The dots are recorded with the number of queries already sent.
    struct DotsLog : RecordingProgress {
        const test::ScriptedStatusQuery* query = nullptr;
        std::vector<std::size_t> queriesBefore;
        void SetProgressText(const std::string& t) override {
            RecordingProgress::SetProgressText(t);
            queriesBefore.push_back(query->lines.size());
        }
    } log;
    log.query = &query;
    StatusReader logged{rig.ctx, query, log};
    query.answerFor = [](const std::string& line) -> std::optional<std::string> {
        const char n = line[line.size() - 2];  // "PGINFOVX n\r"
        return FramedAnswer(Repeat(170, static_cast<char>(0x10 + n - '0')));
    };

    EXPECT_TRUE(logged.ReadPresetGroupStatus());

    ASSERT_EQ(query.lines.size(), 8u);
    for (int n = 0; n < 8; ++n) {
        EXPECT_EQ(query.lines[n], "PGINFOVX " + std::to_string(n) + "\r");
        EXPECT_EQ(BytesOf(rig.model.PresetGroups[n]), Repeat(170, static_cast<char>(0x10 + n)));
    }
    EXPECT_EQ(log.dots, (std::vector<std::string>{".......", "........"}));
    EXPECT_EQ(log.queriesBefore, (std::vector<std::size_t>{2, 5}));
}

TEST_F(StatusReaderTest, PresetGroupReadStopsWhenAnAnswerIsMissing) {
    query.answerFor = [](const std::string& line) -> std::optional<std::string> {
        if (line == "PGINFOVX 1\r") return std::nullopt;
        return FramedAnswer(Repeat(170, '\x02'));
    };

    EXPECT_FALSE(reader.ReadPresetGroupStatus());

    EXPECT_EQ(query.lines.size(), 2u);
    EXPECT_TRUE(rig.view.statusHistory.empty());
    EXPECT_TRUE(progress.dots.empty());
}

}  // namespace
}  // namespace vx
