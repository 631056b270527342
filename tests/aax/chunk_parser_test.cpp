// The controls-state chunk: byte layout, reading back, damaged records.
#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "AAX_CChunkDataParser.h"

namespace {

using Bytes = std::vector<unsigned char>;

struct Record {
    static constexpr int32_t kDataLength = INT32_MIN;
    explicit Record(const Bytes& data, int32_t size = kDataLength)
        : bytes(kAAXChunkHeaderSize + data.size() + 8, 0xEE)
    {
        get()->fSize = size == kDataLength ? int32_t(data.size()) : size;
        std::memcpy(get()->fData, data.data(), data.size());
    }
    AAX_SPlugInChunk* get() { return reinterpret_cast<AAX_SPlugInChunk*>(bytes.data()); }
    Bytes data()
    {
        return Bytes(bytes.begin() + kAAXChunkHeaderSize, bytes.begin() + kAAXChunkHeaderSize + get()->fSize);
    }
    Bytes bytes;
};

Bytes written(const AAX_CChunkDataParser& p)
{
    Record r(Bytes(size_t(p.GetChunkDataSize()), 0xEE));
    EXPECT_EQ(p.GetChunkData(r.get()), 0);
    EXPECT_EQ(r.bytes[kAAXChunkHeaderSize + size_t(r.get()->fSize)], 0xEE) << "wrote past the size";
    return r.data();
}

TEST(AaxChunkParser, WrittenLayouts)
{
    AAX_CChunkDataParser p;
    EXPECT_EQ(written(p), (Bytes{1, 1, 1, 1}));
    p.AddDouble("In", 1.0);
    EXPECT_EQ(written(p), (Bytes{1, 1, 1, 1, 'd', '_', 'I', 'n', 0, 0, 0, 0, 0x3F, 0xF0, 0, 0, 0, 0, 0, 0}));

    AAX_CChunkDataParser s;
    s.AddString("A", AAX_CString("xy"));
    s.AddInt32("B", -2);
    EXPECT_EQ(written(s), (Bytes{1, 1, 1,   1,   'r', '_', 'A',  0,    'x',  'y',
                                 0, 0, 'l', '_', 'B', 0,   0xFF, 0xFF, 0xFF, 0xFE}));
}

TEST(AaxChunkParser, ReadsBackWhatItWrote)
{
    AAX_CChunkDataParser out;
    const char* names[] = {"In", "InGain", "Thresh", "Attack", "Release", "Ratio", "Makeup"};
    for (int i = 0; i < 7; ++i)
        out.AddDouble(names[i], 0.1 * i);
    out.AddString("S", AAX_CString("text"));
    out.AddInt32("I", -7);
    Record r(written(out));
    r.get()->fVersion = 3;

    AAX_CChunkDataParser in;
    in.LoadChunk(r.get());
    EXPECT_EQ(in.mChunkVersion, 3);
    for (int i = 0; i < 7; ++i) {
        double d = -1;
        EXPECT_TRUE(in.FindDouble(names[i], &d)) << names[i];
        EXPECT_EQ(d, 0.1 * i);
    }
    AAX_CString text;
    int32_t n = 0;
    double d;
    EXPECT_TRUE(in.FindString("S", &text));
    EXPECT_STREQ(text.Get(), "text");
    EXPECT_TRUE(in.FindInt32("I", &n));
    EXPECT_EQ(n, -7);
    EXPECT_FALSE(in.FindInt32("In", &n)) << "a double is not an integer";
    EXPECT_FALSE(in.FindDouble("MasterBypassID", &d));
}

TEST(AaxChunkParser, FindNameWrapsAroundDuplicates)
{
    AAX_CChunkDataParser p;
    p.AddDouble("X", 1);
    p.AddDouble("Y", 2);
    p.AddDouble("X", 3);
    const AAX_CString x("X");
    EXPECT_EQ(p.FindName(x), 0);
    EXPECT_EQ(p.FindName(x), 2);
    EXPECT_EQ(p.FindName(x), 0);
    EXPECT_EQ(p.FindName(AAX_CString("none")), -1);
}

TEST(AaxChunkParser, DamagedRecordsAreReadWithinTheirSize)
{
    const Bytes good = {1, 1, 1, 1, 'd', '_', 'I', 'n', 0, 0, 0, 0, 0x3F, 0xF0, 0, 0, 0, 0, 0, 0};
    struct Case {
        const char* what;
        Bytes data;
        int32_t size;
        size_t entries;
    } cases[] = {
        {"wrong header",
         {1, 1, 1, 2, 'd', '_', 'I', 'n', 0, 0, 0, 0, 0x3F, 0xF0, 0, 0, 0, 0, 0, 0},
         Record::kDataLength,
         0},
        {"too short", {1, 1, 1, 1}, Record::kDataLength, 0},
        {"negative size", good, -5, 0},
        {"value cut short", Bytes(good.begin(), good.end() - 1), -1, 0},
        {"name without terminator", {1, 1, 1, 1, 'd', '_', 'I', 'n'}, Record::kDataLength, 0},
        {"short tag", {1, 1, 1, 1, 'd', 0, 0, 0, 0x3F, 0xF0, 0, 0, 0, 0, 0, 0}, Record::kDataLength, 1},
        {"empty tag at the end", {1, 1, 1, 1, 0}, Record::kDataLength, 1},
        {"string without terminator", {1, 1, 1, 1, 'r', '_', 'A', 0, 'x', 'y'}, Record::kDataLength, 0},
        {"unknown letter", {1, 1, 1, 1, 'q', '_', 'Z', 0}, Record::kDataLength, 1},
        {"good then junk",
         [&] {
             Bytes b = good;
             b.insert(b.end(), {'f', '_', 'X', 0, 1});
             return b;
         }(),
         Record::kDataLength, 1},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.what);
        Record r(c.data, c.size);
        AAX_CChunkDataParser p;
        p.AddDouble("stale", 1);
        p.LoadChunk(r.get());
        EXPECT_EQ(p.Entries().size(), c.entries);
    }
    AAX_CChunkDataParser p;
    p.LoadChunk(nullptr);
    EXPECT_TRUE(p.Entries().empty());
    EXPECT_EQ(p.GetChunkData(nullptr), -20004);
}

TEST(AaxChunkParser, EveryNameLengthStaysInsideItsSize)
{
    // Each alignment of the padding after a name, for every value kind.
    for (size_t length = 0; length < 8; ++length) {
        const std::string name(length, 'n');
        AAX_CChunkDataParser p;
        p.AddDouble(name.c_str(), 2.5);
        p.AddInt32(name.c_str(), 9);
        p.AddString(name.c_str(), AAX_CString(std::string(length, 't').c_str()));
        Record r(written(p));
        AAX_CChunkDataParser back;
        back.LoadChunk(r.get());
        ASSERT_EQ(back.Entries().size(), 3u) << length;
        double d = 0;
        EXPECT_TRUE(back.FindDouble(name.c_str(), &d));
        EXPECT_EQ(d, 2.5);
    }
}

}  // namespace
