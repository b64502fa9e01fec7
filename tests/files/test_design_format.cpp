#include "files/design_format.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace coilwise {
namespace {

// Records what reading puts into the window, in order.
class RecordingSink final : public DesignFileSink {
public:
    void beginRecord() override {
        ++records;
        fields.clear();
    }
    void setField(FieldRef ref, const std::string& text) override { fields[fieldRefName(ref)] = text; }

    int records = 0;
    std::map<std::string, std::string> fields;
};

const std::string nineLineExample = "COIL-WISE DATA: DO NOT MODIFY!!\r\n"
                                    "-------------------------------\r\n"
                                    " 1 \r\n"
                                    " 50 \r\n"
                                    " 1 \r\n"
                                    "12.00\r\n"
                                    "1.00\r\n"
                                    "220.0\r\n"
                                    "\r\n";

TEST(DesignFormat, WritesTheNineLineExampleByteForByte) {
    EXPECT_EQ(writeDesignFile({1, 50, {{"12.00", "1.00"}}, "220.0", ""}), nineLineExample);
}

TEST(DesignFormat, RoundTripKeepsEveryInput) {
    const DesignInputs inputs{
        3, 60, {{"12.00", "1.00"}, {"", ""}, {"6,30", "0,50"}}, "230,0", "Tensi\xc3\xb3n \xe2\x82\xac"};
    const std::string bytes = writeDesignFile(inputs);
    EXPECT_NE(bytes.find("Tensi\xf3n \x80"), std::string::npos); // stored in Windows-1252
    RecordingSink sink;
    const DesignReadResult result = readDesignFile(bytes, sink);
    EXPECT_EQ(result.status, DesignReadStatus::ok);
    EXPECT_EQ(result.service, 3);
    EXPECT_EQ(result.frequency, 60);
    EXPECT_EQ(sink.records, 1);
    EXPECT_EQ(sink.fields, (std::map<std::string, std::string>{{"labvsec(1)", "12.00"},
                                                               {"labisec(1)", "1.00"},
                                                               {"labvsec(2)", ""},
                                                               {"labisec(2)", ""},
                                                               {"labvsec(3)", "6,30"},
                                                               {"labisec(3)", "0,50"},
                                                               {"labvpri", "230,0"},
                                                               {"labobs", "Tensi\xc3\xb3n \xe2\x82\xac"}}));
}

std::string notesAfterRoundTrip(const std::string& notes) {
    RecordingSink sink;
    const DesignReadResult result = readDesignFile(writeDesignFile({1, 50, {}, "220.0", notes}), sink);
    EXPECT_EQ(result.status, DesignReadStatus::ok) << notes;
    return sink.fields["labobs"];
}

TEST(DesignFormat, NotesReadBackAsTheyWereGiven) {
    struct Case {
        std::string given;
        std::string readBack;
    };
    const std::vector<Case> cases = {
        {"a\r\nb\rc\nd\r\n", "a b c d "}, // a break of any kind is one blank: the notes are one line
        {"tab\there \xce\xa9 \xc2\xb1", "tab\there \xce\xa9 \xc2\xb1"},
        // Windows-1252 bytes that happen to form UTF-8 ("\xC2\xB1" as two characters or as one).
        {"\xc3\x82\xc2\xb1"
         "5 %",
         "\xc3\x82\xc2\xb1"
         "5 %"},
        {"\xc3\xaf\xc2\xbb\xc2\xbf at the start", "\xc3\xaf\xc2\xbb\xc2\xbf at the start"},
        {std::string(100'000, 'n'), std::string(100'000, 'n')},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(notesAfterRoundTrip(c.given), c.readBack) << c.given.substr(0, 40);
    }
}

TEST(DesignFormat, HeaderIsCheckedAfterAByteOrderMark) {
    RecordingSink sink;
    EXPECT_EQ(readDesignFile("\xef\xbb\xbf" + nineLineExample, sink).status, DesignReadStatus::ok);
    EXPECT_EQ(readDesignFile("\xef\xbb\xbf\xef\xbb\xbf" + nineLineExample, sink).status,
              DesignReadStatus::invalidFormat);
}

TEST(DesignFormat, DesignWithoutSecondariesHasSevenLines) {
    const std::string bytes = writeDesignFile({2, 50, {}, "220.0", "note"});
    EXPECT_EQ(bytes,
              "COIL-WISE DATA: DO NOT MODIFY!!\r\n-------------------------------\r\n 2 \r\n 50 \r\n 0 \r\n"
              "220.0\r\nnote\r\n");
}

struct MalformedCase {
    const char* name;
    std::string bytes;
    DesignReadStatus status;
    int records;
    std::vector<std::string> fieldsSet; // names of the fields the last record reached
};

class MalformedFile : public testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedFile, StopsWhereTheFileGoesWrong) {
    const MalformedCase& c = GetParam();
    RecordingSink sink;
    EXPECT_EQ(readDesignFile(c.bytes, sink).status, c.status);
    EXPECT_EQ(sink.records, c.records);
    std::vector<std::string> names;
    for (const auto& entry : sink.fields) {
        names.push_back(entry.first);
    }
    EXPECT_EQ(names, c.fieldsSet);
}

const std::string header = "COIL-WISE DATA: DO NOT MODIFY!!\r\n-------------------------------\r\n";
const std::vector<std::string> oneRow{"labisec(1)", "labobs", "labvpri", "labvsec(1)"};

INSTANTIATE_TEST_SUITE_P(
    Cases, MalformedFile,
    testing::Values(
        MalformedCase{"Empty", "", DesignReadStatus::empty, 0, {}},
        MalformedCase{"HeaderInOtherCase",
                      "Coil-Wise DATA: DO NOT MODIFY!!\r\n",
                      DesignReadStatus::invalidFormat,
                      0,
                      {}},
        MalformedCase{"HeaderWithTrailingBlank",
                      "COIL-WISE DATA: DO NOT MODIFY!! \r\n" + nineLineExample.substr(33),
                      DesignReadStatus::invalidFormat,
                      0,
                      {}},
        MalformedCase{"LineFeedsOnly",
                      "COIL-WISE DATA: DO NOT MODIFY!!\n-------\n 1 \n",
                      DesignReadStatus::invalidFormat,
                      0,
                      {}},
        MalformedCase{"NotesWithALineBreak",
                      header + " 1 \r\n 50 \r\n 1 \r\n12.00\r\n1.00\r\n220.0\r\nfirst\r\nsecond\r\n",
                      DesignReadStatus::invalidFormat, 1, oneRow},
        MalformedCase{"TrailingBlankLine", nineLineExample + "\r\n", DesignReadStatus::invalidFormat, 1,
                      oneRow},
        MalformedCase{"TwoRecordsTheSecondWins",
                      nineLineExample + header + " 1 \r\n 60 \r\n 0 \r\n110.0\r\nb\r\n",
                      DesignReadStatus::ok,
                      2,
                      {"labobs", "labvpri"}},
        MalformedCase{"SixRows",
                      header + " 1 \r\n 50 \r\n 6 "
                               "\r\n1\r\n1\r\n2\r\n2\r\n3\r\n3\r\n4\r\n4\r\n5\r\n5\r\n6\r\n6\r\n220\r\n\r\n",
                      DesignReadStatus::stopped,
                      1,
                      {"labisec(1)", "labisec(2)", "labisec(3)", "labisec(4)", "labisec(5)", "labvsec(1)",
                       "labvsec(2)", "labvsec(3)", "labvsec(4)", "labvsec(5)"}},
        MalformedCase{"MissingLines",
                      header + " 1 \r\n 50 \r\n 1 \r\n12.00\r\n",
                      DesignReadStatus::stopped,
                      1,
                      {"labvsec(1)"}},
        MalformedCase{"CountTooLargeFor16Bits",
                      header + " 1 \r\n 50 \r\n 40000 \r\n",
                      DesignReadStatus::stopped,
                      1,
                      {}},
        MalformedCase{"HeaderOnly", "COIL-WISE DATA: DO NOT MODIFY!!", DesignReadStatus::stopped, 1, {}}),
    [](const testing::TestParamInfo<MalformedCase>& info) { return info.param.name; });

TEST(DesignFormat, NumberLinesReadAsTheirLeadingNumber) {
    RecordingSink sink;
    const DesignReadResult result = readDesignFile(header + "7\r\nabc\r\n 0 \r\n220.0\r\n\r\n", sink);
    EXPECT_EQ(result.status, DesignReadStatus::ok);
    EXPECT_EQ(result.service, 7);
    EXPECT_EQ(result.frequency, 0);
}

TEST(DesignFormat, FileIntegersRoundHalfToEvenAndFit16Bits) {
    EXPECT_EQ(fileInteger(2.5), 2);
    EXPECT_EQ(fileInteger(3.5), 4);
    EXPECT_EQ(fileInteger(-32768), -32768);
    EXPECT_EQ(fileInteger(32767.4), 32767);
    EXPECT_EQ(fileInteger(32767.5), std::nullopt);
    EXPECT_EQ(fileInteger(40000), std::nullopt);
}

TEST(DesignFormat, ServiceAndFrequencyLinesMeanTheDesignsSettings) {
    const struct {
        double service;
        double frequency;
        std::optional<DesignSettings> meaning;
    } cases[] = {
        {1, 50, DesignSettings{1, 50}},
        {3, 60, DesignSettings{3, 60}},
        {2, 0, DesignSettings{2, 60}},
        {2, 50.5, DesignSettings{2, 60}},
        {2.5, 50, DesignSettings{2, 50}},
        {3.5, 50, std::nullopt},
        {0, 50, std::nullopt},
        {4, 50, std::nullopt},
        {1e10, 50, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.service << " " << c.frequency);
        DesignReadResult read;
        read.service = c.service;
        read.frequency = c.frequency;
        const std::optional<DesignSettings> meaning = designSettings(read);
        ASSERT_EQ(meaning.has_value(), c.meaning.has_value());
        if (meaning) {
            EXPECT_EQ(meaning->service, c.meaning->service);
            EXPECT_EQ(meaning->frequency, c.meaning->frequency);
        }
    }
}

} // namespace
} // namespace coilwise
